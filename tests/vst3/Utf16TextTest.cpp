// Text conversions between the framework's UTF-8 and the host's UTF-16.

#include <gtest/gtest.h>

#include <string>

#include "Utf16Text.h"

using Steinberg::Vst::TChar;

namespace {
std::u16string ToU16(const TChar* text) {
  std::u16string out;
  for (; *text; ++text) out.push_back(static_cast<char16_t>(*text));
  return out;
}
}  // namespace

TEST(Vst3Text, Utf8ToUtf16KeepsCharactersAndBoundsTheDestination) {
  TChar dest[128];
  Utf8ToUtf16("Dry/Wet", dest, 128);
  EXPECT_EQ(ToU16(dest), u"Dry/Wet");
  Utf8ToUtf16("\xC3\xA9\xF0\x9F\x98\x80", dest, 128);  // é and an emoji (a surrogate pair)
  EXPECT_EQ(ToU16(dest), u"\u00E9\U0001F600");
  Utf8ToUtf16(nullptr, dest, 128);
  EXPECT_EQ(ToU16(dest), u"");
  // Malformed input becomes U+FFFD; a cut-off sequence does not swallow the NUL.
  Utf8ToUtf16("a\xFF" "b\xE2\x82", dest, 128);
  EXPECT_EQ(ToU16(dest), u"a\uFFFDb\uFFFD");
  // A pair never gets split at the end of a small destination.
  TChar small[3];
  Utf8ToUtf16("x\xF0\x9F\x98\x80", small, 3);
  EXPECT_EQ(ToU16(small), u"x");
}

TEST(Vst3Text, Utf16ToUtf8KeepsCharactersAndBoundsTheDestination) {
  const TChar text[] = {'W', 'a', 'v', 'e', 0xE9, 0xD83D, 0xDE00, 0};
  char dest[128];
  Utf16ToUtf8(text, 128, dest, 128);
  EXPECT_EQ(std::string(dest), "Wave\xC3\xA9\xF0\x9F\x98\x80");
  const TChar lone[] = {'a', 0xD800, 'b', 0};
  Utf16ToUtf8(lone, 128, dest, 128);
  EXPECT_EQ(std::string(dest), "a\xEF\xBF\xBD" "b");
  char small[6];
  Utf16ToUtf8(text, 128, small, 6);
  EXPECT_EQ(std::string(small), "Wave");  // é would not fit with its NUL
  // An unterminated source is read no further than its limit.
  const TChar unterminated[4] = {'a', 'b', 'c', 'd'};
  Utf16ToUtf8(unterminated, 4, dest, 128);
  EXPECT_EQ(std::string(dest), "abcd");
}
