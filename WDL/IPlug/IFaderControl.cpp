#include "IFaderControl.h"

#include "IGraphics.h"

namespace {
IRECT FaderRect(int x, int y, int length, const IBitmapStrip* handle, int direction) {
  if (!handle) return IRECT(x, y, x, y);
  if (direction == IFaderControl::kVertical) return IRECT(x, y, x + handle->W, y + length);
  return IRECT(x, y, x + length, y + handle->H);
}
}  // namespace

IFaderControl::IFaderControl(IPlugBase* plug, int x, int y, int length, int paramIdx, const IBitmapStrip* handle,
                             int direction, bool onlyHandle)
    : IControl(plug, FaderRect(x, y, length, handle, direction), paramIdx),
      mLength(length),
      mHandleSize(0),
      mHandle(handle ? *handle : IBitmapStrip()),
      mDirection(direction),
      mOnlyHandle(onlyHandle) {
  mHandleSize = mDirection == kVertical ? mHandle.H : mHandle.W;
}

IRECT IFaderControl::GetHandleRect(double v) const {
  if (v < 0.0) v = GetValue();
  IRECT r(mRect.L, mRect.T, mRect.L + mHandle.W, mRect.T + mHandle.H);
  const int span = mLength - mHandleSize;
  const int offset = mDirection == kVertical ? static_cast<int>(span * (1.0 - v)) : static_cast<int>(span * v);
  if (mDirection == kVertical) {
    r.T += offset;
    r.B += offset;
  } else {
    r.L += offset;
    r.R += offset;
  }
  return r;
}

void IFaderControl::HandleMouseDown(int x, int y, IMouseKeys* keys) {
  if (keys && keys->R) {
    BeginParamTextEntry();
  } else {
    JumpToPointer(x, y);
  }
}

void IFaderControl::HandleMouseDrag(int x, int y, int dX, int dY, IMouseKeys* keys) { JumpToPointer(x, y); }

void IFaderControl::HandleWheel(int x, int y, IMouseKeys* keys, int notches) {
  StepByWheel(keys, notches);
}

void IFaderControl::JumpToPointer(int x, int y) {
  const int half = mHandleSize / 2;
  const int span = mLength - mHandleSize;
  // A travel no longer than the handle has no position to jump to.
  if (span <= 0) return;
  if (mDirection == kVertical) {
    SetValue(1.0 - static_cast<double>(y - mRect.T - half) / span);
  } else {
    SetValue(static_cast<double>(x - mRect.L - half) / span);
  }
  MarkChanged(true);
}

bool IFaderControl::Render(IGraphics* graphics) {
  const IRECT handle = GetHandleRect();
  return graphics->DrawBitmapFrame(&mHandle, &handle, 1, &mBlend);
}

bool IFaderControl::ContainsPoint(int x, int y) {
  if (mOnlyHandle) return GetHandleRect().Contains(x, y);
  return IControl::ContainsPoint(x, y);
}
