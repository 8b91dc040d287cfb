#include "HostDesktop.h"

#include <windows.h>

namespace vo {

namespace {
// The menu key pressed by the thread timer that fires inside the menu.
UINT_PTR gMenuTimer = 0;
HWND gMenuWindow = nullptr;
char gMenuKey = 0;

void CALLBACK PressMenuKey(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, gMenuTimer);
  gMenuTimer = 0;
  // The menu's loop reads the thread's keyboard messages, whichever window
  // they are for.
  PostMessageA(gMenuWindow, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(gMenuKey)), 1);
}

INPUT KeyInput(int virtualKey, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = static_cast<WORD>(virtualKey);
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void SendWheel(void* window, int x, int y, int delta, int messages, bool ctrl) {
  HWND target = static_cast<HWND>(window);
  // The wheel message carries the point in screen pixels.
  POINT point = {x, y};
  ClientToScreen(target, &point);
  const WPARAM keys = ctrl ? MK_CONTROL : 0;
  for (int i = 0; i < messages; ++i)
    SendMessageA(target, WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(static_cast<SHORT>(delta))),
                 MAKELPARAM(point.x, point.y));
}
}  // namespace

void PressAndDragWindow(void* window, int x, int y, int toX, int toY) {
  HWND target = static_cast<HWND>(window);
  SendMessageA(target, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(target, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, toY));
}

void TakeMouseCapture(void* window) { SetCapture(static_cast<HWND>(window)); }

void ReleaseMouseCapture() { ReleaseCapture(); }

bool SetClipboardText(const std::string& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  bool ok = false;
  if (auto* wide = data ? static_cast<wchar_t*>(GlobalLock(data)) : nullptr) {
    // The tests' texts are ASCII.
    for (size_t i = 0; i < text.size(); ++i) wide[i] = static_cast<unsigned char>(text[i]);
    wide[text.size()] = 0;
    GlobalUnlock(data);
    ok = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
  }
  if (!ok && data) GlobalFree(data);
  CloseClipboard();
  return ok;
}

void SendKeyChord(int modifierKey, int virtualKey) {
  INPUT inputs[4] = {KeyInput(modifierKey, false), KeyInput(virtualKey, false), KeyInput(virtualKey, true),
                     KeyInput(modifierKey, true)};
  SendInput(4, inputs, sizeof(INPUT));
}

void PostPaste(void* window) { PostMessageA(static_cast<HWND>(window), WM_PASTE, 0, 0); }

void PostContextMenuChoice(void* window, char accessKey) {
  HWND target = static_cast<HWND>(window);
  RECT r = {};
  GetWindowRect(target, &r);
  gMenuWindow = target;
  gMenuKey = accessKey;
  gMenuTimer = SetTimer(nullptr, 0, 100, PressMenuKey);
  PostMessageA(target, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target), MAKELPARAM(r.left + 2, r.top + 2));
}

void DoubleClickWindow(void* window, int x, int y) {
  HWND target = static_cast<HWND>(window);
  const LPARAM at = MAKELPARAM(x, y);
  SendMessageA(target, WM_MOUSEMOVE, 0, at);
  SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(target, WM_LBUTTONUP, 0, at);
  SendMessageA(target, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageA(target, WM_LBUTTONUP, 0, at);
}

bool InputDoubleClick(void* window, int x, int y) {
  HWND target = static_cast<HWND>(window);
  // Real input goes to the window under the cursor: the host's window comes
  // to the front first, as the one a user clicks on is.
  SetWindowPos(GetAncestor(target, GA_ROOT), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  POINT point = {x, y};
  if (!ClientToScreen(target, &point) || !SetCursorPos(point.x, point.y) || WindowFromPoint(point) != target)
    return false;
  INPUT inputs[4] = {};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_MOUSE;
    inputs[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
  return SendInput(4, inputs, sizeof(INPUT)) == 4;
}

void WheelWindow(void* window, int x, int y, int notches, bool ctrl) {
  SendWheel(window, x, y, notches < 0 ? -WHEEL_DELTA : WHEEL_DELTA, notches < 0 ? -notches : notches, ctrl);
}

void WheelWindowBy(void* window, int x, int y, int delta, int messages) {
  SendWheel(window, x, y, delta, messages, false);
}

}  // namespace vo
