// The GUI base in process: binding to a simulated controller that hands out
// the instance's effect-parameters interface, attaching and detaching view
// containers, and what reaches the subclass's hooks.

#include "AAX_CEffectGUI.h"
#include "AAX_IViewContainer.h"
#include "AAX_InterfaceIds.h"
#include "FakeHost.h"
#include "HostIds.h"
#include "HostObjects.h"
#include "HostServicesFixture.h"
#include "TestEffectParameters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// Records every hook call in order.
class RecordingGUI final : public AAX_CEffectGUI {
public:
  void TakePluginGraphics() override { hooks.push_back("take"); }
  void* OpenEditorInView() override {
    hooks.push_back("open");
    return GetNativeView();
  }
  void CloseEditor() override { hooks.push_back("close"); }
  AAX_ResultCode ParameterUpdated(const char* id) override {
    hooks.push_back(std::string("updated ") + id);
    return AAX_SUCCESS;
  }
  std::vector<std::string> hooks;
};

class EffectGUITest : public testing::Test {
protected:
  EffectGUITest()
      : effectController(fakehost::MakeController(services.Host(), "effectController")),
        controller(fakehost::MakeController(services.Host())),
        view(fakehost::MakeViewContainer(services.Host(), "view")),
        otherView(fakehost::MakeViewContainer(services.Host(), "otherView")) {}

  void SetUp() override {
    effect->AddRef();
    ASSERT_EQ(AAX_SUCCESS, effect->BindController(Unknown(effectController)));
    controller.AnswerWithPluginObject(fakehost::ids::EffectParameters(),
                                      static_cast<AAX_IEffectParameters*>(effect));
    gui->AddRef();
  }
  void TearDown() override {
    EXPECT_EQ(0u, gui->Release());
    EXPECT_EQ(AAX_SUCCESS, effect->UnbindController());
    EXPECT_EQ(0u, effect->Release());
    for (fakehost::Object* object : {&effectController, &controller, &view, &otherView})
      EXPECT_EQ(0, object->Outstanding()) << object->Name();
    EXPECT_EQ(0, ACFModuleObjectCount.load());
  }

  static IACFUnknown* Unknown(fakehost::Object& object) {
    return static_cast<IACFUnknown*>(object.Interface("unknown"));
  }
  std::vector<std::string> Updates() const {
    std::vector<std::string> updates;
    for (const std::string& hook : gui->hooks)
      if (hook.rfind("updated", 0) == 0) updates.push_back(hook);
    return updates;
  }

  StartedHostServices services;
  fakehost::Object& effectController;
  fakehost::Object& controller;  // the GUI's
  fakehost::Object& view;
  fakehost::Object& otherView;
  TestEffectParameters* effect = new TestEffectParameters;
  RecordingGUI* gui = new RecordingGUI;
};

TEST_F(EffectGUITest, BindingTakesTheInstanceFromTheControllerAndUnbindingGivesAllBack) {
  void* self = nullptr;
  ASSERT_EQ(ACF_OK, gui->QueryInterface(AAX_IID_EffectGUI, &self));
  EXPECT_EQ(static_cast<AAX_IEffectGUI*>(gui), self);
  gui->Release();

  ASSERT_EQ(AAX_SUCCESS, gui->BindGuiController(Unknown(controller)));
  EXPECT_THAT(gui->hooks, ElementsAre("take"));
  EXPECT_EQ(static_cast<AAX_IACFEffectParameters_V4*>(effect), gui->GetEffectParameters());
  EXPECT_NE(nullptr, gui->Transport());
  EXPECT_EQ(nullptr, gui->GetViewContainer());
  EXPECT_EQ(nullptr, gui->GetNativeView());

  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(AAX_SUCCESS, gui->UnbindGuiController());
    EXPECT_EQ(nullptr, gui->GetEffectParameters());
    EXPECT_EQ(nullptr, gui->Transport());
    EXPECT_EQ(0, controller.Outstanding());
  }
  EXPECT_THAT(gui->hooks, ElementsAre("take"));
}

TEST_F(EffectGUITest, ANullControllerIsNotInitialisedAndARefusedInstanceStaysNull) {
  EXPECT_EQ(AAX_ERROR_NOT_INITIALIZED, gui->BindGuiController(nullptr));
  EXPECT_THAT(gui->hooks, IsEmpty());

  controller.AnswerWithPluginObject(fakehost::ids::EffectParameters(), nullptr);
  ASSERT_EQ(AAX_SUCCESS, gui->BindGuiController(Unknown(controller)));
  EXPECT_EQ(nullptr, gui->GetEffectParameters());
  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(Unknown(view)));
  EXPECT_THAT(Updates(), IsEmpty());
  EXPECT_EQ(AAX_SUCCESS, gui->UnbindGuiController());
}

// A controller without a host object factory makes the controller proxy
// throw: the host gets the result, and the object stays unbound.
TEST_F(EffectGUITest, AControllerWithoutObjectFactoryFailsBindingWithoutEscaping) {
  controller.Withhold(fakehost::ids::HostObjectFactory());
  const AAX_ResultCode result = gui->BindGuiController(Unknown(controller));
  EXPECT_LT(result, 0);
  EXPECT_EQ(nullptr, gui->GetEffectParameters());
  EXPECT_EQ(nullptr, gui->Transport());
  EXPECT_EQ(0, controller.Outstanding());
  EXPECT_THAT(gui->hooks, IsEmpty());
}

// Binding twice without unbinding gives the first binding's references back.
TEST_F(EffectGUITest, BindingAgainUnbindsTheFirstBinding) {
  ASSERT_EQ(AAX_SUCCESS, gui->BindGuiController(Unknown(controller)));
  const int heldByOneBinding = controller.Outstanding();
  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(Unknown(view)));
  gui->hooks.clear();
  ASSERT_EQ(AAX_SUCCESS, gui->BindGuiController(Unknown(controller)));
  EXPECT_EQ(heldByOneBinding, controller.Outstanding());
  EXPECT_EQ(0, view.Outstanding());
  EXPECT_THAT(gui->hooks, ElementsAre("close", "take"));
  EXPECT_EQ(AAX_SUCCESS, gui->UnbindGuiController());
}

TEST_F(EffectGUITest, ContainersOpenReplaceAndCloseTheEditor) {
  ASSERT_EQ(AAX_SUCCESS, gui->BindGuiController(Unknown(controller)));
  gui->hooks.clear();

  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(Unknown(view)));
  EXPECT_NE(nullptr, gui->GetViewContainer());
  EXPECT_EQ(2, view.Outstanding());  // both container versions
  // Every parameter of the instance, in table order.
  EXPECT_THAT(gui->hooks, ElementsAre("open", "updated MasterBypassID", "updated Freq",
                                      "updated Count", "updated Switch"));

  // A second container replaces the first without closing the editor.
  gui->hooks.clear();
  ASSERT_EQ(AAX_SUCCESS, gui->AttachViewContainer(Unknown(otherView)));
  EXPECT_EQ(0, view.Outstanding());
  EXPECT_EQ(2, otherView.Outstanding());
  EXPECT_EQ("open", gui->hooks.front());

  // Null closes once; a later unbinding closes nothing more.
  gui->hooks.clear();
  EXPECT_EQ(AAX_SUCCESS, gui->AttachViewContainer(nullptr));
  EXPECT_EQ(nullptr, gui->GetViewContainer());
  EXPECT_EQ(0, otherView.Outstanding());
  EXPECT_EQ(AAX_SUCCESS, gui->UnbindGuiController());
  EXPECT_THAT(gui->hooks, ElementsAre("close"));

  // Null with nothing attached still closes and answers 0.
  gui->hooks.clear();
  EXPECT_EQ(AAX_SUCCESS, gui->AttachViewContainer(nullptr));
  EXPECT_THAT(gui->hooks, ElementsAre("close"));
}

TEST_F(EffectGUITest, ReservedSlotsAndTheBaseSize) {
  EXPECT_EQ(AAX_SUCCESS, gui->ReservedSlot5(nullptr));
  EXPECT_EQ(AAX_SUCCESS, gui->ReservedSlot8(nullptr));
  EXPECT_EQ(AAX_SUCCESS, gui->ReservedSlot9(nullptr));
  EXPECT_EQ(AAX_ERROR_NULL_OBJECT, gui->ReservedSlot11(nullptr));
  EXPECT_EQ(AAX_SUCCESS, gui->ReservedSlot12(nullptr));
  AAX_Point size{-1.0f, -2.0f};
  EXPECT_EQ(AAX_SUCCESS, gui->AAX_CEffectGUI::EditorSize(&size));
  EXPECT_EQ(-1.0f, size.vert);
  EXPECT_EQ(-2.0f, size.horz);
}

// The host drops the object without unbinding: every reference comes back.
TEST_F(EffectGUITest, ReleasingWithoutUnbindingGivesEverythingBack) {
  RecordingGUI* dropped = new RecordingGUI;
  dropped->AddRef();
  ASSERT_EQ(AAX_SUCCESS, dropped->BindGuiController(Unknown(controller)));
  ASSERT_EQ(AAX_SUCCESS, dropped->AttachViewContainer(Unknown(view)));
  EXPECT_EQ(0u, dropped->Release());
  EXPECT_EQ(0, controller.Outstanding());
  EXPECT_EQ(0, view.Outstanding());
}

}  // namespace
