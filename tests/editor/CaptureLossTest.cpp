// A press whose pointer another window takes away: the editor ends it as a
// release would, without a value and without the control seeing a release.

#include "EditorTestSupport.h"

namespace edtest {
namespace {

using Kind = vo::TestPlug::HostCall::Kind;

class CaptureLoss : public EditorTest {
 protected:
  void SetUp() override {
    gain = new ProbeControl(plug, IRECT(10, 10, 30, 30), kGain);
    Attach(gain);
  }
  IMouseKeys left{true, false, false, false, false};
  ProbeControl* gain = nullptr;
};

TEST_F(CaptureLoss, EndsThePressGestureOnceAndClearsTheCapture) {
  view->MouseDown(20, 20, &left);
  view->MouseDrag(20, 25, &left);
  ASSERT_EQ(0, view->GetCaptureIdx());
  view->PointerCaptureLost();
  ASSERT_EQ(2u, plug->hostCalls.size());
  EXPECT_EQ(Kind::kBegin, plug->hostCalls[0].kind);
  EXPECT_EQ(Kind::kEnd, plug->hostCalls[1].kind);
  EXPECT_EQ(kGain, plug->hostCalls[1].index);
  EXPECT_EQ(-1, view->GetCaptureIdx());
  EXPECT_EQ(-1, view->GetLastMouseX());
  EXPECT_EQ(-1, view->GetLastMouseY());
  EXPECT_EQ(0, gain->ups);
  EXPECT_EQ(0.0, plug->GetParam(kGain)->Value());

  // What follows is no drag, and the late release ends nothing again.
  view->MouseDrag(20, 28, &left);
  EXPECT_EQ(1u, gain->drags.size());
  view->PointerCaptureLost();
  view->MouseUp(20, 28, &left);
  EXPECT_EQ(2u, plug->hostCalls.size());
  EXPECT_EQ(1, gain->ups);
}

// Without a press held (or after a menu took the mouse inside the press)
// there is no drag to end: an open gesture belongs to the press still
// running.
TEST_F(CaptureLoss, WithoutACapturedControlNothingEnds) {
  view->PointerCaptureLost();
  EXPECT_TRUE(plug->hostCalls.empty());
  view->MouseDown(20, 20, &left);
  view->ReleasePointerCapture();
  view->PointerCaptureLost();
  EXPECT_EQ(1u, plug->hostCalls.size());
  view->MouseUp(20, 20, &left);
  ASSERT_EQ(2u, plug->hostCalls.size());
  EXPECT_EQ(Kind::kEnd, plug->hostCalls[1].kind);
}

}  // namespace
}  // namespace edtest
