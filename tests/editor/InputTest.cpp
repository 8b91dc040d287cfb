// Mouse and key dispatch, the host's part in a press, value menus and the
// text-entry commit.

#include <string>

#include "AAX_IViewContainer.h"
#include "EditorTestSupport.h"

namespace edtest {
namespace {

using Kind = vo::TestPlug::HostCall::Kind;

// The AAX host's view container: records parameter clicks, answers a
// scripted result and reports fixed modifier bits of its own.
class FakeViewContainer : public AAX_IViewContainer {
 public:
  AAX_ResultCode CallV1Slot3(void*) override { return 0; }
  void* QueryNativeView() override { return nullptr; }
  AAX_ResultCode CallV1Slot5(void*) override { return 0; }
  AAX_ResultCode RequestViewSize(const float*) override { return 0; }
  AAX_ResultCode QueryModifiers(uint32_t* modifiers) override {
    *modifiers = hostModifiers;
    return 0;
  }
  AAX_ResultCode HandleParameterMouseDown(const char* parameterId, uint32_t modifiers) override {
    ids.push_back(parameterId);
    bits.push_back(modifiers);
    return answer;
  }
  AAX_ResultCode CallV1Slot9(void*) override { return 0; }
  AAX_ResultCode CallV2Slot10(void*) override { return 0; }
  AAX_ResultCode CallV2Slot11(void*) override { return 0; }
  AAX_ResultCode CallV2Slot12(void*) override { return 0; }

  uint32_t hostModifiers = 0;
  AAX_ResultCode answer = 0;
  std::vector<std::string> ids;
  std::vector<uint32_t> bits;
};

class Input : public EditorTest {
 protected:
  explicit Input(int apiId = kApiAax) : EditorTest(apiId) {}
  void SetUp() override {
    background = new ProbeControl(plug, IRECT(0, 0, 464, 480));
    Attach(background);
  }
  IMouseKeys left{true, false, false, false, false};
  IMouseKeys right{false, true, false, false, false};
  ProbeControl* background = nullptr;
};

class InputVst3 : public Input {
 protected:
  InputVst3() : Input(kApiVst3) {}
};

TEST_F(Input, ScaledPointsReachControlsInEditorPixels) {
  view->SetScale(1.5);
  auto* probe = new ProbeControl(plug, IRECT(90, 50, 110, 70));
  Attach(probe);
  view->MouseDown(150, 90, &left);
  ASSERT_EQ(1u, probe->downs.size());
  EXPECT_EQ(100, probe->downs[0].x);
  EXPECT_EQ(60, probe->downs[0].y);
}

TEST_F(Input, PressDragReleaseIsOneGesture) {
  const IBitmapStrip strip(nullptr, 64, 64, 1);
  auto* knob = new IKnobMultiControl(plug, 100, 100, kGain, &strip);
  Attach(knob);
  knob->SetValue(0.5);
  view->MouseDown(120, 120, &left);
  view->MouseDrag(120, 104, &left);  // 16 up
  view->MouseDrag(120, 104, &left);  // same place: dropped
  view->MouseDrag(120, 120, &left);
  view->MouseUp(120, 120, &left);
  ASSERT_EQ(4u, plug->hostCalls.size());
  EXPECT_EQ(Kind::kBegin, plug->hostCalls[0].kind);
  EXPECT_EQ(Kind::kInform, plug->hostCalls[1].kind);
  EXPECT_DOUBLE_EQ(0.5625, plug->hostCalls[1].value);
  EXPECT_EQ(Kind::kInform, plug->hostCalls[2].kind);
  EXPECT_DOUBLE_EQ(0.5, plug->hostCalls[2].value);
  EXPECT_EQ(Kind::kEnd, plug->hostCalls[3].kind);
  EXPECT_EQ(kGain, plug->hostCalls[3].index);
  EXPECT_EQ(-1, view->GetCaptureIdx());
  // Drags without a capture go nowhere.
  view->MouseDrag(130, 130, &left);
  EXPECT_EQ(4u, plug->hostCalls.size());
}

TEST_F(Input, BackgroundPressCapturesWithoutAGesture) {
  view->MouseDown(5, 5, &left);
  EXPECT_EQ(0, view->GetCaptureIdx());
  EXPECT_EQ(1u, background->downs.size());
  view->MouseDrag(6, 5, &left);
  view->MouseDrag(6, 5, &left);
  ASSERT_EQ(1u, background->drags.size());
  EXPECT_EQ(1, background->drags[0].x);
  view->MouseUp(6, 5, &left);
  EXPECT_EQ(1, background->ups);
  EXPECT_TRUE(plug->hostCalls.empty());
}

TEST_F(Input, HiddenAndDisabledControlsPassThePressBeneath) {
  auto* below = new ProbeControl(plug, IRECT(10, 10, 30, 30));
  auto* disabled = new ProbeControl(plug, IRECT(10, 10, 30, 30));
  auto* hidden = new ProbeControl(plug, IRECT(10, 10, 30, 30));
  Attach(below);
  Attach(disabled);
  Attach(hidden);
  disabled->SetDisabled(true);
  hidden->SetHidden(true);
  view->MouseDown(20, 20, &left);
  EXPECT_EQ(1, view->GetCaptureIdx());
  EXPECT_EQ(1u, below->downs.size());
  EXPECT_TRUE(disabled->downs.empty());
  view->MouseUp(20, 20, &left);
  view->MouseDown(500, 500, &left);  // outside everything
  EXPECT_EQ(-1, view->GetCaptureIdx());
}

// Hosts record automation from begin/end pairs: an end goes only with the
// begin its press sent.
TEST_F(Input, ReleaseOverAnUnpressedControlSendsNoEnd) {
  auto* probe = new ProbeControl(plug, IRECT(10, 10, 30, 30), kLevel);
  Attach(probe);
  view->MouseUp(20, 20, &left);
  EXPECT_EQ(1, probe->ups);
  EXPECT_TRUE(plug->hostCalls.empty());
}

// Every path of a press leaves the host with begin, values, end for one
// parameter, or with nothing.
TEST_F(Input, GesturesAreAlwaysBalanced) {
  auto* probe = new ProbeControl(plug, IRECT(10, 10, 30, 30), kLevel);
  auto* other = new ProbeControl(plug, IRECT(40, 10, 60, 30), kGain);
  other->SetDoubleClickAsClick(true);
  Attach(probe);
  Attach(other);
  auto kinds = [this] {
    std::string text;
    for (const auto& call : plug->hostCalls) text += call.kind == Kind::kBegin ? 'b' : call.kind == Kind::kEnd ? 'e' : 'v';
    return text;
  };
  // Press and release on another control: the pressed one's gesture ends.
  view->MouseDown(20, 20, &left);
  view->MouseUp(50, 20, &left);
  EXPECT_EQ("be", kinds());
  EXPECT_EQ(kLevel, plug->hostCalls[1].index);
  // A release that never came: the next press ends the open gesture first.
  plug->hostCalls.clear();
  view->MouseDown(20, 20, &left);
  view->MouseDown(50, 20, &left);
  view->MouseUp(50, 20, &left);
  EXPECT_EQ("bebe", kinds());
  EXPECT_EQ(kLevel, plug->hostCalls[1].index);
  EXPECT_EQ(kGain, plug->hostCalls[3].index);
  // A double click taken as a click begins nothing, so its release ends nothing.
  plug->hostCalls.clear();
  EXPECT_TRUE(view->MouseDoubleClick(50, 20, &left));
  view->MouseUp(50, 20, &left);
  EXPECT_TRUE(plug->hostCalls.empty());
  // Resizing takes the controls and the capture: the open gesture ends.
  view->MouseDown(20, 20, &left);
  view->ResizeEditor(400, 300);
  EXPECT_EQ("be", kinds());
  view->MouseUp(20, 20, &left);
  EXPECT_EQ("be", kinds());
}

TEST_F(Input, MenuChoiceInsideThePressEndsItsGestureAtOnce) {
  auto* probe = new ProbeControl(plug, IRECT(10, 10, 30, 30), kMode);
  probe->SetTextEntryOff(false);
  Attach(probe);
  // The right press opens the value menu, which takes the mouse.
  view->SetMenuChoice(1);
  view->MouseDown(20, 20, &right);
  ASSERT_EQ(1u, view->menus.size());
  ASSERT_EQ(3u, plug->hostCalls.size());
  EXPECT_EQ(Kind::kBegin, plug->hostCalls[0].kind);
  EXPECT_EQ(Kind::kInform, plug->hostCalls[1].kind);
  EXPECT_EQ(Kind::kEnd, plug->hostCalls[2].kind);
  // The release, should it come, has no gesture to end.
  view->MouseUp(20, 20, &right);
  EXPECT_EQ(3u, plug->hostCalls.size());
}

// A text entry commits after its press has ended: the value comes in a
// gesture of its own, and an unchanged value sends nothing.
TEST_F(Input, TextEntryCommitIsAGestureOfItsOwn) {
  auto* level = new ProbeControl(plug, IRECT(10, 10, 30, 30), kLevel);
  Attach(level);
  view->ApplyTextEntry(level, plug->GetParam(kLevel), "6");
  ASSERT_EQ(3u, plug->hostCalls.size());
  EXPECT_EQ(Kind::kBegin, plug->hostCalls[0].kind);
  EXPECT_EQ(Kind::kInform, plug->hostCalls[1].kind);
  EXPECT_EQ(Kind::kEnd, plug->hostCalls[2].kind);
  for (const auto& call : plug->hostCalls) EXPECT_EQ(kLevel, call.index);
  plug->hostCalls.clear();
  view->ApplyTextEntry(level, plug->GetParam(kLevel), "6");
  EXPECT_TRUE(plug->hostCalls.empty());
  // Inside the press's own open gesture the value joins it.
  view->MouseDown(20, 20, &left);
  view->ApplyTextEntry(level, plug->GetParam(kLevel), "7");
  view->MouseUp(20, 20, &left);
  ASSERT_EQ(3u, plug->hostCalls.size());
  EXPECT_EQ(Kind::kInform, plug->hostCalls[1].kind);
  // Closing the view's box or window ends a gesture left open.
  plug->hostCalls.clear();
  view->MouseDown(20, 20, &left);
  view->EndMouseGesture();
  view->EndMouseGesture();
  ASSERT_EQ(2u, plug->hostCalls.size());
  EXPECT_EQ(Kind::kEnd, plug->hostCalls[1].kind);
}

TEST_F(Input, ControlsBoundBeyondTheParameterListStartNoGesture) {
  auto* stray = new ProbeControl(plug, IRECT(10, 10, 30, 30), kParams + 1);
  Attach(stray);
  view->MouseDown(20, 20, &left);
  view->MouseUp(20, 20, &left);
  EXPECT_EQ(1u, stray->downs.size());
  EXPECT_TRUE(plug->hostCalls.empty());
}

TEST_F(InputVst3, RightPressOnAParameterOpensTheHostMenu) {
  auto* probe = new ProbeControl(plug, IRECT(10, 10, 30, 30), kLevel);
  probe->SetTextEntryOff(false);
  Attach(probe);
  view->MouseDown(20, 21, &right);
  ASSERT_EQ(1u, plug->contextMenus.size());
  EXPECT_EQ(kLevel, plug->contextMenus[0].index);
  EXPECT_EQ(20, plug->contextMenus[0].x);
  EXPECT_EQ(21, plug->contextMenus[0].y);
  EXPECT_TRUE(probe->downs.empty());
  EXPECT_TRUE(plug->hostCalls.empty());
  EXPECT_EQ(-1, view->GetCaptureIdx());
  // A left press is an ordinary gesture in this build too.
  view->MouseDown(20, 21, &left);
  EXPECT_EQ(Kind::kBegin, plug->hostCalls.at(0).kind);
}

TEST_F(Input, RightPressInTheAaxBuildBeginsAndOpensTheEntry) {
  auto* probe = new ProbeControl(plug, IRECT(10, 10, 30, 30), kLevel);
  probe->SetTextEntryOff(false);
  Attach(probe);
  view->MouseDown(20, 20, &right);
  EXPECT_TRUE(plug->contextMenus.empty());
  EXPECT_EQ(Kind::kBegin, plug->hostCalls.at(0).kind);
  EXPECT_EQ(1u, view->textEntries.size());
}

TEST_F(Input, ViewContainerMayTakeTheClick) {
  auto* probe = new ProbeControl(plug, IRECT(10, 10, 30, 30), kWidth);
  Attach(probe);
  FakeViewContainer container;
  container.hostModifiers = 0x100;
  view->SetViewContainer(&container);
  IMouseKeys all(false, true, true, true, true);
  view->MouseDown(20, 20, &all);
  ASSERT_EQ(1u, container.ids.size());
  EXPECT_EQ("5", container.ids[0]);
  EXPECT_EQ(0x100u | 1u | 4u | 8u | 16u, container.bits[0]);
  // The host took it: no gesture, nothing reaches the control, and no
  // capture is left behind for drags to move the parameter without one.
  EXPECT_TRUE(plug->hostCalls.empty());
  EXPECT_TRUE(probe->downs.empty());
  EXPECT_EQ(-1, view->GetCaptureIdx());
  view->MouseDrag(25, 25, &left);
  EXPECT_TRUE(probe->drags.empty());

  // Declined: the ordinary press follows.
  container.answer = -20004;
  view->MouseDown(20, 20, &left);
  EXPECT_EQ(0x100u, container.bits.at(1));
  EXPECT_EQ(Kind::kBegin, plug->hostCalls.at(0).kind);
  EXPECT_EQ(kWidth, plug->hostCalls.at(0).index);
  EXPECT_EQ(1u, probe->downs.size());
  // Unbound controls never ask the host.
  view->MouseDown(5, 5, &left);
  EXPECT_EQ(2u, container.ids.size());
  view->SetViewContainer(nullptr);
}

TEST_F(Input, DoubleClicks) {
  auto* plain = new ProbeControl(plug, IRECT(10, 10, 30, 30), kGain);
  Attach(plain);
  plain->ApplyValueFromPlug(0.4);
  plain->SetValue(0.9);
  EXPECT_FALSE(view->MouseDoubleClick(20, 20, &left));
  EXPECT_EQ(0.4, plain->GetValue());
  EXPECT_EQ(-1, view->GetCaptureIdx());

  auto* asClick = new ProbeControl(plug, IRECT(40, 10, 60, 30), kGain);
  asClick->SetDoubleClickAsClick(true);
  Attach(asClick);
  plug->hostCalls.clear();
  EXPECT_TRUE(view->MouseDoubleClick(50, 20, &left));
  EXPECT_EQ(2, view->GetCaptureIdx());
  EXPECT_EQ(1u, asClick->downs.size());
  EXPECT_TRUE(Calls(Kind::kBegin).empty());
  EXPECT_FALSE(view->MouseDoubleClick(500, 500, &left));
}

TEST_F(Input, WheelGoesToTheCaptureOrTheControlBeneath) {
  const IBitmapStrip strip(nullptr, 20, 20, 1);
  auto* knob = new IKnobMultiControl(plug, 10, 10, kGain, &strip);
  Attach(knob);
  view->MouseWheel(15, 15, &left, 2);
  EXPECT_NEAR(0.02, knob->GetValue(), 1e-12);
  view->MouseDown(15, 15, &left);
  view->MouseWheel(300, 300, &left, 1);
  EXPECT_NEAR(0.03, knob->GetValue(), 1e-12);
}

TEST_F(Input, HoverFollowsThePointerAndLeavesThePrevious) {
  auto* a = new ProbeControl(plug, IRECT(10, 10, 30, 30));
  auto* b = new ProbeControl(plug, IRECT(40, 10, 60, 30));
  Attach(a);
  Attach(b);
  EXPECT_FALSE(view->MouseHover(20, 20, &left));  // tracking off
  EXPECT_EQ(0, a->hovers);
  view->SetHoverTracking(true);
  b->SetDisabled(true);
  b->SetHoverWhileDisabled(true);
  EXPECT_TRUE(view->MouseHover(20, 20, &left));
  EXPECT_EQ(1, a->hovers);
  EXPECT_EQ(1, view->GetHoverIdx());
  view->MouseHover(50, 20, &left);
  EXPECT_EQ(1, b->hovers);
  EXPECT_EQ(1, a->leaves);
  EXPECT_EQ(2, view->GetHoverIdx());
  view->MouseLeave();
  EXPECT_EQ(-1, view->GetHoverIdx());
  EXPECT_EQ(2, a->leaves);
  EXPECT_EQ(1, b->leaves);
}

TEST_F(Input, KeysGoToTheControlBeneathOrTheCatcher) {
  auto* probe = new ProbeControl(plug, IRECT(10, 10, 30, 30));
  Attach(probe);
  EXPECT_TRUE(view->KeyDown(20, 20, kKeyA));
  EXPECT_EQ((std::vector<int>{kKeyA}), probe->keys);
  // The background takes no keys; without a catcher nothing does.
  EXPECT_FALSE(view->KeyDown(100, 100, kKeySpace));
  EXPECT_TRUE(background->keys.empty());
  auto* catcher = new ProbeControl(plug, IRECT());
  view->SetKeyCatcher(catcher);
  EXPECT_TRUE(view->KeyDown(100, 100, kKeyDigit9));
  EXPECT_EQ((std::vector<int>{kKeyDigit9}), catcher->keys);
}

TEST_F(Input, EnumerationMenuChecksTheCurrentTextAndAppliesTheChoice) {
  auto* probe = new ProbeControl(plug, IRECT(10, 10, 30, 30), kMode);
  Attach(probe);
  view->SetMenuChoice(3);
  IRECT rect(10, 10, 30, 30);
  view->PromptParamTextEntry(probe, plug->GetParam(kMode), &rect);
  ASSERT_EQ(1u, view->menus.size());
  const auto& items = view->menus[0].items;
  ASSERT_EQ(4u, items.size());
  EXPECT_EQ("Saw", items[2].text);
  EXPECT_EQ(IPopupMenu::kItemChecked, items[2].flags);
  EXPECT_EQ(0, items[0].flags);
  EXPECT_EQ(plug->GetParam(kMode)->NormalizeValue(3), probe->GetValue());
  EXPECT_EQ(3.0, plug->GetParam(kMode)->Value());

  // No choice: nothing applied.
  view->SetMenuChoice(-1);
  view->PromptParamTextEntry(probe, plug->GetParam(kMode), &rect);
  EXPECT_EQ(1u, Calls(Kind::kInform).size());
  // Nothing without a control, parameter or rect.
  view->PromptParamTextEntry(nullptr, plug->GetParam(kMode), &rect);
  view->PromptParamTextEntry(probe, nullptr, &rect);
  view->PromptParamTextEntry(probe, plug->GetParam(kMode), nullptr);
  EXPECT_EQ(2u, view->menus.size());
}

TEST_F(Input, TextEntryCommitRule) {
  auto* level = new ProbeControl(plug, IRECT(10, 10, 30, 30), kLevel);
  Attach(level);
  view->ApplyTextEntry(level, plug->GetParam(kLevel), "6");
  EXPECT_EQ(6.0, plug->GetParam(kLevel)->Value());
  // A lone minus sign reads as 0.
  view->ApplyTextEntry(level, plug->GetParam(kLevel), "-");
  EXPECT_EQ(plug->GetParam(kLevel)->NormalizeValue(0.0), level->GetValue());
  EXPECT_EQ(0.0, plug->GetParam(kLevel)->Value());
  // Negated displays are read back negated.
  plug->GetParam(kLevel)->SetNegateDisplay(true);
  view->ApplyTextEntry(level, plug->GetParam(kLevel), "3xyz");
  EXPECT_EQ(-3.0, plug->GetParam(kLevel)->Value());
  plug->GetParam(kLevel)->SetNegateDisplay(false);

  // Kinds with display texts take the entry whose text matches; else 0.
  auto* mode = new ProbeControl(plug, IRECT(40, 10, 60, 30), kMode);
  Attach(mode);
  view->ApplyTextEntry(mode, plug->GetParam(kMode), "Triangle");
  EXPECT_EQ(1.0, plug->GetParam(kMode)->Value());
  view->ApplyTextEntry(mode, plug->GetParam(kMode), "Noise");
  EXPECT_EQ(0.0, plug->GetParam(kMode)->Value());

  // Only 31 characters are read; without a parameter the control gets the text.
  auto* unbound = new ProbeControl(plug, IRECT(70, 10, 90, 30));
  Attach(unbound);
  view->ApplyTextEntry(unbound, nullptr, "0123456789012345678901234567890123456789");
  EXPECT_EQ("0123456789012345678901234567890", unbound->entryResult);
}

}  // namespace
}  // namespace edtest
