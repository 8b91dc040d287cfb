// The control family: switches, frame choice, knobs, faders, the text knob.

#include "EditorTestSupport.h"

namespace edtest {
namespace {

class Controls : public EditorTest {
 protected:
  // A strip without a bitmap: controls take their size from it.
  static IBitmapStrip Strip(int w, int h, int frames) { return IBitmapStrip(nullptr, w, h, frames); }
  std::vector<double> InformedValues() const {
    std::vector<double> values;
    for (const auto& call : Calls(vo::TestPlug::HostCall::kInform)) values.push_back(call.value);
    return values;
  }
};

TEST_F(Controls, SwitchStepsThroughItsFramesAndWrapsToZero) {
  const IBitmapStrip strip = Strip(30, 90, 3);
  auto* sw = new ISwitchControl(plug, 5, 6, kGain, &strip);
  Attach(sw);
  EXPECT_EQ(IRECT(5, 6, 35, 36), sw->GetRect());
  IMouseKeys left(true, false, false, false, false);
  sw->HandleMouseDown(10, 10, &left);
  sw->HandleMouseDown(10, 10, &left);
  sw->HandleMouseDown(10, 10, &left);
  EXPECT_EQ((std::vector<double>{0.5, 1.0, 0.0}), InformedValues());

  // One frame toggles; a double click is one more step.
  const IBitmapStrip single = Strip(10, 10, 1);
  auto* toggle = new ISwitchControl(plug, 0, 0, kSwitch, &single);
  Attach(toggle);
  toggle->HandleMouseDown(1, 1, &left);
  EXPECT_EQ(1.0, toggle->GetValue());
  toggle->HandleDoubleClick(1, 1, &left);
  EXPECT_EQ(0.0, toggle->GetValue());
}

TEST_F(Controls, SwitchRightClickOpensTheMenuAndResendsTheValue) {
  const IBitmapStrip strip = Strip(30, 60, 2);
  auto* sw = new ISwitchControl(plug, 0, 0, kSwitch, &strip);
  sw->SetTextEntryOff(false);
  Attach(sw);
  IMouseKeys right(false, true, false, false, false);
  sw->HandleMouseDown(1, 1, &right);
  EXPECT_EQ(1u, view->menus.size());
  EXPECT_EQ((std::vector<double>{0.0}), InformedValues());
}

TEST(FrameChoice, FollowsTheValueWithinTheStrip) {
  EXPECT_EQ(65, IBitmapControl::FrameForValue(0.5, 128));
  EXPECT_EQ(128, IBitmapControl::FrameForValue(1.0, 128));
  EXPECT_EQ(1, IBitmapControl::FrameForValue(0.0, 128));
  EXPECT_EQ(1, IBitmapControl::FrameForValue(0.9, 1));
  EXPECT_EQ(128, IBitmapControl::FrameForValue(7.0, 128));
  EXPECT_EQ(1, IBitmapControl::FrameForValue(-3.0, 128));
}

TEST_F(Controls, KnobDragIsGearedAndFinerWithModifiers) {
  const IBitmapStrip strip = Strip(64, 64 * 10, 10);
  auto* knob = new IKnobMultiControl(plug, 0, 0, kGain, &strip);
  Attach(knob);
  ASSERT_EQ(64, knob->GetRect().H());
  knob->SetValue(0.5);
  IMouseKeys none;
  knob->HandleMouseDrag(0, 16, 0, 16, &none);
  EXPECT_DOUBLE_EQ(0.5 - 0.0625, knob->GetValue());
  IMouseKeys shift(true, false, true, false, false);
  knob->HandleMouseDrag(0, 32, 0, 16, &shift);
  EXPECT_DOUBLE_EQ(0.5 - 0.0625 - 0.00625, knob->GetValue());
  EXPECT_EQ(2u, InformedValues().size());
}

TEST_F(Controls, WheelStepsAndClamps) {
  const IBitmapStrip strip = Strip(64, 64, 1);
  auto* knob = new IKnobMultiControl(plug, 0, 0, kGain, &strip);
  Attach(knob);
  knob->SetValue(0.5);
  IMouseKeys none, ctrl(false, false, false, true, false);
  knob->HandleWheel(0, 0, &none, 3);
  EXPECT_NEAR(0.53, knob->GetValue(), 1e-12);
  knob->HandleWheel(0, 0, &ctrl, 3);
  EXPECT_NEAR(0.533, knob->GetValue(), 1e-12);
  knob->HandleWheel(0, 0, &none, 100);
  EXPECT_EQ(1.0, knob->GetValue());

  const IBitmapStrip handle = Strip(20, 20, 1);
  auto* fader = new IFaderControl(plug, 0, 0, 200, kLevel, &handle);
  Attach(fader);
  fader->HandleWheel(0, 0, &none, -3);
  EXPECT_EQ(0.0, fader->GetValue());
}

TEST_F(Controls, FaderHandleCentreFollowsThePointer) {
  const IBitmapStrip handle = Strip(30, 20, 1);
  auto* fader = new IFaderControl(plug, 50, 100, 200, kGain, &handle);
  Attach(fader);
  EXPECT_EQ(IRECT(50, 100, 80, 300), fader->GetRect());
  IMouseKeys left(true, false, false, false, false);
  fader->HandleMouseDown(60, 110, &left);
  EXPECT_EQ(1.0, fader->GetValue());
  fader->HandleMouseDrag(60, 290, 0, 180, &left);
  EXPECT_EQ(0.0, fader->GetValue());
  fader->HandleMouseDrag(60, 200, 0, -90, &left);
  EXPECT_EQ(0.5, fader->GetValue());
  EXPECT_EQ(IRECT(50, 190, 80, 210), fader->GetHandleRect());
  EXPECT_EQ(IRECT(50, 280, 80, 300), fader->GetHandleRect(0.0));

  // Horizontal travel, hit only on the handle.
  auto* slider = new IFaderControl(plug, 0, 0, 120, kGain, &handle, IFaderControl::kHorizontal, true);
  Attach(slider);
  EXPECT_EQ(IRECT(0, 0, 120, 20), slider->GetRect());
  slider->HandleMouseDown(60, 5, &left);
  EXPECT_DOUBLE_EQ((60 - 15) / 90.0, slider->GetValue());
  EXPECT_TRUE(slider->ContainsPoint(60, 5));
  EXPECT_FALSE(slider->ContainsPoint(5, 5));
}

TEST_F(Controls, FaderNoLongerThanItsHandleKeepsItsValue) {
  const IBitmapStrip handle = Strip(20, 40, 1);
  auto* fader = new IFaderControl(plug, 0, 0, 40, kGain, &handle);
  Attach(fader);
  fader->SetValue(0.3);
  fader->JumpToPointer(10, 35);
  EXPECT_EQ(0.3, fader->GetValue());
  EXPECT_TRUE(plug->hostCalls.empty());
}

TEST_F(Controls, TextKnobLaysOutItsTextAndTarget) {
  const IBitmapStrip strip = Strip(64, 64 * 200, 200);
  IText style;
  auto* below = new IKnobMultiControlText(plug, 305, 135, kLevel, &strip, &style, true, IKnobMultiControlText::kBelow, 0);
  Attach(below);
  EXPECT_EQ(IRECT(305, 135, 369, 199), below->GetKnobRect());
  EXPECT_EQ(IRECT(305, 203, 369, 219), below->GetTextRect());
  EXPECT_EQ(IRECT(305, 135, 369, 219), below->GetTargetRect());
  // The control's rect covers the text, so repainting the control repaints it.
  EXPECT_EQ(IRECT(305, 135, 369, 219), below->GetRect());
  EXPECT_FALSE(below->IsTextEntryOff());

  IKnobMultiControlText above(plug, 100, 100, kLevel, &strip, &style, true, IKnobMultiControlText::kAbove, 0);
  EXPECT_EQ(IRECT(100, 80, 164, 100), above.GetTextRect());
  EXPECT_EQ(IRECT(100, 80, 164, 164), above.GetTargetRect());
  IKnobMultiControlText inside(plug, 100, 100, kLevel, &strip, &style, true, IKnobMultiControlText::kInside, 0);
  EXPECT_EQ(IRECT(112, 126, 151, 142), inside.GetTextRect());
  EXPECT_EQ(IRECT(100, 100, 164, 164), inside.GetTargetRect());
  IKnobMultiControlText left(plug, 100, 100, kLevel, &strip, &style, true, IKnobMultiControlText::kLeft, 0);
  EXPECT_EQ(IRECT(36, 126, 100, 142), left.GetTextRect());
  EXPECT_EQ(IRECT(36, 100, 164, 164), left.GetTargetRect());
  IKnobMultiControlText unknown(plug, 100, 100, kLevel, &strip, &style, true, 9, 0);
  EXPECT_TRUE(unknown.GetTextRect().IsEmpty());
  EXPECT_EQ(IRECT(100, 100, 164, 164), unknown.GetRect());

  // Dragging is measured against the knob, not the knob and its text.
  below->SetValue(0.5);
  IMouseKeys none;
  below->HandleMouseDrag(0, 16, 0, 16, &none);
  EXPECT_DOUBLE_EQ(0.4375, below->GetValue());

  below->MoveTo(300, 100);
  EXPECT_EQ(IRECT(300, 100, 364, 164), below->GetKnobRect());
  EXPECT_EQ(IRECT(300, 168, 364, 184), below->GetTextRect());
  EXPECT_EQ(IRECT(300, 100, 364, 184), below->GetTargetRect());
}

TEST_F(Controls, TextKnobPressOnTextOpensEntryElsewhereResends) {
  const IBitmapStrip strip = Strip(64, 64 * 10, 10);
  IText style;
  auto* knob = new IKnobMultiControlText(plug, 100, 100, kLevel, &strip, &style);
  Attach(knob);
  knob->SetValue(0.25);
  IMouseKeys left(true, false, false, false, false);
  knob->HandleMouseDown(120, 120, &left);
  EXPECT_EQ((std::vector<double>{0.25}), InformedValues());
  EXPECT_TRUE(view->textEntries.empty());
  knob->HandleMouseDown(120, 170, &left);
  ASSERT_EQ(1u, view->textEntries.size());
  EXPECT_EQ(knob->GetTextRect(), view->textEntries[0].rect);
  EXPECT_EQ("-6.0", view->textEntries[0].text);

  // Bound beyond the parameter list: no entry, and painting draws no text.
  auto* stray = new IKnobMultiControlText(plug, 200, 100, kParams + 3, &strip, &style);
  Attach(stray);
  stray->HandleMouseDown(220, 170, &left);
  EXPECT_EQ(1u, view->textEntries.size());
  EXPECT_TRUE(stray->Render(view));
  EXPECT_STREQ("", stray->GetValueText());
}

TEST_F(Controls, TextControlMarksOnlyForNewText) {
  ITextControl label(plug, IRECT(0, 0, 40, 10), IText(), "v1");
  EXPECT_EQ(-1, label.ParamIdx());
  label.ClearChanged();
  label.SetTextFromPlug("v1");
  EXPECT_FALSE(label.NeedsRedraw());
  label.SetTextFromPlug("v2");
  EXPECT_TRUE(label.NeedsRedraw());
  EXPECT_STREQ("v2", label.GetTextString());
  ITextControl empty(plug, IRECT(0, 0, 40, 10), IText(), "");
  EXPECT_TRUE(empty.Render(view));
}

}  // namespace
}  // namespace edtest
