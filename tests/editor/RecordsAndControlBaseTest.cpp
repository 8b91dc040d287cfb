// The editor records and what every control inherits from IControl.

#include <cmath>
#include <cstring>
#include <limits>

#include "EditorTestSupport.h"

namespace edtest {
namespace {

TEST(IRECT, EmptinessIntersectionAndContainment) {
  const IRECT dot(5, 5, 5, 5);
  EXPECT_FALSE(dot.IsEmpty());
  EXPECT_FALSE(dot.Contains(5, 5));

  const IRECT empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_FALSE(empty.Intersects(IRECT(-10, -10, 10, 10)));
  EXPECT_FALSE(IRECT(-10, -10, 10, 10).Intersects(empty));
  EXPECT_FALSE(empty.Contains(0, 0));

  // The right edge test is inclusive: the order of the operands matters.
  const IRECT left(0, 0, 10, 10), right(10, 0, 20, 10);
  EXPECT_TRUE(left.Intersects(right));
  EXPECT_FALSE(right.Intersects(left));
  EXPECT_EQ(IRECT(10, 0, 10, 10), left.Intersect(right));
  EXPECT_EQ(IRECT(), right.Intersect(left));

  EXPECT_EQ(IRECT(10, 5, 60, 20), IRECT(10, 10, 20, 20).Union(IRECT(50, 5, 60, 15)));
  EXPECT_EQ(IRECT(1, 2, 3, 4), IRECT().Union(IRECT(1, 2, 3, 4)));
}

TEST(IBlendSpec, MethodsPickTheirBlendModes) {
  EXPECT_EQ(0x10000, IBlendSpec::BlendModeFor(0));
  EXPECT_EQ(0, IBlendSpec::BlendModeFor(1));
  EXPECT_EQ(0x10001, IBlendSpec::BlendModeFor(2));
  EXPECT_EQ(0x10002, IBlendSpec::BlendModeFor(3));
  EXPECT_EQ(0x10000, IBlendSpec::BlendModeFor(9));
}

TEST(IColor, PacksInThePlatformOrder) {
  const IColor c(0x80, 0x11, 0x22, 0x33);
#ifdef LICE_PIXEL_ORDER_MACOS
  EXPECT_EQ(0x33221180u, c.ToPixel());
#else
  EXPECT_EQ(0x80112233u, c.ToPixel());
#endif
  EXPECT_EQ(0x00332211u, c.ToColorRef());
}

class ControlBase : public EditorTest {};

TEST_F(ControlBase, MarkChangedClampsIntoTheClamps) {
  ProbeControl control(plug, IRECT(0, 0, 10, 10));
  control.SetValue(1.3);
  control.MarkChanged(false);
  EXPECT_EQ(1.0, control.GetValue());
  control.SetValue(-0.2);
  control.MarkChanged(false);
  EXPECT_EQ(0.0, control.GetValue());
  control.SetClamps(0.25, 0.75);
  control.SetValue(0.5);
  control.MarkChanged(false);
  EXPECT_EQ(0.5, control.GetValue());
}

TEST_F(ControlBase, FirstPushedValueBecomesTheDefaultWithoutAMark) {
  ProbeControl control(plug, IRECT(0, 0, 10, 10));
  control.ClearChanged();
  control.ApplyValueFromPlug(0.7);
  EXPECT_EQ(0.7, control.GetValue());
  EXPECT_EQ(0.7, control.GetDefaultValue());
  EXPECT_FALSE(control.NeedsRedraw());

  control.ApplyValueFromPlug(0.2);  // a later value marks for two paints
  EXPECT_EQ(0.2, control.GetValue());
  EXPECT_EQ(0.7, control.GetDefaultValue());
  EXPECT_TRUE(control.NeedsRedraw());
  control.ClearChanged();
  EXPECT_TRUE(control.NeedsRedraw());

  control.HandleDoubleClick(0, 0, nullptr);
  EXPECT_EQ(0.7, control.GetValue());
}

TEST_F(ControlBase, DoubleClickWithoutADefaultChangesNothing) {
  ProbeControl control(plug, IRECT(0, 0, 10, 10), kGain);
  control.SetValue(0.4);
  control.ClearChanged();
  control.HandleDoubleClick(0, 0, nullptr);
  EXPECT_EQ(0.4, control.GetValue());
  EXPECT_FALSE(control.NeedsRedraw());
  EXPECT_TRUE(plug->hostCalls.empty());
}

TEST_F(ControlBase, HidingPaintsTwiceAndDisablingOnce) {
  ProbeControl control(plug, IRECT(0, 0, 10, 10));
  control.ClearChanged();
  control.SetHidden(true);
  EXPECT_EQ(0.0f, control.GetBlend().mWeight);
  EXPECT_TRUE(control.NeedsRedraw());
  control.ClearChanged();
  EXPECT_TRUE(control.NeedsRedraw());
  control.ClearChanged();
  EXPECT_FALSE(control.NeedsRedraw());

  control.SetHidden(false);
  control.ClearChanged();
  control.ClearChanged();
  control.SetDisabled(true);
  EXPECT_EQ(0.25f, control.GetBlend().mWeight);
  EXPECT_TRUE(control.NeedsRedraw());
  control.ClearChanged();
  EXPECT_FALSE(control.NeedsRedraw());
}

TEST_F(ControlBase, MoveToKeepsTheSizeAndMovesTheTarget) {
  ProbeControl control(plug, IRECT(10, 20, 40, 60));
  control.SetTargetRect(IRECT(0, 0, 5, 5));
  control.MoveTo(100, 50);
  EXPECT_EQ(IRECT(100, 50, 130, 90), control.GetRect());
  EXPECT_EQ(IRECT(100, 50, 130, 90), control.GetTargetRect());
}

TEST_F(ControlBase, RightClickOpensATextEntryBoxAroundTheControl) {
  auto* control = new ProbeControl(plug, IRECT(100, 100, 140, 140), kGain);
  control->SetTextEntryOff(false);
  Attach(control);
  IMouseKeys right(false, true, false, false, false);
  control->HandleMouseDown(120, 120, &right);
  ASSERT_EQ(1u, view->textEntries.size());
  EXPECT_EQ(IRECT(96, 96, 144, 144), view->textEntries[0].rect);
  EXPECT_EQ(plug->GetParam(kGain), view->textEntries[0].param);
  EXPECT_EQ("0.00", view->textEntries[0].text);
  EXPECT_TRUE(control->GetRedrawAgain());

  // A parameter with display texts gets the control's own rect (a menu here).
  auto* toggle = new ProbeControl(plug, IRECT(0, 0, 20, 20), kSwitch);
  toggle->SetTextEntryOff(false);
  Attach(toggle);
  toggle->BeginParamTextEntry();
  ASSERT_EQ(1u, view->menus.size());
  EXPECT_EQ(IRECT(0, 0, 20, 20), view->menus[0].rect);
}

TEST_F(ControlBase, TextEntryNeedsABoundKnownParameterAndAnEditor) {
  // Text entry is off by default.
  auto* plain = new ProbeControl(plug, IRECT(0, 0, 10, 10), kGain);
  Attach(plain);
  plain->BeginParamTextEntry();
  // Bound to an index beyond the parameter list: unbound.
  auto* beyond = new ProbeControl(plug, IRECT(0, 0, 10, 10), kParams + 5);
  beyond->SetTextEntryOff(false);
  Attach(beyond);
  beyond->BeginParamTextEntry();
  EXPECT_TRUE(view->textEntries.empty());
  EXPECT_TRUE(view->menus.empty());
  // No plug-in at all: nothing to ask.
  ProbeControl orphan(nullptr, IRECT(0, 0, 10, 10), kGain);
  orphan.SetTextEntryOff(false);
  orphan.BeginParamTextEntry();
  orphan.MarkChanged(true);
  EXPECT_TRUE(view->textEntries.empty());
}

TEST_F(ControlBase, ReportsToThePlugInAndItsDisplays) {
  auto* control = new ProbeControl(plug, IRECT(0, 0, 10, 10), kLevel);
  auto* valueDisplay = new ITextControl(plug, IRECT(0, 20, 50, 30), IText());
  auto* nameDisplay = new ITextControl(plug, IRECT(0, 40, 50, 50), IText());
  Attach(control);
  Attach(valueDisplay);
  Attach(nameDisplay);
  control->SetValueDisplay(valueDisplay);
  control->SetNameDisplay(nameDisplay);
  control->SetValue(0.75);
  control->MarkChanged(true);
  EXPECT_EQ(6.0, plug->GetParam(kLevel)->Value());
  ASSERT_EQ(1u, Calls(vo::TestPlug::HostCall::kInform).size());
  EXPECT_EQ(0.75, Calls(vo::TestPlug::HostCall::kInform)[0].value);
  EXPECT_STREQ("6.0", valueDisplay->GetTextString());
  EXPECT_STREQ("Level", nameDisplay->GetTextString());
}

TEST_F(ControlBase, ValueDisplayTextsKeepThirtyOneCharacters) {
  // A display far longer than 32 bytes must not run past the text buffer.
  plug->GetParam(kGain)->SetUpDouble("Huge", 0.0, 0.0, 1e40, 0.000001);
  auto* control = new ProbeControl(plug, IRECT(0, 0, 10, 10), kGain);
  auto* display = new ITextControl(plug, IRECT(0, 20, 50, 30), IText());
  Attach(control);
  Attach(display);
  control->SetValueDisplay(display);
  control->SetValue(1.0);
  control->MarkChanged(true);
  EXPECT_EQ(31u, std::strlen(display->GetTextString()));
  EXPECT_EQ(0, std::strncmp("10000000000000000", display->GetTextString(), 17));
}

TEST_F(ControlBase, UserInputReportsOnlyDifferentValues) {
  auto* control = new ProbeControl(plug, IRECT(0, 0, 10, 10), kGain);
  Attach(control);
  control->SetValue(0.5);
  control->ClearChanged();
  control->SetValueFromUserInput(0.5);
  EXPECT_FALSE(control->NeedsRedraw());
  EXPECT_TRUE(plug->hostCalls.empty());
  control->SetValueFromUserInput(0.25);
  EXPECT_TRUE(control->NeedsRedraw());
  EXPECT_TRUE(control->GetRedrawAgain());
  EXPECT_EQ(0.5, plug->GetParam(kGain)->Value());
  // NaN counts as a change; clamping gives it the upper clamp.
  control->SetValueFromUserInput(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(1.0, control->GetValue());
  EXPECT_EQ(2.0, plug->GetParam(kGain)->Value());
}

TEST_F(ControlBase, AuxBindingsFollowTheirParameters) {
  ProbeControl control(plug, IRECT(0, 0, 10, 10));
  EXPECT_EQ(-1, control.FindAuxBinding(kGain));
  control.AddAuxParam(kLevel);
  control.AddAuxParam(kGain);
  EXPECT_EQ(1, control.FindAuxBinding(kGain));
  control.ClearChanged();
  control.ApplyAuxValueFromPlug(1, 0.0);  // unchanged
  EXPECT_FALSE(control.NeedsRedraw());
  control.ApplyAuxValueFromPlug(1, 0.3);
  EXPECT_EQ(0.3, control.GetAuxParam(1)->mValue);
  EXPECT_TRUE(control.NeedsRedraw());
  EXPECT_TRUE(control.GetRedrawAgain());
  control.ApplyAuxValueFromPlug(7, 0.3);  // reported, not written
  EXPECT_EQ(nullptr, control.GetAuxParam(7));
}

TEST(StringBufferFormatted, CutsAtTheLimitAndShrinks) {
  StringBuffer text;
  EXPECT_STREQ("5", text.SetFormatted(32, "%i", 5));
  EXPECT_STREQ("abcd", text.SetFormatted(4, "%s", "abcdefgh"));
  EXPECT_EQ(4, text.GetLength());
  EXPECT_STREQ("", text.SetFormatted(0, "%s", "abc"));
}

}  // namespace
}  // namespace edtest
