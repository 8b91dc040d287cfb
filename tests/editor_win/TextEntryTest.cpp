// The text-entry box: characters by parameter kind, length limit, commit and
// cancel on the timer, its font, and closing with the window.

#include "EditorWinFixture.h"
#include "IPlugParameter.h"
#include "WinTextEntryFilter.h"
#include "WindowCapture.h"

namespace vo {
namespace {

std::string BoxText(HWND box) {
  char text[64] = {};
  GetWindowTextA(box, text, sizeof text);
  return text;
}

void Type(HWND box, const char* text) {
  for (const char* c = text; *c; ++c) SendMessageA(box, WM_CHAR, static_cast<WPARAM>(*c), 1);
}

TEST(WinTextEntryFilter, CharactersByParameterKind) {
  for (int kind : {IPlugParameter::kTypeBool, IPlugParameter::kTypeInt, IPlugParameter::kTypeEnum}) {
    EXPECT_FALSE(TextEntryAcceptsCharacter(kind, '.')) << kind;
    EXPECT_FALSE(TextEntryAcceptsCharacter(kind, 'a')) << kind;
    EXPECT_TRUE(TextEntryAcceptsCharacter(kind, '-')) << kind;
    EXPECT_TRUE(TextEntryAcceptsCharacter(kind, '7')) << kind;
  }
  EXPECT_TRUE(TextEntryAcceptsCharacter(IPlugParameter::kTypeDouble, '.'));
  EXPECT_TRUE(TextEntryAcceptsCharacter(IPlugParameter::kTypeDouble, '+'));
  EXPECT_FALSE(TextEntryAcceptsCharacter(IPlugParameter::kTypeDouble, 'a'));
  EXPECT_FALSE(TextEntryAcceptsCharacter(IPlugParameter::kTypeDouble, 'e'));
  EXPECT_TRUE(TextEntryAcceptsCharacter(IPlugParameter::kTypeDouble, '\b'));
  EXPECT_TRUE(TextEntryAcceptsCharacter(IPlugParameter::kTypeNone, 'a'));
}

class TextEntryTest : public EditorWinTest {
 public:
  int State() const { return editor->TextEntryState(); }
  // A changed control and a tick: the timer repaints around the box.
  void RepaintAroundBox() {
    freeProbe->MarkChanged(false);
    Tick();
  }

 protected:
  // Opens a box for the knob probe and parameter 0 (kind 4), empty.
  HWND OpenBox(int paramIdx = 0, ProbeControl* control = nullptr) {
    IRECT rect(40, 40, 140, 60);
    editor->CreateTextEntry(control ? control : knobProbe, knobProbe->GetText(), &rect, "",
                            paramIdx >= 0 ? plug->GetParam(paramIdx) : nullptr);
    return editor->TextEntryWindow();
  }
};

TEST_F(TextEntryTest, BoxTakesNumbersOfItsKindUpToTheLimit) {
  OpenEditor();
  HWND box = OpenBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(GetDlgCtrlID(box), 99);
  EXPECT_EQ(GetParent(box), Window());
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE)), 0x50000085u);  // centred
  EXPECT_EQ(SendMessageA(box, EM_GETLIMITTEXT, 0, 0), 7);
  Type(box, "1.5");
  Type(box, "a");
  EXPECT_EQ(BoxText(box), "1.5");
  Type(box, "2345678");
  EXPECT_EQ(BoxText(box), "1.52345");  // seven characters at most

  editor->CancelTextEntry();
  Tick();
  ASSERT_EQ(editor->TextEntryWindow(), nullptr);
  box = OpenBox(1, switchProbe);  // a boolean (kind 1)
  ASSERT_NE(box, nullptr);
  Type(box, "1.");
  EXPECT_EQ(BoxText(box), "1");
}

TEST_F(TextEntryTest, ReturnCommitsAtTheNextTickAndTheFontGoes) {
  OpenEditor();
  HWND box = OpenBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(GetFocus(), box);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));

  Type(box, "7.5");
  SendMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_NE(editor->TextEntryWindow(), nullptr);  // nothing happens before the tick
  EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), 5.0);
  Tick();
  EXPECT_EQ(editor->TextEntryWindow(), nullptr);
  EXPECT_FALSE(IsWindow(box));
  EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), 7.5);
  EXPECT_NEAR(knobProbe->GetValue(), 0.75, 1e-12);
  EXPECT_EQ(GetObjectType(font), 0u);
  EXPECT_EQ(editor->TextEntryState(), 0);
}

TEST_F(TextEntryTest, BoxWithoutParameterHandsItsTextToTheControl) {
  OpenEditor();
  HWND box = OpenBox(-1, freeProbe);
  ASSERT_NE(box, nullptr);
  Type(box, "a.b");
  SendMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
  Tick();
  ASSERT_EQ(freeProbe->entries.size(), 1u);
  EXPECT_EQ(freeProbe->entries[0], "a.b");
}

TEST_F(TextEntryTest, EscapePressAndWheelCancel) {
  OpenEditor();
  struct Case {
    const char* what;
    void (*act)(TextEntryTest*, HWND box);
  };
  const Case cases[] = {
      {"escape", [](TextEntryTest*, HWND box) { SendMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0); }},
      // A press cancels once the box has got the focus back (state 1).
      {"press", [](TextEntryTest* t, HWND box) {
         SetFocus(t->Window());
         SetFocus(box);
         EXPECT_EQ(t->State(), 1);
         t->Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 300, 400);
       }},
      {"right press", [](TextEntryTest* t, HWND box) {
         SetFocus(t->Window());
         SetFocus(box);
         t->Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 300, 400);
       }},
      // The wheel cancels in every state, on the editor or on the box.
      {"wheel", [](TextEntryTest* t, HWND) {
         SendMessageA(t->Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
       }},
      {"wheel while repainted", [](TextEntryTest* t, HWND) {
         t->RepaintAroundBox();
         EXPECT_EQ(t->State(), 2);
         SendMessageA(t->Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
       }},
      {"wheel on the box", [](TextEntryTest*, HWND box) { SendMessageA(box, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0); }},
  };
  for (const Case& c : cases) {
    HWND box = OpenBox();
    ASSERT_NE(box, nullptr) << c.what;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
    Type(box, "9");
    c.act(this, box);
    EXPECT_EQ(editor->TextEntryState(), 3) << c.what;
    Tick();
    EXPECT_EQ(editor->TextEntryWindow(), nullptr) << c.what;
    EXPECT_FALSE(IsWindow(box)) << c.what;
    EXPECT_EQ(GetObjectType(font), 0u) << c.what;
    EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), 5.0) << c.what;
  }
  EXPECT_TRUE(plug->hostCalls.empty());  // the presses began no gesture
  EXPECT_EQ(GetCapture(), nullptr);
}

// The box opens idle: the release of the press that opened it reaches the
// editor and ends the press's gesture, and the timer goes on painting around
// the box, which keeps the focus and its entry colours.
TEST_F(TextEntryTest, BoxOpensIdleAndTheEditorStaysLive) {
  OpenEditor();
  knobProbe->SetTextEntryOff(false);
  plug->hostCalls.clear();
  Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 90, 90);  // the knob probe's text entry
  HWND box = editor->TextEntryWindow();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(GetFocus(), box);
  EXPECT_EQ(editor->TextEntryState(), 0);
  EXPECT_EQ(GetCapture(), Window());
  Mouse(WM_RBUTTONUP, 0, 90, 90);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(knobProbe->ups, 1);
  ASSERT_EQ(plug->hostCalls.size(), 2u);
  EXPECT_EQ(plug->hostCalls[0].kind, TestPlug::HostCall::kBegin);
  EXPECT_EQ(plug->hostCalls[1].kind, TestPlug::HostCall::kEnd);

  // A changed control is painted on the next tick (state 2), and the tick
  // after returns to 0 with the box still open.
  freeProbe->SetValue(1.0);
  freeProbe->MarkChanged(false);
  Tick();
  EXPECT_EQ(editor->TextEntryState(), 2);
  WindowImage image;
  ASSERT_TRUE(CaptureWindow(Window(), &image));
  EXPECT_EQ(image.At(230, 70), ProbeControl::ColourFor(1.0) & 0x00FFFFFF);
  Tick();
  EXPECT_EQ(editor->TextEntryState(), 0);
  EXPECT_EQ(editor->TextEntryWindow(), box);
  EXPECT_EQ(GetFocus(), box);

  HDC boxDc = GetDC(box);
  const IText& style = *knobProbe->GetText();
  EXPECT_NE(SendMessageA(Window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(boxDc), reinterpret_cast<LPARAM>(box)), 0);
  EXPECT_EQ(GetBkColor(boxDc), style.mEntryBackground.ToColorRef());
  EXPECT_EQ(GetTextColor(boxDc), style.mEntryForeground.ToColorRef());
  ReleaseDC(box, boxDc);
}

// Return, a press on the editor and the box losing the focus commit; each
// commit is one gesture, and no capture is left.
TEST_F(TextEntryTest, ReturnPressAndFocusLossCommitInAGesture) {
  OpenEditor();
  struct Case {
    const char* what;
    void (*act)(TextEntryTest*, HWND box);
  };
  const Case cases[] = {
      {"return", [](TextEntryTest*, HWND box) { SendMessageA(box, WM_KEYDOWN, VK_RETURN, 0); }},
      {"press", [](TextEntryTest* t, HWND) {
         t->Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 300, 400);
         t->Mouse(WM_LBUTTONUP, 0, 300, 400);
       }},
      {"press while repainted", [](TextEntryTest* t, HWND) {
         t->RepaintAroundBox();
         t->Mouse(WM_MBUTTONDOWN, MK_MBUTTON, 300, 400);
       }},
      {"focus loss", [](TextEntryTest* t, HWND) { SetFocus(t->Window()); }},
  };
  double typed = 1.0;
  for (const Case& c : cases) {
    plug->hostCalls.clear();
    HWND box = OpenBox();
    ASSERT_NE(box, nullptr) << c.what;
    const std::string text = std::to_string(static_cast<int>(typed));
    Type(box, text.c_str());
    c.act(this, box);
    EXPECT_EQ(editor->TextEntryState(), 4) << c.what;
    Tick();
    EXPECT_EQ(editor->TextEntryWindow(), nullptr) << c.what;
    EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), typed) << c.what;
    ASSERT_EQ(plug->hostCalls.size(), 3u) << c.what;
    EXPECT_EQ(plug->hostCalls[0].kind, TestPlug::HostCall::kBegin) << c.what;
    EXPECT_EQ(plug->hostCalls[1].kind, TestPlug::HostCall::kInform) << c.what;
    EXPECT_EQ(plug->hostCalls[2].kind, TestPlug::HostCall::kEnd) << c.what;
    EXPECT_EQ(GetCapture(), nullptr) << c.what;
    typed += 1.0;
  }
}

// Closing the box or the window while the opening press is still down
// leaves neither the capture nor the press's gesture behind.
TEST_F(TextEntryTest, ClosingDuringTheOpeningPressEndsItsGesture) {
  OpenEditor();
  knobProbe->SetTextEntryOff(false);
  for (bool detach : {false, true}) {
    plug->hostCalls.clear();
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 90, 90);
    HWND box = editor->TextEntryWindow();
    ASSERT_NE(box, nullptr) << detach;
    if (detach) {
      editor->DetachView();
    } else {
      SendMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
      Tick();
    }
    EXPECT_EQ(editor->TextEntryWindow(), nullptr) << detach;
    EXPECT_EQ(GetCapture(), nullptr) << detach;
    ASSERT_EQ(plug->hostCalls.size(), 2u) << detach;
    EXPECT_EQ(plug->hostCalls[1].kind, TestPlug::HostCall::kEnd) << detach;
  }
}

TEST_F(TextEntryTest, DetachingWithABoxOpenClosesIt) {
  OpenEditor();
  HWND box = OpenBox();
  ASSERT_NE(box, nullptr);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
  editor->DetachView();
  EXPECT_EQ(editor->TextEntryWindow(), nullptr);
  EXPECT_EQ(GetObjectType(font), 0u);

  ASSERT_NE(editor->AttachToParentWindow(host->Handle()), nullptr);
  box = OpenBox();
  ASSERT_NE(box, nullptr);
  Type(box, "2");
  SendMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
  Tick();
  EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), 2.0);
}

// Resizing deletes the controls, among them the box's: the box closes at
// once instead of pointing at a deleted control until the next tick.
TEST_F(TextEntryTest, ResizingClosesTheBoxAtOnce) {
  OpenEditor();
  HWND box = OpenBox();
  ASSERT_NE(box, nullptr);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
  editor->ResizeEditor(400, 300);
  EXPECT_EQ(editor->TextEntryWindow(), nullptr);
  EXPECT_FALSE(IsWindow(box));
  EXPECT_EQ(GetObjectType(font), 0u);
  Tick();
  EXPECT_EQ(editor->TextEntryState(), 0);
}

TEST_F(TextEntryTest, HostDestroyingItsWindowTakesTheBoxAlong) {
  OpenEditor();
  HWND box = OpenBox();
  ASSERT_NE(box, nullptr);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
  host->Destroy();
  EXPECT_FALSE(IsWindow(box));
  EXPECT_EQ(editor->TextEntryWindow(), nullptr);
  EXPECT_FALSE(editor->HasOpenWindow());
  EXPECT_EQ(GetObjectType(font), 0u);

  HostWindow newHost;
  ASSERT_NE(editor->AttachToParentWindow(newHost.Handle()), nullptr);
  EXPECT_NE(OpenBox(), nullptr);
  editor->DetachView();
}

}  // namespace
}  // namespace vo
