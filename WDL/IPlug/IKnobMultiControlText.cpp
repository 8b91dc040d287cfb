#include "IKnobMultiControlText.h"

#include "IBitmapControl.h"
#include "IGraphics.h"
#include "IPlugBase.h"
#include "IPlugParameter.h"

namespace {
// Value texts keep at most this many characters.
constexpr int kValueTextChars = 31;

// Where the value text goes for a position; an unknown position gives the
// empty rect.
IRECT TextRectFor(const IRECT& knob, int position, int offset, int textSize) {
  const int w = knob.W();
  const int th = textSize + 4;
  const int t = knob.T + knob.H() / 2 - th / 2 + offset + 2;
  switch (position) {
    case IKnobMultiControlText::kBelow:
      return IRECT(knob.L, knob.B + offset + 4, knob.R, knob.B + offset + 4 + th);
    case IKnobMultiControlText::kAbove:
      return IRECT(knob.L, knob.T - th - 4, knob.R, knob.T);
    case IKnobMultiControlText::kInside:
      return IRECT(static_cast<int>(knob.L + 0.2 * w), t, static_cast<int>(knob.L + 0.8 * w), t + th);
    case IKnobMultiControlText::kLeft:
      return IRECT(knob.L - w, t, knob.L, t + th);
    case IKnobMultiControlText::kRight:
      return IRECT(knob.R + 2, t, knob.L + 6 * textSize + 2, t + th);
    case IKnobMultiControlText::kRightBottom:
      return IRECT(knob.R - 4, knob.B - th, knob.L + 6 * textSize - 4, knob.B);
    default:
      return IRECT();
  }
}
}  // namespace

IKnobMultiControlText::IKnobMultiControlText(IPlugBase* plug, int x, int y, int paramIdx, const IBitmapStrip* strip,
                                             const IText* text, bool showLabel, int position, int offset)
    : IKnobMultiControl(plug, x, y, paramIdx, strip), mShowLabel(showLabel) {
  if (text) mText = *text;
  mTextEntryOff = false;
  mKnobRect = mRect;
  mTextRect = TextRectFor(mKnobRect, position, offset, mText.mSize);
  switch (position) {
    case kBelow:
      mTargetRect.B = mTextRect.B;
      break;
    case kAbove:
      mTargetRect.T = mTextRect.T;
      break;
    case kLeft:
      mTargetRect.L = mTextRect.L;
      break;
    case kRight:
    case kRightBottom:
      mTargetRect.R = mTextRect.R;
      break;
    default:
      break;
  }
  // The text is drawn outside the knob: the control's rect covers both, so
  // that the dirty area and the paint test include the text.
  mRect = mKnobRect.Union(mTextRect);
}

void IKnobMultiControlText::HandleMouseDown(int x, int y, IMouseKeys* keys) {
  if (!mTextRect.Contains(x, y)) {
    // Re-sends the unchanged value.
    HandleMouseDrag(x, y, 0, 0, keys);
    return;
  }
  if (mParamIdx < 0 || mTextEntryOff) return;
  IGraphics* graphics = GetGUI();
  if (!graphics) return;
  IRECT entry = mTextRect;
  graphics->PromptParamTextEntry(this, GetParam(), &entry);
  SetRedrawAgain();
}

void IKnobMultiControlText::MoveTo(int x, int y) {
  const int dx = x - mKnobRect.L;
  const int dy = y - mKnobRect.T;
  auto shift = [dx, dy](IRECT& r) {
    if (r.IsEmpty()) return;
    r = IRECT(r.L + dx, r.T + dy, r.R + dx, r.B + dy);
  };
  shift(mKnobRect);
  shift(mTextRect);
  shift(mTargetRect);
  mRect = mKnobRect.Union(mTextRect);
}

bool IKnobMultiControlText::Render(IGraphics* graphics) {
  bool result = graphics->DrawBitmapFrame(&mStrip, &mKnobRect, IBitmapControl::FrameForValue(GetValue(), mStrip.N),
                                          &mBlend);
  IPlugParameter* param = GetParam();
  if (!param) {
    mValueText.Set("");
    return result;
  }
  char display[IPlugParameter::kMaxDisplayLength];
  param->FormatDisplay(param->Value(), false, display, true);
  display[kValueTextChars] = 0;
  mValueText.Set(display);
  if (mShowLabel) {
    mValueText.Append(" ");
    mValueText.Append(param->UnitLabel());
  }
  if (!display[0]) return true;
  IRECT r = mTextRect;
  result = graphics->DrawTextInRect(&mText, mValueText.Get(), &r, true);
  r.B = r.T + mText.mSize + 4;
  return graphics->DrawTextInRect(&mText, mValueText.Get(), &r, false);
}
