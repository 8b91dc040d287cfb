#pragma once
// What a test host does with windows to show and drive a plug-in's editor:
// a top-level window to give the plug-in as its parent, the editor's child
// window found in it, mouse presses sent to it and the messages pumped so
// that timers and painting run. Real on Windows; natively there are no
// windows (the editor is headless there), so the handle is a dummy and the
// rest finds or does nothing.
// Threads: the caller's (the host's user-interface thread).

#include <cstdint>
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

// Whether this platform has real windows (and so editor pixels to check).
bool HasWindows();

// The first child window of parent, or null; its class name and client
// size go to the optional outputs.
void* FirstChildWindow(void* parent, std::string* className = nullptr, int* width = nullptr,
                       int* height = nullptr);
// Number of child windows of parent.
int ChildWindowCount(void* parent);

// A press and release of the left (or right) button at (x, y) in the
// window's client pixels, sent as the system sends them.
void ClickWindow(void* window, int x, int y, bool right = false);
// Runs the thread's message loop for about milliseconds (timers fire,
// windows paint).
void PumpMessages(int milliseconds);

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
