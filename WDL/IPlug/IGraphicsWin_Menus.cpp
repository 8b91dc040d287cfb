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
  // The menu posts the chosen id to its owner. The owner may be destroyed
  // while the menu is open (the host closes the editor): its messages went
  // with it, and a null window would take any message of the thread, the
  // host's own included. Only the window the menu was shown for is read.
  HWND owner = mWindow;
  if (TrackPopupMenu(popup, TPM_LEFTBUTTON, p.x, p.y, 0, owner, nullptr) && owner == mWindow && IsWindow(owner)) {
    MSG msg;
    if (PeekMessageA(&msg, owner, WM_COMMAND, WM_COMMAND, PM_REMOVE) && HIWORD(msg.wParam) == 0)
      result = SelectWinPopupMenuItem(menu, LOWORD(msg.wParam));
  }
  DestroyMenu(popup);
  InvalidateEditorArea();
  return result;
}
