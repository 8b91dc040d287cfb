// What the plug-in reports to the host beyond parameter values: its latency
// and the editor's size.

#include "AAX_VViewContainer.h"
#include "TestView.h"
#include "WrapperTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace aaxtest {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class SilentGraphics : public vo::TestView {
public:
  void SetParameterValueFromPlug(int, double, bool) override {}
  void PrepareBackBuffers() override {}
};

class ResizeCountingPlug : public TestAaxPlug {
public:
  void OnEditorResized() override { ++resized; }
  int resized = 0;
};

TEST(WrapperHostReports, ALatencyChangeReachesTheHostAndTheBypassDelay) {
  WrapperHost host;
  Held<TestAaxPlug> plug(new TestAaxPlug);
  ASSERT_EQ(AAX_SUCCESS, plug->BindController(host.ControllerUnknown()));
  host.Host().ClearTranscript();
  plug->ChangeLatency(64);
  EXPECT_THAT(host.Calls("V1"), ElementsAre("controller.V1[10](64)"));
  EXPECT_EQ(64, plug->GetLatency());
  EXPECT_EQ(64, plug->GetLatencyDelay()->Length());
  plug.Release();

  // Unbound, only the plug-in side changes.
  Held<TestAaxPlug> unbound(new TestAaxPlug);
  unbound->ChangeLatency(8);
  EXPECT_EQ(8, unbound->GetLatency());
}

TEST(WrapperHostReports, AnEditorResizeAsksTheHostViewForHeightThenWidth) {
  StartedHostServices services;
  fakehost::Object& view = fakehost::MakeViewContainer(services.Host());
  Held<ResizeCountingPlug> plug(new ResizeCountingPlug);
  {
    AAX_VViewContainer container(static_cast<IACFUnknown*>(view.Interface("unknown")));
    plug->SetViewContainer(&container);
    services.Host().ClearTranscript();

    plug->InformHostOfEditorResize(464, 480);  // no editor yet: nothing happens
    EXPECT_THAT(services.Host().Lines("view"), IsEmpty());
    EXPECT_EQ(0, plug->resized);

    plug->ConnectGraphics(new SilentGraphics);
    plug->InformHostOfEditorResize(464, 480);
    EXPECT_THAT(services.Host().Lines("view"), ElementsAre("view.V1[6]({480, 464})"));
    EXPECT_EQ(1, plug->resized);
    plug->SetViewContainer(nullptr);
  }
  plug->InformHostOfEditorResize(500, 300);  // the view is closed
  EXPECT_EQ(2, plug->resized);
  EXPECT_EQ(0, view.Outstanding());
}

}  // namespace
}  // namespace aaxtest
