// Editor pixels and device pixels: areas round outward both ways, and
// stretches aligned to the scale's step map pixels as a whole-editor
// stretch does.

#include <gtest/gtest.h>

#include "DeviceScale.h"

namespace {

TEST(DeviceScale, AreasRoundOutwardBothWays) {
  // A control at {41, 41, 141, 141} covers device pixels 61 to 211 at 1.5.
  EXPECT_EQ(IRECT(61, 61, 212, 212), DeviceScale::ScaleOutward(IRECT(41, 41, 141, 141), 1.5f));
  EXPECT_EQ(IRECT(40, 40, 142, 142), DeviceScale::UnscaleOutward(IRECT(61, 61, 212, 212), 1.5f, 464, 480));
  // Whole steps stay as they are.
  EXPECT_EQ(IRECT(60, 60, 210, 210), DeviceScale::ScaleOutward(IRECT(40, 40, 140, 140), 1.5f));
  EXPECT_EQ(IRECT(40, 40, 140, 140), DeviceScale::UnscaleOutward(IRECT(60, 60, 210, 210), 1.5f, 464, 480));
  EXPECT_EQ(IRECT(3, 3, 8, 8), DeviceScale::ScaleOutward(IRECT(3, 3, 8, 8), 1.0f));
  // A device area beyond the editor (a larger window) is clipped to it.
  EXPECT_EQ(IRECT(400, 0, 464, 480), DeviceScale::UnscaleOutward(IRECT(600, -5, 900, 800), 1.5f, 464, 480));
}

TEST(DeviceScale, StepsAndAlignment) {
  EXPECT_EQ(1, DeviceScale::AlignmentStep(1.0f));
  EXPECT_EQ(4, DeviceScale::AlignmentStep(1.25f));
  EXPECT_EQ(2, DeviceScale::AlignmentStep(1.5f));
  EXPECT_EQ(4, DeviceScale::AlignmentStep(1.75f));
  EXPECT_EQ(1, DeviceScale::AlignmentStep(2.0f));
  EXPECT_EQ(0, DeviceScale::AlignmentStep(0.0f));

  EXPECT_EQ(IRECT(40, 40, 142, 142), DeviceScale::AlignOutward(IRECT(41, 41, 141, 141), 2, 464, 480));
  EXPECT_EQ(IRECT(460, 476, 463, 479), DeviceScale::AlignOutward(IRECT(461, 477, 463, 479), 4, 463, 479));
  EXPECT_EQ(IRECT(0, 0, 464, 480), DeviceScale::AlignOutward(IRECT(41, 41, 141, 141), 0, 464, 480));
}

// A point goes back to the device pixel where its editor pixel begins, and
// the press's unscaling (division, truncated) takes that pixel back to it.
TEST(DeviceScale, PointsScaleToTheFirstDevicePixelOfTheirEditorPixel) {
  EXPECT_EQ(495, DeviceScale::ScaleCoordinate(1.5, 330));
  EXPECT_EQ(420, DeviceScale::ScaleCoordinate(1.5, 280));
  EXPECT_EQ(2, DeviceScale::ScaleCoordinate(1.5, 1));
  EXPECT_EQ(0, DeviceScale::ScaleCoordinate(1.5, 0));
  EXPECT_EQ(330, DeviceScale::ScaleCoordinate(1.0, 330));
  EXPECT_EQ(413, DeviceScale::ScaleCoordinate(1.25, 330));
  EXPECT_EQ(660, DeviceScale::ScaleCoordinate(2.0, 330));
  EXPECT_EQ(330, DeviceScale::ScaleCoordinate(0.0, 330));
  for (double scale : {1.0, 1.25, 1.5, 1.75, 2.0, 128.0 / 96.0, 168.0 / 96.0}) {
    for (int editor = 1; editor < 480; ++editor) {
      const int device = DeviceScale::ScaleCoordinate(scale, editor);
      ASSERT_EQ(editor, static_cast<int>(device / scale)) << scale << " " << editor;
      ASSERT_EQ(editor - 1, static_cast<int>((device - 1) / scale)) << scale << " " << editor;
    }
  }
}

TEST(DeviceScale, SizesTruncate) {
  const IDeviceSize size = DeviceScale::ScaleSize(1.5, 464, 480);
  EXPECT_EQ(696, size.w);
  EXPECT_EQ(720, size.h);
  const IDeviceSize odd = DeviceScale::ScaleSize(1.25, 463, 479);  // 578.75 x 598.75
  EXPECT_EQ(578, odd.w);
  EXPECT_EQ(598, odd.h);
}

}  // namespace
