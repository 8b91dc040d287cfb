// Popup menus: the editor's IPopupMenu shown as a modal Windows menu below
// the given rect; the chosen item arrives as WM_COMMAND after tracking ends.

#include "IGraphicsWin.h"
#include "IPopupMenu.h"
#include "WinPopupMenu.h"

IPopupMenu* IGraphicsWin::CreateIPopupMenu(IPopupMenu* menu, IRECT* rect) {
  ReleasePointerCapture();
  if (!menu || !rect || !mWindow) return nullptr;
  HMENU popup = BuildWinPopupMenu(*menu);
  if (!popup) return nullptr;

  const double scale = GetDisplayScale();
  POINT p = {static_cast<LONG>(rect->L * scale), static_cast<LONG>(rect->B * scale)};
  ClientToScreen(mWindow, &p);
  IPopupMenu* result = nullptr;
  if (TrackPopupMenu(popup, TPM_LEFTBUTTON, p.x, p.y, 0, mWindow, nullptr)) {
    MSG msg;
    if (PeekMessageA(&msg, mWindow, WM_COMMAND, WM_COMMAND, PM_REMOVE) && HIWORD(msg.wParam) == 0)
      result = SelectWinPopupMenuItem(menu, LOWORD(msg.wParam));
  }
  DestroyMenu(popup);
  InvalidateEditorArea();
  return result;
}
