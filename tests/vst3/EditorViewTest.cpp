// The editor view as a host drives it, in process on the headless editor:
// creation by name, platform types, attaching and removing, sizes, resize
// requests through the host frame, and the host's context menu.

#include <gtest/gtest.h>

#include <string>

#include "EditorParent.h"
#include "HostWindowing.h"
#include "HostObjects.h"
#include "IMouseKeys.h"
#include "IPlugVST3View.h"
#include "Vst3TestSupport.h"

using namespace Steinberg;
using vo::vst3host::HostComponentHandler;
using vo::vst3host::HostPlugFrame;
using vst3test::PlugRef;

namespace {

// The plug-in, counting the editor hooks the view calls.
class CountingOndelino : public VimbraOndelino {
 public:
  void OnEditorOpened() override { ++opened; }
  void OnEditorClosed() override { ++closed; }
  void OnEditorResized() override { ++resized; }
  IGraphics* Editor() const { return GetGUI(); }
  int opened = 0, closed = 0, resized = 0;
};

// Two host windows for every test: a visible top-level window costs seconds
// to make and destroy under Wine.
vo::HostWindow& SharedHostWindow(int which) {
  static vo::HostWindow* windows[2] = {new vo::HostWindow(600, 600), new vo::HostWindow(600, 600)};
  return *windows[which];
}

class Vst3EditorView : public testing::Test {
 protected:
  void SetUp() override {
    plug->initialize(nullptr);
    plug->setComponentHandler(&handler);
  }
  void TearDown() override { plug->terminate(); }

  // Right press and release on "Dry/Wet".
  void RightClickDryWet() {
    IMouseKeys right(false, true, false, false, false);
    plug->Editor()->MouseDown(330, 280, &right);
    plug->Editor()->MouseUp(330, 280, &right);
  }

  HostComponentHandler handler;
  void* hostWindowA = SharedHostWindow(0).Handle();
  void* hostWindowB = SharedHostWindow(1).Handle();
  PlugRef<CountingOndelino> plug{new CountingOndelino};
};

}  // namespace

TEST_F(Vst3EditorView, OnlyTheNameEditorMakesAView) {
  EXPECT_EQ(nullptr, plug->createView("Editor"));
  EXPECT_EQ(nullptr, plug->createView(nullptr));
  IPlugView* view = plug->createView("editor");
  ASSERT_NE(nullptr, view);
  EXPECT_EQ(1u, plug->Views().size());
  EXPECT_EQ(kResultOk, view->isPlatformTypeSupported(kPlatformTypeHWND));
  EXPECT_EQ(kResultFalse, view->isPlatformTypeSupported(kPlatformTypeNSView));
  // The view holds a reference on the plug-in until the host releases it.
  const uint32 withView = plug->addRef();
  plug->release();
  EXPECT_EQ(0u, view->release());
  EXPECT_EQ(withView - 1, plug->addRef());
  plug->release();
  EXPECT_TRUE(plug->Views().empty());
}

TEST_F(Vst3EditorView, AttachSizesAndRemove) {
  IPlugView* view = plug->createView("editor");
  HostPlugFrame frame;
  EXPECT_EQ(kResultTrue, view->setFrame(&frame));
  ASSERT_EQ(kResultOk, view->attached(hostWindowA, kPlatformTypeHWND));
  EXPECT_EQ(hostWindowA, EditorParent(plug->Editor()));
  EXPECT_EQ(1, plug->opened);

  ViewRect size(9, 9, 9, 9);
  EXPECT_EQ(kResultOk, view->getSize(&size));
  EXPECT_EQ(0, size.left);
  EXPECT_EQ(0, size.top);
  EXPECT_EQ(464, size.right);
  EXPECT_EQ(480, size.bottom);
  EXPECT_EQ(kInvalidArgument, view->getSize(nullptr));

  // A size the host sends on its own is only stored.
  EXPECT_EQ(kResultOk, view->onSize(nullptr));
  ViewRect hostSize(0, 0, 500, 500);
  EXPECT_EQ(kResultOk, view->onSize(&hostSize));
  EXPECT_EQ(0, plug->resized);
  // A resize the editor asks for goes through the host frame and completes
  // with the host's onSize.
  plug->InformHostOfEditorResize(300, 200);
  ASSERT_EQ(1u, frame.mRequests.size());
  EXPECT_EQ(300, frame.mRequests[0].right);
  EXPECT_EQ(200, frame.mRequests[0].bottom);
  EXPECT_EQ(1, plug->resized);

  EXPECT_EQ(kResultOk, view->removed());
  EXPECT_EQ(nullptr, EditorParent(plug->Editor()));
  EXPECT_EQ(1, plug->closed);
  view->release();
}

// A platform type other than a window handle opens nothing.
TEST_F(Vst3EditorView, AnotherPlatformTypeOpensNothing) {
  IPlugView* view = plug->createView("editor");
  EXPECT_EQ(kResultFalse, view->attached(hostWindowA, kPlatformTypeNSView));
  EXPECT_EQ(nullptr, EditorParent(plug->Editor()));
  EXPECT_EQ(0, plug->opened);
  view->release();
}

TEST_F(Vst3EditorView, ARightClickAsksTheHostForTheParameterMenu) {
  IPlugView* view = plug->createView("editor");
  view->attached(hostWindowA, kPlatformTypeHWND);
  RightClickDryWet();
  std::string kinds;
  for (const auto& call : handler.mCalls) kinds += call.kind;
  // Menu made, popped up, given back; no gesture begins, so the release
  // ends none.
  ASSERT_EQ("mux", kinds);
  EXPECT_EQ('m', handler.mCalls[0].kind);
  EXPECT_EQ(3, handler.mCalls[0].id);
  EXPECT_EQ(view, handler.mCalls[0].view);
  EXPECT_EQ('u', handler.mCalls[1].kind);
  EXPECT_EQ(330, handler.mCalls[1].id);
  EXPECT_EQ(280.0, handler.mCalls[1].value);
  EXPECT_EQ(0, handler.mOpenMenus);

  // A handler without menus gets no request.
  handler.mCalls.clear();
  handler.mOffersContextMenus = false;
  RightClickDryWet();
  EXPECT_TRUE(handler.mCalls.empty());
  view->removed();
  view->release();
}

// Closing the first of two open views leaves the editor window in the
// second, which then serves the menus.
TEST_F(Vst3EditorView, RemovingTheFirstOfTwoViewsLeavesTheSecondOpen) {
  IPlugView* first = plug->createView("editor");
  IPlugView* second = plug->createView("editor");
  first->attached(hostWindowA, kPlatformTypeHWND);
  second->attached(hostWindowB, kPlatformTypeHWND);
  EXPECT_EQ(hostWindowB, EditorParent(plug->Editor()));

  first->removed();
  first->release();
  EXPECT_EQ(hostWindowB, EditorParent(plug->Editor()));
  ASSERT_EQ(1u, plug->Views().size());
  RightClickDryWet();
  ASSERT_FALSE(handler.mCalls.empty());
  EXPECT_EQ(second, handler.mCalls[0].view);

  second->removed();
  EXPECT_EQ(nullptr, EditorParent(plug->Editor()));
  second->release();
}
