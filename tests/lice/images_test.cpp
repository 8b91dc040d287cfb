// The plug-in's seven editor images, as committed: they decode, and their
// sizes and frame counts fit the editor's layout.

#include "editor_image_prints.h"
#include "lice_png.h"
#include "resource.h"
#include "test_bitmaps.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace
{
struct ImageSpec
{
  const char* file;  // relative to the plug-in folder
  int frames;
  int frameWidth, frameHeight;
};

// Frame sizes the layout is drawn for: 464 x 480 editor, 64-pixel knobs,
// a 53-pixel fader handle on a 248-pixel travel, 27-pixel meters.
const ImageSpec kImages[] = {
    {BG_FN, 1, 464, 480},
    {KNOB_FN, KNOB_FRAMES, 64, 64},
    {BUTTON1_FN, BUTTON_FRAMES, 66, 36},
    {BUTTON2_FN, BUTTON_FRAMES, 66, 36},
    {SWITCH_FN, SWITCH_FRAMES, 48, 24},
    {VUMETER_FN, VUMETER_FRAMES, 27, 110},
    {FADER_HANDLE_FN, FADER_HANDLE_FRAMES, 53, 28},
};

std::unique_ptr<LICE_IBitmap> LoadImage(const char* file)
{
  const std::string path = std::string(VO_PLUGIN_DIR) + "/" + file;
  return std::unique_ptr<LICE_IBitmap>(LICE_ReadPNGFile(path.c_str()));
}

TEST(PluginImages, SizesAndFrames)
{
  for (const ImageSpec& spec : kImages)
  {
    auto b = LoadImage(spec.file);
    ASSERT_TRUE(b) << spec.file;
    EXPECT_EQ(b->PixelWidth(), spec.frameWidth) << spec.file;
    EXPECT_EQ(b->PixelHeight(), spec.frameHeight * spec.frames) << spec.file;
  }
}

TEST(PluginImages, BackgroundIsOpaqueAndKnobFramesDiffer)
{
  auto bkg = LoadImage(BG_FN);
  ASSERT_TRUE(bkg);
  for (int y = 0; y < bkg->PixelHeight(); ++y)
    for (int x = 0; x < bkg->PixelWidth(); ++x) ASSERT_EQ(LICE_GETA(lice_test::At(*bkg, x, y)), 255u);

  // Knob frames are drawn over the background with their alpha: the corners
  // are clear, and the first and last frames show different positions.
  auto knob = LoadImage(KNOB_FN);
  ASSERT_TRUE(knob);
  EXPECT_EQ(LICE_GETA(lice_test::At(*knob, 0, 0)), 0u);
  int differing = 0;
  const int last = 64 * (KNOB_FRAMES - 1);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) differing += lice_test::At(*knob, x, y) != lice_test::At(*knob, x, last + y);
  EXPECT_GT(differing, 100);
}
// Bounded as the loaders are, they decode every pixel of the editor's images
// as an independent decoder does, from a file and from memory.
TEST(PluginImages, DecodeToTheSamePixelsAsEver)
{
  for (const auto& image : lice_test::kEditorImagePrints)
  {
    auto fromFile = LoadImage(image.file);
    ASSERT_TRUE(fromFile) << image.file;
    EXPECT_EQ(lice_test::PixelPrint(*fromFile), image.print) << image.file;

    std::ifstream in(std::string(VO_PLUGIN_DIR) + "/" + image.file, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::unique_ptr<LICE_IBitmap> fromMemory(LICE_ReadPNGMemory(bytes.data(), int(bytes.size())));
    ASSERT_TRUE(fromMemory) << image.file;
    EXPECT_EQ(lice_test::PixelPrint(*fromMemory), image.print) << image.file;
  }
}
}  // namespace
