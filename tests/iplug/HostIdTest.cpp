#include <gtest/gtest.h>

#include <cctype>
#include <ctime>
#include <string>

#include "HostId.h"
#include "Trace.h"

namespace {

TEST(HostId, NamesFromTheExamples) {
  EXPECT_EQ(kHostCubase, LookUpHostId("Cubase 7"));
  EXPECT_EQ(3, LookUpHostId("CUBASE"));
  EXPECT_EQ(1, LookUpHostId("REAPER"));
  EXPECT_EQ(0, LookUpHostId("Pro Tools"));
  EXPECT_EQ(2, LookUpHostId("ProTools"));
  EXPECT_EQ(9, LookUpHostId("Ableton Live"));
  EXPECT_EQ(21, LookUpHostId("Logic Pro X"));
  EXPECT_EQ(31, LookUpHostId("WaveLab 9"));
  EXPECT_EQ(3, LookUpHostId("cubase live"));
  EXPECT_EQ(0, LookUpHostId(""));
  EXPECT_EQ(0, LookUpHostId(nullptr));
}

TEST(HostId, EveryWordInTestOrder) {
  const struct {
    const char* word;
    int id;
  } table[] = {{"cubase", 3},      {"reaper", 1},      {"nuendo", 4},     {"cakewalk", 5},
               {"samplitude", 8},  {"fruity", 7},      {"live", 9},       {"melodyne", 12},
               {"vstmanlib", 13},  {"aulab", 14},      {"garageband", 22}, {"forte", 15},
               {"chainer", 16},    {"audition", 17},   {"orion", 18},     {"sawstudio", 20},
               {"logic", 21},      {"digital", 23},    {"audiomulch", 25}, {"presonus", 26},
               {"vst3plugintesthost", 27}, {"protools", 2}, {"ardour", 28}, {"openmpt", 30},
               {"renoise", 29},    {"standalone", 24}, {"wavelab", 31}};
  for (const auto& entry : table) {
    std::string upper = entry.word;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(entry.id, LookUpHostId(("My " + upper + " Host").c_str())) << entry.word;
  }
  // A name with two words takes the earlier word of the list.
  for (size_t later = 1; later < sizeof table / sizeof table[0]; ++later) {
    const std::string name = std::string(table[later].word) + " " + table[later - 1].word;
    EXPECT_EQ(table[later - 1].id, LookUpHostId(name.c_str())) << name;
  }
}

TEST(HostId, OnlyTheFirst255CharactersAreExamined) {
  EXPECT_EQ(1, LookUpHostId((std::string(249, 'x') + "reaper" + std::string(745, 'y')).c_str()));
  EXPECT_EQ(0, LookUpHostId((std::string(250, 'x') + "reaper" + std::string(744, 'y')).c_str()));
  char lower[4];
  CopyLowerCase(lower, "ABCDEF", 4);
  EXPECT_STREQ("abc", lower);
  char all[16];
  CopyLowerCase(all, "Mix-3 Z", 16);
  EXPECT_STREQ("mix-3 z", all);
}

TEST(Trace, VersionText) {
  char text[32];
  FormatVersionText(0x00010200, text, 32);
  EXPECT_STREQ("v1.2.0", text);
  FormatVersionText(0x000A0B0C, text, 32);
  EXPECT_STREQ("v10.11.12", text);
}

std::tm Time(int year, int yday, int month, int mday, int hour, int minute) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_yday = yday;
  t.tm_mon = month - 1;
  t.tm_mday = mday;
  t.tm_hour = hour;
  t.tm_min = minute;
  return t;
}

TEST(Trace, TimestampCarriesTheZoneOffset) {
  char text[32];
  FormatLogTimestampFrom(Time(2024, 64, 3, 5, 13, 30), Time(2024, 64, 3, 5, 12, 30), text, 32);
  EXPECT_STREQ("20240305 13:30 +0100", text);
  FormatLogTimestampFrom(Time(2024, 64, 3, 5, 7, 0), Time(2024, 64, 3, 5, 1, 30), text, 32);
  EXPECT_STREQ("20240305 07:00 +0530", text);
  FormatLogTimestampFrom(Time(2024, 64, 3, 5, 12, 0), Time(2024, 64, 3, 5, 12, 0), text, 32);
  EXPECT_STREQ("20240305 12:00 +0000", text);
  // Across midnight and across the year boundary, both ways.
  FormatLogTimestampFrom(Time(2024, 65, 3, 6, 0, 30), Time(2024, 64, 3, 5, 23, 30), text, 32);
  EXPECT_STREQ("20240306 00:30 +0100", text);
  FormatLogTimestampFrom(Time(2025, 0, 1, 1, 0, 30), Time(2024, 365, 12, 31, 23, 30), text, 32);
  EXPECT_STREQ("20250101 00:30 +0100", text);
  FormatLogTimestampFrom(Time(2024, 365, 12, 31, 19, 0), Time(2025, 0, 1, 1, 0, 0), text, 32);
  EXPECT_STREQ("20241231 19:00 -0500", text);
}

}  // namespace
