// Images from resources, the clipboard, and the dialogs' answers without a
// window.

#include <cstring>
#include <memory>

#include "EditorWinFixture.h"
#include "lice_bitmap.h"
#include "resource.h"

namespace vo {
namespace {

TEST_F(EditorWinTest, BitmapResourcesLoadOnlyForPngNames) {
  OpenEditor();
  LICE_IBitmap* knob = editor->LoadBitmapResource(KNOB_ID, "knob.PNG");
  ASSERT_NE(knob, nullptr);
  EXPECT_EQ(knob->PixelWidth(), 64);
  EXPECT_EQ(knob->PixelHeight(), 12800);
  delete knob;
  EXPECT_EQ(editor->LoadBitmapResource(KNOB_ID, "a.jpg"), nullptr);
  EXPECT_EQ(editor->LoadBitmapResource(KNOB_ID, ""), nullptr);
  EXPECT_EQ(editor->LoadBitmapResource(KNOB_ID, nullptr), nullptr);
  EXPECT_EQ(editor->LoadBitmapResource(KNOB_ID, "png"), nullptr);  // no dot: compared from "ng"
  EXPECT_EQ(editor->LoadBitmapResource(999, "missing.png"), nullptr);
}

TEST_F(EditorWinTest, ClipboardTextReadsBackAsUtf8) {
  OpenEditor();
  const wchar_t text[] = L"caf\u00e9";
  ASSERT_TRUE(OpenClipboard(Window()));
  EmptyClipboard();
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
  std::memcpy(GlobalLock(data), text, sizeof text);
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();

  StringBuffer out;
  ASSERT_TRUE(editor->ReadClipboardText(&out));
  EXPECT_STREQ(out.Get(), "caf\xc3\xa9");

  ASSERT_TRUE(OpenClipboard(Window()));
  EmptyClipboard();
  CloseClipboard();
  out.Set("old");
  EXPECT_FALSE(editor->ReadClipboardText(&out));
  EXPECT_STREQ(out.Get(), "");
}

TEST_F(EditorWinTest, DialogsWithoutAWindowAnswerAtOnce) {
  OpenEditor();
  editor->DetachView();
  StringBuffer file, dir;
  file.Set("preset.fxp");
  editor->ShowFileDialog(&file, 0, &dir, "fxp fxb");
  EXPECT_STREQ(file.Get(), "");
  IColor colour(255, 1, 2, 3);
  EXPECT_FALSE(editor->PromptForColor(&colour, "Colour"));
  EXPECT_EQ(editor->GetPickedColor(), kColorBlack);
  EXPECT_STREQ(editor->GraphicsApiName(), "Windows GDI");
}

TEST_F(EditorWinTest, FileDialogShowsNothingForExtensionsThatDoNotFit) {
  OpenEditor();
  StringBuffer file, dir;
  file.Set("preset.fxp");
  editor->ShowFileDialog(&file, 0, &dir, "averyveryverylongextension");
  EXPECT_STREQ(file.Get(), "");
}

TEST_F(EditorWinTest, FolderPathsEndInABackslash) {
  OpenEditor();
  StringBuffer path;
  editor->HostExecutablePath(&path);
  ASSERT_GT(path.GetLength(), 0);
  EXPECT_EQ(path.Get()[path.GetLength() - 1], '\\');
  editor->ModuleFilePath(&path);  // the test program is the module here
  ASSERT_GT(path.GetLength(), 0);
  EXPECT_EQ(path.Get()[path.GetLength() - 1], '\\');
  editor->AppDataFolderPath(&path, false);
  EXPECT_GT(path.GetLength(), 0);
}

// A host's top-level window (hidden: quick to make under Wine) holding the
// window the editor opens in.
struct HostFrame {
  HWND top = nullptr;
  HWND view = nullptr;
  HostFrame() {
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = DefWindowProcA;
    frameClass.hInstance = GetModuleHandleA(nullptr);
    frameClass.lpszClassName = "VoTestHostFrame";
    RegisterClassA(&frameClass);  // fails harmlessly when already registered
    top = CreateWindowExA(0, "VoTestHostFrame", "host", WS_OVERLAPPEDWINDOW, 0, 0, 600, 600, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
    view = CreateWindowExA(0, "VoTestHostFrame", "view", WS_CHILD | WS_VISIBLE, 0, 0, 500, 500, top, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }
  ~HostFrame() {
    if (IsWindow(top)) DestroyWindow(top);
  }
};

// The owner of the message box that a thread timer finds and answers.
HWND gBoxOwner = nullptr;
UINT_PTR gBoxTimer = 0;

BOOL CALLBACK AnswerMessageBox(HWND window, LPARAM) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  gBoxOwner = GetWindow(window, GW_OWNER);
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK AnswerNextMessageBox(HWND, UINT, UINT_PTR, DWORD) {
  if (EnumThreadWindows(GetCurrentThreadId(), AnswerMessageBox, 0)) return;  // not shown yet
  KillTimer(nullptr, gBoxTimer);
}

int ShowAnsweredMessageBox(IGraphicsWin* editor) {
  gBoxOwner = nullptr;
  gBoxTimer = SetTimer(nullptr, 0, 50, AnswerNextMessageBox);
  const int answer = editor->ShowMessageBox("Preset saved.", "VimbraOndelino", MB_OK);
  KillTimer(nullptr, gBoxTimer);
  return answer;
}

// Each box is owned by the host's top-level window of the moment: after
// the host replaced its window, by the new one of the same class, whether
// or not the editor has been opened in it.
TEST_F(EditorWinTest, MessageBoxesAreOwnedByTheHostsCurrentTopLevelWindow) {
  OpenEditor();
  auto first = std::make_unique<HostFrame>();
  ASSERT_NE(editor->AttachToParentWindow(first->view), nullptr);
  EXPECT_EQ(ShowAnsweredMessageBox(editor), IDOK);
  EXPECT_EQ(gBoxOwner, first->top);

  // The host replaces its window; the editor window went with the old one.
  first.reset();
  HostFrame second;
  EXPECT_EQ(editor->NativeWindowHandle(), nullptr);
  EXPECT_EQ(ShowAnsweredMessageBox(editor), IDOK);
  EXPECT_EQ(gBoxOwner, second.top);

  HostFrame third;
  ASSERT_NE(editor->AttachToParentWindow(third.view), nullptr);
  EXPECT_EQ(ShowAnsweredMessageBox(editor), IDOK);
  EXPECT_EQ(gBoxOwner, third.top);
  editor->DetachView();
}

}  // namespace
}  // namespace vo
