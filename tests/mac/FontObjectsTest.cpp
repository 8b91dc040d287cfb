// Font objects: size, style and name resolution, selection into contexts,
// text metrics.

#include "EmulationFixture.h"

#include <cstdint>

namespace
{
GDIEmu_Object* Slot(uintptr_t number) { return reinterpret_cast<GDIEmu_Object*>(number); }

// The size and name CoreText was last asked for.
StandinCall LastFontRequest()
{
  StandinCall last;
  for (const StandinCall& call : StandinRecordedCalls())
    if (call.name == "CTFontCreateWithName") last = call;
  return last;
}

GDIEmu_Object* FontOfSize(int height, int width, const char* face = "Sized Face")
{
  return CreateFont(height, width, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, face);
}

using FontObjects = EmulationTest;

TEST_F(FontObjects, SizeComesFromHeightElseWidthAndOutOfRangeBecomesTen)
{
  const struct
  {
    int height, width;
    double points;
  } cases[] = {{0, -12, 12}, {-1, 0, 10}, {10000, 0, 10}, {-20, 7, 20}, {2, 0, 2}, {8192, 0, 8192}, {0, 0, 10}};
  for (const auto& c : cases)
  {
    GDIEmu_Object* font = FontOfSize(c.height, c.width);
    ASSERT_NE(nullptr, font);
    EXPECT_EQ(c.points, LastFontRequest().numbers.at(0)) << c.height << " " << c.width;
    DeleteObject(font);
  }
}

TEST_F(FontObjects, WeightFrom700IsBoldAndItalicReadsTheLowByte)
{
  const struct
  {
    int weight, italic;
    const char* name;
  } cases[] = {{699, 0, "Styled"}, {700, 0, "Styled Bold"}, {400, 0x100, "Styled"}, {900, 1, "Styled Bold Italic"}};
  for (const auto& c : cases)
  {
    GDIEmu_Object* font = CreateFont(12, 0, 0, 0, c.weight, c.italic, 0, 0, 0, 0, 0, 0, 0, "Styled");
    EXPECT_EQ(c.name, LastFontRequest().text);
    DeleteObject(font);
  }
  GDIEmu_Object* unnamed = CreateFont(12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, nullptr);
  EXPECT_EQ("", LastFontRequest().text);
  DeleteObject(unnamed);
}

TEST_F(FontObjects, PostScriptNameIsLookedUpOncePerKeyAndNotAtFoundation945)
{
  StandinFace face = TestFace();
  face.postScriptName = "LookedUp-Bold";
  StandinRegisterFace("Looked Up Bold", face);
  const long strings = StandinLiveCount(StandinType::String);
  for (int i = 0; i < 3; ++i)
  {
    GDIEmu_Object* font = CreateFont(12, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Looked Up");
    EXPECT_EQ("LookedUp-Bold", LastFontRequest().text);
    DeleteObject(font);
  }
  EXPECT_EQ(1u, StandinCallCount("CTFontCopyPostScriptName"));
  // Only the cached PostScript name stays: the name it replaced is released.
  EXPECT_EQ(strings + 1, StandinLiveCount(StandinType::String));

  StandinRegisterFace("Old Foundation", face);
  StandinSetFoundationVersion(945.9);
  StandinClearCalls();
  DeleteObject(CreateFont(12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Old Foundation"));
  EXPECT_EQ(0u, StandinCallCount("CTFontCopyPostScriptName"));
  EXPECT_EQ("Old Foundation", LastFontRequest().text);
}

TEST_F(FontObjects, NamesThatAreNotTextGiveTheDefaultFace)
{
  GDIEmu_Object* font = CreateFont(12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Bad \xC3\x28 name");
  ASSERT_NE(nullptr, font);
  EXPECT_EQ("", LastFontRequest().text);
  DeleteObject(font);
  // Failing font creation falls back to the label font.
  StandinSetFontCreationFails(true);
  font = FontOfSize(14, 0);
  StandinSetFontCreationFails(false);
  ASSERT_NE(nullptr, font);
  GDIEmu_DC* context = CreateMemoryContext(nullptr, 4, 4);
  SelectObject(context, font);
  GDIEmu_TextMetric metrics;
  EXPECT_TRUE(GetTextMetrics(context, &metrics));
  DeleteDC(context);
  DeleteObject(font);
}

TEST_F(FontObjects, SelectingHandsBackWhatTheSlotHeld)
{
  GDIEmu_DC* context = CreateMemoryContext(nullptr, 8, 8);
  GDIEmu_Object* font = MakeTestFont();
  GDIEmu_Object* other = MakeTestFont();
  EXPECT_EQ(Slot(3), SelectObject(context, font));
  EXPECT_EQ(font, SelectObject(context, font));  // already selected: unchanged
  EXPECT_EQ(font, SelectObject(context, other));
  EXPECT_EQ(other, SelectObject(context, Slot(3)));
  EXPECT_EQ(Slot(3), SelectObject(context, Slot(3)));  // empty slot answers its number
  EXPECT_EQ(Slot(1), SelectObject(context, Slot(1)));
  // Invalid handles and contexts.
  EXPECT_EQ(nullptr, SelectObject(context, Slot(4)));
  EXPECT_EQ(nullptr, SelectObject(context, nullptr));
  EXPECT_EQ(nullptr, SelectObject(nullptr, font));
  DeleteObject(other);  // now pooled
  EXPECT_EQ(nullptr, SelectObject(context, other));
  DeleteObject(other);  // pooled records are ignored
  DeleteObject(Slot(3));
  DeleteDC(context);
  EXPECT_EQ(nullptr, SelectObject(context, font));  // a pooled context is like null
  DeleteObject(font);
}

TEST_F(FontObjects, TextMetricsArePrefilledAndTruncated)
{
  GDIEmu_TextMetric metrics{};
  EXPECT_FALSE(GetTextMetrics(nullptr, &metrics));
  EXPECT_EQ(16, metrics.height);
  EXPECT_EQ(12, metrics.ascent);
  EXPECT_EQ(4, metrics.descent);
  EXPECT_EQ(3, metrics.internalLeading);
  EXPECT_EQ(10, metrics.averageCharWidth);

  GDIEmu_DC* context = CreateMemoryContext(nullptr, 8, 8);
  EXPECT_FALSE(GetTextMetrics(context, nullptr));
  GDIEmu_Object* font = MakeTestFont();
  GDIEmu_Object* old = SelectObject(context, font);
  ASSERT_TRUE(GetTextMetrics(context, &metrics));
  EXPECT_EQ(12, metrics.height);
  EXPECT_EQ(9, metrics.ascent);
  EXPECT_EQ(2, metrics.descent);
  EXPECT_EQ(0, metrics.internalLeading);
  EXPECT_EQ(7, metrics.averageCharWidth);
  SelectObject(context, old);
  DeleteObject(font);
  DeleteDC(context);
}
}  // namespace
