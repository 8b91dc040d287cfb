#pragma once
// A slider: a handle bitmap moving along a travel of `length` pixels. The
// handle's centre follows the pointer on press and drag.
//
// Threads: editor thread; value changes report through MarkChanged(true)
// (the plug-in mutex inside IPlugBase::SetParameterFromGUI). No allocation.

#include "IControl.h"

class IFaderControl : public IControl {
 public:
  enum Direction { kVertical = 0, kHorizontal = 1 };

  // Horizontal: rect {x, y, x + length, y + handle height}; vertical:
  // {x, y, x + handle width, y + length}. The handle strip is copied.
  IFaderControl(IPlugBase* plug, int x, int y, int length, int paramIdx, const IBitmapStrip* handle,
                int direction = kVertical, bool onlyHandle = false);

  // Right button: text entry; otherwise JumpToPointer.
  void HandleMouseDown(int x, int y, IMouseKeys* keys) override;
  void HandleMouseDrag(int x, int y, int dX, int dY, IMouseKeys* keys) override;
  // +0.01 per notch, 0.001 with ctrl or shift (StepByWheel: an event that
  // moves nothing reports nothing).
  void HandleWheel(int x, int y, IMouseKeys* keys, int notches) override;
  // Frame 1 of the handle strip at the handle rect.
  bool Render(IGraphics* graphics) override;
  // With only-on-handle: the handle rect; otherwise the target rect.
  bool ContainsPoint(int x, int y) override;
  // Puts the handle's centre at the pointer and reports the value. A travel
  // no longer than the handle leaves the value as it is.
  virtual void JumpToPointer(int x, int y);

  // The handle's rect for v (v < 0: the current value).
  IRECT GetHandleRect(double v = -1.0) const;
  int GetLength() const { return mLength; }
  int GetHandleSize() const { return mHandleSize; }

 protected:
  int mLength;
  int mHandleSize;
  IBitmapStrip mHandle;
  int mDirection;
  bool mOnlyHandle;
};
