// Edits a user makes on the plug-in's editor in an AAX host without
// dragging: double clicks on the "Dry/Wet" knob and on the "Mode II"
// switch (as the window procedure receives them and through the system's
// input queue) and wheel events on "Dry/Wet" (notches with and without
// ctrl, and events that move nothing). The host answers every value
// request, as a host following its requests does, and its ledger must hold
// each request inside a touch of its parameter.

#include "HostDesktop.h"
#include "PluginEditorFixture.h"

namespace fakehost {
namespace {

using testing::IsEmpty;

// Host ids of "Dry/Wet" and "Mode II"; editor points on the "Dry/Wet" knob's
// face and value text and on the "Mode II" switch.
const char* const kDryWet = "4";
const char* const kModeII = "6";
constexpr int kKnobX = 337, kKnobY = 284;
constexpr int kValueTextX = 337, kValueTextY = 328;
constexpr int kModeIIX = 193, kModeIIY = 146;

// The ledger's transcript of one value change: the editor's touch holds
// the wrapper's own touch and release around the value request.
std::string Change(const std::string& id, const std::string& value) {
  return "b" + id + " b" + id + " v" + id + "=" + value + " e" + id + " e" + id;
}

class PluginEditorEdits : public PluginEditorHost {
protected:
  void SetUp() override {
    PluginEditorHost::SetUp();
    if (HasFailure()) return;
    if (!vo::HasWindows()) GTEST_SKIP() << "no windows on this platform";
    if (ExpectedScale() != 1.0) GTEST_SKIP() << "scaled run";
    ASSERT_EQ(0, gui->Bind());
    ASSERT_EQ(0, gui->Attach());
    child = Child();
    ASSERT_NE(nullptr, child);
  }
  // What the host received for the edit since the last call: the ledger's
  // transcript (b touch, v value request, e release, then the id), checked
  // clean; the host then answers the requests and the ledger starts afresh.
  std::string Edit() {
    const std::string calls = effect->gestures.Transcript();
    EXPECT_THAT(effect->gestures.Problems(), IsEmpty()) << calls;
    effect->gestures.Clear();
    effect->AnswerRequests();
    return calls;
  }

  void* child = nullptr;
};

TEST_F(PluginEditorEdits, ADoubleClickRestoresTheKnobsDefaultInAGestureOfItsOwn) {
  vo::PostPress(child, kValueTextX, kValueTextY);
  vo::PostRelease(child, kValueTextX, kValueTextY);
  vo::PumpMessages(60);
  vo::PostText("20");
  vo::PostKey(0x0D);  // Return
  vo::PumpMessages(150);
  EXPECT_EQ("b4 e4 " + Change(kDryWet, "0.2"), Edit());
  EXPECT_NEAR(0.2, effect->Read(kDryWet), 1e-9);

  // The press re-sends the knob's value inside its touch; the default
  // follows in a touch of its own.
  vo::DoubleClickWindow(child, kKnobX, kKnobY);
  EXPECT_EQ(Change(kDryWet, "0.2") + " " + Change(kDryWet, "0.5"), Edit());
  EXPECT_NEAR(0.5, effect->Read(kDryWet), 1e-9);
  EXPECT_EQ(0, gui->Unbind());
}

// Two steps of the two-frame switch, each a whole gesture: it ends where it
// began, whether the window receives the messages or the system makes the
// double click from real input.
TEST_F(PluginEditorEdits, ADoubleClickStepsTheSwitchTwiceInWholeGestures) {
  ASSERT_EQ(0.0, effect->Read(kModeII));
  const std::string twoSteps = Change(kModeII, "1") + " " + Change(kModeII, "0");
  vo::DoubleClickWindow(child, kModeIIX, kModeIIY);
  EXPECT_EQ(twoSteps, Edit());
  EXPECT_EQ(0.0, effect->Read(kModeII));

  ASSERT_TRUE(vo::InputDoubleClick(child, kModeIIX, kModeIIY));
  vo::PumpMessages(150);
  EXPECT_EQ(twoSteps, Edit());
  EXPECT_EQ(0.0, effect->Read(kModeII));
  EXPECT_EQ(nullptr, vo::CaptureWindow());
  EXPECT_EQ(0, gui->Unbind());
}

TEST_F(PluginEditorEdits, EachWheelNotchIsAGestureOfItsOwn) {
  vo::WheelWindow(child, kKnobX, kKnobY, 2);
  EXPECT_EQ(Change(kDryWet, "0.51") + " " + Change(kDryWet, "0.52"), Edit());
  EXPECT_NEAR(0.52, effect->Read(kDryWet), 1e-9);
  EXPECT_EQ(0, gui->Unbind());
}

// A wheel event that moves nothing sends nothing: less than a notch (30
// units, as touchpads send), or a notch up at the top of the range.
TEST_F(PluginEditorEdits, AWheelThatMovesNothingSendsNothing) {
  vo::WheelWindowBy(child, kKnobX, kKnobY, 30, 3);
  EXPECT_EQ("", Edit());
  ASSERT_EQ(0, effect->Apply(kDryWet, 1.0));
  vo::WheelWindow(child, kKnobX, kKnobY, 1);
  EXPECT_EQ("", Edit());
  EXPECT_EQ(0, gui->Unbind());
}

TEST_F(PluginEditorEdits, WheelNotchesWithCtrlStepATenth) {
  vo::WheelWindow(child, kKnobX, kKnobY, 2, true);
  EXPECT_EQ(Change(kDryWet, "0.501") + " " + Change(kDryWet, "0.502"), Edit());
  EXPECT_EQ(0, gui->Unbind());
}

}  // namespace
}  // namespace fakehost
