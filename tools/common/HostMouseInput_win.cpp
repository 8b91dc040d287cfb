#include "HostMouseInput.h"

#include <windows.h>

namespace vo {

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
  HWND target = static_cast<HWND>(window);
  // The wheel message carries the point in screen pixels.
  POINT point = {x, y};
  ClientToScreen(target, &point);
  const int delta = notches < 0 ? -WHEEL_DELTA : WHEEL_DELTA;
  const WPARAM keys = ctrl ? MK_CONTROL : 0;
  for (int i = 0; i < (notches < 0 ? -notches : notches); ++i)
    SendMessageA(target, WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(static_cast<SHORT>(delta))),
                 MAKELPARAM(point.x, point.y));
}

}  // namespace vo
