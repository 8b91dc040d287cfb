// Tooltips: one tooltip window per editor window, with the editor window as
// its one tool; the hovered control's text is set into it and cleared again.

#include "IGraphicsWin.h"

#include <commctrl.h>

#include <cstddef>

namespace {
// The tool record of the tooltip messages: its version-2 size, 64 bytes.
constexpr UINT kToolRecordSize = offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM);
static_assert(kToolRecordSize == 64, "tool record size");
}  // namespace

void IGraphicsWin::CreateTooltips() {
  INITCOMMONCONTROLSEX init = {sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
  bool ok = InitCommonControlsEx(&init) != 0;
  if (ok) {
    mTooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, mWindow, nullptr, mModule, nullptr);
    ok = mTooltip != nullptr;
  }
  if (ok) {
    SetWindowPos(mTooltip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    TTTOOLINFOA tool = {};
    tool.cbSize = kToolRecordSize;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = mWindow;
    tool.uId = reinterpret_cast<UINT_PTR>(mWindow);
    ok = SendMessageA(mTooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
  }
  if (!ok) {
    if (mTooltip) DestroyWindow(mTooltip);
    mTooltip = nullptr;
    EnableTooltips(false);
  }
}

void IGraphicsWin::SetTooltipText(const char* text) {
  if (!mTooltip) return;
  TTTOOLINFOA tool = {};
  tool.cbSize = kToolRecordSize;
  tool.hwnd = mWindow;
  tool.uId = reinterpret_cast<UINT_PTR>(mWindow);
  tool.lpszText = const_cast<char*>(text);
  SendMessageA(mTooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void IGraphicsWin::HideTooltip() {
  SetTooltipText(nullptr);
  mTooltipShown = false;
}

void IGraphicsWin::ShowTooltip(const char* text) { SetTooltipText(text); }
