#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "HeapBuffer.h"
#include "PointerList.h"
#include "StringBuffer.h"

namespace {

TEST(HeapBuffer, PageGranularityAllocatesWholePagesLessAllowance) {
  const struct {
    int size;
    int allocated;
  } cases[] = {{1, 4000}, {10000, 12192}, {100000, 147360}, {20000000, 24190880}};
  for (const auto& c : cases) {
    HeapBuffer buffer(4096);
    EXPECT_NE(nullptr, buffer.Resize(c.size, false));
    EXPECT_EQ(c.size, buffer.GetSize());
    EXPECT_EQ(c.allocated, buffer.GetAllocated()) << "size " << c.size;
  }
}

TEST(HeapBuffer, SmallGranularityGrowsByHalfAndShrinksBelowThreshold) {
  HeapBuffer buffer(128);
  buffer.Resize(10, false);
  EXPECT_EQ(138, buffer.GetAllocated());
  buffer.Resize(1000, false);
  EXPECT_EQ(1500, buffer.GetAllocated());
  for (int i = 0; i < 1000; ++i) buffer.GetAs<unsigned char>()[i] = static_cast<unsigned char>(i);

  // Threshold min(1500 / 2, 1500 - 4 * 128) = 750: 800 keeps the block.
  buffer.Resize(800, true);
  EXPECT_EQ(1500, buffer.GetAllocated());
  buffer.Resize(1000, false);
  buffer.Resize(700, true);
  EXPECT_EQ(1050, buffer.GetAllocated());
  EXPECT_EQ(700, buffer.GetSize());
  for (int i = 0; i < 700; ++i) ASSERT_EQ(static_cast<unsigned char>(i), buffer.GetAs<unsigned char>()[i]);
}

TEST(HeapBuffer, PageBlockIsKeptUnlessShrunkToZeroWithAllowShrink) {
  HeapBuffer buffer(4096);
  buffer.Resize(10000, false);
  ASSERT_EQ(12192, buffer.GetAllocated());
  buffer.Resize(1, true);  // threshold is 1
  EXPECT_EQ(12192, buffer.GetAllocated());
  EXPECT_EQ(nullptr, buffer.Resize(0, false));
  EXPECT_EQ(12192, buffer.GetAllocated());
  EXPECT_EQ(nullptr, buffer.Get());
  buffer.Resize(5, false);
  EXPECT_EQ(nullptr, buffer.Resize(0, true));
  EXPECT_EQ(0, buffer.GetAllocated());
  EXPECT_EQ(0, buffer.GetSize());
}

TEST(HeapBuffer, NegativeSizeIsZeroAndSameSizeChangesNothing) {
  HeapBuffer buffer(4096);
  buffer.Resize(100, false);
  void* data = buffer.Get();
  EXPECT_EQ(data, buffer.Resize(100, true));
  EXPECT_EQ(4000, buffer.GetAllocated());
  EXPECT_EQ(nullptr, buffer.Resize(-5, false));
  EXPECT_EQ(0, buffer.GetSize());
  EXPECT_EQ(4000, buffer.GetAllocated());
}

TEST(HeapBuffer, GrowthBeyondIntRangeFailsAndKeepsContents) {
  for (int granularity : {128, 4096}) {
    HeapBuffer buffer(granularity);
    char* data = static_cast<char*>(buffer.Resize(6, false));
    std::memcpy(data, "kept!", 6);
    const int allocated = buffer.GetAllocated();
    EXPECT_EQ(data, buffer.Resize(INT_MAX - 10, false));
    EXPECT_EQ(6, buffer.GetSize());
    EXPECT_EQ(allocated, buffer.GetAllocated());
    EXPECT_STREQ("kept!", buffer.GetAs<char>());
  }
}

TEST(StringBuffer, SetAndAppendFollowTheLengthRule) {
  StringBuffer text;
  EXPECT_EQ(nullptr, text.Get());
  text.Set("abcdef", 3);
  EXPECT_STREQ("abc", text.Get());
  text.Set("ab\0cd", 4);  // a NUL before maxLen ends the text
  EXPECT_STREQ("ab", text.Get());
  text.Append("xyz", 2);
  EXPECT_STREQ("abxy", text.Get());
  text.Append("");
  EXPECT_STREQ("abxy", text.Get());
  text.Set("longer text");
  text.Set("s");
  EXPECT_STREQ("s", text.Get());
  EXPECT_EQ(1, text.GetLength());
  text.Set(nullptr, 0);
  ASSERT_NE(nullptr, text.Get());
  EXPECT_STREQ("", text.Get());

  StringBuffer neverSet;
  neverSet.Append("");
  ASSERT_NE(nullptr, neverSet.Get());
  EXPECT_STREQ("", neverSet.Get());
}

TEST(StringBuffer, OwnTextSurvivesReallocation) {
  const std::string base(200, 'a');
  StringBuffer text;
  text.Set((base + "B").c_str());
  const char* before = text.Get();
  // Appending the string to itself needs a larger block, so the source moves.
  text.Append(text.Get());
  EXPECT_NE(before, text.Get());
  EXPECT_EQ(base + "B" + base + "B", std::string(text.Get()));
  // A pointer into the reallocated text works as well.
  text.Set(text.Get() + 200);
  EXPECT_EQ("B" + base + "B", std::string(text.Get()));
}

struct Tracked {
  Tracked(int id, std::vector<int>* log, const PointerList<Tracked>* list) : id(id), log(log), list(list) {}
  // Records the id and the list size seen while being destroyed.
  ~Tracked() {
    log->push_back(id);
    log->push_back(list ? list->GetSize() : -1);
  }
  int id;
  std::vector<int>* log;
  const PointerList<Tracked>* list;
};

TEST(PointerList, InsertClampsTheIndex) {
  int a = 1, b = 2, c = 3, d = 4, e = 5, f = 6;
  PointerList<int> list;
  EXPECT_EQ(nullptr, list.Get(0));
  list.Insert(&a);
  list.Insert(&b);
  list.Insert(&c);
  EXPECT_EQ(&d, list.Insert(&d, 99));   // appended
  EXPECT_EQ(&e, list.Insert(&e, -7));   // front
  list.Insert(&f, 2);
  const int* expected[] = {&e, &a, &f, &b, &c, &d};
  ASSERT_EQ(6, list.GetSize());
  for (int i = 0; i < 6; ++i) EXPECT_EQ(expected[i], list.Get(i));
  EXPECT_EQ(nullptr, list.Get(-1));
  EXPECT_EQ(nullptr, list.Get(6));
  list.DeleteAll(false);
}

TEST(PointerList, DeleteAtAndDeleteAllDestroyLastToFirst) {
  std::vector<int> log;
  PointerList<Tracked> list;
  for (int i = 0; i < 4; ++i) list.Insert(new Tracked(i, &log, &list));
  list.Insert(nullptr);
  list.DeleteAt(4);  // a null item is just removed
  list.DeleteAt(7);  // outside: nothing
  list.DeleteAt(1);
  EXPECT_EQ((std::vector<int>{1, 4}), log);
  ASSERT_EQ(3, list.GetSize());
  EXPECT_EQ(2, list.Get(1)->id);

  log.clear();
  list.DeleteAll(true);
  // Each item is gone from the list before the one below it is destroyed.
  EXPECT_EQ((std::vector<int>{3, 3, 2, 2, 0, 1}), log);
  EXPECT_EQ(0, list.GetSize());

  list.DeleteAll(true);  // empty list: nothing happens
  EXPECT_EQ(0, list.GetSize());
}

TEST(PointerList, DeleteAllWithoutItemsLeavesThemAlive) {
  std::vector<int> log;
  Tracked kept(7, &log, nullptr);
  PointerList<Tracked> list;
  list.Insert(&kept);
  list.DeleteAll(false);
  EXPECT_EQ(0, list.GetSize());
  EXPECT_TRUE(log.empty());
}

}  // namespace
