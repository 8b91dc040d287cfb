// Drawing into the back buffer: bitmap frames, text, the debug overlay.

#include <cstdio>

#include "IControl.h"
#include "IGraphics.h"
#include "lice_draw.h"
#include "lice_font.h"
#include "lice_sys_bitmap.h"

namespace {
// The debug overlay's outline colour and text style.
const IColor kBoundsColor(255, 255, 0, 255);
constexpr int kBoundsTextSize = 20;
}  // namespace

bool IGraphics::DrawBitmapFrame(const IBitmapStrip* strip, const IRECT* dest, int frame, const IBlendSpec* blend) {
  if (!strip || !dest || !strip->mBitmap) return true;
  int sx = 0, sy = 0;
  if (strip->N >= 2 && frame >= 2) {
    // Multiplied before dividing, in double, so that an exact half band start
    // (45 x 7 / 10 = 31.5) stays exact and the + 0.5 rounds it up.
    const double steps = static_cast<double>(frame - 1);
    if (strip->mFramesAreHorizontal) {
      sx = static_cast<int>(strip->W * steps / strip->N + 0.5);
    } else {
      sy = static_cast<int>(strip->H * steps / strip->N + 0.5);
    }
  }
  const IRECT clip = dest->Intersect(mDrawRect);
  const int mode = blend ? blend->BlendMode() : IBlendSpec::BlendModeFor(IBlendSpec::kMethodAlpha);
  const float weight = blend ? blend->mWeight : 1.0f;
  LICE_BlitFromRect(mBackBuffer, strip->mBitmap, clip.L, clip.T, sx + clip.L - dest->L, sy + clip.T - dest->T, clip.W(),
                    clip.H(), weight, mode);
  return true;
}

bool IGraphics::DrawTextInRect(IText* text, const char* str, IRECT* rect, bool measure) {
  if (!str || !str[0]) return true;
  if (!text || !rect) return false;
  LICE_IFont* font = text->mCached ? text->mCached : FindOrCreateFont(text);
  if (!font) return false;
  font->SetForeColor(text->mColor.ToPixel());
  uint32_t flags = LICE_TEXT_SINGLELINE | LICE_TEXT_VCENTER | LICE_TEXT_NOCLIP;
  if (text->mAlign == IText::kAlignCenter) flags |= LICE_TEXT_CENTER;
  if (text->mAlign == IText::kAlignRight) flags |= LICE_TEXT_RIGHT;
  if (text->mColor.A != 255) flags |= LICE_TEXT_USE_FORE_ALPHA;
  if (!measure) {
    LICE_Rect r = {rect->L, rect->T, rect->R, rect->B};
    font->DrawText(mBackBuffer, str, -1, &r, flags);
    return true;
  }
  LICE_Rect r = {0, 0, 0, 0};
  font->DrawText(mBackBuffer, str, -1, &r, flags | LICE_TEXT_MEASURE);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  rect->B = rect->T + h;
  switch (text->mAlign) {
    case IText::kAlignLeft:
      rect->R = rect->L + w;
      break;
    case IText::kAlignCenter:
      rect->L = static_cast<int>(static_cast<float>(rect->L + rect->R) * 0.5f) - w / 2;
      rect->R = rect->L + w;
      break;
    case IText::kAlignRight:
      rect->L = rect->R - w;
      break;
    default:
      break;
  }
  return true;
}

void IGraphics::DrawControlBounds() {
  const LICE_Pixel colour = kBoundsColor.ToPixel();
  for (int i = 1; i < mControls.GetSize(); ++i) {
    const IRECT& r = mControls.Get(i)->GetRect();
    LICE_FillArea(mBackBuffer, r.L, r.T, r.W(), 1, colour, 1.0f, LICE_BLIT_MODE_COPY);
    LICE_FillArea(mBackBuffer, r.L, r.B - 1, r.W(), 1, colour, 1.0f, LICE_BLIT_MODE_COPY);
    LICE_FillArea(mBackBuffer, r.L, r.T, 1, r.H(), colour, 1.0f, LICE_BLIT_MODE_COPY);
    LICE_FillArea(mBackBuffer, r.R - 1, r.T, 1, r.H(), colour, 1.0f, LICE_BLIT_MODE_COPY);
  }
  char position[64];
  std::snprintf(position, sizeof position, "x: %i, y: %i", mMouseX, mMouseY);
  const IDeviceSize size = DeviceSize();
  IText style(kBoundsTextSize, kBoundsColor, "Arial");
  IRECT r(size.w - 150, size.h - 20, size.w, size.h);
  DrawTextInRect(&style, position, &r);
}
