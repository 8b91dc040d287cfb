// The macOS editor's presentation of its back buffer, by pixels, into a
// stand-in window surface at display scales 1 and 2.

#include "CocoaFixture.h"

#include "MacosStandin.h"
#include "lice_pixel.h"
#include "lice_sys_bitmap.h"

#include <vector>

namespace
{
// A back-buffer pattern that tells every pixel apart.
LICE_Pixel Pattern(int x, int y) { return LICE_RGBA(x & 0xFF, y & 0xFF, (x >> 8) | ((y >> 8) << 4), 255); }

std::vector<double> LastCall(const char* name)
{
  std::vector<double> numbers;
  for (const StandinCall& call : StandinRecordedCalls())
    if (call.name == name) numbers = call.numbers;
  return numbers;
}

struct LiveObjects
{
  long images = StandinLiveCount(StandinType::Image);
  long providers = StandinLiveCount(StandinType::DataProvider);
  long spaces = StandinLiveCount(StandinType::ColorSpace);
  long contexts = StandinLiveCount(StandinType::Context);
  bool operator==(const LiveObjects& o) const
  {
    return images == o.images && providers == o.providers && spaces == o.spaces && contexts == o.contexts;
  }
};

// Presents a patterned 464 x 480 back buffer into a window surface whose
// device space is scale times user space; checks every surface pixel.
void PresentAtScale(int scale)
{
  const LiveObjects before;
  {
    RecordingEditor editor;
    LICE_SysBitmap* back = editor.GetBackBuffer();
    ASSERT_EQ(back->PixelWidth(), 464);
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 464; ++x) back->Pixels()[y * back->RowSpan() + x] = Pattern(x, y);

    const int w = 464 * scale, h = 480 * scale;
    std::vector<unsigned char> surface(size_t(w) * h * 4, 0);
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    CGContextRef window = CGBitmapContextCreate(surface.data(), w, h, 8, w * 4, space, kCGImageAlphaNoneSkipFirst);
    CGColorSpaceRelease(space);
    CGContextScaleCTM(window, scale, scale);
    MacSeamSetDrawingContext(window);

    IRECT area(0, 0, 464, 480);
    EXPECT_FALSE(editor.PaintDirtyArea(&area)) << "no view yet";
    editor.AttachToParentWindow(nullptr);
    StandinClearCalls();
    EXPECT_TRUE(editor.PaintDirtyArea(&area));
    const std::vector<double> image = LastCall("CGImageCreate");
    ASSERT_GE(image.size(), 6u);
    EXPECT_EQ(image[0], w);
    EXPECT_EQ(image[1], h);
    EXPECT_EQ(image[2], 8);
    EXPECT_EQ(image[3], 32);
    EXPECT_EQ(image[4], w * 4);
    EXPECT_EQ(image[5], 6);

    // Upright: the surface's first row in memory is the top of the editor.
    int wrong = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
      {
        const LICE_Pixel p = Pattern(x / scale, y / scale);
        const unsigned char* s = &surface[(size_t(y) * w + x) * 4];
        wrong += s[1] != LICE_GETR(p) || s[2] != LICE_GETG(p) || s[3] != LICE_GETB(p);
      }
    EXPECT_EQ(wrong, 0);

    MacSeamSetDrawingContext(nullptr);
    EXPECT_FALSE(editor.PaintDirtyArea(&area)) << "no drawing context";
    CGContextRelease(window);
    editor.DetachView();
  }
  EXPECT_TRUE(LiveObjects() == before) << "a stand-in object was left alive";
}
}  // namespace

TEST_F(CocoaTest, BackBufferIsPresentedUpright) { PresentAtScale(1); }

TEST_F(CocoaTest, DoublingDisplayGetsEachPixelTwoByTwo) { PresentAtScale(2); }
