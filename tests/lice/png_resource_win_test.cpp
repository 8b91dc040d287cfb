// PNG images from module resources: the seven editor images from a DLL
// built from the plug-in's resource script, and the failure cases.

#include "editor_image_prints.h"
#include "lice_png.h"
#include "peak_memory.h"
#include "resource.h"
#include "test_bitmaps.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <memory>

namespace
{
class PngResources : public ::testing::Test
{
protected:
  static void SetUpTestSuite() { s_module = LoadLibraryA("lice_test_images.dll"); }
  static void TearDownTestSuite()
  {
    if (s_module) FreeLibrary(s_module);
    s_module = nullptr;
  }
  static std::unique_ptr<LICE_IBitmap> Load(int id)
  {
    return std::unique_ptr<LICE_IBitmap>(LICE_ReadPNGResource(s_module, id));
  }
  static HMODULE s_module;
};
HMODULE PngResources::s_module = nullptr;

TEST_F(PngResources, TheSevenEditorImages)
{
  ASSERT_NE(s_module, nullptr);
  const struct
  {
    int id, width, height;
  } images[] = {{BG_ID, 464, 480},           {KNOB_ID, 64, 64 * KNOB_FRAMES}, {BUTTON1_ID, 66, 72},
                {BUTTON2_ID, 66, 72},        {SWITCH_ID, 48, 48},             {VUMETER_ID, 27, 110 * VUMETER_FRAMES},
                {FADER_HANDLE_ID, 53, 28}};
  for (const auto& image : images)
  {
    auto b = Load(image.id);
    ASSERT_TRUE(b) << image.id;
    EXPECT_EQ(b->PixelWidth(), image.width) << image.id;
    EXPECT_EQ(b->PixelHeight(), image.height) << image.id;
  }
  // Every pixel as ever (the editor on Windows loads them this way).
  for (const auto& image : lice_test::kEditorImagePrints)
  {
    auto b = Load(image.resourceId);
    ASSERT_TRUE(b) << image.resourceId;
    EXPECT_EQ(lice_test::PixelPrint(*b), image.print) << image.resourceId;
  }
  // Only the low 16 bits of the id count.
  auto bkg = Load(0x10000 + BG_ID);
  ASSERT_TRUE(bkg);
  EXPECT_EQ(bkg->PixelWidth(), 464);

  // Into a destination bitmap.
  LICE_MemBitmap dest(1, 1, 4);
  EXPECT_EQ(LICE_ReadPNGResource(s_module, FADER_HANDLE_ID, &dest), &dest);
  EXPECT_EQ(dest.PixelWidth(), 53);
}

TEST_F(PngResources, MissingShortAndCorruptResources)
{
  ASSERT_NE(s_module, nullptr);
  EXPECT_EQ(Load(999), nullptr);  // no such resource
  EXPECT_EQ(Load(900), nullptr);  // 4 bytes: shorter than a signature
  EXPECT_EQ(Load(901), nullptr);  // a signature and garbage
  EXPECT_EQ(Load(902), nullptr);  // a PNG cut after its header
  // A whole image of another resource type is not a "PNG".
  EXPECT_EQ(Load(903), nullptr);
  // The images are not in the test program itself.
  EXPECT_EQ(LICE_ReadPNGResource(GetModuleHandleA(nullptr), BG_ID), nullptr);
}
// The resource form of the 44-byte PNG of the memory and file loader tests:
// refused before libpng allocates the 2 GB its chunk claims.
TEST_F(PngResources, ChunkClaimingGigabytesIsRefusedUnallocated)
{
  ASSERT_NE(s_module, nullptr);
  ASSERT_EQ(SizeofResource(s_module, FindResourceA(s_module, MAKEINTRESOURCEA(904), "PNG")), 44u);
  const uint64_t before = lice_test::PeakMemoryBytes();
  ASSERT_NE(before, 0u);
  EXPECT_EQ(Load(904), nullptr);
  const uint64_t grown = lice_test::PeakMemoryBytes() - before;
  std::printf("peak working set grew by %llu KiB loading the 44-byte PNG resource\n",
              (unsigned long long)(grown >> 10));
  EXPECT_LT(grown, uint64_t(8) << 20);
}
}  // namespace
