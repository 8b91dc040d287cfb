// Host scenarios for what a user does around the editor in an AAX host:
// another window takes the mouse in the middle of a drag, and text is pasted
// into a value box by keys, by message and through the box's own menu. They
// need windows (Windows under Wine) and run at display scale 1.

#include "HostDesktop.h"
#include "HostIds.h"
#include "HostObjects.h"
#include "HostWindowing.h"
#include "PluginEditorFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace fakehost {
namespace {

using testing::IsEmpty;

// Virtual keys: Return, control, shift, Insert.
constexpr int kReturnKey = 0x0D;
constexpr int kControlKey = 0x11, kShiftKey = 0x10, kInsertKey = 0x2D;

class PluginEditorHostInput : public PluginEditorHost {
protected:
  // The editor open in the shared host window, at display scale 1.
  void SetUp() override {
    if (!vo::HasWindows()) GTEST_SKIP() << "no windows on this platform";
    if (ExpectedScale() != 1.0) GTEST_SKIP() << "scaled run";
    PluginEditorHost::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_EQ(0, gui->Bind());
    ASSERT_EQ(0, gui->Attach());
    child = Child();
    ASSERT_NE(nullptr, child);
  }

  void TearDown() override {
    if (session && gui) {
      EXPECT_EQ(0, gui->Unbind());
    }
    PluginEditorHost::TearDown();
  }

  // A box opened on the "Dry/Wet" value text and emptied; null when none.
  void* OpenEmptyBox() { return vo::OpenEmptiedTextBox(child, 337, 328); }

  void* child = nullptr;
};

const std::string kTouch = "controllerA.automation[7](\"4\")";
const std::string kRelease = "controllerA.automation[8](\"4\")";

// A drag on "Dry/Wet", then the host's window takes the mouse: every touch
// has its release at once, and the release that follows sends nothing.
TEST_F(PluginEditorHostInput, AnotherWindowTakingTheMouseEndsTheDragAtOnce) {
  const size_t mark = session->host.Calls().size();
  vo::PressAndDragWindow(child, 337, 294, 337, 270);
  const std::vector<std::string> dragged = Automation(mark);
  ASSERT_FALSE(dragged.empty());
  EXPECT_EQ(kTouch, dragged.front());
  EXPECT_THAT(effect->gestures.Problems(), testing::Not(IsEmpty()));  // the drag's touch is open

  vo::TakeMouseCapture(window.Handle());
  const std::vector<std::string> taken = Automation(mark);
  EXPECT_EQ(dragged.size() + 1, taken.size());
  EXPECT_EQ(kRelease, taken.back());
  EXPECT_THAT(effect->gestures.Problems(), IsEmpty());
  EXPECT_EQ(window.Handle(), vo::CaptureWindow());

  vo::ReleaseMouseCapture();
  vo::PostRelease(child, 337, 270);
  vo::PumpMessages(60);
  EXPECT_EQ(taken, Automation(mark));
}

struct PastePath {
  const char* what;
  std::function<void(void* box)> paste;
};

std::vector<PastePath> PastePaths() {
  return {
      {"ctrl+V", [](void*) { vo::SendKeyChord(kControlKey, 'V'); }},
      {"shift+Insert", [](void*) { vo::SendKeyChord(kShiftKey, kInsertKey); }},
      {"WM_PASTE", [](void* box) { vo::PostPaste(box); }},
      {"the box's menu", [](void* box) { vo::PostContextMenuChoice(box, 'p'); }},
  };
}

// Refused text pasted into an empty "Dry/Wet" box by every path leaves it
// empty; "30" shows, a paste's closing line break is dropped, and Return
// sets 30 %.
TEST_F(PluginEditorHostInput, PastedTextPassesTheBoxsFilter) {
  const char* const pastes[][2] = {{"abc", ""}, {" 30", ""}, {"1e2", ""}, {"7.5\r\nx", ""}, {"30", "30"},
                                   {"7.5\r\n", "7.5"}};
  for (const PastePath& path : PastePaths()) {
    for (const auto& paste : pastes) {
      void* box = OpenEmptyBox();
      ASSERT_NE(nullptr, box) << path.what;
      ASSERT_TRUE(vo::SetClipboardText(paste[0]));
      path.paste(box);
      vo::PumpMessages(200);
      EXPECT_EQ(paste[1], vo::WindowText(box)) << path.what << " \"" << paste[0] << "\"";
      vo::CancelTextBox(box);
    }
  }
  effect->AnswerRequests();
  EXPECT_EQ("50.00%", effect->FormatCurrent("4"));

  const size_t mark = session->host.Calls().size();
  ASSERT_NE(nullptr, OpenEmptyBox());
  ASSERT_TRUE(vo::SetClipboardText("30"));
  vo::SendKeyChord(kControlKey, 'V');
  vo::PumpMessages(100);
  vo::PostKey(kReturnKey);
  vo::PumpMessages(150);
  EXPECT_THAT(Automation(mark), testing::ElementsAre(kTouch, kRelease, kTouch, kTouch,
                                                     "controllerA.automation[5](\"4\", 0.3)", kRelease, kRelease));
  effect->AnswerRequests();
  EXPECT_NEAR(0.30, effect->Read("4"), 1e-9);
  EXPECT_EQ("30.00%", effect->FormatCurrent("4"));
}

}  // namespace
}  // namespace fakehost
