// The Windows view's pieces that need no window: key numbering, redraw
// interval, file-dialog filter.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "WinFileFilter.h"
#include "WinKeyMap.h"
#include "WinRedrawTimer.h"

namespace {

TEST(WinKeyMap, EditorKeysAndTheRestForTheHost) {
  EXPECT_EQ(EditorKeyCodeForVirtualKey(32), 0);   // space
  EXPECT_EQ(EditorKeyCodeForVirtualKey(38), 1);   // up
  EXPECT_EQ(EditorKeyCodeForVirtualKey(40), 2);   // down
  EXPECT_EQ(EditorKeyCodeForVirtualKey(37), 3);   // left
  EXPECT_EQ(EditorKeyCodeForVirtualKey(39), 4);   // right
  EXPECT_EQ(EditorKeyCodeForVirtualKey(48), 5);   // "0"
  EXPECT_EQ(EditorKeyCodeForVirtualKey(57), 14);  // "9"
  EXPECT_EQ(EditorKeyCodeForVirtualKey(65), 15);  // "A"
  EXPECT_EQ(EditorKeyCodeForVirtualKey(90), 40);  // "Z"
  // Numeric keypad 1..9, its operators and F1..F11 are not letters.
  for (int key = 97; key <= 122; ++key) EXPECT_EQ(EditorKeyCodeForVirtualKey(key), -1) << key;
  EXPECT_EQ(EditorKeyCodeForVirtualKey(112), -1);  // F1
  EXPECT_EQ(EditorKeyCodeForVirtualKey(13), -1);   // return
  EXPECT_EQ(EditorKeyCodeForVirtualKey(64), -1);
  EXPECT_EQ(EditorKeyCodeForVirtualKey(91), -1);
}

TEST(WinRedrawTimer, IntervalFromFrameRate) {
  EXPECT_EQ(kRedrawTimerId, 2u);
  EXPECT_EQ(RedrawTimerInterval(25.0), 40);
  EXPECT_EQ(RedrawTimerInterval(0.0), 40);  // the editor's default rate
  EXPECT_EQ(RedrawTimerInterval(-3.0), 40);
  EXPECT_EQ(RedrawTimerInterval(30.0), 33);
}

std::string FilterBytes(const WinFileFilter& f) {
  const char* filter = f.Filter();
  if (!filter) return std::string();
  // Up to and including the double NUL that ends it.
  size_t n = 0;
  while (filter[n] || filter[n + 1]) ++n;
  return std::string(filter, n + 2);
}

TEST(WinFileFilter, PatternsDescriptionAndDefaultExtension) {
  WinFileFilter f;
  ASSERT_TRUE(f.Build("fxp fxb"));
  EXPECT_STREQ(f.Pattern(), "*.fxp;*.fxb");
  EXPECT_EQ(FilterBytes(f), std::string("*.fxp;*.fxb\0*.fxp;*.fxb\0\0", 25));
  EXPECT_STREQ(f.DefaultExtension(), "fxp");

  ASSERT_TRUE(f.Build("  wav   aif "));
  EXPECT_STREQ(f.Pattern(), "*.wav;*.aif");
  EXPECT_STREQ(f.DefaultExtension(), "wav");

  ASSERT_TRUE(f.Build(""));
  EXPECT_EQ(f.Filter(), nullptr);
  EXPECT_EQ(f.DefaultExtension(), nullptr);
  ASSERT_TRUE(f.Build(nullptr));
  EXPECT_EQ(f.Filter(), nullptr);
}

TEST(WinFileFilter, TextThatDoesNotFitGivesNoFilter) {
  WinFileFilter f;
  // 42 extensions of one letter: 42 x 3 + 41 separators = 167 > 126.
  std::string many;
  for (int i = 0; i < 42; ++i) many += "x ";
  EXPECT_FALSE(f.Build(many.c_str()));
  EXPECT_EQ(f.Filter(), nullptr);
  EXPECT_EQ(f.DefaultExtension(), nullptr);

  // The pattern may take 126 characters: "*.a" and 29 x ";*.b" are 119,
  // ";*.abcd" makes 126; one more letter is too many.
  std::string base = "a";
  for (int i = 0; i < 29; ++i) base += " b";
  ASSERT_TRUE(f.Build((base + " abcd").c_str()));
  EXPECT_EQ(std::strlen(f.Pattern()), 126u);
  EXPECT_EQ(FilterBytes(f).size(), 255u);
  EXPECT_FALSE(f.Build((base + " abcde").c_str()));

  EXPECT_TRUE(f.Build("abcdefghijklmno"));     // 15 characters
  EXPECT_FALSE(f.Build("abcdefghijklmnop x"));  // 16
}

}  // namespace
