// Images from resources, the clipboard, and the dialogs' answers without a
// window.

#include <cstring>

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

}  // namespace
}  // namespace vo
