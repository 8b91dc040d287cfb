// Every value the editor sends lies inside a gesture of its parameter: the
// press's own (drag steps, a wheel notch or a menu choice within the press),
// or a gesture of its own around a value that comes without a press (a
// double click, a wheel notch, a text-entry commit). Checked call by call
// with the test hosts' strict ledger.

#include <string>

#include "EditorTestSupport.h"
#include "GestureLedger.h"

namespace edtest {
namespace {

using Kind = vo::TestPlug::HostCall::Kind;

class EditGestures : public EditorTest {
 protected:
  void SetUp() override { Attach(new ProbeControl(plug, IRECT(0, 0, 464, 480))); }

  // The host's calls since the last look, as the strict ledger writes them
  // ("b0 v0=0.5 e0": begin, value, end, then the parameter index), followed
  // by whatever the ledger finds wrong.
  std::string HostCalls() {
    vo::GestureLedger ledger(vo::GestureLedger::kNestingRefused);
    for (const auto& call : plug->hostCalls) {
      const std::string id = std::to_string(call.index);
      if (call.kind == Kind::kBegin) {
        ledger.Begin(id);
      } else if (call.kind == Kind::kInform) {
        ledger.Value(id, call.value);
      } else {
        ledger.End(id);
      }
    }
    plug->hostCalls.clear();
    std::string text = ledger.Transcript();
    for (const std::string& problem : ledger.Problems()) text += " | " + problem;
    return text;
  }
  // A 64 x 64 knob with its top-left corner at (x, 100).
  IKnobMultiControl* AttachKnob(int x, int paramIdx) {
    const IBitmapStrip strip(nullptr, 64, 64, 1);
    auto* knob = new IKnobMultiControl(plug, x, 100, paramIdx, &strip);
    Attach(knob);
    return knob;
  }

  IMouseKeys left{true, false, false, false, false};
  IMouseKeys right{false, true, false, false, false};
  IMouseKeys leftCtrl{true, false, false, true, false};
};

// Windows delivers a double click as press, release, double click, release
// (macOS the same, the second press counting two clicks).
TEST_F(EditGestures, ADoubleClickRestoringTheDefaultIsAGestureOfItsOwn) {
  IKnobMultiControl* knob = AttachKnob(100, kGain);
  knob->ApplyValueFromPlug(0.25);  // the default
  knob->SetValue(0.75);
  view->MouseDown(120, 120, &left);
  view->MouseUp(120, 120, &left);
  EXPECT_FALSE(view->MouseDoubleClick(120, 120, &left));
  view->MouseUp(120, 120, &left);
  EXPECT_EQ("b0 e0 b0 v0=0.25 e0", HostCalls());
  EXPECT_EQ(0.25, knob->GetValue());
  EXPECT_EQ(0.5, plug->GetParam(kGain)->Value());

  // Without a known default the double click changes and sends nothing.
  IKnobMultiControl* fresh = AttachKnob(200, kWidth);
  fresh->SetValue(0.3);
  view->MouseDoubleClick(220, 120, &left);
  EXPECT_EQ("", HostCalls());
  EXPECT_EQ(0.3, fresh->GetValue());
}

// The press steps the switch inside its gesture; the double click steps it
// again in a gesture of its own.
TEST_F(EditGestures, ASwitchDoubleClickIsTwoWholeGestures) {
  const IBitmapStrip strip(nullptr, 30, 60, 2);
  auto* sw = new ISwitchControl(plug, 10, 10, kSwitch, &strip);
  Attach(sw);
  view->MouseDown(20, 20, &left);
  view->MouseUp(20, 20, &left);
  view->MouseDoubleClick(20, 20, &left);
  view->MouseUp(20, 20, &left);
  EXPECT_EQ("b1 v1=1 e1 b1 v1=0 e1", HostCalls());
  EXPECT_EQ(0.0, sw->GetValue());
  EXPECT_EQ(0.0, plug->GetParam(kSwitch)->Value());
}

TEST_F(EditGestures, EachWheelEventIsAGestureOfItsOwn) {
  IKnobMultiControl* knob = AttachKnob(100, kGain);
  knob->SetValue(0.5);
  view->MouseWheel(120, 120, &left, 2);  // one event of two notches
  view->MouseWheel(120, 120, &left, 1);
  view->MouseWheel(120, 120, &left, -1);
  view->MouseWheel(120, 120, &leftCtrl, 1);
  EXPECT_EQ("b0 v0=0.52 e0 b0 v0=0.53 e0 b0 v0=0.52 e0 b0 v0=0.521 e0", HostCalls());
  // Three notches from 0.99 stop at the top: one gesture of the clamped value.
  knob->SetValue(0.99);
  view->MouseWheel(120, 120, &left, 3);
  EXPECT_EQ("b0 v0=1 e0", HostCalls());

  // Events of less than a notch (three of a touchpad's) and a notch against
  // the end of the range move nothing, on a knob and a fader: nothing
  // reaches the host or the plug-in.
  const IBitmapStrip handle(nullptr, 20, 20, 1);
  auto* fader = new IFaderControl(plug, 300, 100, 100, kWidth, &handle);
  Attach(fader);
  fader->SetValue(0.0);
  plug->changes.clear();
  for (int x : {120, 120, 120, 310, 310, 310}) view->MouseWheel(x, 150, &left, 0);
  view->MouseWheel(120, 150, &left, 1);  // the knob at 1
  view->MouseWheel(310, 150, &left, -1);  // the fader at 0
  EXPECT_EQ("", HostCalls());
  EXPECT_TRUE(plug->changes.empty());
  knob->SetValue(0.5);
  view->MouseWheel(120, 150, &left, 1);
  EXPECT_EQ("b0 v0=0.51 e0", HostCalls());
}

// A drag, a wheel notch and a menu choice within a press join its gesture;
// a value for another parameter meanwhile gets a gesture of its own.
TEST_F(EditGestures, ValuesWithinAPressJoinItsGesture) {
  IKnobMultiControl* knob = AttachKnob(100, kGain);
  knob->SetValue(0.5);
  auto* level = new ProbeControl(plug, IRECT(10, 10, 30, 30), kLevel);
  Attach(level);
  view->MouseDown(120, 120, &left);
  view->MouseDrag(120, 104, &left);  // 16 up: +16 / 64 / 4
  view->MouseWheel(300, 300, &left, 0);
  view->MouseWheel(300, 300, &left, 1);
  view->ApplyTextEntry(level, plug->GetParam(kLevel), "6");
  view->MouseUp(120, 104, &left);
  EXPECT_EQ("b0 v0=0.5625 v0=0.5725 b3 v3=0.75 e3 e0", HostCalls());

  auto* mode = new ProbeControl(plug, IRECT(40, 10, 60, 30), kMode);
  mode->SetTextEntryOff(false);
  Attach(mode);
  view->SetMenuChoice(1);
  view->MouseDown(50, 20, &right);
  view->MouseUp(50, 20, &right);
  EXPECT_EQ("b2 v2=0.333333 e2", HostCalls());
}

TEST_F(EditGestures, CommitsAndChoicesWithoutAPressAreGesturesOfTheirOwn) {
  auto* level = new ProbeControl(plug, IRECT(10, 10, 30, 30), kLevel);
  auto* mode = new ProbeControl(plug, IRECT(40, 10, 60, 30), kMode);
  Attach(level);
  Attach(mode);
  view->ApplyTextEntry(level, plug->GetParam(kLevel), "6");
  view->ApplyTextEntry(level, plug->GetParam(kLevel), "6");  // unchanged: nothing
  view->SetMenuChoice(3);
  IRECT rect(40, 10, 60, 30);
  view->PromptParamTextEntry(mode, plug->GetParam(kMode), &rect);
  EXPECT_EQ("b3 v3=0.75 e3 b2 v2=1 e2", HostCalls());
}

// An index the plug-in does not know is no parameter: no value, so no
// empty gesture either.
TEST_F(EditGestures, ControlsBoundBeyondTheParametersSendNothing) {
  IKnobMultiControl* stray = AttachKnob(100, kParams + 1);
  stray->ApplyValueFromPlug(0.5);
  view->MouseWheel(120, 120, &left, 1);
  view->MouseDoubleClick(120, 120, &left);
  stray->MarkChanged(true);
  EXPECT_EQ("", HostCalls());
}

}  // namespace
}  // namespace edtest
