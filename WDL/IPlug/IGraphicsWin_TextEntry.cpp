// The text-entry box: an EDIT child over the control, subclassed so that
// Return commits, Escape cancels and a parameter box accepts only what a
// number of its kind can hold. The redraw timer applies and closes it.

#include "IControl.h"
#include "IGraphicsWin.h"
#include "IPlugParameter.h"
#include "WinTextEntryFilter.h"

namespace {
constexpr int kEditBoxId = 99;
// Marks the box's user data as ours.
constexpr LONG_PTR kEditBoxMarker = static_cast<LONG_PTR>(0xdeadf00b);
// The box's text is read into this many bytes (at most 31 characters).
constexpr int kEditTextCapacity = IGraphics::kMaxEntryText + 1;
}  // namespace

void IGraphicsWin::CreateTextEntry(IControl* control, IText* text, IRECT* rect, const char* initialText,
                                   IPlugParameter* param) {
  if (!control || !text || !rect || mEditBox || !mWindow) return;
  const float s = ScaleF();
  static const DWORD kAlignment[3] = {ES_LEFT, ES_CENTER, ES_RIGHT};
  const DWORD align = text->mAlign >= 0 && text->mAlign <= 2 ? kAlignment[text->mAlign] : ES_LEFT;
  const DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | align;
  const int x = static_cast<int>(static_cast<float>(rect->L) * s);
  const int y = static_cast<int>(static_cast<float>(rect->T) * s);
  const int w = static_cast<int>(static_cast<float>(rect->R - rect->L) * s + 1);
  const int h = static_cast<int>(static_cast<float>(rect->B - rect->T) * s + 1);
  mEditBox = CreateWindowExA(0, "EDIT", initialText ? initialText : "", style, x, y, w, h, mWindow,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditBoxId)), mModule, nullptr);
  if (!mEditBox) return;

  mEditFont = CreateFontA(static_cast<int>(static_cast<float>(text->mSize) * s), 0, 0, 0,
                          text->mStyle == IText::kStyleBold ? FW_BOLD : FW_DONTCARE,
                          text->mStyle == IText::kStyleItalic, 0, 0, 0, 0, 0, 0, 0, text->mFace);
  SendMessageA(mEditBox, WM_SETFONT, reinterpret_cast<WPARAM>(mEditFont), 0);
  SendMessageA(mEditBox, EM_LIMITTEXT, static_cast<WPARAM>(control->GetTextEntryLength()), 0);
  SendMessageA(mEditBox, EM_SETSEL, 0, -1);
  // Focused before it is subclassed: the first WM_SETFOCUS stays with the
  // box, so the editor opens it idle (state 0) and goes on painting and
  // takes the release of the press that opened it. Only a later return of
  // the focus sets state 1.
  SetFocus(mEditBox);
  mPreviousEditProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(mEditBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProcedure)));
  SetWindowLongPtrA(mEditBox, GWLP_USERDATA, kEditBoxMarker);
  mEditParam = param;
  mEditControl = control;
  mEditState = kEditIdle;
}

void IGraphicsWin::CancelTextEntry() {
  // Without a box there is nothing to cancel, and a stale request must not
  // close the next box.
  if (mEditBox) mEditState = kEditCancel;
}

void IGraphicsWin::FinishTextEntry(bool apply) {
  if (apply && mEditControl) {
    char text[kEditTextCapacity] = {};
    SendMessageA(mEditBox, WM_GETTEXT, kEditTextCapacity, reinterpret_cast<LPARAM>(text));
    if (mEditParam) {
      ApplyTextEntry(mEditControl, mEditParam, text);
    } else {
      mEditControl->ApplyTextEntryResult(text);
    }
  }
  CloseTextEntry();
}

void IGraphicsWin::CloseTextEntry() {
  if (mEditBox) {
    HWND box = mEditBox;
    // Forgotten first: the box's last messages then go to its own procedure.
    SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(mPreviousEditProcedure));
    mEditBox = nullptr;
    DestroyWindow(box);
  }
  if (mEditFont) DeleteObject(mEditFont);
  mEditFont = nullptr;
  mEditParam = nullptr;
  mEditControl = nullptr;
  mPreviousEditProcedure = nullptr;
  mEditState = kEditIdle;
  // Whatever closed the box, the press that opened it is over: the editor
  // keeps neither the mouse nor a gesture.
  if (mWindow && GetCapture() == mWindow) ReleaseOwnCapture();
  ReleasePointerCapture();
  EndMouseGesture();
}

LRESULT CALLBACK IGraphicsWin::EditProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  IGraphicsWin* editor = EditorOfWindow(GetParent(box));
  if (!editor || editor->mEditBox != box) return DefWindowProcA(box, message, wParam, lParam);
  return editor->HandleEditMessage(box, message, wParam, lParam);
}

LRESULT IGraphicsWin::HandleEditMessage(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (mTooltipShown) HideTooltip();
  const WNDPROC previous = mPreviousEditProcedure;
  switch (message) {
    case WM_SETFOCUS:
      mEditState = kEditFocused;
      break;
    case WM_KILLFOCUS:
      mEditState = kEditCommit;
      break;
    case WM_GETDLGCODE: {
      const LRESULT code = CallWindowProcA(previous, box, message, wParam, lParam);
      const MSG* queried = reinterpret_cast<const MSG*>(lParam);
      if (!mEditParam && queried && queried->message == WM_KEYDOWN && queried->wParam == VK_RETURN)
        return code | DLGC_WANTALLKEYS;
      return code;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        mEditState = kEditCommit;
        return 0;
      }
      if (wParam == VK_ESCAPE) {
        mEditState = kEditCancel;
        return 0;
      }
      break;
    case WM_CHAR:
      if (mEditParam && !TextEntryAcceptsCharacter(mEditParam->GetKind(), static_cast<unsigned>(wParam))) return 0;
      break;
    case WM_MOUSEWHEEL:
      // The wheel reaches the focused box rather than the editor; it
      // cancels the entry wherever it arrives.
      mEditState = kEditCancel;
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == 1) {
        mEditState = kEditCommit;
        return 0;
      }
      break;
    default:
      break;
  }
  return CallWindowProcA(previous, box, message, wParam, lParam);
}
