// Memory contexts, their stores and the record pools; the font-name
// cache's array.

#include "EmulationFixture.h"
#include "GDIEmulationRecords.h"
#include "StringKeyedArray.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace
{
using Contexts = EmulationTest;

TEST_F(Contexts, StoreIsAlignedZeroedAndFlippedToTopLeft)
{
  GDIEmu_DC* context = CreateMemoryContext(nullptr, 5, 3);
  ASSERT_NE(nullptr, context);
  auto* pixels = static_cast<uint8_t*>(GetContextPixels(context));
  ASSERT_NE(nullptr, pixels);
  EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(pixels) % 64);
  for (int i = 0; i < 5 * 3 * 4; ++i) ASSERT_EQ(0, pixels[i]);
  const std::vector<StandinCall> created = Calls("CGBitmapContextCreate");
  ASSERT_EQ(1u, created.size());
  EXPECT_EQ((std::vector<double>{5, 3, 8, 20, 6}), created[0].numbers);
  EXPECT_EQ((std::vector<double>{0, 3}), Calls("CGContextTranslateCTM").at(0).numbers);
  EXPECT_EQ((std::vector<double>{1, -1}), Calls("CGContextScaleCTM").at(0).numbers);
  // Black text until told otherwise.
  EXPECT_EQ((std::vector<double>{0, 0, 0, 1}), Calls("CGColorCreate").at(0).numbers);
  DeleteDC(context);
  EXPECT_EQ(nullptr, GetContextPixels(context));  // pooled now
  EXPECT_EQ(nullptr, GetContextPixels(nullptr));
}

TEST_F(Contexts, SizesThatCannotBeStoredGiveNoContext)
{
  const long contexts = StandinLiveCount(StandinType::Context);
  const struct
  {
    int width, height;
  } cases[] = {{-100, -100}, {0, 5}, {5, 0}, {-1, 10}, {50000, 50000}, {1, (INT32_MAX - 63) / 4 + 1}, {65536, 8192}};
  for (const auto& c : cases) EXPECT_EQ(nullptr, CreateMemoryContext(nullptr, c.width, c.height)) << c.width;
  StandinSetContextCreationFails(true);
  EXPECT_EQ(nullptr, CreateMemoryContext(nullptr, 4, 4));
  StandinSetContextCreationFails(false);
  EXPECT_EQ(contexts, StandinLiveCount(StandinType::Context));
}

TEST_F(Contexts, TextColourBecomesTheForeColourObject)
{
  GDIEmu_DC* context = CreateMemoryContext(nullptr, 4, 4);
  const long colors = StandinLiveCount(StandinType::Color);
  StandinClearCalls();
  SetTextColor(context, 0x336699);
  SetTextColor(context, 0xFF0080);
  EXPECT_EQ(colors, StandinLiveCount(StandinType::Color));  // the old one released
  const std::vector<StandinCall> made = Calls("CGColorCreate");
  ASSERT_EQ(2u, made.size());
  EXPECT_EQ((std::vector<double>{0x33 / 255.0f, 0x66 / 255.0f, 0x99 / 255.0f, 1}), made[0].numbers);
  EXPECT_EQ((std::vector<double>{1, 0, 0x80 / 255.0f, 1}), made[1].numbers);
  DeleteDC(context);
  EXPECT_EQ(colors - 1, StandinLiveCount(StandinType::Color));
}

TEST_F(Contexts, TheContextDeletedWithAFullPoolIsFreed)
{
  std::vector<GDIEmu_DC*> contexts;
  for (int i = 0; i < 101; ++i) contexts.push_back(CreateMemoryContext(nullptr, 2, 2));
  EXPECT_EQ(0, GDIEmu_PooledContextCount());
  for (int i = 0; i < 100; ++i) DeleteDC(contexts[i]);
  EXPECT_EQ(100, GDIEmu_PooledContextCount());
  DeleteDC(contexts[100]);  // freed, not pooled (ASan sees a leak otherwise)
  EXPECT_EQ(100, GDIEmu_PooledContextCount());
  // Pooled records are handed out again, cleared.
  GDIEmu_DC* again = CreateMemoryContext(nullptr, 2, 2);
  EXPECT_EQ(99, GDIEmu_PooledContextCount());
  GDIEmu_Object* font = MakeTestFont();
  EXPECT_EQ(reinterpret_cast<GDIEmu_Object*>(3), SelectObject(again, font));
  DeleteDC(again);
  DeleteObject(font);
}

TEST_F(Contexts, ObjectPoolKeepsTwoHundred)
{
  std::vector<GDIEmu_Object*> fonts;
  for (int i = 0; i < 201; ++i) fonts.push_back(MakeTestFont());
  for (GDIEmu_Object* font : fonts) DeleteObject(font);
  EXPECT_EQ(200, GDIEmu_PooledObjectCount());
}

TEST(GdiEmulationThreads, ContextsAndFontsFromSeveralThreads)
{
  StandinRegisterFace("Test Face", TestFace());
  std::atomic<int> drawn{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < 150; ++i)
      {
        GDIEmu_DC* context = CreateMemoryContext(nullptr, 16 + t, 16);
        // Distinct keys meet in the font-name cache as well as shared ones.
        char face[32];
        std::snprintf(face, sizeof face, "Thread Face %d", i % 7 + (i % 2) * t);
        GDIEmu_Object* font = CreateFont(12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 4, 0, face);
        GDIEmu_Object* old = SelectObject(context, font);
        GDIEmu_Rect rect{0, 0, 16, 16};
        drawn += DrawText(context, "ab", -1, &rect, 0) > 0;
        SelectObject(context, old);
        DeleteObject(font);
        DeleteDC(context);
      }
    });
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(600, drawn.load());
  EXPECT_LE(GDIEmu_PooledContextCount(), 100);
  EXPECT_LE(GDIEmu_PooledObjectCount(), 200);
}

// The font-name cache's array: sorted, replacing and disposing.
std::vector<std::string> disposed;
void Dispose(void* value) { disposed.push_back(static_cast<const char*>(value)); }
void FreeKey(char* key) { std::free(key); }

TEST(StringKeyedArrayTest, KeepsKeysSortedAndDisposesReplacedAndRemainingValues)
{
  disposed.clear();
  {
    StringKeyedArray array(std::strcmp, strdup, FreeKey, Dispose);
    char key[16];
    // Enough entries to grow the storage past its first step.
    for (int i = 299; i >= 0; --i)
    {
      std::snprintf(key, sizeof key, "k%03d", i);
      ASSERT_TRUE(array.Insert(key, const_cast<char*>("v")));
    }
    EXPECT_EQ(300, array.Size());
    bool found = false;
    EXPECT_STREQ("v", static_cast<const char*>(array.Get("k150", &found)));
    EXPECT_TRUE(found);
    EXPECT_EQ(nullptr, array.Get("k300", &found));
    EXPECT_FALSE(found);
    array.Insert("k150", const_cast<char*>("new"));
    EXPECT_EQ(std::vector<std::string>{"v"}, disposed);
    EXPECT_STREQ("new", static_cast<const char*>(array.Get("k150")));
    EXPECT_EQ(300, array.Size());
  }
  EXPECT_EQ(301u, disposed.size());
}
}  // namespace
