// Text in the editor: the font cache, measuring by alignment, drawing into
// the back buffer and the text knob's value text. Natively the fonts come
// from the deterministic glyph source (exact sizes); under Wine every face is
// one system font, so sizes there are taken from the font's own measurement.

#include <cstring>

#include "EditorTestSupport.h"
#include "lice_font.h"
#include "lice_pixel.h"

namespace edtest {
namespace {

class Text : public EditorTest {
 protected:
  // The font's own measure of str: width and height.
  static void FontSize(IGraphics* graphics, IText* style, const char* str, int* w, int* h) {
    LICE_IFont* font = graphics->FindOrCreateFont(style);
    ASSERT_NE(nullptr, font);
    LICE_Rect r = {0, 0, 0, 0};
    font->DrawText(nullptr, str, -1, &r, LICE_TEXT_SINGLELINE | LICE_TEXT_MEASURE);
    *w = r.right;
    *h = r.bottom;
  }
  // Pixels inside r that differ from the background colour.
  int InkedPixels(const IRECT& r, LICE_Pixel background) {
    int inked = 0;
    for (int y = r.T; y < r.B; ++y) {
      for (int x = r.L; x < r.R; ++x) inked += view->BackBufferPixel(x, y) != background;
    }
    return inked;
  }
};

TEST_F(Text, FontsAreSharedAcrossQualitiesButNotSizes) {
  IText plain(12, kColorBlack, "Arial", IText::kStyleNormal, IText::kAlignCenter, 0, IText::kQualityDefault);
  IText clear(12, kColorBlack, "Arial", IText::kStyleNormal, IText::kAlignCenter, 0, IText::kQualityClearType);
  IText larger(14, kColorBlack, "Arial");
  IText bold(12, kColorBlack, "Arial", IText::kStyleBold);
  LICE_IFont* a = view->FindOrCreateFont(&plain);
  ASSERT_NE(nullptr, a);
  EXPECT_EQ(a, plain.mCached);
  EXPECT_EQ(a, view->FindOrCreateFont(&clear));
  EXPECT_EQ(a, clear.mCached);
  EXPECT_NE(a, view->FindOrCreateFont(&larger));
  EXPECT_NE(a, view->FindOrCreateFont(&bold));
  // Another editor finds the same font.
  vo::TestView other(plug);
  IText again(12, kColorWhite, "Arial");
  EXPECT_EQ(a, other.FindOrCreateFont(&again));
}

TEST_F(Text, MeasuringPlacesTheBoxByAlignment) {
  IText left(12, kColorBlack, "Arial", IText::kStyleNormal, IText::kAlignLeft);
  int w = 0, h = 0;
  FontSize(view, &left, "v1.2.0", &w, &h);
  ASSERT_GT(w, 0);
  ASSERT_GT(h, 0);
  IRECT r(10, 20, 200, 40);
  EXPECT_TRUE(view->MeasureTextRect(&left, "v1.2.0", &r));
  EXPECT_EQ(IRECT(10, 20, 10 + w, 20 + h), r);
#if !defined(_WIN32) && !defined(LICE_MACOS_FORM)  // the native glyph source's rules
  EXPECT_EQ(IRECT(10, 20, 46, 32), r);
#endif

  IText centre(12, kColorBlack, "Arial", IText::kStyleNormal, IText::kAlignCenter);
  IRECT c(10, 20, 201, 40);
  view->DrawTextInRect(&centre, "v1.2.0", &c, true);
  EXPECT_EQ(IRECT(105 - w / 2, 20, 105 - w / 2 + w, 20 + h), c);

  IText right(12, kColorBlack, "Arial", IText::kStyleNormal, IText::kAlignRight);
  IRECT rr(10, 20, 200, 40);
  view->DrawTextInRect(&right, "v1.2.0", &rr, true);
  EXPECT_EQ(IRECT(200 - w, 20, 200, 20 + h), rr);

  // Nothing to measure: true, the rect unchanged.
  IRECT none(1, 2, 3, 4);
  EXPECT_TRUE(view->DrawTextInRect(&left, "", &none, true));
  EXPECT_TRUE(view->DrawTextInRect(&left, nullptr, &none, true));
  EXPECT_EQ(IRECT(1, 2, 3, 4), none);
}

TEST_F(Text, TextControlDrawsItsTextInsideItsRect) {
  const IRECT rect(314, 433, 356, 444);
  auto* label = new ITextControl(plug, rect, IText(12, IColor(255, 220, 220, 220), "Arial"), "v1.2.0");
  Attach(label);
  IRECT area = rect;
  view->Paint(&area);
  EXPECT_GT(InkedPixels(rect, 0), 10);
  // Single line, vertically centred, not clipped: nothing is drawn far away.
  EXPECT_EQ(0, InkedPixels(IRECT(0, 0, 300, 420), 0));
}

TEST_F(Text, TextKnobShowsTheValueAndUnitBelowTheKnob) {
  const IBitmapStrip strip(nullptr, 64, 64 * 10, 10);
  IText style(12, kColorWhite, "Arial");
  auto* knob = new IKnobMultiControlText(plug, 100, 100, kLevel, &strip, &style);
  Attach(knob);
  plug->SetParameterFromGUI(kLevel, 0.75);
  view->SetParameterValueFromPlug(kLevel, 0.75, true);  // the first push: no mark
  IRECT area(0, 0, 464, 480);
  view->Paint(&area);
  EXPECT_STREQ("6.0 dB", knob->GetValueText());
  EXPECT_GT(InkedPixels(knob->GetTextRect(), 0), 10);

  // A value text that changes is repainted: the dirty area covers the text.
  plug->SetParameterFromGUI(kLevel, 0.25);
  view->SetParameterValueFromPlug(kLevel, 0.25, true);
  IRECT dirty;
  ASSERT_TRUE(view->CollectDirtyArea(&dirty));
  EXPECT_EQ(dirty.Union(knob->GetTextRect()), dirty);
  view->Paint(&dirty);
  EXPECT_STREQ("-6.0 dB", knob->GetValueText());

  // Display texts stand for values and carry no unit.
  auto* mode = new IKnobMultiControlText(plug, 200, 100, kMode, &strip, &style, true);
  Attach(mode);
  view->Paint(&area);
  EXPECT_STREQ("Saw ", mode->GetValueText());
}

TEST_F(Text, LongValueTextsAreCutToThirtyOneCharacters) {
  plug->GetParam(kGain)->SetUpDouble("Huge", 0.0, 0.0, 1e40, 0.000001, "unit");
  const IBitmapStrip strip(nullptr, 64, 64, 1);
  IText style(12, kColorWhite, "Arial");
  auto* knob = new IKnobMultiControlText(plug, 100, 100, kGain, &strip, &style);
  Attach(knob);
  plug->SetParameterFromGUI(kGain, 1.0);
  IRECT area(0, 0, 464, 480);
  view->Paint(&area);
  EXPECT_EQ(31u + 5u, std::strlen(knob->GetValueText()));
  EXPECT_STREQ(" unit", knob->GetValueText() + 31);
}

TEST_F(Text, ControlBoundsOverlayOutlinesEveryControlButTheBackground) {
  Attach(new ProbeControl(plug, IRECT(0, 0, 464, 480)));
  Attach(new ProbeControl(plug, IRECT(10, 20, 30, 40)));
  view->SetShowControlBounds(true);
  IRECT area(0, 0, 464, 480);
  view->Paint(&area);
  const LICE_Pixel outline = view->BackBufferPixel(10, 20);
  EXPECT_NE(0u, outline);
  EXPECT_EQ(outline, view->BackBufferPixel(29, 39));
  EXPECT_EQ(outline, view->BackBufferPixel(29, 20));
  EXPECT_EQ(0u, view->BackBufferPixel(20, 30));  // inside stays
  EXPECT_EQ(0u, view->BackBufferPixel(0, 0));    // the background has none
  // The mouse position is written in the bottom-right corner.
  EXPECT_GT(InkedPixels(IRECT(464 - 150, 480 - 20, 464, 480), 0), 10);
}

}  // namespace
}  // namespace edtest
