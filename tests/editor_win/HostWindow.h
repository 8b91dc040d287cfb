#pragma once
// The test's stand-in for a host: a window that the editor attaches to,
// recording the keys forwarded to the host, plus message-loop helpers. The
// host window is a child of one visible top-level window that lives as long
// as the program: under Wine without a window manager, destroying a visible
// top-level window takes two seconds.

#include <windows.h>

#include <vector>

namespace vo {

class HostWindow {
 public:
  // Creates the window (800 x 800) in the top-level window, which it creates
  // on first use, shows and brings to the foreground so that windows in it
  // can take the focus.
  HostWindow();
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND Handle() const { return mWindow; }
  // Destroys the window as a host would, without asking the editor first.
  void Destroy();

  // Virtual keys of the WM_KEYDOWN messages that reached the top-level
  // window while this host was the newest.
  std::vector<WPARAM> keysDown;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND mWindow = nullptr;
};

// Dispatches the waiting messages of this thread (no waiting).
void PumpMessages();
// Dispatches messages for about the given time.
void PumpMessagesFor(int milliseconds);

// Chooses in the next modal popup menu: a thread timer fires inside the
// menu's loop, ends it and posts WM_COMMAND with the id to owner (id < 0:
// dismisses the menu without a choice). Call right before the menu opens.
void ChooseInNextMenu(HWND owner, int id);

}  // namespace vo
