#include "IControl.h"

#include <cstring>

#include "AssertionHook.h"
#include "IGraphics.h"
#include "IPlugBase.h"
#include "IPlugParameter.h"
#include "ITextControl.h"

namespace {
// Values that must be treated as a change: different, or NaN on either side.
bool Differs(double a, double b) { return !(a == b); }

// The value and name displays get at most this many characters of text.
constexpr int kDisplayTextChars = 31;
}  // namespace

IControl::IControl(IPlugBase* plug, const IRECT& rect, int paramIdx, const IBlendSpec& blend)
    : mPlug(plug), mRect(rect), mTargetRect(rect), mParamIdx(paramIdx), mAuxParams(4096), mBlend(blend) {}

IControl::~IControl() {}

void IControl::HandleMouseDown(int x, int y, IMouseKeys* keys) {
  if (keys && keys->R) BeginParamTextEntry();
}

void IControl::HandleDoubleClick(int x, int y, IMouseKeys* keys) {
  const double defaultValue = GetDefaultValue();
  if (defaultValue >= 0.0) {
    SetValue(defaultValue);
    MarkChanged(true);
  }
}

void IControl::ApplyValueFromPlug(double normalized) {
  if (GetDefaultValue() < 0.0) {
    // The first value pushed is the control's default.
    SetValue(normalized);
    SetDefaultValue(normalized);
  } else if (Differs(GetValue(), normalized)) {
    SetValue(normalized);
    MarkChanged(false);
    SetRedrawAgain();
  }
}

void IControl::SetHidden(bool hide) {
  mHidden = hide;
  SetRedrawAgain();
  mBlend.mWeight = hide ? 0.0f : 1.0f;
  MarkChanged(false);
}

void IControl::SetDisabled(bool disable) {
  mDisabled = disable;
  mBlend.mWeight = disable ? 0.25f : 1.0f;
  MarkChanged(false);
}

bool IControl::ContainsPoint(int x, int y) { return mTargetRect.Contains(x, y); }

double IControl::Clamped(double v) const {
  // A NaN fails both tests and takes the upper clamp.
  if (v < mClampLo) return mClampLo;
  if (!(v <= mClampHi)) return mClampHi;
  return v;
}

void IControl::ClampValue() {
  double v = mValue.load(std::memory_order_relaxed);
  for (;;) {
    const double clamped = Clamped(v);
    // In range: nothing to write, so a concurrent write by another thread stands.
    if (clamped == v) return;
    if (mValue.compare_exchange_weak(v, clamped, std::memory_order_relaxed)) return;
  }
}

void IControl::StepByWheel(IMouseKeys* keys, int notches) {
  if (notches == 0) return;
  const bool fine = keys && (keys->C || keys->S);
  const double current = GetValue();
  const double stepped = Clamped(current + notches * (fine ? 0.001 : 0.01));
  if (stepped == current) return;
  SetValue(stepped);
  MarkChanged(true);
}

void IControl::MarkChanged(bool toPlug) {
  ClampValue();
  mChanged.store(true, std::memory_order_relaxed);
  if (!toPlug || !mPlug || mParamIdx < 0) return;
  // Through the editor, which keeps every value inside a gesture of its
  // parameter; without an editor there is no gesture to keep.
  if (IGraphics* graphics = GetGUI()) {
    graphics->SendParameterValue(mParamIdx, GetValue());
  } else {
    mPlug->SetParameterFromGUI(mParamIdx, GetValue());
  }
  IPlugParameter* param = GetParam();
  if (!param) return;
  if (mValueDisplay) {
    char display[IPlugParameter::kMaxDisplayLength];
    param->FormatDisplay(param->Value(), false, display, true);
    display[kDisplayTextChars] = 0;
    mValueDisplay->SetTextFromPlug(display);
  }
  if (mNameDisplay) mNameDisplay->SetTextFromPlug(param->Name());
}

void IControl::ClearChanged() {
  mChanged.store(mRedrawAgain.exchange(false, std::memory_order_relaxed), std::memory_order_relaxed);
}

bool IControl::NeedsRedraw() { return mChanged.load(std::memory_order_relaxed); }

void IControl::ApplyAuxValueFromPlug(int auxIndex, double normalized) {
  if (auxIndex < 0 || auxIndex >= NAuxParams()) {
    ReportFailedCheck("IControl::ApplyAuxValueFromPlug", __LINE__, "idx > -1 && idx < mAuxParams.GetSize()");
    return;
  }
  AuxParam& aux = mAuxParams.GetAs<AuxParam>()[auxIndex];
  if (Differs(aux.mValue, normalized)) {
    aux.mValue = normalized;
    MarkChanged(false);
    SetRedrawAgain();
  }
}

void IControl::MoveTo(int x, int y) {
  mRect.R += x - mRect.L;
  mRect.B += y - mRect.T;
  mRect.L = x;
  mRect.T = y;
  mTargetRect = mRect;
}

IPlugParameter* IControl::GetParam() const {
  return (mPlug && mParamIdx >= 0) ? mPlug->GetParam(mParamIdx) : nullptr;
}

IGraphics* IControl::GetGUI() const { return mPlug ? mPlug->GetGUI() : nullptr; }

void IControl::BeginParamTextEntry() {
  if (mParamIdx < 0 || mTextEntryOff) return;
  IPlugParameter* param = GetParam();
  IGraphics* graphics = GetGUI();
  if (!param || !graphics) return;
  IRECT entry = mRect;
  if (param->DisplayTextCount() == 0) {
    // 1.2 times the control's size around its centre, in single precision.
    const int cx = static_cast<int>(static_cast<float>(mRect.L + mRect.R) * 0.5f);
    const int cy = static_cast<int>(static_cast<float>(mRect.T + mRect.B) * 0.5f);
    const int hw = static_cast<int>(static_cast<float>(mRect.R - mRect.L) * 0.6f);
    const int hh = static_cast<int>(static_cast<float>(mRect.B - mRect.T) * 0.6f);
    entry = IRECT(cx - hw, cy - hh, cx + hw, cy + hh);
  }
  graphics->PromptParamTextEntry(this, param, &entry);
  SetRedrawAgain();
}

void IControl::SetValueFromUserInput(double normalized) {
  if (Differs(GetValue(), normalized)) {
    SetValue(normalized);
    MarkChanged(true);
    SetRedrawAgain();
  }
}

int IControl::FindAuxBinding(int paramIdx) const {
  const AuxParam* aux = mAuxParams.GetAs<const AuxParam>();
  for (int i = 0; i < NAuxParams(); ++i) {
    if (aux[i].mParamIdx == paramIdx) return i;
  }
  return -1;
}

void IControl::AddAuxParam(int paramIdx) {
  const int count = NAuxParams();
  const int newSize = (count + 1) * static_cast<int>(sizeof(AuxParam));
  mAuxParams.Resize(newSize, false);
  if (mAuxParams.GetSize() != newSize) return;
  mAuxParams.GetAs<AuxParam>()[count] = AuxParam{0.0, paramIdx};
}

const IControl::AuxParam* IControl::GetAuxParam(int auxIndex) const {
  if (auxIndex < 0 || auxIndex >= NAuxParams()) return nullptr;
  return mAuxParams.GetAs<const AuxParam>() + auxIndex;
}

void IControl::SetTooltip(const char* tooltip) {
  if (tooltip && std::strlen(tooltip) >= 80) ReportFailedCheck("IControl::SetTooltip", __LINE__, "strlen(tooltip) < 80");
  mTooltip = tooltip;
}
