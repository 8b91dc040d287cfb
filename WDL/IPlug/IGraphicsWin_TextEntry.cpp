// The text-entry box: an EDIT child over the control, subclassed so that
// Return commits, Escape cancels and a parameter box accepts only what a
// number of its kind can hold, typed or pasted (a paste less the line breaks
// it ends with). The redraw timer applies and closes it.

#include "IControl.h"
#include "StringBuffer.h"
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
  mEditLimit = control->GetTextEntryLength();
  mAcceptedText = TextEntryText();
  mSelectionStart = 0;
  mSelectionEnd = static_cast<DWORD>(mAcceptedText.size());
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
      // The box cannot hold refused text; should a path the box does not
      // report have put some there, the last accepted text is committed.
      const bool accepted = TextEntryAcceptsChange(mEditParam->GetKind(), mEditLimit, mAcceptedText, TextEntryText());
      ApplyTextEntry(mEditControl, mEditParam, accepted ? text : mAcceptedText.c_str());
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
  mAcceptedText.clear();
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

std::string IGraphicsWin::TextEntryText() const {
  if (!mEditBox) return std::string();
  // Read through the box's own procedure: these reads are not edits.
  const WNDPROC read = mPreviousEditProcedure ? mPreviousEditProcedure : DefWindowProcA;
  const LRESULT length = CallWindowProcA(read, mEditBox, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT got = CallWindowProcA(read, mEditBox, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

void IGraphicsWin::CheckTextEntryChange() {
  if (!mEditBox || !mEditParam || !mPreviousEditProcedure || mCheckingEdit) return;
  mCheckingEdit = true;
  const std::string now = TextEntryText();
  if (TextEntryAcceptsChange(mEditParam->GetKind(), mEditLimit, mAcceptedText, now)) {
    mAcceptedText = now;
  } else {
    // Put back through the box's own procedure: a multi-line EDIT reports
    // no change for WM_SETTEXT, and the guard keeps any report from coming
    // back here.
    CallWindowProcA(mPreviousEditProcedure, mEditBox, WM_SETTEXT, 0,
                    reinterpret_cast<LPARAM>(mAcceptedText.c_str()));
    CallWindowProcA(mPreviousEditProcedure, mEditBox, EM_SETSEL, mSelectionStart, mSelectionEnd);
  }
  mCheckingEdit = false;
}

bool IGraphicsWin::PassTextEntryPaste(HWND box, std::string_view pasted, WPARAM canUndo) {
  const std::string_view kept = TextEntryPastedText(pasted);
  if (!TextEntryAcceptsInsertion(kept)) return false;
  if (kept.size() == pasted.size()) return true;
  // Nothing but line breaks: nothing to paste.
  if (kept.empty()) return false;
  // The EDIT would paste the line breaks too: the rest goes in through its
  // own procedure, as its paste would, with the change reports after it.
  const std::string text(kept);
  CallWindowProcA(mPreviousEditProcedure, box, EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text.c_str()));
  return false;
}

bool IGraphicsWin::TextEntryAcceptsInsertion(std::string_view inserted) {
  DWORD start = 0, end = 0;
  CallWindowProcA(mPreviousEditProcedure, mEditBox, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                  reinterpret_cast<LPARAM>(&end));
  const std::string text = TextEntryText();
  const std::size_t removed = end > start ? static_cast<std::size_t>(end - start) : 0;
  return TextEntryAcceptsReplacement(mEditParam->GetKind(), mEditLimit, text.size(), removed, inserted);
}

LRESULT IGraphicsWin::HandleEditMessage(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  if (mTooltipShown) HideTooltip();
  const WNDPROC previous = mPreviousEditProcedure;
  // Where the selection stands before anything this message does to the
  // text: a refused change puts it back. Nested messages (the paste a key
  // or the box's menu sends) belong to the outer one. Taken again once the
  // message is done, for a change that comes from no message of the box.
  const bool outermost = mEditMessageDepth == 0 && !mCheckingEdit;
  if (outermost) RememberTextEntrySelection(previous, box);
  ++mEditMessageDepth;
  const LRESULT result = DispatchEditMessage(box, message, wParam, lParam);
  --mEditMessageDepth;
  if (outermost && mEditBox == box) RememberTextEntrySelection(mPreviousEditProcedure, box);
  return result;
}

void IGraphicsWin::RememberTextEntrySelection(WNDPROC procedure, HWND box) {
  CallWindowProcA(procedure, box, EM_GETSEL, reinterpret_cast<WPARAM>(&mSelectionStart),
                  reinterpret_cast<LPARAM>(&mSelectionEnd));
}

LRESULT IGraphicsWin::DispatchEditMessage(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
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
      if (mEditParam && wParam == VK_INSERT && (GetKeyState(VK_SHIFT) & 0x8000) &&
          !(GetKeyState(VK_CONTROL) & 0x8000)) {
        // Shift+Insert pastes without WM_PASTE inside the EDIT: sent as one,
        // so that the paste is checked before it happens.
        SendMessageA(box, WM_PASTE, 0, 0);
        return 0;
      }
      break;
    case WM_CHAR:
      if (!mEditParam) break;
      if (!TextEntryAcceptsCharacter(mEditParam->GetKind(), static_cast<unsigned>(wParam))) return 0;
      if (wParam == 0x16) {
        // Ctrl+V: pasted through WM_PASTE, checked there.
        SendMessageA(box, WM_PASTE, 0, 0);
        return 0;
      }
      break;
    case WM_PASTE:
      if (mEditParam) {
        StringBuffer clipboard;
        // Without text on the clipboard the box pastes nothing.
        if (ReadClipboardText(&clipboard) && !PassTextEntryPaste(box, clipboard.Get() ? clipboard.Get() : "", TRUE))
          return 0;
      }
      break;
    case EM_REPLACESEL:
      // Checked whole before the EDIT would cut it to the limit.
      if (mEditParam && !PassTextEntryPaste(box, lParam ? reinterpret_cast<const char*>(lParam) : "", wParam))
        return 0;
      break;
    case WM_SETTEXT:
      // Text set from outside is checked as the change it makes (a
      // multi-line EDIT reports none for it).
      if (mEditParam) {
        const char* text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (!TextEntryAcceptsChange(mEditParam->GetKind(), mEditLimit, mAcceptedText, text)) return FALSE;
        const LRESULT set = CallWindowProcA(previous, box, message, wParam, lParam);
        mAcceptedText = TextEntryText();
        return set;
      }
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
