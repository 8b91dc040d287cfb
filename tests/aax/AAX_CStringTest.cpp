#include "AAX_CString.h"
#include "FakeHost.h"
#include "HostString.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <clocale>
#include <stdexcept>

namespace {

using fakehost::HostString;

TEST(AAX_CString, ConstructionKeepsTextUpToTheFirstNul) {
  const AAX_CString fromNull(static_cast<const char*>(nullptr));
  EXPECT_EQ(0u, fromNull.Length());
  EXPECT_STREQ("", fromNull.Get());

  const AAX_CString bytes(std::string("ab\0cd", 5));
  EXPECT_EQ(5u, bytes.Length());
  const AAX_CString copied(static_cast<const AAX_IString&>(bytes));
  EXPECT_EQ(2u, copied.Length());
  AAX_CString assigned("x");
  assigned = bytes;  // copy assignment takes the whole byte string
  EXPECT_EQ(5u, assigned.Length());
  const AAX_CString& same = assigned;  // self-assignment, through an alias
  assigned = same;
  EXPECT_EQ(5u, assigned.Length());
}

TEST(AAX_CString, MaxLengthIsOneBelowTheLargestUnsigned) {
  EXPECT_EQ(4294967294u, AAX_CString().MaxLength());
}

TEST(AAX_CString, EraseRemovesWhatLiesInsideAndRejectsPositionsBeyondTheEnd) {
  AAX_CString s("abcdef");
  s.Erase(2, 100);
  EXPECT_STREQ("ab", s.Get());

  AAX_CString t("abcdefghij");
  t.Erase(5, 7);
  EXPECT_STREQ("abcde", t.Get());

  AAX_CString u("abcdef");
  u.Erase(6, 1);
  EXPECT_STREQ("abcdef", u.Get());
  EXPECT_THROW(u.Erase(7, 1), std::out_of_range);
  EXPECT_STREQ("abcdef", u.Get());
}

TEST(AAX_CString, AppendNumberWritesFixedDecimalsWhateverTheLocale) {
  std::setlocale(LC_ALL, "de_DE.UTF-8");  // a decimal comma, where available
  AAX_CString s;
  s.AppendNumber(1.5, 2);
  EXPECT_STREQ("1.50", s.Get());
  AAX_CString negative;
  negative.AppendNumber(-3.0, 2);
  EXPECT_STREQ("-3.00", negative.Get());
  AAX_CString whole("v");
  whole.AppendNumber(2.0, 0);
  EXPECT_STREQ("v2", whole.Get());
  std::setlocale(LC_ALL, "C");
}

TEST(AAX_CString, ToDoubleReadsALeadingNumberOrAnswersZero) {
  double value = -1.0;
  EXPECT_TRUE(AAX_CString("12.5 dB").ToDouble(&value));
  EXPECT_DOUBLE_EQ(12.5, value);
  EXPECT_TRUE(AAX_CString("  -7").ToDouble(&value));
  EXPECT_DOUBLE_EQ(-7.0, value);
  value = -1.0;
  EXPECT_FALSE(AAX_CString("dB").ToDouble(&value));
  EXPECT_EQ(0.0, value);
  value = -1.0;
  EXPECT_FALSE(AAX_CString("").ToDouble(&value));
  EXPECT_EQ(0.0, value);
  // Out-of-range and non-numbers never reach a caller's state.
  value = -1.0;
  EXPECT_FALSE(AAX_CString("1e999").ToDouble(&value));
  EXPECT_EQ(0.0, value);
  EXPECT_FALSE(AAX_CString("nan").ToDouble(&value));
  EXPECT_EQ(0.0, value);
}

TEST(AAX_CString, SubStringTakesWhatLiesInside) {
  const AAX_CString s("abcd");
  AAX_CString out("old");
  s.SubString(1, 2, &out);
  EXPECT_STREQ("bc", out.Get());
  s.SubString(4, 2, &out);
  EXPECT_STREQ("", out.Get());
  out = "kept";
  EXPECT_THROW(s.SubString(5, 1, &out), std::out_of_range);
  EXPECT_STREQ("kept", out.Get());
}

TEST(AAX_CString, AppendCompareAndIndex) {
  AAX_CString s("ab");
  s.Append(AAX_CString(std::string("cd\0ef", 5)));
  EXPECT_STREQ("abcd", s.Get());
  EXPECT_TRUE(s == AAX_CString("abcd"));
  EXPECT_TRUE(s != AAX_CString("abce"));
  s[0] = 'x';
  EXPECT_EQ('x', s[0]);
  AAX_CString other("zz");
  s.Swap(other);
  EXPECT_STREQ("zz", s.Get());
  EXPECT_STREQ("xbcd", other.Get());
  s.Clear();
  EXPECT_EQ(0u, s.Length());
}

// The host reaches the library's string, and the library the host's, through
// the slot numbers only.
TEST(AAX_CStringAcrossTheBoundary, TheHostUsesTheLibrarysStringBySlot) {
  AAX_CString s("plug-in text");
  void* asHostSees = static_cast<AAX_IString*>(&s);
  EXPECT_EQ(12u, fakehost::PluginStringLength(asHostSees));
  EXPECT_EQ(4294967294u, fakehost::PluginStringMaxLength(asHostSees));
  EXPECT_EQ("plug-in text", fakehost::PluginStringText(asHostSees));
  fakehost::PluginStringSet(asHostSees, "set by host");
  EXPECT_STREQ("set by host", s.Get());
  EXPECT_EQ(asHostSees, fakehost::PluginStringAssignText(asHostSees, "assigned text"));
  EXPECT_STREQ("assigned text", s.Get());

  fakehost::Host host;
  HostString hostString(host, "hostString", "from host");
  EXPECT_EQ(asHostSees, fakehost::PluginStringAssignString(asHostSees, hostString.Interface()));
  EXPECT_STREQ("from host", s.Get());
}

TEST(AAX_CStringAcrossTheBoundary, TheLibraryUsesTheHostsStringBySlot) {
  fakehost::Host host;
  HostString hostString(host, "hostString", "host words");
  AAX_IString& foreign = *static_cast<AAX_IString*>(hostString.Interface());

  const AAX_CString copy(foreign);
  EXPECT_STREQ("host words", copy.Get());
  AAX_CString("abcd").SubString(1, 2, &foreign);
  EXPECT_EQ("bc", hostString.Text());
  foreign = "assigned";
  foreign = AAX_CString("copied");
  EXPECT_EQ("copied", hostString.Text());
  EXPECT_THAT(host.Lines(), testing::ElementsAre("hostString.string[3]()",
                                                 "hostString.string[4](\"bc\")",
                                                 "hostString.string[5](\"assigned\")",
                                                 "hostString.string[6](ptr)"));
}

}  // namespace
