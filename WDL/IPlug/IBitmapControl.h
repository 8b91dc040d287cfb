#pragma once
// A control drawn as one frame of a bitmap strip: the frame follows the
// value (N frames: k = int((N - 1) x value + 0.5) + 1). Also the editor's
// background and the plug-in's meters.
//
// Threads: as every control (IControl.h); Render on the editor's thread, no
// lock, no allocation.

#include "IControl.h"

class IBitmapControl : public IControl {
 public:
  // rect {x, y, x + strip width, y + strip height / frames}; the strip is copied.
  IBitmapControl(IPlugBase* plug, int x, int y, int paramIdx, const IBitmapStrip* strip,
                 const IBlendSpec& blend = IBlendSpec());
  // An explicit rect (the editor's background).
  IBitmapControl(IPlugBase* plug, const IRECT& rect, int paramIdx, const IBitmapStrip* strip,
                 const IBlendSpec& blend);

  bool Render(IGraphics* graphics) override;

  const IBitmapStrip& GetStrip() const { return mStrip; }
  // The 1-based frame of an N-frame strip for a value, limited to 1..N.
  static int FrameForValue(double value, int frameCount);

 protected:
  IBitmapStrip mStrip;
};
