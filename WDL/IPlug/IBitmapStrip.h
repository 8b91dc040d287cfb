#pragma once
// An image as controls use it: the bitmap (owned by the process-wide bitmap
// cache, never by a control), its size and how many frames it holds. Frame k
// of N (1-based) starts int(size x (k - 1) / N + 0.5) pixels in, along the
// frame direction. A missing image is a 0 x 0 strip without a bitmap that
// draws nothing.

class LICE_IBitmap;

struct IBitmapStrip {
  LICE_IBitmap* mBitmap = nullptr;
  int W = 0;  // whole image
  int H = 0;
  int N = 1;  // frame count, at least 1
  bool mFramesAreHorizontal = false;

  IBitmapStrip() = default;
  IBitmapStrip(LICE_IBitmap* bitmap, int w, int h, int frames = 1, bool horizontal = false)
      : mBitmap(bitmap), W(w), H(h), N(frames < 1 ? 1 : frames), mFramesAreHorizontal(horizontal) {}

  // Size of one frame (the whole image across the frame direction).
  int FrameWidth() const { return mFramesAreHorizontal ? W / N : W; }
  int FrameHeight() const { return mFramesAreHorizontal ? H : H / N; }
};
