// Painting: changed controls reach the screen on the timer, the window shows
// exactly the back buffer, and an editor without controls still validates.

#include "EditorWinFixture.h"
#include "IPlugParameter.h"
#include "WindowCapture.h"
#include "lice_sys_bitmap.h"

namespace vo {
namespace {

// Runs the message loop until the window shows colour at (x, y), for at
// most a second (25 redraw ticks); answers the last capture.
WindowImage WaitForPixel(HWND window, int x, int y, uint32_t colour) {
  WindowImage image;
  for (int waited = 0; waited < 1000; waited += 20) {
    PumpMessagesFor(20);
    if (CaptureWindow(window, &image) && image.At(x, y) == (colour & 0x00FFFFFF)) break;
  }
  return image;
}

// Every window pixel equals the back buffer's (without its alpha byte).
int CountDifferences(const WindowImage& image, LICE_SysBitmap* back) {
  int differences = 0;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if ((back->Pixels()[y * back->RowSpan() + x] & 0x00FFFFFF) != image.At(x, y)) ++differences;
  return differences;
}

TEST_F(EditorWinTest, ChangedControlAppearsOnTheTimerAndWindowEqualsBackBuffer) {
  OpenEditor();
  const int cx = (kKnobProbeRect.L + kKnobProbeRect.R) / 2, cy = (kKnobProbeRect.T + kKnobProbeRect.B) / 2;
  // The first ticks paint everything.
  WindowImage image = WaitForPixel(Window(), cx, cy, ProbeControl::ColourFor(0.5));
  ASSERT_EQ(image.width, 464);
  ASSERT_EQ(image.height, 480);
  EXPECT_EQ(image.At(cx, cy), ProbeControl::ColourFor(0.5) & 0x00FFFFFF);

  // The host moves parameter 0 to 8 of 0..10: the probe shows 0.8 within a
  // few ticks of the real timer.
  plug->GetParam(0)->RestoreValue(8.0);
  editor->SetParameterValueFromPlug(0, 8.0, false);
  image = WaitForPixel(Window(), cx, cy, ProbeControl::ColourFor(0.8));
  EXPECT_EQ(image.At(cx, cy), ProbeControl::ColourFor(0.8) & 0x00FFFFFF);
  EXPECT_EQ(CountDifferences(image, editor->GetBackBuffer()), 0);

  // The screenshot of the test editor, for looking at.
  EXPECT_TRUE(WriteWindowImagePng(image, "editor-view.png"));
}

// At scale 1.5 the back buffer's unscaled area is stretched onto the window:
// the knob probe {40, 40, 140, 140} covers device pixels 60 to 209.
TEST_F(EditorWinTest, PaintingStretchesToTheDisplayScale) {
  OpenEditor(1.5);
  const uint32_t probe = ProbeControl::ColourFor(0.5) & 0x00FFFFFF;
  WindowImage image = WaitForPixel(Window(), 61, 61, probe);
  ASSERT_EQ(image.width, 696);
  EXPECT_EQ(image.At(61, 61), probe);
  EXPECT_EQ(image.At(208, 208), probe);
  EXPECT_NE(image.At(58, 135), probe);
  EXPECT_NE(image.At(211, 135), probe);
}

// The box shows the control's entry colours.
TEST_F(EditorWinTest, TextEntryBoxTakesTheEntryColours) {
  OpenEditor();
  IText style(14, kColorBlack, "Arial", IText::kStyleNormal, IText::kAlignLeft, 0, IText::kQualityDefault,
              IColor(255, 20, 200, 40), IColor(255, 250, 250, 250));
  knobProbe->SetText(style);
  IRECT rect(40, 40, 140, 60);
  editor->CreateTextEntry(knobProbe, knobProbe->GetText(), &rect, "", plug->GetParam(0));
  HWND box = editor->TextEntryWindow();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE)), 0x50000084u);  // left-aligned
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  WindowImage image;
  ASSERT_TRUE(CaptureWindow(box, &image));
  EXPECT_EQ(image.width, 101);
  EXPECT_EQ(image.At(image.width - 3, image.height / 2), 0x14C828u);  // RGB(20, 200, 40)
}

TEST_F(EditorWinTest, NothingToPaintStillValidates) {
  OpenEditor(1.0, 0, false);
  ASSERT_EQ(editor->NControls(), 0);
  InvalidateRect(Window(), nullptr, FALSE);
  UpdateWindow(Window());  // one WM_PAINT, synchronously
  EXPECT_FALSE(GetUpdateRect(Window(), nullptr, FALSE));

  // The same after a resize, which removes every control.
  editor->ResizeEditor(400, 300);
  ASSERT_EQ(editor->NControls(), 0);
  RECT r = {};
  GetClientRect(Window(), &r);
  EXPECT_EQ(r.right, 400);
  EXPECT_EQ(r.bottom, 300);
  UpdateWindow(Window());
  EXPECT_FALSE(GetUpdateRect(Window(), nullptr, FALSE));
}

// The window after a control at {41, 41, 141, 141} changed equals the window
// after a full repaint: at scale 1.5 the control's edges fall inside device
// pixels, and every device pixel it touches must be repainted from the
// pixel a whole-editor stretch gives it.
void ExpectPartialRepaintEqualsFullRepaint(IGraphicsWin* editor, TestPlug* plug, HWND window) {
  const IRECT rect(41, 41, 141, 141);
  const int index = editor->AttachControl(new ProbeControl(plug, rect, -1));
  editor->SetControlValueFromPlug(index, 0.1);  // the first value is the default
  editor->MarkAllControlsChanged();
  PumpMessagesFor(200);

  editor->SetControlValueFromPlug(index, 0.9);
  const float scale = static_cast<float>(editor->GetDisplayScale());
  const int centre = static_cast<int>(91 * scale);
  const WindowImage changed = WaitForPixel(window, centre, centre, ProbeControl::ColourFor(0.9));
  ASSERT_EQ(changed.At(centre, centre), ProbeControl::ColourFor(0.9) & 0x00FFFFFF);

  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
  WindowImage full;
  ASSERT_TRUE(CaptureWindow(window, &full));
  ASSERT_EQ(full.width, changed.width);
  ASSERT_EQ(full.height, changed.height);
  int stale = 0;
  for (int y = 0; y < full.height; ++y)
    for (int x = 0; x < full.width; ++x)
      if (full.At(x, y) != changed.At(x, y)) ++stale;
  EXPECT_EQ(stale, 0) << "at display scale " << scale;
}

TEST_F(EditorWinTest, ChangedControlRepaintsEveryDevicePixelAtScaleOneAndAHalf) {
  OpenEditor(1.5);
  ExpectPartialRepaintEqualsFullRepaint(editor, plug.get(), Window());
}

// The same at the screen's own scale: 1.5 in the 144-DPI run.
class RealDisplayScaleRepaint : public EditorWinTest {};

TEST_F(RealDisplayScaleRepaint, ChangedControlRepaintsEveryDevicePixel) {
  OpenEditor(0.0);
  ExpectPartialRepaintEqualsFullRepaint(editor, plug.get(), Window());
}

}  // namespace
}  // namespace vo
