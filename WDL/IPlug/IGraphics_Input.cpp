// Mouse and key dispatch, text entry and value menus. Editor thread only;
// nothing here takes a lock (the plug-in mutex is taken inside
// IPlugBase::SetParameterFromGUI).

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "AAX_IViewContainer.h"
#include "IControl.h"
#include "IGraphics.h"
#include "IPlugBase.h"
#include "IPlugParameter.h"

namespace {
// Modifier bits the AAX host's view container expects with a parameter click.
constexpr uint32_t kAaxShift = 1;
constexpr uint32_t kAaxAlt = 4;
constexpr uint32_t kAaxCtrl = 8;
constexpr uint32_t kAaxRightButton = 16;
// Characters of the AAX parameter id.
constexpr int kAaxParamIdLength = 32;

// The parameter a control is really bound to: an index the plug-in does not
// know counts as unbound.
int BoundParamIdx(const IControl* control) { return control->GetParam() ? control->ParamIdx() : -1; }

// Menus for booleans with display texts and for enumerations; a text box for the rest.
bool UsesValueMenu(const IPlugParameter* param) {
  return param->GetKind() == IPlugParameter::kTypeEnum ||
         (param->GetKind() == IPlugParameter::kTypeBool && param->DisplayTextCount() != 0);
}
}  // namespace

void IGraphics::ScalePoint(int* x, int* y) {
  const double scale = GetDisplayScale();
  *x = static_cast<int>(*x / scale);
  *y = static_cast<int>(*y / scale);
}

int IGraphics::FindControl(int x, int y, bool forHover) const {
  for (int i = mControls.GetSize() - 1; i >= 0; --i) {
    IControl* control = mControls.Get(i);
    if (control->IsHidden()) continue;
    if (control->IsDisabled() && !(forHover && control->GetHoverWhileDisabled())) continue;
    if (control->ContainsPoint(x, y)) return i;
  }
  return -1;
}

void IGraphics::MouseDown(int x, int y, IMouseKeys* keys) {
  // A release that never came (the window lost the mouse) ends the last
  // press's gesture here.
  mGesture.End();
  ScalePoint(&x, &y);
  mMouseX = mMouseY = -1;
  mMouseCapture = -1;
  const int hit = FindControl(x, y, false);
  if (hit < 0) return;
  IControl* control = mControls.Get(hit);
  mMouseCapture = hit;
  mMouseX = x;
  mMouseY = y;
  const int paramIdx = BoundParamIdx(control);
  if (mPlug && paramIdx >= 0) {
    if (mPlug->GetApiId() == kApiVst3 && keys && keys->R) {
      // The host's own context menu takes the right click.
      mMouseCapture = -1;
      mMouseX = mMouseY = -1;
      mPlug->ShowHostContextMenu(paramIdx, x, y);
      return;
    }
    if (mViewContainer) {
      uint32_t modifiers = 0;
      mViewContainer->QueryModifiers(&modifiers);
      if (keys) {
        if (keys->S) modifiers |= kAaxShift;
        if (keys->A) modifiers |= kAaxAlt;
        if (keys->C) modifiers |= kAaxCtrl;
        if (keys->R) modifiers |= kAaxRightButton;
      }
      StringBuffer id;
      id.SetFormatted(kAaxParamIdLength, "%i", paramIdx + 1);
      if (mViewContainer->HandleParameterMouseDown(id.Get(), modifiers) == 0) {
        // The host took the click: no gesture begins, so no drag may follow.
        mMouseCapture = -1;
        mMouseX = mMouseY = -1;
        return;
      }
    }
    mGesture.Begin(paramIdx);
  }
  control->HandleMouseDown(x, y, keys);
  // A menu took the mouse inside the press (its choice is in the gesture);
  // its release goes to the menu, so the gesture ends now.
  if (mMouseCapture != hit) mGesture.End();
}

void IGraphics::MouseDrag(int x, int y, IMouseKeys* keys) {
  IControl* control = mControls.Get(mMouseCapture);
  if (!control) return;
  ScalePoint(&x, &y);
  if (x == mMouseX && y == mMouseY) return;
  const int dX = x - mMouseX;
  const int dY = y - mMouseY;
  mMouseX = x;
  mMouseY = y;
  control->HandleMouseDrag(x, y, dX, dY, keys);
}

void IGraphics::MouseUp(int x, int y, IMouseKeys* keys) {
  ScalePoint(&x, &y);
  int target = mMouseCapture >= 0 && mMouseCapture < mControls.GetSize() ? mMouseCapture : FindControl(x, y, false);
  IControl* control = mControls.Get(target);
  mMouseX = mMouseY = -1;
  mMouseCapture = -1;
  if (control) control->HandleMouseUp(x, y, keys);
  // Only the gesture this press began ends: a press the host took, a double
  // click and a release without press began none.
  mGesture.End();
}

void IGraphics::PointerCaptureLost() {
  if (mMouseCapture < 0) return;
  ReleasePointerCapture();
  mMouseY = -1;
  mGesture.End();
}

bool IGraphics::MouseDoubleClick(int x, int y, IMouseKeys* keys) {
  ScalePoint(&x, &y);
  mMouseX = mMouseY = -1;
  mMouseCapture = -1;
  const int hit = FindControl(x, y, false);
  if (hit < 0) return false;
  IControl* control = mControls.Get(hit);
  if (!control->GetDoubleClickAsClick()) {
    // No press gesture is open: a value the double click sends (a default
    // restored, a switch's second step) is a gesture of its own.
    control->HandleDoubleClick(x, y, keys);
    return false;
  }
  mMouseCapture = hit;
  mMouseX = x;
  mMouseY = y;
  control->HandleMouseDown(x, y, keys);
  return true;
}

void IGraphics::MouseWheel(int x, int y, IMouseKeys* keys, int notches) {
  ScalePoint(&x, &y);
  IControl* control = mControls.Get(mMouseCapture >= 0 ? mMouseCapture : FindControl(x, y, false));
  // Within a press on the same parameter the notch joins its gesture;
  // otherwise each wheel event that moves a value is a gesture of its own.
  // Events of less than a notch arrive too (0 notches): the control steps
  // nothing and sends nothing for them.
  if (control) control->HandleWheel(x, y, keys, notches);
}

bool IGraphics::MouseHover(int x, int y, IMouseKeys* keys) {
  if (!mHandleMouseOver) return false;
  ScalePoint(&x, &y);
  const int target = mMouseCapture >= 0 && mMouseCapture < mControls.GetSize() ? mMouseCapture : FindControl(x, y, true);
  IControl* control = mControls.Get(target);
  if (!control) return mHandleMouseOver;
  mMouseX = x;
  mMouseY = y;
  control->HandleMouseHover(x, y, keys);
  if (mMouseOver >= 0 && mMouseOver != target) {
    if (IControl* previous = mControls.Get(mMouseOver)) previous->HandleMouseLeave();
  }
  mMouseOver = target;
  return mHandleMouseOver;
}

void IGraphics::MouseLeave() {
  for (int i = 0; i < mControls.GetSize(); ++i) mControls.Get(i)->HandleMouseLeave();
  mMouseOver = -1;
}

bool IGraphics::KeyDown(int x, int y, int keyCode) {
  const int target = mMouseCapture >= 0 ? mMouseCapture : FindControl(x, y, false);
  // The background takes no keys.
  IControl* control = target > 0 ? mControls.Get(target) : nullptr;
  if (control) return control->HandleKey(x, y, keyCode);
  return mKeyCatcher ? mKeyCatcher->HandleKey(x, y, keyCode) : false;
}

void IGraphics::PromptParamTextEntry(IControl* control, IPlugParameter* param, IRECT* rect) {
  if (!control || !param || !rect) return;
  char current[IPlugParameter::kMaxDisplayLength];
  if (!UsesValueMenu(param)) {
    param->FormatDisplay(param->Value(), false, current, false);
    CreateTextEntry(control, control->GetText(), rect, current, param);
    return;
  }
  param->FormatDisplay(param->Value(), false, current, true);
  IPopupMenu menu;
  for (int i = 0; i < param->DisplayTextCount(); ++i) {
    const char* text = param->DisplayTextAt(i, nullptr);
    menu.AddItem(text, std::strcmp(text, current) == 0 ? IPopupMenu::kItemChecked : 0);
  }
  IPopupMenu* chosen = CreateIPopupMenu(&menu, rect);
  if (chosen && chosen->GetChosenItemIdx() >= 0) {
    // The chosen position is taken as the plain value; within the press's
    // gesture when the press opened the menu.
    control->SetValueFromUserInput(param->NormalizeValue(chosen->GetChosenItemIdx()));
  }
}

void IGraphics::ApplyTextEntry(IControl* control, IPlugParameter* param, const char* text) {
  if (!control) return;
  char typed[kMaxEntryText + 1] = {};
  if (text) std::strncpy(typed, text, kMaxEntryText);
  if (!param) {
    control->ApplyTextEntryResult(typed);
    return;
  }
  double value = 0.0;
  const IPlugParameter::Kind kind = param->GetKind();
  if (kind == IPlugParameter::kTypeBool || kind == IPlugParameter::kTypeEnum) {
    int entryValue = 0;
    if (param->ValueForDisplayText(typed, &entryValue)) value = entryValue;
  } else {
    value = std::atof(typed);
    if (param->GetNegateDisplay()) value = -value;
  }
  // A box commits after the press that opened it has ended, so as a rule
  // in a gesture of its own.
  control->SetValueFromUserInput(param->NormalizeValue(value));
}
