#pragma once
// A strip knob with its parameter's value text (and optionally the unit)
// beside it. A press on the text opens the parameter's text entry; a press
// on the knob re-sends the value. The control's rect is the knob and the
// text together, so that a value change repaints the text as well; the
// strip is drawn into the knob rect.
//
// Threads: editor thread. Render formats the parameter's value without the
// plug-in mutex (the value is atomic) and may allocate the value text.

#include "IKnobControl.h"
#include "StringBuffer.h"

class IKnobMultiControlText : public IKnobMultiControl {
 public:
  enum TextPosition { kBelow = 0, kAbove = 1, kInside = 2, kLeft = 3, kRight = 4, kRightBottom = 5 };

  // The knob rect comes from the strip at (x, y); the text rect and the
  // target rect from position and offset. Text entry is on.
  IKnobMultiControlText(IPlugBase* plug, int x, int y, int paramIdx, const IBitmapStrip* strip, const IText* text,
                        bool showLabel = true, int position = kBelow, int offset = 0);

  void HandleMouseDown(int x, int y, IMouseKeys* keys) override;
  // Editor thread; reads the parameter's value without the plug-in mutex.
  bool Render(IGraphics* graphics) override;

  const IRECT& GetTextRect() const { return mTextRect; }
  const IRECT& GetKnobRect() const { return mKnobRect; }
  // Moves knob, text and target by the same amount.
  void MoveTo(int x, int y) override;
  // The text of the last paint.
  const char* GetValueText() const { return mValueText.Get() ? mValueText.Get() : ""; }

 protected:
  const IRECT& GetTravelRect() const override { return mKnobRect; }

 private:
  IRECT mTextRect;
  IRECT mKnobRect;
  // Layout values kept as given at construction; nothing reads them.
  IRECT mSpareRect;
  [[maybe_unused]] int mSpareA = 1;
  [[maybe_unused]] int mSpareB = 0;
  StringBuffer mValueText;
  bool mShowLabel;
};
