#include "IBitmapControl.h"

#include "IGraphics.h"
#include "ISwitchControl.h"

namespace {
IRECT StripRect(int x, int y, const IBitmapStrip* strip) {
  if (!strip) return IRECT(x, y, x, y);
  return IRECT(x, y, x + strip->W, y + strip->H / (strip->N < 1 ? 1 : strip->N));
}
}  // namespace

IBitmapControl::IBitmapControl(IPlugBase* plug, int x, int y, int paramIdx, const IBitmapStrip* strip,
                               const IBlendSpec& blend)
    : IControl(plug, StripRect(x, y, strip), paramIdx, blend), mStrip(strip ? *strip : IBitmapStrip()) {}

IBitmapControl::IBitmapControl(IPlugBase* plug, const IRECT& rect, int paramIdx, const IBitmapStrip* strip,
                               const IBlendSpec& blend)
    : IControl(plug, rect, paramIdx, blend), mStrip(strip ? *strip : IBitmapStrip()) {}

int IBitmapControl::FrameForValue(double value, int frameCount) {
  if (frameCount < 2) return 1;
  const double position = static_cast<double>(frameCount - 1) * value + 0.5;
  // Compared before converting, so that NaN or huge values cannot overflow.
  if (!(position >= 0.0)) return 1;
  if (position >= static_cast<double>(frameCount - 1)) return frameCount;
  return static_cast<int>(position) + 1;
}

bool IBitmapControl::Render(IGraphics* graphics) {
  const int frame = FrameForValue(GetValue(), mStrip.N);
  return graphics->DrawBitmapFrame(&mStrip, &mRect, frame, &mBlend);
}

ISwitchControl::ISwitchControl(IPlugBase* plug, int x, int y, int paramIdx, const IBitmapStrip* strip,
                               const IBlendSpec& blend)
    : IBitmapControl(plug, x, y, paramIdx, strip, blend) {}

void ISwitchControl::HandleMouseDown(int x, int y, IMouseKeys* keys) {
  if (keys && keys->R) {
    BeginParamTextEntry();
  } else {
    const double step = mStrip.N < 2 ? 1.0 : 1.0 / static_cast<double>(mStrip.N - 1);
    SetValue(GetValue() + step);
  }
  if (GetValue() > 1.001) SetValue(0.0);
  MarkChanged(true);
}

void ISwitchControl::HandleDoubleClick(int x, int y, IMouseKeys* keys) { HandleMouseDown(x, y, keys); }
