#pragma once
// What a test host does with windows to show and drive a plug-in's editor:
// a top-level window to give the plug-in as its parent, the editor's child
// window found in it, mouse presses sent to it and the messages pumped so
// that timers and painting run. Real on Windows. With the Cocoa editor the
// parent is a window's content view, as a macOS host hands one, and the
// editor's view is found in it; there no pixels are read back and no input
// is sent. Natively otherwise there are no windows (the editor is headless
// there), so the handle is a dummy and the rest finds or does nothing.
// Threads: the caller's (the host's user-interface thread).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vo {

class HostWindow {
public:
  // A visible top-level window of the client size given; allocates.
  HostWindow(int width, int height);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  void* Handle() const { return mHandle; }

private:
  void* mHandle = nullptr;
};

// What the host's user-interface thread holds while it handles one event:
// with Cocoa an autorelease pool, so that what the editor autoreleases goes
// when the scope ends; nothing elsewhere. Allocates.
class HostEventScope {
public:
  HostEventScope();
  ~HostEventScope();
  HostEventScope(const HostEventScope&) = delete;
  HostEventScope& operator=(const HostEventScope&) = delete;

private:
  [[maybe_unused]] void* mPool = nullptr;  // the pool, where there is one
};

// Whether this platform has real windows whose pixels and input the host
// reads and drives (and so editor pixels to check).
bool HasWindows();
// Whether the editor's window is found in the host's (FirstChildWindow,
// ChildWindowCount): with real windows and with the Cocoa editor's view.
bool FindsChildWindows();

// The first child window of parent, or null; its class name and client
// size go to the optional outputs.
void* FirstChildWindow(void* parent, std::string* className = nullptr, int* width = nullptr,
                       int* height = nullptr);
// Number of child windows of parent; a window's parent (null when none).
int ChildWindowCount(void* parent);
void* ParentWindow(void* window);

// A press and release of the left (or right) button at (x, y) in the
// window's client pixels, sent as the system sends them.
void ClickWindow(void* window, int x, int y, bool right = false);
// Runs the thread's message loop for about milliseconds (timers fire,
// windows paint).
void PumpMessages(int milliseconds);
// Runs the message loop until done() answers true, for at most
// timeoutMilliseconds; answers whether it did. Waiting for what the test
// looks for, rather than for a fixed time, keeps a loaded machine from
// failing a test that is merely slow.
bool PumpMessagesUntil(const std::function<bool()>& done, int timeoutMilliseconds);

// Input as the system queues it for a user: a press or a release of the
// left (or right) button at (x, y) in the window's client pixels, posted
// and delivered by the next PumpMessages.
void PostPress(void* window, int x, int y, bool right = false);
void PostRelease(void* window, int x, int y, bool right = false);
// Key presses posted to the window with the keyboard focus: each character
// of text (turned into characters by the message loop), or one virtual key
// ('\r' Return, 0x1b Escape). Delivered by the next PumpMessages.
void PostText(const std::string& text);
void PostKey(int virtualKey);
// The window with the keyboard focus, the one holding the mouse capture
// (null when none), and a window's text.
void* FocusWindow();
void* CaptureWindow();
std::string WindowText(void* window);
// A press and release at (x, y) of the window, which opens an editor's text
// box there, then Backspace in it: the emptied box, or null when no box
// took the focus or it did not become empty (within two seconds each).
void* OpenEmptiedTextBox(void* window, int x, int y);
// Escape in the box, then the message loop until the box has given up the
// focus (at most two seconds); answers whether it did.
bool CancelTextBox(void* box);

// A window's client area as painted: top-down rows of 0x00RRGGBB.
struct WindowPixels {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
// False (and nothing captured) without windows or when the capture fails.
bool CaptureWindowPixels(void* window, WindowPixels* out);
// Captures the window into a PNG file; false without windows or on failure.
bool CaptureWindowPng(void* window, const std::string& path);

}  // namespace vo
