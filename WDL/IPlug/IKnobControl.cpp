#include "IKnobControl.h"

#include "IBitmapControl.h"
#include "IGraphics.h"

namespace {
IRECT StripRect(int x, int y, const IBitmapStrip* strip) {
  if (!strip) return IRECT(x, y, x, y);
  return IRECT(x, y, x + strip->W, y + strip->H / (strip->N < 1 ? 1 : strip->N));
}
}  // namespace

IKnobControl::IKnobControl(IPlugBase* plug, const IRECT& rect, int paramIdx, int direction, double gearing)
    : IControl(plug, rect, paramIdx), mDirection(direction), mGearing(gearing) {}

void IKnobControl::HandleMouseDrag(int x, int y, int dX, int dY, IMouseKeys* keys) {
  double gearing = mGearing;
  if (keys && (keys->C || keys->S)) gearing *= 10.0;
  const IRECT& r = GetTravelRect();
  // A zero-sized knob has no travel: the value stays (the drag still reports it).
  if (mDirection == kVertical) {
    if (r.T != r.B) SetValue(GetValue() + static_cast<double>(dY) / static_cast<double>(r.T - r.B) / gearing);
  } else {
    if (r.R != r.L) SetValue(GetValue() + static_cast<double>(dX) / static_cast<double>(r.R - r.L) / gearing);
  }
  MarkChanged(true);
}

void IKnobControl::HandleWheel(int x, int y, IMouseKeys* keys, int notches) {
  StepByWheel(keys, notches);
}

IKnobMultiControl::IKnobMultiControl(IPlugBase* plug, int x, int y, int paramIdx, const IBitmapStrip* strip)
    : IKnobControl(plug, StripRect(x, y, strip), paramIdx), mStrip(strip ? *strip : IBitmapStrip()) {}

bool IKnobMultiControl::Render(IGraphics* graphics) {
  const int frame = IBitmapControl::FrameForValue(GetValue(), mStrip.N);
  return graphics->DrawBitmapFrame(&mStrip, &mRect, frame, &mBlend);
}
