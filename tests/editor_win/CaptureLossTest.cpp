// The mouse taken away in the middle of a press: another window's capture,
// a capture released by someone else, a cancelled mode; and the editor's
// own releases, which end a press once.

#include "EditorWinFixture.h"

namespace vo {
namespace {

using Kind = TestPlug::HostCall::Kind;

class CaptureLossTest : public EditorWinTest {
 protected:
  // A press on the knob probe and a drag up by a tenth: begin, one value.
  void PressAndDrag() {
    plug->hostCalls.clear();
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 90, 90);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 90, 80);
    ASSERT_EQ(GetCapture(), Window());
    ASSERT_EQ(plug->hostCalls.size(), 2u);
  }
  // The calls since the press: begin, the drag's value 0.6, end.
  void ExpectGestureEndedWithoutAValue(const char* what) {
    ASSERT_EQ(plug->hostCalls.size(), 3u) << what;
    EXPECT_EQ(plug->hostCalls[0].kind, Kind::kBegin) << what;
    EXPECT_EQ(plug->hostCalls[1].kind, Kind::kInform) << what;
    EXPECT_NEAR(plug->hostCalls[1].value, 0.6, 1e-9) << what;
    EXPECT_EQ(plug->hostCalls[2].kind, Kind::kEnd) << what;
    EXPECT_EQ(plug->hostCalls[2].index, 0) << what;
    EXPECT_EQ(editor->GetCaptureIdx(), -1) << what;
    EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), 6.0) << what;
  }
};

// Whoever takes the mouse, the gesture ends at once, the value stays where
// the drag left it, and what the window still receives later (moves with
// the button down, the release) neither drags nor ends anything again.
TEST_F(CaptureLossTest, LosingTheMouseMidDragEndsTheGestureAtOnce) {
  OpenEditor();
  HostWindow other;
  struct Case {
    const char* what;
    void (*takeAway)(CaptureLossTest* t, HWND other);
  };
  const Case cases[] = {
      {"another window captures", [](CaptureLossTest*, HWND w) { SetCapture(w); }},
      {"someone releases the capture", [](CaptureLossTest*, HWND) { ReleaseCapture(); }},
      {"cancel mode", [](CaptureLossTest* t, HWND) { SendMessageA(t->Window(), WM_CANCELMODE, 0, 0); }},
  };
  for (const Case& c : cases) {
    PressAndDrag();
    c.takeAway(this, other.Handle());
    ExpectGestureEndedWithoutAValue(c.what);
    EXPECT_NE(GetCapture(), Window()) << c.what;

    Mouse(WM_MOUSEMOVE, MK_LBUTTON, 90, 60);
    Mouse(WM_LBUTTONUP, 0, 90, 60);
    EXPECT_EQ(plug->hostCalls.size(), 3u) << c.what;
    EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), 6.0) << c.what;
    ReleaseCapture();
    plug->GetParam(0)->SetFromNormalized(0.5);
    knobProbe->SetValue(0.5);
  }
}

// The release ends the press it belongs to: the captured control takes it,
// even over another control, and the host hears one end.
TEST_F(CaptureLossTest, TheEditorsOwnReleaseEndsThePressOnce) {
  OpenEditor();
  PressAndDrag();
  Mouse(WM_LBUTTONUP, 0, 230, 70);  // over the free probe
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(knobProbe->ups, 1);
  EXPECT_EQ(freeProbe->ups, 0);
  ExpectGestureEndedWithoutAValue("release");
}

// Taking the capture back for itself, or a change with no press held,
// ends nothing.
TEST_F(CaptureLossTest, ChangesThatLoseNothingEndNothing) {
  OpenEditor();
  PressAndDrag();
  SetCapture(Window());
  SendMessageA(Window(), WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(Window()));
  EXPECT_EQ(plug->hostCalls.size(), 2u);
  EXPECT_EQ(editor->GetCaptureIdx(), 1);
  Mouse(WM_LBUTTONUP, 0, 90, 80);
  ASSERT_EQ(plug->hostCalls.size(), 3u);

  HostWindow other;
  SetCapture(other.Handle());
  SendMessageA(Window(), WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(other.Handle()));
  SendMessageA(Window(), WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  EXPECT_EQ(plug->hostCalls.size(), 3u);
}

// A value menu inside a press takes the mouse; the choice still falls
// inside the press's gesture, which ends once.
TEST_F(CaptureLossTest, AMenuInsideThePressKeepsItsChoiceInTheGesture) {
  OpenEditor();
  switchProbe->SetTextEntryOff(false);
  plug->hostCalls.clear();
  ChooseInNextMenu(Window(), 1);
  Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 330, 330);
  Mouse(WM_RBUTTONUP, 0, 330, 330);
  ASSERT_EQ(plug->hostCalls.size(), 3u);
  EXPECT_EQ(plug->hostCalls[0].kind, Kind::kBegin);
  EXPECT_EQ(plug->hostCalls[1].kind, Kind::kInform);
  EXPECT_DOUBLE_EQ(plug->hostCalls[1].value, 1.0);
  EXPECT_EQ(plug->hostCalls[2].kind, Kind::kEnd);
  for (const auto& call : plug->hostCalls) EXPECT_EQ(call.index, 1);
}

}  // namespace
}  // namespace vo
