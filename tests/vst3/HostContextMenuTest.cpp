// The host's parameter menu pops up where the right press was, in the
// view's pixels, at every display scale.

#include <gtest/gtest.h>

#include "HostObjects.h"
#include "IControl.h"
#include "IMouseKeys.h"
#include "TestView.h"
#include "Vst3TestSupport.h"

using namespace Steinberg;
using vo::vst3host::HostComponentHandler;
using vst3test::PlugRef;
using vst3test::TestPlugConfig;
using vst3test::TestVst3Plug;

namespace {

class Knob : public IControl {
 public:
  Knob(IPlugBase* plug, const IRECT& rect, int paramIdx) : IControl(plug, rect, paramIdx) {}
  bool Render(IGraphics*) override { return true; }
};

struct Press {
  double scale;
  int x, y;                // device pixels of the right press
  int menuX, menuY;        // where the host must pop its menu up
};

TEST(Vst3HostContextMenu, PopsUpAtThePressInTheViewsPixels) {
  const Press presses[] = {
      {1.0, 330, 280, 330, 280},
      {1.5, 495, 420, 495, 420},
      {1.5, 496, 421, 495, 420},  // the same editor pixel
      {1.25, 413, 350, 413, 350},
      {2.0, 661, 561, 660, 560},
  };
  for (const Press& press : presses) {
    HostComponentHandler handler;
    PlugRef<TestVst3Plug> plug{new TestVst3Plug(TestPlugConfig{})};
    plug->initialize(nullptr);
    plug->setComponentHandler(&handler);
    auto* editor = new vo::TestView(plug.get());
    editor->SetScale(press.scale);
    editor->AttachControl(new Knob(plug.get(), IRECT(305, 252, 369, 336), 2));
    plug->ConnectGraphics(editor);
    IPlugView* view = plug->createView("editor");

    IMouseKeys right(false, true, false, false, false);
    editor->MouseDown(press.x, press.y, &right);
    editor->MouseUp(press.x, press.y, &right);
    std::string kinds;
    for (const auto& call : handler.mCalls) kinds += call.kind;
    ASSERT_EQ("mux", kinds) << press.scale;
    EXPECT_EQ(2, handler.mCalls[0].id) << press.scale;
    EXPECT_EQ(press.menuX, handler.mCalls[1].id) << press.scale << " " << press.x;
    EXPECT_EQ(press.menuY, handler.mCalls[1].value) << press.scale << " " << press.y;

    view->release();
    plug->setComponentHandler(nullptr);
    plug->terminate();
  }
}

}  // namespace
