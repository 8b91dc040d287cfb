#include "HostWindowing.h"

#include "WindowCapture.h"

#include <windows.h>

namespace vo {

namespace {
constexpr const char* kHostWindowClass = "VoTestHostWindow";

void RegisterHostWindowClass() {
  static const ATOM atom = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kHostWindowClass;
    return RegisterClassA(&windowClass);
  }();
  (void)atom;
}
}  // namespace

HostWindow::HostWindow(int width, int height) {
  RegisterHostWindowClass();
  // Visible, so that what the editor paints can be read back from the screen.
  mHandle = CreateWindowExA(0, kHostWindowClass, "host", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

HostWindow::~HostWindow() {
  if (mHandle) DestroyWindow(static_cast<HWND>(mHandle));
}

HostEventScope::HostEventScope() = default;
HostEventScope::~HostEventScope() = default;

bool HasWindows() { return true; }

bool FindsChildWindows() { return true; }

void* FirstChildWindow(void* parent, std::string* className, int* width, int* height) {
  HWND child = parent ? GetWindow(static_cast<HWND>(parent), GW_CHILD) : nullptr;
  if (className) {
    char name[256] = {};
    if (child) GetClassNameA(child, name, sizeof name);
    *className = name;
  }
  RECT client = {};
  if (child) GetClientRect(child, &client);
  if (width) *width = client.right - client.left;
  if (height) *height = client.bottom - client.top;
  return child;
}

int ChildWindowCount(void* parent) {
  int count = 0;
  for (HWND child = parent ? GetWindow(static_cast<HWND>(parent), GW_CHILD) : nullptr; child;
       child = GetWindow(child, GW_HWNDNEXT))
    ++count;
  return count;
}

void ClickWindow(void* window, int x, int y, bool right) {
  HWND target = static_cast<HWND>(window);
  const LPARAM at = MAKELPARAM(x, y);
  SendMessageA(target, WM_MOUSEMOVE, 0, at);
  SendMessageA(target, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, at);
  SendMessageA(target, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
}

void PumpMessages(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

void PostPress(void* window, int x, int y, bool right) {
  HWND target = static_cast<HWND>(window);
  PostMessageA(target, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  PostMessageA(target, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(x, y));
}

void PostRelease(void* window, int x, int y, bool right) {
  PostMessageA(static_cast<HWND>(window), right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void PostKey(int virtualKey) {
  HWND focus = GetFocus();
  if (!focus) return;
  const UINT scan = MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
  // Repeat count 1 and the scan code; the release also carries the
  // previous-state and transition bits.
  const LPARAM down = 1 | static_cast<LPARAM>(scan) << 16;
  const LPARAM up = down | static_cast<LPARAM>(0xC0000000u);
  PostMessageA(focus, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), down);
  PostMessageA(focus, WM_KEYUP, static_cast<WPARAM>(virtualKey), up);
}

void PostText(const std::string& text) {
  // Characters typed without shift; the message loop's TranslateMessage
  // makes each key press a WM_CHAR.
  for (char c : text) PostKey(VkKeyScanA(c) & 0xFF);
}

void* FocusWindow() { return GetFocus(); }

void* ParentWindow(void* window) { return window ? GetParent(static_cast<HWND>(window)) : nullptr; }

void* CaptureWindow() { return GetCapture(); }

std::string WindowText(void* window) {
  char text[256] = {};
  if (window) GetWindowTextA(static_cast<HWND>(window), text, sizeof text);
  return text;
}

bool CaptureWindowPixels(void* window, WindowPixels* out) {
  WindowImage image;
  if (!CaptureWindow(static_cast<HWND>(window), &image)) return false;
  out->width = image.width;
  out->height = image.height;
  out->pixels = std::move(image.pixels);
  return true;
}

bool CaptureWindowPng(void* window, const std::string& path) {
  return CaptureWindowToPng(static_cast<HWND>(window), path.c_str());
}

}  // namespace vo
