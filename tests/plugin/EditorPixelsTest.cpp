// The editor pinned by its pixels: the expected picture is composed here from
// the plug-in's images at the layout's coordinates (the background, then
// every control's frame for its parameter's default value, with its strip
// and blend) and compared with what the editor painted, natively in its back
// buffer and on Windows also in its window. The value texts are left out
// here; the text tests check them.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "ExpectedEditor.h"
#include "HostWindowing.h"
#include "IGraphics.h"
#include "PluginTestUtil.h"
#include "lice_sys_bitmap.h"

using namespace vo_test;

namespace {

constexpr int kWidth = 464, kHeight = 480;
constexpr int kTolerance = 3;  // per channel

struct Strip {
  int id;
  const char* file;
  int frames;
};
const Strip kKnob{101, "resources/img/knob.png", 200};
const Strip kModeIButton{102, "resources/img/button1.png", 2};
const Strip kModeIIButton{103, "resources/img/button2.png", 2};
const Strip kSwitch{104, "resources/img/switch.png", 2};
const Strip kVuMeter{105, "resources/img/vumeter.png", 6};
const Strip kFaderHandle{106, "resources/img/fader-handle.png", 1};

// Normalised default of a parameter from its plain default and range.
constexpr double Normalised(double value, double min, double max) { return (value - min) / (max - min); }

enum class Kind { kFrame, kVerticalFader };

// One control as the layout places it, with the value it shows at first.
struct Placed {
  const char* name;
  Kind kind;
  Strip strip;
  int x, y;
  double value;
};

// Controls 1 to 14 in attach order (15, the version label, is text only).
const Placed kLayout[] = {
    {"knob \"Mode I Rate\"", Kind::kFrame, kKnob, 100, 252, Normalised(0.5, 0.1, 2.0)},
    {"knob \"Mode II Rate\"", Kind::kFrame, kKnob, 166, 252, Normalised(0.8, 0.1, 2.0)},
    {"knob \"Mode I+II Rate\"", Kind::kFrame, kKnob, 233, 252, Normalised(8.0, 1.0, 20.0)},
    {"knob \"Dry/Wet\"", Kind::kFrame, kKnob, 305, 252, Normalised(50.0, 0.0, 100.0)},
    {"knob \"Wide\"", Kind::kFrame, kKnob, 305, 135, Normalised(100.0, 0.0, 100.0)},
    {"switch \"Mode I\"", Kind::kFrame, kModeIButton, 94, 128, 1.0},
    {"switch \"Mode II\"", Kind::kFrame, kModeIIButton, 160, 128, 0.0},
    {"switch \"Analog Emu.\"", Kind::kFrame, kSwitch, 117, 358, 1.0},
    {"switch \"Analog Hiss\"", Kind::kFrame, kSwitch, 208, 358, 1.0},
    {"switch \"Oversample\"", Kind::kFrame, kSwitch, 303, 358, 0.0},
    {"fader \"Input\"", Kind::kVerticalFader, kFaderHandle, 16, 80, Normalised(0.0, -30.0, 12.0)},
    {"fader \"Output\"", Kind::kVerticalFader, kFaderHandle, 395, 80, Normalised(0.0, -30.0, 12.0)},
    {"input meter", Kind::kFrame, kVuMeter, 29, 345, 0.0},
    {"output meter", Kind::kFrame, kVuMeter, 408, 345, 0.0},
};
constexpr int kFaderLength = 248;
constexpr int kKnobTextGap = 4, kKnobTextHeight = 12 + 4;  // below the knob: text size + 4

struct ExpectedEditor {
  ArgbImage picture;
  std::vector<NamedRect> controls;  // where each control draws, for the messages
  std::vector<PixelRect> texts;     // the value texts and the version label
};

ExpectedEditor Compose() {
  ExpectedEditor e;
  e.picture = ReadPluginImage(100, "resources/img/bkg.png");  // plain copy onto nothing
  std::map<int, ArgbImage> strips;  // each image decoded once
  for (const Placed& c : kLayout) {
    if (!strips.count(c.strip.id)) strips[c.strip.id] = ReadPluginImage(c.strip.id, c.strip.file);
    const ArgbImage& strip = strips[c.strip.id];
    if (strip.width == 0) ADD_FAILURE() << c.strip.file << " does not read";
    const int w = strip.width, h = strip.height / c.strip.frames;
    int y = c.y;
    if (c.kind == Kind::kVerticalFader) y += static_cast<int>((kFaderLength - h) * (1.0 - c.value));
    DrawStripFrame(&e.picture, strip, c.strip.frames, FrameForValue(c.strip.frames, c.value), c.x, y,
                   Blend::kCopySourceAlpha);
    e.controls.push_back({c.name, {c.x, c.y, c.x + w, c.kind == Kind::kVerticalFader ? c.y + kFaderLength : c.y + h}});
    if (c.strip.id == kKnob.id)
      e.texts.push_back({c.x, c.y + h + kKnobTextGap, c.x + w, c.y + h + kKnobTextGap + kKnobTextHeight});
  }
  // The version label {314, 433, 356, 444} is drawn vertically centred and
  // unclipped, so a line of its 12-pixel font (16 pixels with its leading)
  // passes the 11-pixel rect above and below.
  e.texts.push_back({314, 430, 356, 447});
  return e;
}

// The back buffer's pixel as 0xAARRGGBB, whatever the platform's order.
uint32_t BackBufferPixel(LICE_SysBitmap* back, int x, int y) {
  const int row = back->IsBottomUp() ? back->PixelHeight() - 1 - y : y;
  const LICE_Pixel p = back->Pixels()[static_cast<size_t>(row) * back->RowSpan() + x];
  return LICE_GETA(p) << 24 | LICE_GETR(p) << 16 | LICE_GETG(p) << 8 | LICE_GETB(p);
}

TEST(EditorPixels, EveryControlShowsItsDefaultFrameAtItsPlaceWithItsBlend) {
  const ExpectedEditor expected = Compose();
  ASSERT_EQ(kWidth, expected.picture.width) << "the background image reads";
  ASSERT_EQ(kHeight, expected.picture.height);

  auto plug = MakePlugin();
  IGraphics* editor = plug->GetGUI();
  ASSERT_NE(nullptr, editor);
#ifdef _WIN32
  // The window at 96 DPI shows the back buffer one to one.
  if (editor->GetDisplayScale() != 1.0) GTEST_SKIP() << "needs a display scale of 1";
  vo::HostWindow host(kWidth, kHeight);
  ASSERT_NE(nullptr, editor->AttachToParentWindow(host.Handle()));
  void* child = vo::FirstChildWindow(host.Handle());
  vo::WindowPixels shot;
  std::string windowDifferences = "no capture";
  // The first timer ticks paint the whole editor.
  for (int waited = 0; waited < 2000 && !windowDifferences.empty(); waited += 100) {
    vo::PumpMessages(100);
    if (!vo::CaptureWindowPixels(child, &shot) || shot.width != kWidth || shot.height != kHeight) continue;
    windowDifferences = DescribeDifferences(
        expected.picture, [&](int x, int y) { return shot.At(x, y); }, false, kTolerance, expected.texts,
        expected.controls);
  }
  EXPECT_TRUE(windowDifferences.empty()) << "the editor's window: " << windowDifferences;
  editor->DetachView();
#else
  IRECT all(0, 0, kWidth, kHeight);
  editor->Paint(&all);
#endif
  LICE_SysBitmap* back = editor->GetBackBuffer();
  ASSERT_NE(nullptr, back);
  ASSERT_GE(back->PixelWidth(), kWidth);
  ASSERT_GE(back->PixelHeight(), kHeight);
  const std::string backDifferences = DescribeDifferences(
      expected.picture, [&](int x, int y) { return BackBufferPixel(back, x, y); }, true, kTolerance, expected.texts,
      expected.controls);
  EXPECT_TRUE(backDifferences.empty()) << "the editor's back buffer: " << backDifferences;
}

}  // namespace
