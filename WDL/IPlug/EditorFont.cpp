#include "EditorFont.h"

#include "IText.h"

#if defined(LICE_MACOS_FORM)
#include "GDIEmulation.h"
#elif !defined(_WIN32)
#include "text_standin/text_standin.h"
#endif

namespace {
constexpr int kWeightNormal = 400;
constexpr int kWeightBold = 700;
}  // namespace

int EditorFontQuality(int quality) {
  switch (quality) {
    case IText::kQualityDefault:
      return 0;
    case IText::kQualityAntiAliased:
      return 4;
    case IText::kQualityClearType:
      return 5;
    default:
      return 3;
  }
}

LICE_FontHandle CreateEditorFont(const IText& text) {
  const int weight = text.mStyle == IText::kStyleBold ? kWeightBold : kWeightNormal;
  const bool italic = text.mStyle == IText::kStyleItalic;
  const int angle = text.mOrientation * 10;
#ifdef _WIN32
  return CreateFontA(text.mSize, 0, angle, angle, weight, italic ? TRUE : FALSE, FALSE, FALSE, 0, 0, 0,
                     static_cast<DWORD>(EditorFontQuality(text.mQuality)), 0, text.mFace);
#else
  return CreateFont(text.mSize, 0, angle, angle, weight, italic ? 1 : 0, 0, 0, 0, 0, 0,
                    static_cast<char>(EditorFontQuality(text.mQuality)), 0, text.mFace);
#endif
}
