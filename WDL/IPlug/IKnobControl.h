#pragma once
// A knob: dragging along its direction moves the value by 1/gearing per
// control size (ten times finer with ctrl or shift); the wheel steps it.
//
// Threads: editor thread; value changes report through MarkChanged(true)
// (the plug-in mutex inside IPlugBase::SetParameterFromGUI). No allocation.

#include "IControl.h"

class IKnobControl : public IControl {
 public:
  enum Direction { kVertical = 0, kHorizontal = 1 };
  static constexpr double kDefaultGearing = 4.0;

  IKnobControl(IPlugBase* plug, const IRECT& rect, int paramIdx, int direction = kVertical,
               double gearing = kDefaultGearing);

  void HandleMouseDrag(int x, int y, int dX, int dY, IMouseKeys* keys) override;
  // +0.01 per notch, 0.001 with ctrl or shift (StepByWheel: an event that
  // moves nothing reports nothing).
  void HandleWheel(int x, int y, IMouseKeys* keys, int notches) override;

 protected:
  // The rect whose size a drag is measured against.
  virtual const IRECT& GetTravelRect() const { return mRect; }

  int mDirection;
  double mGearing;
};

// A knob drawn as one frame of a strip.
class IKnobMultiControl : public IKnobControl {
 public:
  // rect {x, y, x + strip width, y + strip height / frames}; the strip is copied.
  IKnobMultiControl(IPlugBase* plug, int x, int y, int paramIdx, const IBitmapStrip* strip);

  bool Render(IGraphics* graphics) override;

 protected:
  IBitmapStrip mStrip;
};
