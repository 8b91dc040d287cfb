// Host scenarios for the plug-in's editor in an AAX host: the editor object
// made through procedure 1, bound to the instance's controller, its size,
// the editor window opened in the host's view and closed again, parameter
// clicks offered to the host view, the editor following host values and the
// meters, a host that hands out an object of its own, and the faults of
// binding and unbinding. With windows (Windows under Wine) the editor's
// child window is found and read back; with the Cocoa editor its view is
// found in the host's view, without pixels; natively there are neither.

#include "HostIds.h"
#include "HostObjects.h"
#include "PluginEditorFixture.h"
#include "SlotTables.h"

namespace fakehost {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr int32_t kNullObject = -20004;

// The class of the editor's window in the host's: the Cocoa view in the
// macOS bundle's module, the Windows view's window class otherwise.
#ifdef VO_MAC_BUNDLE
constexpr const char* kEditorWindowClass = "IGraphicsCocoa_vVimbraOndelino_aax";
#else
constexpr const char* kEditorWindowClass = "IPlugWndClass";
#endif
constexpr uint32_t kRightButtonBit = 16;

TEST_F(PluginEditorHost, TheEditorObjectReportsTheEditorSizeVerticalFirst) {
  if (ExpectedScale() != 1.0) GTEST_SKIP() << "scaled run";
  ASSERT_EQ(0, gui->Bind());
  HostPoint size;
  EXPECT_EQ(0, gui->EditorSize(&size));
  EXPECT_EQ(480.0f, size.vertical);
  EXPECT_EQ(464.0f, size.horizontal);
  EXPECT_EQ(0, gui->Unbind());
}

TEST_F(PluginEditorHost, ScaledTheSizeAndTheWindowGrowByTheDisplayScale) {
  if (ExpectedScale() != 1.5) GTEST_SKIP() << "runs at 144 DPI only";
  ASSERT_EQ(0, gui->Bind());
  HostPoint size;
  EXPECT_EQ(0, gui->EditorSize(&size));
  EXPECT_EQ(720.0f, size.vertical);
  EXPECT_EQ(696.0f, size.horizontal);
  ASSERT_EQ(0, gui->Attach());
  int width = 0, height = 0;
  ASSERT_NE(nullptr, Child(nullptr, &width, &height));
  EXPECT_EQ(696, width);
  EXPECT_EQ(720, height);
  EXPECT_EQ(0, gui->Unbind());
}

TEST_F(PluginEditorHost, AttachingOpensOneEditorWindowAndNullClosesIt) {
  ASSERT_EQ(0, gui->Bind());
  ASSERT_EQ(0, gui->Attach());
  EXPECT_EQ(2, gui->view->Outstanding());  // both container versions
  if (vo::FindsChildWindows() && ExpectedScale() == 1.0) {
    std::string className;
    int width = 0, height = 0;
    ASSERT_NE(nullptr, Child(&className, &width, &height));
    EXPECT_EQ(kEditorWindowClass, className);
    EXPECT_EQ(1, vo::ChildWindowCount(window.Handle()));
    EXPECT_EQ(464, width);
    EXPECT_EQ(480, height);
    // Attaching again replaces the window.
    ASSERT_EQ(0, gui->Attach());
    EXPECT_EQ(1, vo::ChildWindowCount(window.Handle()));
  }
  EXPECT_EQ(0, gui->Detach());
  EXPECT_EQ(0, vo::ChildWindowCount(window.Handle()));
  EXPECT_EQ(0, gui->view->Outstanding());
  EXPECT_EQ(0, gui->Unbind());
  EXPECT_EQ(0, vo::ChildWindowCount(window.Handle()));
}

TEST_F(PluginEditorHost, AHostViewWithoutWindowOpensNothing) {
  gui->parentWindow = nullptr;
  ASSERT_EQ(0, gui->Bind());
  ASSERT_EQ(0, gui->Attach());
  EXPECT_EQ(nullptr, Child());
  EXPECT_EQ(0, gui->Unbind());
}

TEST_F(PluginEditorHost, NullUnbindingAgainAndTheReservedSlotsAnswerTheirResults) {
  ASSERT_EQ(0, gui->Bind());
  EXPECT_EQ(0, gui->Detach());  // nothing attached
  for (int slot : {gui_slot::kReserved5, gui_slot::kReserved8, gui_slot::kReserved9, gui_slot::kReserved12})
    EXPECT_EQ(0, gui->Invoke(slot, static_cast<void*>(nullptr))) << slot;
  EXPECT_EQ(kNullObject, gui->Invoke(gui_slot::kReserved11, static_cast<void*>(nullptr)));
  EXPECT_EQ(0, gui->Invoke(gui_slot::kParameterUpdated, "1"));
  EXPECT_EQ(0, gui->Unbind());
  EXPECT_EQ(0, gui->Unbind());
}

// Binding twice leaks nothing; a controller without object factory fails
// binding with a result, not an exception; after unbinding the object has
// no editor left to open.
TEST_F(PluginEditorHost, BindingFaultsAndUnbindingForgetTheEditor) {
  ASSERT_EQ(0, gui->Bind());
  ASSERT_EQ(0, gui->Attach());
  ASSERT_EQ(0, gui->Bind());  // again, without unbinding
  EXPECT_EQ(0, vo::ChildWindowCount(window.Handle()));
  EXPECT_EQ(0, gui->view->Outstanding());
  EXPECT_EQ(0, gui->Unbind());

  Object& bare = MakeController(session->host, "bareController");
  bare.Withhold(ids::HostObjectFactory());
  EXPECT_LT(gui->Invoke(gui_slot::kBind, bare.Interface("unknown")), 0);
  EXPECT_EQ(0, bare.Outstanding());

  ASSERT_EQ(0, gui->Bind());
  ASSERT_EQ(0, gui->Unbind());
  ASSERT_EQ(0, gui->Attach());  // unbound: no editor to open
  EXPECT_EQ(0, vo::ChildWindowCount(window.Handle()));
  HostPoint size;
  EXPECT_EQ(0, gui->EditorSize(&size));
  EXPECT_EQ(-1.0f, size.vertical);
  EXPECT_EQ(0, gui->Detach());
}

// A host that answers the effect-parameters query with an object of its own
// gets no editor; the base still asks that object for its parameters.
TEST_F(PluginEditorHost, AHostObjectInPlaceOfTheInstanceGetsNoEditor) {
  Object& foreign = session->host.Make("foreignEffect");
  foreign.Answer(ids::Unknown(), "unknown", UnknownTable());
  foreign.Answer(ids::EffectParameters(), "effect", OpaqueTable());
  foreign.SetBehaviour(6, [](Object&, const Call& call) -> int64_t {
    if (auto* count = static_cast<int32_t*>(const_cast<void*>(call.args[0].pointer))) *count = 13;
    return 0;
  });
  effect->controller->AnswerWithPluginObject(ids::EffectParameters(), foreign.Interface("effect"));
  ASSERT_EQ(0, gui->Bind());
  HostPoint size;
  EXPECT_EQ(0, gui->EditorSize(&size));
  EXPECT_EQ(-1.0f, size.vertical);
  EXPECT_EQ(-1.0f, size.horizontal);
  session->host.ClearTranscript();
  ASSERT_EQ(0, gui->Attach());
  EXPECT_EQ(0, vo::ChildWindowCount(window.Handle()));
  int counts = 0, ids = 0;
  for (const Call& call : session->host.Calls()) {
    if (call.object != "foreignEffect") continue;
    counts += call.slot == 6;
    ids += call.slot == 18;
  }
  EXPECT_EQ(1, counts);
  EXPECT_EQ(13, ids);
  EXPECT_EQ(0, gui->Unbind());
  EXPECT_EQ(0, foreign.Outstanding());
}

// A press on "Input" half-way down is offered to the host view first.
TEST_F(PluginEditorHost, ClicksAreOfferedToTheHostViewFirst) {
  REQUIRE_WINDOWS();
  if (ExpectedScale() != 1.0) GTEST_SKIP() << "scaled run";
  ASSERT_EQ(0, gui->Bind());
  ASSERT_EQ(0, gui->Attach());
  void* child = Child();
  ASSERT_NE(nullptr, child);
  session->host.ClearTranscript();
  vo::ClickWindow(child, 42, 204);
  std::vector<std::string> calls = Automation();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ("controllerA.automation[7](\"2\")", calls.front());
  EXPECT_THAT(calls, testing::Contains("controllerA.automation[5](\"2\", 0.5)"));
  EXPECT_EQ("controllerA.automation[8](\"2\")", calls.back());

  // A right press the plug-in keeps begins and ends its own gesture.
  EXPECT_THAT(effect->gestures.Problems(), IsEmpty());

  gui->mouseDownResult = 0;  // the host takes the click
  session->host.ClearTranscript();
  vo::ClickWindow(child, 42, 204);
  EXPECT_THAT(Automation(), IsEmpty());

  EXPECT_THAT(effect->gestures.Problems(), IsEmpty()) << effect->gestures.Transcript();
  effect->gestures.Clear();
  session->host.ClearTranscript();
  vo::ClickWindow(child, 42, 204, true);
  EXPECT_TRUE(effect->gestures.Untouched());  // the host's own menu: no gesture
  std::vector<std::string> offers;
  for (const std::string& line : session->host.Lines(gui->view->Name()))
    if (line.find("[8]") != std::string::npos) offers.push_back(line);
  ASSERT_EQ(1u, offers.size());
  EXPECT_EQ("viewA.V1[8](\"2\", " + std::to_string(kRightButtonBit) + ")", offers[0]);
  EXPECT_EQ(0, gui->Unbind());
}

TEST_F(PluginEditorHost, TheEditorFollowsHostValuesAndTheMeters) {
  REQUIRE_WINDOWS();
  if (ExpectedScale() != 1.0) GTEST_SKIP() << "scaled run";
  ASSERT_EQ(0, gui->Bind());
  ASSERT_EQ(0, gui->Attach());
  ASSERT_NE(nullptr, Child());
  const vo::WindowPixels before = Shot();
  ASSERT_EQ(464, before.width);

  ASSERT_EQ(0, effect->Apply("4", 1.0));  // "Dry/Wet" to 100 %
  const vo::WindowPixels knob = Shot();
  EXPECT_FALSE(SameArea(before, knob, kDryWetKnob));

  RenderSine(0.5, 0.5);  // -6 dBFS
  const vo::WindowPixels loud = Shot();
  EXPECT_FALSE(SameArea(knob, loud, kInputMeter));
  EXPECT_FALSE(SameArea(knob, loud, kOutputMeter));
  RenderSine(1.0, 0.0);
  const vo::WindowPixels quiet = Shot();
  EXPECT_TRUE(SameArea(knob, quiet, kInputMeter));
  EXPECT_TRUE(SameArea(knob, quiet, kOutputMeter));
  EXPECT_EQ(0, gui->Unbind());
}

// A user types into the "Dry/Wet" value text with posted input while a
// -6 dBFS sine runs: the box opens without keeping the mouse, the meters go
// on repainting, Return commits, Escape cancels and a click elsewhere on the
// editor commits. Every touch of "4" has its release.
TEST_F(PluginEditorHost, TextEntryKeepsTheEditorLiveAndItsGesturesBalanced) {
  REQUIRE_WINDOWS();
  if (ExpectedScale() != 1.0) GTEST_SKIP() << "scaled run";
  ASSERT_EQ(0, gui->Bind());
  ASSERT_EQ(0, gui->Attach());
  void* child = Child();
  ASSERT_NE(nullptr, child);
  const std::string touch = "controllerA.automation[7](\"4\")";
  const std::string release = "controllerA.automation[8](\"4\")";
  // The press and release that open a box: a gesture without value.
  auto openBox = [&] {
    vo::PostPress(child, 337, 328);
    vo::PostRelease(child, 337, 328);
    vo::PumpMessages(60);
    return vo::FocusWindow();
  };

  size_t mark = session->host.Calls().size();
  void* box = openBox();
  ASSERT_NE(nullptr, box);
  EXPECT_NE(child, box);
  EXPECT_EQ(nullptr, vo::CaptureWindow());
  EXPECT_THAT(Automation(mark), ElementsAre(touch, release));
  const vo::WindowPixels quiet = Shot();
  RenderSine(0.5, 0.5);  // -6 dBFS
  const vo::WindowPixels loud = Shot();
  EXPECT_FALSE(SameArea(quiet, loud, kInputMeter));
  EXPECT_FALSE(SameArea(quiet, loud, kOutputMeter));
  EXPECT_EQ(box, vo::FocusWindow());

  mark = session->host.Calls().size();
  vo::PostText("5");
  vo::PostKey(0x0D);  // Return
  vo::PumpMessages(150);
  // The editor's touch holds the value request's own touch and release.
  EXPECT_THAT(Automation(mark), ElementsAre(touch, touch, "controllerA.automation[5](\"4\", 0.05)", release, release));
  effect->AnswerRequests();
  EXPECT_NEAR(0.05, effect->Read("4"), 1e-9);
  EXPECT_EQ("5.00%", effect->FormatCurrent("4"));  // the AAX display of 5 %
  EXPECT_EQ(nullptr, vo::CaptureWindow());
  EXPECT_THAT(effect->gestures.Problems(), IsEmpty());

  mark = session->host.Calls().size();
  ASSERT_NE(nullptr, openBox());
  vo::PostText("9");
  vo::PostKey(0x1B);  // Escape
  vo::PumpMessages(150);
  EXPECT_THAT(Automation(mark), ElementsAre(touch, release));
  effect->AnswerRequests();
  EXPECT_NEAR(0.05, effect->Read("4"), 1e-9);
  EXPECT_THAT(effect->gestures.Problems(), IsEmpty());

  mark = session->host.Calls().size();
  ASSERT_NE(nullptr, openBox());
  vo::PostText("7");
  vo::PostPress(child, 240, 40);  // the background
  vo::PostRelease(child, 240, 40);
  vo::PumpMessages(150);
  EXPECT_THAT(Automation(mark), ElementsAre(touch, release, touch, touch, "controllerA.automation[5](\"4\", 0.07)",
                                            release, release));
  effect->AnswerRequests();
  EXPECT_NEAR(0.07, effect->Read("4"), 1e-9);
  EXPECT_EQ(nullptr, vo::CaptureWindow());
  EXPECT_EQ(0, gui->Unbind());
}

}  // namespace
}  // namespace fakehost
