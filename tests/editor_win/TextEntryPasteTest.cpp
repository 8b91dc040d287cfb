// Text that reaches a parameter's box other than by typing (pasted by
// message, by keys or through the box's own menu, set, or put in by the
// EDIT's own commands) passes the same characters and length as typed text;
// a change that would put one refused character in the box is refused whole.

#include <cstring>
#include <string>

#include "EditorWinFixture.h"
#include "IPlugParameter.h"
#include "WinTextEntryFilter.h"

namespace vo {
namespace {

constexpr int kDouble = IPlugParameter::kTypeDouble;
constexpr int kBool = IPlugParameter::kTypeBool;

TEST(WinTextEntryFilter, ReplacementsTakeTheKindsCharactersUpToTheLimit) {
  EXPECT_TRUE(TextEntryAcceptsReplacement(kDouble, 7, 0, 0, "30"));
  EXPECT_TRUE(TextEntryAcceptsReplacement(kDouble, 7, 0, 0, "-1.5"));
  EXPECT_FALSE(TextEntryAcceptsReplacement(kDouble, 7, 0, 0, "abc"));
  EXPECT_FALSE(TextEntryAcceptsReplacement(kDouble, 7, 0, 0, " 30"));
  EXPECT_FALSE(TextEntryAcceptsReplacement(kDouble, 7, 0, 0, "1e2"));
  EXPECT_FALSE(TextEntryAcceptsReplacement(kDouble, 7, 0, 0, "30\r\n"));
  EXPECT_FALSE(TextEntryAcceptsReplacement(kDouble, 7, 0, 0, "\xc2\xbd"));  // one half, in UTF-8
  EXPECT_FALSE(TextEntryAcceptsReplacement(kBool, 7, 0, 0, "1."));
  EXPECT_TRUE(TextEntryAcceptsReplacement(kBool, 7, 0, 0, "+1"));
  // Seven characters at most, counted after the replacement.
  EXPECT_FALSE(TextEntryAcceptsReplacement(kDouble, 7, 0, 0, "12345678"));
  EXPECT_TRUE(TextEntryAcceptsReplacement(kDouble, 7, 5, 0, "12"));
  EXPECT_FALSE(TextEntryAcceptsReplacement(kDouble, 7, 5, 0, "123"));
  EXPECT_TRUE(TextEntryAcceptsReplacement(kDouble, 7, 5, 1, "123"));
  // Over a text already longer than the limit: no change may lengthen it.
  EXPECT_TRUE(TextEntryAcceptsReplacement(kDouble, 7, 10, 1, ""));
  EXPECT_TRUE(TextEntryAcceptsReplacement(kDouble, 7, 10, 1, "1"));
  EXPECT_FALSE(TextEntryAcceptsReplacement(kDouble, 7, 10, 1, "12"));
  // A removal larger than the text removes the text.
  EXPECT_TRUE(TextEntryAcceptsReplacement(kDouble, 7, 2, 9, "1234567"));
  EXPECT_TRUE(TextEntryAcceptsReplacement(kDouble, 0, 0, 0, "123456789012"));  // no limit
  EXPECT_TRUE(TextEntryAcceptsReplacement(IPlugParameter::kTypeNone, 7, 0, 0, "a b"));
}

TEST(WinTextEntryFilter, ChangesAreJudgedByWhatTheyInsert) {
  EXPECT_TRUE(TextEntryAcceptsChange(kDouble, 7, "", "30"));
  EXPECT_TRUE(TextEntryAcceptsChange(kDouble, 7, "", ""));
  EXPECT_FALSE(TextEntryAcceptsChange(kDouble, 7, "", "abc"));
  EXPECT_FALSE(TextEntryAcceptsChange(kDouble, 7, "50", " 50"));
  EXPECT_FALSE(TextEntryAcceptsChange(kDouble, 7, "12", "1e2"));
  EXPECT_FALSE(TextEntryAcceptsChange(kDouble, 7, "5", "5a"));
  EXPECT_TRUE(TextEntryAcceptsChange(kDouble, 7, "55", "555"));
  EXPECT_TRUE(TextEntryAcceptsChange(kDouble, 7, "1.5", "9"));
  EXPECT_FALSE(TextEntryAcceptsChange(kDouble, 7, "1234567", "12345678"));
  // A text the box opened with keeps what it had: removing from it, or
  // adding accepted characters, passes.
  EXPECT_TRUE(TextEntryAcceptsChange(kDouble, 7, "-inf", "-in"));
  EXPECT_TRUE(TextEntryAcceptsChange(kDouble, 7, "-inf", "-i5nf"));
  EXPECT_FALSE(TextEntryAcceptsChange(kDouble, 7, "-inf", "-inff"));
}

TEST(WinTextEntryFilter, APasteLosesOnlyTheLineBreaksThatEndIt) {
  for (const char* pasted : {"7.5\r\n", "7.5\n", "7.5\r", "7.5\r\n\r\n"}) EXPECT_EQ(TextEntryPastedText(pasted), "7.5");
  EXPECT_EQ(TextEntryPastedText("\r\n7.5\r\nx"), "\r\n7.5\r\nx");
}

TEST(WinTextEntryFilter, TheEditingCommandsPassAsTypedCharacters) {
  for (unsigned command : {0x03u, 0x16u, 0x18u, 0x1Au}) {
    EXPECT_TRUE(TextEntryAcceptsCharacter(kDouble, command)) << command;
    EXPECT_FALSE(TextEntryCharacterInSet(kDouble, command)) << command;
  }
  EXPECT_FALSE(TextEntryAcceptsCharacter(kDouble, '\r'));
  EXPECT_FALSE(TextEntryAcceptsCharacter(kDouble, '\n'));
  EXPECT_FALSE(TextEntryAcceptsCharacter(kDouble, '\t'));
  EXPECT_FALSE(TextEntryAcceptsCharacter(kDouble, 0x01));
}

std::string BoxText(HWND box) {
  char text[64] = {};
  GetWindowTextA(box, text, sizeof text);
  return text;
}

void SetClipboard(HWND owner, const char* text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  const size_t length = std::strlen(text);
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (length + 1) * sizeof(wchar_t));
  auto* wide = static_cast<wchar_t*>(GlobalLock(data));
  for (size_t i = 0; i <= length; ++i) wide[i] = static_cast<unsigned char>(text[i]);
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
}

// Presses a key of the box's own menu from inside the menu's modal loop.
UINT_PTR gMenuKeyTimer = 0;
HWND gMenuKeyTarget = nullptr;
void CALLBACK PressPasteInMenu(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, gMenuKeyTimer);
  PostMessageA(gMenuKeyTarget, WM_CHAR, 'p', 1);
}

// Sends a key with the modifier held in the thread's key state, as a key
// press made with it reaches the box.
void KeyWith(HWND box, int modifier, WPARAM key) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  const BYTE saved = state[modifier];
  state[modifier] = 0x80;
  SetKeyboardState(state);
  SendMessageA(box, WM_KEYDOWN, key, 1);
  state[modifier] = saved;
  SetKeyboardState(state);
}

struct PastePath {
  const char* what;
  void (*paste)(HWND box);
};
const PastePath kPastePaths[] = {
    {"WM_PASTE", [](HWND box) { SendMessageA(box, WM_PASTE, 0, 0); }},
    {"ctrl+V", [](HWND box) { SendMessageA(box, WM_CHAR, 0x16, 1); }},
    {"shift+Insert", [](HWND box) { KeyWith(box, VK_SHIFT, VK_INSERT); }},
    {"the box's menu", [](HWND box) {
       RECT r = {};
       GetWindowRect(box, &r);
       gMenuKeyTarget = box;
       gMenuKeyTimer = SetTimer(nullptr, 0, 50, PressPasteInMenu);
       SendMessageA(box, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), MAKELPARAM(r.left + 2, r.top + 2));
     }},
};

class TextEntryPasteTest : public EditorWinTest {
 protected:
  // A box for the knob probe and parameter 0 (kind 4, 0 to 10) holding
  // text, all of it selected.
  HWND OpenBox(const char* text = "", int paramIdx = 0) {
    IRECT rect(40, 40, 140, 60);
    editor->CreateTextEntry(knobProbe, knobProbe->GetText(), &rect, text,
                            paramIdx >= 0 ? plug->GetParam(paramIdx) : nullptr);
    return editor->TextEntryWindow();
  }
  void CancelBox() {
    editor->CancelTextEntry();
    Tick();
  }
};

TEST_F(TextEntryPasteTest, RefusedTextReachesTheBoxByNoPasteAndAcceptedTextByEvery) {
  OpenEditor();
  for (const PastePath& path : kPastePaths) {
    // What a paste leaves in an empty box; a line break that ends it (a
    // copied spreadsheet cell has one) is dropped.
    const char* const pastes[][2] = {{"abc", ""}, {" 30", ""}, {"1e2", ""}, {"12345678", ""}, {"7.5\r\nx", ""},
                                     {"7.5", "7.5"}};
    for (const auto& paste : pastes) {
      HWND box = OpenBox();
      ASSERT_NE(box, nullptr);
      SetClipboard(Window(), paste[0]);
      path.paste(box);
      EXPECT_EQ(BoxText(box), paste[1]) << path.what << " \"" << paste[0] << "\"";
      CancelBox();
    }
    HWND box = OpenBox();
    ASSERT_NE(box, nullptr);
    SetClipboard(Window(), "7.5\r\n");
    path.paste(box);
    EXPECT_EQ(BoxText(box), "7.5") << path.what;
    SendMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
    Tick();
    EXPECT_EQ(editor->TextEntryWindow(), nullptr) << path.what;
    EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), 7.5) << path.what;
    plug->GetParam(0)->SetFromNormalized(0.5);
    knobProbe->SetValue(0.5);
  }
}

// A paste replaces the selection; what counts is the text it would leave.
TEST_F(TextEntryPasteTest, APasteIsJudgedWithTheTextItWouldReplace) {
  OpenEditor();
  HWND box = OpenBox("12345");
  ASSERT_NE(box, nullptr);
  SetClipboard(Window(), "99");
  SendMessageA(box, EM_SETSEL, 5, 5);
  SendMessageA(box, WM_PASTE, 0, 0);
  EXPECT_EQ(BoxText(box), "1234599");
  SendMessageA(box, EM_SETSEL, 7, 7);
  SendMessageA(box, WM_PASTE, 0, 0);  // nine characters
  EXPECT_EQ(BoxText(box), "1234599");
  SendMessageA(box, EM_SETSEL, 0, 2);
  SendMessageA(box, WM_PASTE, 0, 0);
  EXPECT_EQ(BoxText(box), "9934599");
  SendMessageA(box, EM_SETSEL, 0, -1);
  SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("7.5\r\n"));
  EXPECT_EQ(BoxText(box), "7.5");
}

// Whatever other path changes the text, the box returns to the last text it
// accepted, with the selection it had before the change.
TEST_F(TextEntryPasteTest, AnyOtherChangeThatBringsARefusedCharacterIsUndone) {
  OpenEditor();
  HWND box = OpenBox("12");
  ASSERT_NE(box, nullptr);
  SendMessageA(box, EM_SETSEL, 1, 1);
  SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("a"));
  EXPECT_EQ(BoxText(box), "12");
  DWORD start = 9, end = 9;
  SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 1u);
  SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("3"));
  EXPECT_EQ(BoxText(box), "132");
  // Undo goes back to an accepted text.
  SendMessageA(box, EM_UNDO, 0, 0);
  EXPECT_EQ(BoxText(box), "12");
  SendMessageA(box, EM_SETSEL, 0, -1);
  SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("12345678"));
  EXPECT_EQ(BoxText(box), "12");

  EXPECT_FALSE(SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc")));
  EXPECT_EQ(BoxText(box), "12");
  EXPECT_TRUE(SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("-4")));
  EXPECT_EQ(BoxText(box), "-4");
  // The commit takes the accepted text.
  SendMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
  Tick();
  EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), 0.0);  // clamped to the range
}

// Paths the box's own procedure never sees (here the EDIT class's
// procedure called directly, as a key path that pastes inside the EDIT
// would): the box's change reports undo them, and what they leave unreported
// is not committed.
TEST_F(TextEntryPasteTest, ChangesBehindTheBoxsBackAreUndoneOrNotCommitted) {
  OpenEditor();
  WNDCLASSA editClass = {};
  ASSERT_TRUE(GetClassInfoA(nullptr, "EDIT", &editClass));
  const WNDPROC edit = editClass.lpfnWndProc;
  HWND box = OpenBox("12");
  ASSERT_NE(box, nullptr);
  SendMessageA(box, EM_SETSEL, 1, 1);
  CallWindowProcA(edit, box, WM_CHAR, 'e', 1);
  EXPECT_EQ(BoxText(box), "12");
  CallWindowProcA(edit, box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(" 3"));
  EXPECT_EQ(BoxText(box), "12");
  DWORD start = 9, end = 9;
  SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 1u);
  CallWindowProcA(edit, box, WM_CHAR, '9', 1);
  EXPECT_EQ(BoxText(box), "192");

  // A multi-line EDIT reports no change for a text set this way.
  CallWindowProcA(edit, box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
  SendMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
  Tick();
  EXPECT_EQ(editor->TextEntryWindow(), nullptr);
  EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), 10.0);  // 192, clamped to the range
}

// Typing is filtered as before; a box without parameter takes anything.
TEST_F(TextEntryPasteTest, TypingIsUnchangedAndABoxWithoutParameterTakesAnyPaste) {
  OpenEditor();
  HWND box = OpenBox();
  ASSERT_NE(box, nullptr);
  for (const char* c = "1a.5 e"; *c; ++c) SendMessageA(box, WM_CHAR, static_cast<WPARAM>(*c), 1);
  EXPECT_EQ(BoxText(box), "1.5");
  SendMessageA(box, WM_CHAR, '\b', 1);
  EXPECT_EQ(BoxText(box), "1.");
  CancelBox();

  box = OpenBox("", -1);
  ASSERT_NE(box, nullptr);
  SetClipboard(Window(), "a b");
  SendMessageA(box, WM_PASTE, 0, 0);
  EXPECT_EQ(BoxText(box), "a b");
  CancelBox();
}

}  // namespace
}  // namespace vo
