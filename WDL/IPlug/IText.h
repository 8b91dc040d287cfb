#pragma once
// A text style: face, size, colours, style, alignment, orientation, quality,
// and the font the editor's font cache found for it. Plain value type; the
// cached font is borrowed from the process-wide cache, never owned.

#include "IColor.h"

class LICE_IFont;

struct IText {
  enum Style { kStyleNormal = 0, kStyleBold = 1, kStyleItalic = 2 };
  enum Align { kAlignLeft = 0, kAlignCenter = 1, kAlignRight = 2 };
  enum Quality { kQualityDefault = 0, kQualityNonAntiAliased = 1, kQualityAntiAliased = 2, kQualityClearType = 3 };
  // Capacity of the face name, NUL included.
  static constexpr int kMaxFaceLength = 32;

  // Copies at most 31 characters of face (null counts as "Arial").
  explicit IText(int size = 12, const IColor& color = kColorBlack, const char* face = "Arial",
                 int style = kStyleNormal, int align = kAlignCenter, int orientation = 0,
                 int quality = kQualityDefault, const IColor& entryBackground = kColorWhite,
                 const IColor& entryForeground = kColorBlack);

  char mFace[kMaxFaceLength];
  int mSize;  // character cell height in pixels
  IColor mColor;
  IColor mEntryBackground;  // text-entry box background
  IColor mEntryForeground;  // text-entry box text
  int mStyle;
  int mAlign;
  int mOrientation;  // degrees
  int mQuality;
  LICE_IFont* mCached = nullptr;
};
