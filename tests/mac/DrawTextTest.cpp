// DrawText: text preparation, measuring, alignment and line placement, and
// what it leaves in the pixels.

#include "EmulationFixture.h"

#include <cstdint>
#include <cstring>

namespace
{
// A context with the test font selected; released at the end.
class TextContext
{
public:
  TextContext(int width, int height, int quality = 0)
      : context(CreateMemoryContext(nullptr, width, height)), font(MakeTestFont(quality)),
        m_width(width)
  {
    m_old = SelectObject(context, font);
  }
  ~TextContext()
  {
    SelectObject(context, m_old);
    DeleteObject(font);
    DeleteDC(context);
  }
  // Bytes of a pixel: the skipped byte, then red, green, blue.
  const uint8_t* Pixel(int x, int y) const
  {
    return static_cast<const uint8_t*>(GetContextPixels(context)) + (size_t(y) * m_width + x) * 4;
  }
  int Red(int x, int y) const { return Pixel(x, y)[1]; }

  GDIEmu_DC* context;
  GDIEmu_Object* font;

private:
  GDIEmu_Object* m_old;
  int m_width;
};

using DrawTextTest = EmulationTest;

// Texts handed to CoreText, in order.
std::vector<std::string> LaidOutTexts()
{
  std::vector<std::string> texts;
  for (const StandinCall& call : StandinRecordedCalls())
    if (call.name == "CFAttributedStringCreate") texts.push_back(call.text);
  return texts;
}

TEST_F(DrawTextTest, MeasuresOneLineAndLinesOfAFrame)
{
  TextContext t(64, 64);
  GDIEmu_Rect rect{3, 4, 0, 0};
  EXPECT_EQ(15, DrawText(t.context, "ab", -1, &rect, DT_CALCRECT));
  EXPECT_EQ(23, rect.right);
  EXPECT_EQ(19, rect.bottom);
  rect = GDIEmu_Rect{0, 0, 0, 0};
  EXPECT_EQ(29, DrawText(t.context, "ab\nabc", -1, &rect, DT_CALCRECT));
  EXPECT_EQ(31, rect.right);  // the widest line: floor(30.6 + 0.5)
  EXPECT_EQ(29, rect.bottom);
  // Measuring draws nothing.
  EXPECT_EQ(0u, StandinCallCount("CTLineDraw"));
  EXPECT_EQ(0, t.Red(1, 1));
}

TEST_F(DrawTextTest, SecondLineStartsThirteenBelowTheFirst)
{
  TextContext t(64, 64);
  GDIEmu_Rect rect{5, 7, 60, 60};
  EXPECT_EQ(29, DrawText(t.context, "ab\nab", -1, &rect, 0));
  const std::vector<StandinCall> positions = Calls("CGContextSetTextPosition");
  ASSERT_EQ(2u, positions.size());
  EXPECT_DOUBLE_EQ(5, positions[0].numbers[0]);
  EXPECT_NEAR(7 + 9.7, positions[0].numbers[1], 1e-9);
  EXPECT_DOUBLE_EQ(5, positions[1].numbers[0]);
  EXPECT_NEAR(7 + 13 + 9.7, positions[1].numbers[1], 1e-9);
}

TEST_F(DrawTextTest, PrefixesCarriageReturnsAndLineFeeds)
{
  TextContext t(64, 64);
  GDIEmu_Rect rect{0, 0, 0, 0};
  DrawText(t.context, "a&&b", -1, &rect, DT_CALCRECT);
  DrawText(t.context, "a&&b", -1, &rect, DT_CALCRECT | DT_NOPREFIX);
  DrawText(t.context, "&x&", -1, &rect, DT_CALCRECT);
  DrawText(t.context, "x\r\ny", -1, &rect, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ((std::vector<std::string>{"a&b", "a&&b", "x", "x y"}), LaidOutTexts());
  EXPECT_EQ(31, rect.right);  // three characters of 10.2
  EXPECT_EQ(15, rect.bottom);

  // The byte after an "&" is taken literally, even a carriage return or a
  // line feed: one line of three characters, no frame.
  StandinClearCalls();
  for (const char* text : {"a&\rb", "a&\nb"})
  {
    rect = GDIEmu_Rect{0, 0, 0, 0};
    EXPECT_EQ(15, DrawText(t.context, text, -1, &rect, DT_CALCRECT)) << text;
    EXPECT_EQ(31, rect.right) << text;
  }
  EXPECT_EQ((std::vector<std::string>{"a\rb", "a\nb"}), LaidOutTexts());
  EXPECT_EQ(2u, StandinCallCount("CTLineCreateWithAttributedString"));
  EXPECT_EQ(0u, StandinCallCount("CTFramesetterCreateWithAttributedString"));
}

TEST_F(DrawTextTest, BackgroundBoxFollowsTheSingleLineFlag)
{
  // "ab\n" is a frame of one line without DT_SINGLELINE: the line's own box
  // (20.4 wide rounded to 20, ascent + descent + leading 13 high); with it,
  // the measured box of the single line "ab " (31 x 15).
  const struct
  {
    int flags;
    double width, height;
  } cases[] = {{0, 20, 13.0}, {DT_SINGLELINE, 31, 15}};
  for (const auto& c : cases)
  {
    TextContext t(60, 30);
    SetBkMode(t.context, GDIEMU_OPAQUE);
    StandinClearCalls();
    GDIEmu_Rect rect{2, 3, 60, 30};
    EXPECT_EQ(15, DrawText(t.context, "ab\n", -1, &rect, c.flags));
    const std::vector<StandinCall> fills = Calls("CGContextFillRect");
    ASSERT_EQ(1u, fills.size()) << c.flags;
    EXPECT_DOUBLE_EQ(2, fills[0].numbers[0]) << c.flags;
    EXPECT_DOUBLE_EQ(3, fills[0].numbers[1]) << c.flags;
    EXPECT_DOUBLE_EQ(c.width, fills[0].numbers[2]) << c.flags;
    EXPECT_NEAR(c.height, fills[0].numbers[3], 1e-9) << c.flags;
  }
}

TEST_F(DrawTextTest, AnAmpersandEndingTheCountIsDropped)
{
  TextContext t(64, 64);
  GDIEmu_Rect rect{0, 0, 0, 0};
  EXPECT_EQ(15, DrawText(t.context, "ab&c", 3, &rect, DT_CALCRECT));
  EXPECT_EQ(std::vector<std::string>{"ab"}, LaidOutTexts());
  EXPECT_EQ(20, rect.right);
}

TEST_F(DrawTextTest, NothingToLayOutAnswersZero)
{
  TextContext t(64, 64);
  GDIEmu_Rect rect{1, 2, 3, 4};
  EXPECT_EQ(0, DrawText(t.context, "", -1, &rect, DT_CALCRECT));
  EXPECT_EQ(0, DrawText(t.context, "\r\r&", -1, &rect, DT_CALCRECT));
  EXPECT_EQ(0, DrawText(t.context, "abc", 0, &rect, DT_CALCRECT));
  EXPECT_EQ(0, DrawText(t.context, "\xC3\x28", -1, &rect, DT_CALCRECT));  // neither UTF-8 nor ASCII
  EXPECT_EQ(0, DrawText(t.context, nullptr, -1, &rect, DT_CALCRECT));
  EXPECT_EQ(0, DrawText(t.context, "ab", -1, nullptr, DT_CALCRECT));
  EXPECT_EQ(0, DrawText(nullptr, "ab", -1, &rect, DT_CALCRECT));
  EXPECT_EQ(1, rect.left);
  EXPECT_EQ(2, rect.top);
  EXPECT_EQ(3, rect.right);
  EXPECT_EQ(4, rect.bottom);
  // Bytes from 0x80 are taken as UTF-8.
  EXPECT_EQ(15, DrawText(t.context, "\xC3\xA9", -1, &rect, DT_CALCRECT));
  EXPECT_EQ(11, rect.right);
}

TEST_F(DrawTextTest, AlignmentPlacesTheMeasuredBox)
{
  const struct
  {
    int flags;
    double x, y;
  } cases[] = {{0, 0, 0},          {DT_RIGHT, 80, 0},           {DT_CENTER, 40, 0},
               {DT_BOTTOM, 0, 35}, {DT_VCENTER, 0, 18},         {DT_RIGHT | DT_CENTER, 80, 0},
               {DT_BOTTOM | DT_VCENTER, 0, 35}};
  for (const auto& c : cases)
  {
    TextContext t(100, 50);
    StandinClearCalls();
    GDIEmu_Rect rect{0, 0, 100, 50};
    EXPECT_EQ(15, DrawText(t.context, "ab", -1, &rect, c.flags));
    const std::vector<StandinCall> positions = Calls("CGContextSetTextPosition");
    ASSERT_EQ(1u, positions.size());
    EXPECT_DOUBLE_EQ(c.x, positions[0].numbers[0]) << c.flags;
    EXPECT_NEAR(c.y + 9.7, positions[0].numbers[1], 1e-9) << c.flags;
  }
}

TEST_F(DrawTextTest, WhiteTextStandsUprightFromTheTopAndLeavesTheFirstByte)
{
  TextContext t(32, 20);
  std::memset(GetContextPixels(t.context), 0x5A, 32 * 20 * 4);
  SetTextColor(t.context, 0xFFFFFF);
  GDIEmu_Rect rect{2, 3, 32, 20};
  DrawText(t.context, "a", -1, &rect, 0);
  // The ink box: x 2 to 12.2, y 3 to 12.7 (the ascent above the baseline).
  EXPECT_EQ(255, t.Red(2, 3));
  EXPECT_EQ(255, t.Pixel(11, 11)[2]);
  EXPECT_EQ(255, t.Pixel(11, 11)[3]);
  EXPECT_EQ(0x5A, t.Red(2, 2));    // above the text: untouched
  EXPECT_EQ(0x5A, t.Red(2, 13));   // below the baseline: untouched
  EXPECT_EQ(0x5A, t.Red(1, 5));
  // Partial coverage at the lower edge (0.7) and the right edge (0.2).
  EXPECT_NEAR(0x5A + (255 - 0x5A) * 0.7, t.Red(5, 12), 1);
  EXPECT_NEAR(0x5A + (255 - 0x5A) * 0.2, t.Red(12, 5), 1);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 32; ++x) ASSERT_EQ(0x5A, t.Pixel(x, y)[0]);
}

TEST_F(DrawTextTest, ClipsToTheRectangleUnlessAskedNotTo)
{
  for (int flags : {0, int(DT_NOCLIP)})
  {
    TextContext t(40, 20);
    SetTextColor(t.context, 0xFF0000);
    GDIEmu_Rect rect{0, 0, 15, 8};
    DrawText(t.context, "ab", -1, &rect, flags);
    EXPECT_EQ(255, t.Red(14, 7));
    EXPECT_EQ(0, t.Pixel(14, 7)[2]);
    EXPECT_EQ(flags ? 255 : 0, t.Red(16, 2)) << flags;  // right of the rectangle
    EXPECT_EQ(flags ? 255 : 0, t.Red(3, 8)) << flags;   // below it
  }
}

TEST_F(DrawTextTest, OpaqueBackModeFillsTheMeasuredBoxFirst)
{
  TextContext t(40, 20);
  SetTextColor(t.context, 0xFFFFFF);
  SetBkColor(t.context, 0x0000FF);
  SetBkMode(t.context, GDIEMU_OPAQUE);
  GDIEmu_Rect rect{0, 0, 40, 20};
  DrawText(t.context, "a b", -1, &rect, 0);
  // Box 31 x 15: the blank between the letters is background, as is the
  // space below the ink.
  EXPECT_EQ(255, t.Pixel(15, 2)[3]);
  EXPECT_EQ(0, t.Red(15, 2));
  EXPECT_EQ(255, t.Pixel(3, 14)[3]);
  EXPECT_EQ(255, t.Red(3, 2));
  EXPECT_EQ(0, t.Pixel(32, 2)[3]);  // outside the box
  EXPECT_EQ(0, t.Pixel(3, 15)[3]);

  SetBkMode(t.context, GDIEMU_TRANSPARENT);
  std::memset(GetContextPixels(t.context), 0, 40 * 20 * 4);
  DrawText(t.context, "a b", -1, &rect, 0);
  EXPECT_EQ(0, t.Pixel(15, 2)[3]);
}

TEST_F(DrawTextTest, FontQualityPicksTheAntiAliasing)
{
  // The ink ends 0.7 into row 9 (ascent 9.7) and 0.4 into column 22 (two
  // advances of 10.2 from x 2).
  const struct
  {
    int quality;
    int edge12, edge22;
  } cases[] = {{4, 179, 102}, {0, 179, 102}, {3, 255, 0}};
  for (const auto& c : cases)
  {
    TextContext t(40, 20, c.quality);
    SetTextColor(t.context, 0xFFFFFF);
    GDIEmu_Rect rect{2, 0, 40, 20};
    DrawText(t.context, "ab", -1, &rect, 0);
    EXPECT_NEAR(c.edge12, t.Red(5, 9), 1) << c.quality;
    EXPECT_NEAR(c.edge22, t.Red(22, 5), 1) << c.quality;
    EXPECT_EQ(255, t.Red(5, 5));
  }
  // The setting is restored with the state: only inside the call.
  TextContext t(40, 20, 3);
  GDIEmu_Rect rect{0, 0, 40, 20};
  StandinClearCalls();
  DrawText(t.context, "ab", -1, &rect, 0);
  const std::vector<StandinCall> calls = StandinRecordedCalls();
  std::vector<std::string> order;
  for (const StandinCall& call : calls)
    if (call.name == "CGContextSaveGState" || call.name == "CGContextSetShouldAntialias" ||
        call.name == "CTLineDraw" || call.name == "CGContextRestoreGState")
      order.push_back(call.name);
  EXPECT_EQ((std::vector<std::string>{"CGContextSaveGState", "CGContextSetShouldAntialias", "CTLineDraw",
                                      "CGContextRestoreGState"}),
            order);
}

TEST_F(DrawTextTest, ReleasesEverythingItMakes)
{
  TextContext t(40, 20);
  SetBkMode(t.context, GDIEMU_OPAQUE);
  GDIEmu_Rect rect{0, 0, 40, 20};
  DrawText(t.context, "warm up", -1, &rect, 0);  // the shared objects exist now
  long before[size_t(StandinType::Count)];
  for (size_t i = 0; i < size_t(StandinType::Count); ++i) before[i] = StandinLiveCount(StandinType(i));
  DrawText(t.context, "ab", -1, &rect, 0);
  DrawText(t.context, "ab\ncd\n", -1, &rect, 0);
  DrawText(t.context, "ab\ncd", -1, &rect, DT_CALCRECT);
  for (size_t i = 0; i < size_t(StandinType::Count); ++i)
    EXPECT_EQ(before[i], StandinLiveCount(StandinType(i))) << i;
}
}  // namespace
