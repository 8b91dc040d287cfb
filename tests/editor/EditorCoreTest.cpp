// The editor object: building, values from the plug-in, the dirty area and
// the idle hook, painting into the back buffer, resizing and the image cache.

#include "EditorTestSupport.h"
#include "EditorFont.h"
#include "lice_pixel.h"
#include "lice_sys_bitmap.h"

namespace edtest {
namespace {

// Image ids of this file (the image cache is process-wide).
enum { kBackgroundId = 1100, kStripId, kSharedId, kMissingId, kLateId, kBlockId, kHalfStripId };

const LICE_Pixel kRed = LICE_RGBA(255, 0, 0, 255);
const LICE_Pixel kBlue = LICE_RGBA(0, 0, 255, 255);

// A pixel whose red channel names its row.
std::vector<LICE_Pixel> RowCoded(int w, int h) {
  std::vector<LICE_Pixel> pixels;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) pixels.push_back(LICE_RGBA(static_cast<unsigned>(y), 0, 0, 255));
  }
  return pixels;
}

class EditorCore : public EditorTest {};

TEST(EditorBuild, FrameRateDefaultsToTwentyFive) {
  vo::TestView zero(nullptr, 10, 10, 0), negative(nullptr, 10, 10, -3), thirty(nullptr, 10, 10, 30);
  EXPECT_EQ(25, zero.FPS());
  EXPECT_EQ(25, negative.FPS());
  EXPECT_EQ(30, thirty.FPS());
}

TEST_F(EditorCore, BackgroundIsControlZeroDrawnAsAPlainCopy) {
  view->AddPicture(kBackgroundId, 40, 30, kRed);
  auto* first = new ProbeControl(plug, IRECT(1, 1, 5, 5));
  EXPECT_EQ(0, Attach(first));
  view->AttachBackground(kBackgroundId, "bkg.png");
  ASSERT_EQ(2, view->NControls());
  EXPECT_EQ(first, view->GetControl(1));
  IControl* background = view->GetControl(0);
  EXPECT_EQ(IRECT(0, 0, 40, 30), background->GetRect());
  EXPECT_EQ(-1, background->ParamIdx());
  EXPECT_EQ(IBlendSpec::kMethodCopy, background->GetBlend().mMethod);
  EXPECT_EQ(1.0f, background->GetBlend().mWeight);
}

TEST_F(EditorCore, IdleHookRunsOnTheTwentyFirstCleanCheck) {
  Attach(new ProbeControl(plug, IRECT(0, 0, 10, 10)));
  PaintAll();
  IRECT area;
  for (int i = 0; i < 20; ++i) EXPECT_FALSE(view->CollectDirtyArea(&area));
  EXPECT_EQ(0, plug->editorIdleCalls);
  EXPECT_FALSE(view->CollectDirtyArea(&area));
  EXPECT_EQ(1, plug->editorIdleCalls);
  EXPECT_EQ(0, view->GetIdleCount());

  // A dirty check in between starts the count again.
  for (int i = 0; i < 10; ++i) view->CollectDirtyArea(&area);
  view->MarkAllControlsChanged();
  EXPECT_TRUE(view->CollectDirtyArea(&area));
  PaintAll();
  for (int i = 0; i < 20; ++i) view->CollectDirtyArea(&area);
  EXPECT_EQ(1, plug->editorIdleCalls);
  view->CollectDirtyArea(&area);
  EXPECT_EQ(2, plug->editorIdleCalls);
}

TEST_F(EditorCore, DirtyAreaIsTheUnionOfDirtyControls) {
  auto* a = new ProbeControl(plug, IRECT(10, 10, 20, 20));
  auto* b = new ProbeControl(plug, IRECT(50, 5, 60, 15));
  auto* c = new ProbeControl(plug, IRECT(100, 100, 110, 110));
  Attach(a);
  Attach(b);
  Attach(c);
  PaintAll();
  a->MarkChanged(false);
  b->SetHidden(true);  // the place a hidden control leaves needs painting too
  IRECT area;
  EXPECT_TRUE(view->CollectDirtyArea(&area));
  EXPECT_EQ(IRECT(10, 5, 60, 20), area);

  PaintAll();
  PaintAll();
  auto* nowhere = new ProbeControl(plug, IRECT(0, 0, 0, 0));
  Attach(nowhere);
  IRECT untouched;
  EXPECT_TRUE(view->CollectDirtyArea(&untouched));
  EXPECT_TRUE(untouched.IsEmpty());
}

TEST_F(EditorCore, PaintRendersVisibleControlsMeetingTheAreaClipped) {
  view->AddPicture(kBlockId, 20, 20, kBlue);
  view->AddPicture(kBackgroundId, 40, 30, kRed);
  view->AttachBackground(kBackgroundId, "bkg.png");
  const IBitmapStrip block = view->LoadBitmapStrip(kBlockId, "block.png");
  Attach(new IBitmapControl(plug, 10, 10, -1, &block));
  auto* meeting = new ProbeControl(plug, IRECT(14, 0, 30, 5));
  auto* hidden = new ProbeControl(plug, IRECT(0, 0, 30, 30));
  auto* away = new ProbeControl(plug, IRECT(16, 16, 30, 30));
  Attach(meeting);
  Attach(hidden);
  Attach(away);
  hidden->SetHidden(true);

  IRECT area(0, 0, 15, 15);
  EXPECT_TRUE(view->Paint(&area));
  EXPECT_EQ(kRed, view->BackBufferPixel(5, 5));
  EXPECT_EQ(kBlue, view->BackBufferPixel(12, 12));
  EXPECT_EQ(0u, view->BackBufferPixel(16, 12));  // outside the area
  EXPECT_EQ(0u, view->BackBufferPixel(12, 16));
  EXPECT_EQ(1, meeting->renders);
  EXPECT_EQ(0, hidden->renders);
  EXPECT_EQ(0, away->renders);
  // Every control's changed flag was cleared, drawn or not (the hidden one
  // keeps its second paint).
  EXPECT_FALSE(away->NeedsRedraw());
  EXPECT_TRUE(hidden->NeedsRedraw());
  ASSERT_EQ(1u, view->paintedAreas.size());
  EXPECT_EQ(area, view->paintedAreas[0]);
}

TEST_F(EditorCore, PaintWithoutControlsPutsNothingOnScreen) {
  IRECT area(0, 0, 10, 10);
  EXPECT_TRUE(view->Paint(&area));
  EXPECT_TRUE(view->paintedAreas.empty());
}

TEST_F(EditorCore, DirtyControlsModeRepaintsEachDirtyControlWithItsNeighbours) {
  view->SetStrict(false);
  auto* background = new ProbeControl(plug, IRECT(0, 0, 100, 100));
  auto* a = new ProbeControl(plug, IRECT(10, 10, 20, 20));
  auto* b = new ProbeControl(plug, IRECT(15, 15, 30, 30));
  auto* c = new ProbeControl(plug, IRECT(60, 60, 70, 70));
  Attach(background);
  Attach(a);
  Attach(b);
  Attach(c);
  PaintAll();  // the background was dirty: everything once
  EXPECT_EQ(1, c->renders);
  a->MarkChanged(false);
  PaintAll();
  EXPECT_EQ(2, background->renders);
  EXPECT_EQ(2, a->renders);
  EXPECT_EQ(2, b->renders);
  EXPECT_EQ(1, c->renders);
}

TEST_F(EditorCore, FramesStartAtTheirRoundedBand) {
  view->AddPicture(kStripId, 4, 10, 0, RowCoded(4, 10));
  const IBitmapStrip strip = view->LoadBitmapStrip(kStripId, "strip.png", 3);
  EXPECT_EQ(4, strip.W);
  EXPECT_EQ(10, strip.H);
  auto* control = new IBitmapControl(plug, 0, 0, -1, &strip);
  Attach(control);
  EXPECT_EQ(IRECT(0, 0, 4, 3), control->GetRect());
  control->SetValue(1.0);
  PaintAll();
  // Frame 3 of 3 starts at int(10 x 2 / 3 + 0.5) = 7.
  EXPECT_EQ(7u, LICE_GETR(view->BackBufferPixel(0, 0)));
  EXPECT_EQ(9u, LICE_GETR(view->BackBufferPixel(3, 2)));
  control->SetValue(0.5);
  PaintAll();
  EXPECT_EQ(3u, LICE_GETR(view->BackBufferPixel(0, 0)));

  // An exact half rounds up: frame 8 of 10 in a strip 45 high starts at
  // int(45 x 7 / 10 + 0.5) = 32, not at row 31.
  view->AddPicture(kHalfStripId, 4, 45, 0, RowCoded(4, 45));
  const IBitmapStrip half = view->LoadBitmapStrip(kHalfStripId, "half.png", 10);
  auto* halfControl = new IBitmapControl(plug, 10, 0, -1, &half);
  Attach(halfControl);
  halfControl->SetValue(7.0 / 9.0);
  PaintAll();
  EXPECT_EQ(32u, LICE_GETR(view->BackBufferPixel(10, 0)));
}

TEST_F(EditorCore, ResizeDropsControlsCaptureHoverAndTextEntry) {
  auto* probe = new ProbeControl(plug, IRECT(0, 0, 50, 50), kGain);
  Attach(probe);
  view->SetHoverTracking(true);
  IMouseKeys keys;
  view->MouseHover(10, 10, &keys);
  view->MouseDown(10, 10, &keys);
  ASSERT_EQ(0, view->GetCaptureIdx());
  ASSERT_EQ(0, view->GetHoverIdx());
  view->ResizeEditor(300, 200);
  EXPECT_EQ(0, view->NControls());
  EXPECT_EQ(-1, view->GetCaptureIdx());
  EXPECT_EQ(-1, view->GetHoverIdx());
  EXPECT_EQ(1, view->cancelRequests);
  EXPECT_EQ(300, plug->lastResizeWidth);
  EXPECT_EQ(200, plug->lastResizeHeight);
  EXPECT_EQ(300, view->Width());
  ASSERT_NE(nullptr, view->GetBackBuffer());
  // The next hover over a new control leaves no missing control.
  Attach(new ProbeControl(plug, IRECT(0, 0, 50, 50)));
  EXPECT_TRUE(view->MouseHover(10, 10, &keys));
  EXPECT_EQ(0, view->GetHoverIdx());
}

TEST_F(EditorCore, BackBufferFollowsTheDisplayScale) {
  view->SetScale(1.5);
  view->ConnectBackBuffers();
  ASSERT_NE(nullptr, view->GetBackBuffer());
  EXPECT_EQ(696, view->GetBackBuffer()->PixelWidth());
  EXPECT_EQ(720, view->GetBackBuffer()->PixelHeight());
}

TEST_F(EditorCore, ParameterValuesReachBoundControlsAndAuxBindings) {
  auto* bound = new ProbeControl(plug, IRECT(0, 0, 10, 10), kGain);
  auto* other = new ProbeControl(plug, IRECT(0, 0, 10, 10), kLevel);
  auto* follower = new ProbeControl(plug, IRECT(0, 0, 10, 10), kLevel);
  follower->AddAuxParam(kGain);
  Attach(bound);
  Attach(other);
  Attach(follower);
  view->SetParameterValueFromPlug(kGain, 0.5, false);
  EXPECT_EQ(0.25, bound->GetValue());
  EXPECT_EQ(0.25, follower->GetAuxParam(0)->mValue);
  EXPECT_EQ(0.0, other->GetValue());
  view->SetParameterValueFromPlug(kGain, 0.75, true);
  EXPECT_EQ(0.75, bound->GetValue());
  // Indexes the plug-in does not know reach nothing.
  view->SetParameterValueFromPlug(kParams, 0.5, false);
  view->SetParameterValueFromPlug(-1, 0.5, true);
  EXPECT_EQ(0.0, other->GetValue());
  vo::TestView lonely(nullptr);
  lonely.AttachControl(new ProbeControl(nullptr, IRECT(0, 0, 1, 1), 0));
  lonely.SetParameterValueFromPlug(0, 0.5, false);
  EXPECT_EQ(0.0, lonely.GetControl(0)->GetValue());
}

TEST_F(EditorCore, ControlValuesFromTheAudioSideIgnoreUnknownIndexes) {
  auto* meter = new ProbeControl(plug, IRECT(0, 0, 10, 10));
  Attach(meter);
  view->SetControlValueFromPlug(0, 0.3);
  view->SetControlValueFromPlug(1, 0.9);
  view->SetControlValueFromPlug(-1, 0.9);
  EXPECT_EQ(0.3, meter->GetValue());
}

TEST_F(EditorCore, TwoEditorsLoadAnImageOnce) {
  view->AddPicture(kSharedId, 8, 8, kRed);
  vo::TestView second(plug);
  second.AddPicture(kSharedId, 8, 8, kBlue);
  const IBitmapStrip a = view->LoadBitmapStrip(kSharedId, "shared.png", 2);
  const IBitmapStrip b = second.LoadBitmapStrip(kSharedId, "other-name.png", 4);
  EXPECT_EQ(a.mBitmap, b.mBitmap);
  EXPECT_EQ(4, b.N);
  EXPECT_EQ(1u, view->loadedIds.size());
  EXPECT_TRUE(second.loadedIds.empty());
}

TEST_F(EditorCore, MissingImagesDrawNothingAndAreNotRemembered) {
  const IBitmapStrip missing = view->LoadBitmapStrip(kMissingId, "missing.png", 3);
  EXPECT_EQ(nullptr, missing.mBitmap);
  EXPECT_EQ(0, missing.W);
  EXPECT_EQ(0, missing.H);
  view->AttachBackground(kMissingId, "missing.png");
  EXPECT_TRUE(view->GetControl(0)->GetRect().IsEmpty());
  PaintAll();
  EXPECT_EQ(0u, view->BackBufferPixel(0, 0));

  // Not cached as missing: once the image exists, it loads.
  view->LoadBitmapStrip(kLateId, "late.png");
  view->AddPicture(kLateId, 3, 3, kRed);
  EXPECT_NE(nullptr, view->LoadBitmapStrip(kLateId, "late.png").mBitmap);
  EXPECT_EQ((std::vector<int>{kMissingId, kMissingId, kLateId, kLateId}), view->loadedIds);
}

TEST(EditorFont, QualityMapsToThePlatformsValues) {
  EXPECT_EQ(0, EditorFontQuality(0));
  EXPECT_EQ(3, EditorFontQuality(1));
  EXPECT_EQ(4, EditorFontQuality(2));
  EXPECT_EQ(5, EditorFontQuality(3));
  EXPECT_EQ(3, EditorFontQuality(9));
}

}  // namespace
}  // namespace edtest
