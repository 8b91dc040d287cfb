// The AAX editor object in process: it takes the editor of the instance the
// host binds it to (only an instance of this module), opens it in the host
// view's native view, reports its size, offers parameter clicks to the host
// view and never lets the editor keep a container that is gone.

#include "AAX_CEffectGUI_IPLUG.h"
#include "EditorParent.h"
#include "HostWindowing.h"
#include "IMouseKeys.h"
#include "TestEffectParameters.h"
#include "WrapperTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace aaxtest {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// One host window for every test: a visible top-level window costs seconds
// to make and destroy under Wine.
vo::HostWindow& SharedHostWindow() {
  static vo::HostWindow* window = new vo::HostWindow(600, 600);
  return *window;
}

class EditorGUI : public testing::Test {
protected:
  EditorGUI() : view(fakehost::MakeViewContainer(host.Host(), "view")) {
    view.SetBehaviour(4, [this](fakehost::Object&, const fakehost::Call&) -> int64_t {
      return reinterpret_cast<intptr_t>(nativeView);
    });
    view.SetBehaviour(8, [this](fakehost::Object&, const fakehost::Call&) -> int64_t { return clickResult; });
  }
  void SetUp() override {
    ASSERT_EQ(AAX_SUCCESS, plug->BindController(host.ControllerUnknown()));
    host.controller.AnswerWithPluginObject(fakehost::ids::EffectParameters(), plug.Effect());
    gui->AddRef();
  }
  void TearDown() override {
    EXPECT_EQ(0u, gui->Release());
    plug->UnbindController();
    plug.Release();
    EXPECT_EQ(0, view.Outstanding());
    EXPECT_EQ(0, host.controller.Outstanding());
  }
  IGraphics* Editor() { return plug->GetGUI(); }
  IACFUnknown* ViewUnknown() { return static_cast<IACFUnknown*>(view.Interface("unknown")); }
  std::vector<std::string> Automation() {
    std::vector<std::string> calls = host.Calls("automation");
    return calls;
  }

  WrapperHost host;
  fakehost::Object& view;
  vo::HostWindow& hostWindow = SharedHostWindow();  // the host view's native view
  void* nativeView = hostWindow.Handle();
  int64_t clickResult = 1;
  Held<RecordingOndelino> plug{new RecordingOndelino};
  AAX_CEffectGUI_IPLUG* gui = new AAX_CEffectGUI_IPLUG;
};

}  // namespace

TEST_F(EditorGUI, TheEditorOpensInTheHostViewAndClosesOnce) {
  ASSERT_EQ(AAX_SUCCESS, gui->BindGuiController(host.ControllerUnknown()));
  EXPECT_EQ(plug->GetGUI(), gui->Editor());
  AAX_Point size{-1.0f, -1.0f};
  EXPECT_EQ(AAX_SUCCESS, gui->EditorSize(&size));
  EXPECT_EQ(480.0f, size.vert);
  EXPECT_EQ(464.0f, size.horz);

  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(ViewUnknown()));
  EXPECT_EQ(hostWindow.Handle(), EditorParent(Editor()));
  EXPECT_EQ(gui->GetViewContainer(), Editor()->GetViewContainer());

  // Closing takes the container away from the editor before it is deleted.
  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(nullptr));
  EXPECT_EQ(nullptr, EditorParent(Editor()));
  EXPECT_EQ(nullptr, Editor()->GetViewContainer());
  plug->InformHostOfEditorResize(464, 480);  // no container left to ask
  EXPECT_EQ(AAX_SUCCESS, gui->UnbindGuiController());
  EXPECT_EQ(nullptr, gui->Editor());
}

// Unbinding with the window open closes it and leaves the editor nothing of
// the host; the object keeps no editor for a later attach.
TEST_F(EditorGUI, UnbindingForgetsTheEditor) {
  ASSERT_EQ(AAX_SUCCESS, gui->BindGuiController(host.ControllerUnknown()));
  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(ViewUnknown()));
  EXPECT_EQ(AAX_SUCCESS, gui->UnbindGuiController());
  EXPECT_EQ(nullptr, EditorParent(Editor()));
  EXPECT_EQ(nullptr, Editor()->GetViewContainer());

  EXPECT_EQ(AAX_SUCCESS, gui->AttachViewContainer(ViewUnknown()));
  EXPECT_EQ(nullptr, EditorParent(Editor()));
  AAX_Point size{-1.0f, -1.0f};
  gui->EditorSize(&size);
  EXPECT_EQ(-1.0f, size.vert);
  EXPECT_EQ(AAX_SUCCESS, gui->AttachViewContainer(nullptr));
}

TEST_F(EditorGUI, AHostViewWithoutNativeViewOpensNothing) {
  nativeView = nullptr;
  ASSERT_EQ(AAX_SUCCESS, gui->BindGuiController(host.ControllerUnknown()));
  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(ViewUnknown()));
  EXPECT_EQ(nullptr, EditorParent(Editor()));
  EXPECT_EQ(nullptr, Editor()->GetViewContainer());
  gui->UnbindGuiController();
}

// A host that answers with an object of its own gets no editor.
TEST_F(EditorGUI, OnlyAnInstanceOfThisModuleHasAnEditor) {
  auto* foreign = new TestEffectParameters;
  foreign->AddRef();
  host.controller.AnswerWithPluginObject(fakehost::ids::EffectParameters(),
                                         static_cast<AAX_IEffectParameters*>(foreign));
  ASSERT_EQ(AAX_SUCCESS, gui->BindGuiController(host.ControllerUnknown()));
  EXPECT_EQ(nullptr, gui->Editor());
  AAX_Point size{-1.0f, -1.0f};
  gui->EditorSize(&size);
  EXPECT_EQ(-1.0f, size.vert);
  EXPECT_EQ(-1.0f, size.horz);
  gui->UnbindGuiController();
  EXPECT_EQ(0u, foreign->Release());
}

// A press on "Input" is offered to the host view first: when the host leaves
// it to the plug-in, the value is requested within a gesture.
TEST_F(EditorGUI, ParameterClicksAreOfferedToTheHostViewFirst) {
  ASSERT_EQ(AAX_SUCCESS, gui->BindGuiController(host.ControllerUnknown()));
  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(ViewUnknown()));
  host.Host().ClearTranscript();
  IMouseKeys left(true, false, false, false, false);
  Editor()->MouseDown(42, 204, &left);
  Editor()->MouseUp(42, 204, &left);
  EXPECT_THAT(host.Host().Lines("view"), ElementsAre("view.V1[7](ptr)", "view.V1[8](\"2\", 0)"));
  // Touch and release as every gesture sends them (see ParametersTest).
  EXPECT_THAT(Automation(), ElementsAre("controller.automation[7](\"2\")", "controller.automation[7](\"2\")",
                                        "controller.automation[5](\"2\", 0.5)",
                                        "controller.automation[8](\"2\")", "controller.automation[8](\"2\")"));

  // The host takes the click: no gesture, no value.
  clickResult = 0;
  host.Host().ClearTranscript();
  Editor()->MouseDown(42, 204, &left);
  Editor()->MouseUp(42, 204, &left);
  EXPECT_THAT(Automation(), IsEmpty());
  gui->UnbindGuiController();
}

}  // namespace aaxtest

namespace aaxtest {
namespace {

using testing::Not;

// Calls on an object other than giving back its references (slot 2).
std::vector<std::string> CallsBesidesReleases(fakehost::Host& host, const std::string& object) {
  std::vector<std::string> calls;
  for (const std::string& place : host.Places(object))
    if (place.size() < 3 || place.compare(place.size() - 3, 3, "[2]") != 0) calls.push_back(place);
  return calls;
}

// The host replaces the container with one that has no native view: the
// editor must not keep the first, which the base deletes. Neither a click
// offered to the host nor a resize request reaches a container afterwards
// (AddressSanitizer catches a use of the deleted proxy), and the final
// detach calls nothing but the releases.
TEST_F(EditorGUI, TheEditorNeverKeepsAReplacedContainer) {
  fakehost::Object& blind = fakehost::MakeViewContainer(host.Host(), "blind");
  blind.SetBehaviour(4, [](fakehost::Object&, const fakehost::Call&) -> int64_t { return 0; });
  ASSERT_EQ(AAX_SUCCESS, gui->BindGuiController(host.ControllerUnknown()));
  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(ViewUnknown()));
  ASSERT_EQ(gui->GetViewContainer(), Editor()->GetViewContainer());

  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(static_cast<IACFUnknown*>(blind.Interface("unknown"))));
  EXPECT_EQ(nullptr, Editor()->GetViewContainer());
  host.Host().ClearTranscript();
  IMouseKeys left(true, false, false, false, false);
  Editor()->MouseDown(42, 204, &left);
  Editor()->MouseUp(42, 204, &left);
  plug->InformHostOfEditorResize(464, 480);
  EXPECT_THAT(host.Host().Places("view"), IsEmpty());
  EXPECT_THAT(host.Host().Places("blind"), IsEmpty());

  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(nullptr));
  EXPECT_EQ(nullptr, Editor()->GetViewContainer());
  EXPECT_THAT(CallsBesidesReleases(host.Host(), "view"), IsEmpty());
  EXPECT_THAT(CallsBesidesReleases(host.Host(), "blind"), IsEmpty());
  EXPECT_EQ(0, blind.Outstanding());
  gui->UnbindGuiController();
}

// Replaced by a container with a native view, the editor follows to it
// before the old one goes.
TEST_F(EditorGUI, TheEditorFollowsToANewContainer) {
  fakehost::Object& second = fakehost::MakeViewContainer(host.Host(), "second");
  second.SetBehaviour(4, [this](fakehost::Object&, const fakehost::Call&) -> int64_t {
    return reinterpret_cast<intptr_t>(nativeView);
  });
  ASSERT_EQ(AAX_SUCCESS, gui->BindGuiController(host.ControllerUnknown()));
  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(ViewUnknown()));
  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(static_cast<IACFUnknown*>(second.Interface("unknown"))));
  EXPECT_EQ(gui->GetViewContainer(), Editor()->GetViewContainer());
  host.Host().ClearTranscript();
  plug->InformHostOfEditorResize(464, 480);
  EXPECT_THAT(host.Host().Places("view"), IsEmpty());
  EXPECT_THAT(host.Host().Places("second"), Not(IsEmpty()));
  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(nullptr));
  EXPECT_EQ(nullptr, Editor()->GetViewContainer());
  gui->UnbindGuiController();
  EXPECT_EQ(0, second.Outstanding());
}

}  // namespace
}  // namespace aaxtest
