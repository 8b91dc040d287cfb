// Mouse gestures and keys through the window procedure.

#include "EditorWinFixture.h"

namespace vo {
namespace {

using Kind = TestPlug::HostCall::Kind;

TEST_F(EditorWinTest, PressMoveReleaseIsOneGestureWithValues) {
  OpenEditor();
  plug->hostCalls.clear();
  Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 90, 90);
  EXPECT_EQ(GetCapture(), Window());
  Mouse(WM_MOUSEMOVE, MK_LBUTTON, 90, 80);  // up by a tenth of the probe
  Mouse(WM_MOUSEMOVE, MK_LBUTTON, 90, 70);
  Mouse(WM_LBUTTONUP, 0, 90, 70);
  EXPECT_EQ(GetCapture(), nullptr);

  ASSERT_EQ(plug->hostCalls.size(), 4u);
  EXPECT_EQ(plug->hostCalls[0].kind, Kind::kBegin);
  EXPECT_EQ(plug->hostCalls[1].kind, Kind::kInform);
  EXPECT_NEAR(plug->hostCalls[1].value, 0.6, 1e-9);
  EXPECT_EQ(plug->hostCalls[2].kind, Kind::kInform);
  EXPECT_NEAR(plug->hostCalls[2].value, 0.7, 1e-9);
  EXPECT_EQ(plug->hostCalls[3].kind, Kind::kEnd);
  for (const auto& call : plug->hostCalls) EXPECT_EQ(call.index, 0);
  EXPECT_EQ(knobProbe->ups, 1);
}

TEST_F(EditorWinTest, MiddleButtonReleaseEndsTheGesture) {
  OpenEditor();
  plug->hostCalls.clear();
  Mouse(WM_MBUTTONDOWN, MK_MBUTTON, 90, 90);
  EXPECT_EQ(GetCapture(), Window());
  Mouse(WM_MBUTTONUP, 0, 90, 90);
  EXPECT_EQ(GetCapture(), nullptr);
  ASSERT_EQ(plug->hostCalls.size(), 2u);
  EXPECT_EQ(plug->hostCalls[0].kind, Kind::kBegin);
  EXPECT_EQ(plug->hostCalls[1].kind, Kind::kEnd);
  EXPECT_EQ(editor->GetCaptureIdx(), -1);
}

TEST_F(EditorWinTest, WheelGivesWholeNotchesAtTheWindowPoint) {
  OpenEditor();
  // The wheel carries screen coordinates.
  POINT p = {220, 60};
  ClientToScreen(Window(), &p);
  SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, 240), MAKELPARAM(p.x, p.y));
  SendMessageA(Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), MAKELPARAM(p.x, p.y));
  ASSERT_EQ(freeProbe->notches.size(), 2u);
  EXPECT_EQ(freeProbe->notches[0], 2);
  EXPECT_EQ(freeProbe->notches[1], -1);
}

TEST_F(EditorWinTest, KeysTheEditorKnowsAndKeysForTheHost) {
  OpenEditor();
  auto* catcher = new ProbeControl(plug.get(), IRECT(), -1);
  editor->SetKeyCatcher(catcher);
  // Keys go to the catcher while the pointer is over no control (the
  // screen's corner is outside the probes, or on the background).
  SetCursorPos(0, 0);

  for (int key : {65, 48, 32}) SendMessageA(Window(), WM_KEYDOWN, static_cast<WPARAM>(key), 0);
  ASSERT_EQ(catcher->keys.size(), 3u);
  EXPECT_EQ(catcher->keys[0], 15);
  EXPECT_EQ(catcher->keys[1], 5);
  EXPECT_EQ(catcher->keys[2], 0);
  EXPECT_TRUE(host->keysDown.empty());

  // Numeric keypad 1 and F1 are no letters: they go to the host's window.
  SendMessageA(Window(), WM_KEYDOWN, 97, 0);
  SendMessageA(Window(), WM_KEYDOWN, 112, 0);
  EXPECT_EQ(catcher->keys.size(), 3u);
  ASSERT_EQ(host->keysDown.size(), 2u);
  EXPECT_EQ(host->keysDown[0], 97u);
  EXPECT_EQ(host->keysDown[1], 112u);
}

}  // namespace
}  // namespace vo
