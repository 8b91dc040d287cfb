// Popup menus: labels, flags and id numbering of the Windows menu, and the
// chosen item found back in the editor's menu.

#include <string>

#include "EditorWinFixture.h"
#include "IPopupMenu.h"
#include "WinPopupMenu.h"

namespace vo {
namespace {

std::string Label(HMENU menu, int position) {
  char text[64] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

// a0 a1 [sub: b0 b1 [subsub: c0]] a3, with the submenu third.
struct NestedMenu {
  IPopupMenu top;
  IPopupMenu* sub = new IPopupMenu;
  IPopupMenu* subsub = new IPopupMenu;
  NestedMenu() {
    subsub->AddItem("c0");
    sub->AddItem("b0");
    sub->AddItem("b1", 0, subsub);
    top.AddItem("a0");
    top.AddItem("a1");
    top.AddItem("sub", 0, sub);
    top.AddItem("a3");
  }
};

TEST(WinPopupMenu, PrefixesAndFlags) {
  IPopupMenu menu;
  menu.SetPrefix(IPopupMenu::kPrefixTwoDigits);
  menu.AddItem("Slow");
  menu.AddItem("Fast", IPopupMenu::kItemChecked);
  menu.AddSeparator();
  menu.AddItem("Greyed", IPopupMenu::kItemGreyed);
  menu.AddItem("Disabled", IPopupMenu::kItemDisabled);
  HMENU built = BuildWinPopupMenu(menu);
  ASSERT_NE(built, nullptr);
  ASSERT_EQ(GetMenuItemCount(built), 5);
  EXPECT_EQ(Label(built, 0), "01: Slow");
  EXPECT_EQ(Label(built, 1), "02: Fast");
  EXPECT_EQ(GetMenuItemID(built, 0), 0u);
  EXPECT_EQ(GetMenuItemID(built, 4), 4u);
  EXPECT_TRUE(GetMenuState(built, 1, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(built, 0, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(built, 2, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(GetMenuState(built, 3, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), static_cast<UINT>(MF_GRAYED));
  EXPECT_EQ(GetMenuState(built, 4, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), static_cast<UINT>(MF_DISABLED));
  DestroyMenu(built);

  IPopupMenu single, triple;
  single.SetPrefix(IPopupMenu::kPrefixOneDigit);
  triple.SetPrefix(IPopupMenu::kPrefixThreeDigits);
  single.AddItem("x");
  triple.AddItem(nullptr);
  built = BuildWinPopupMenu(single);
  EXPECT_EQ(Label(built, 0), "1: x");
  DestroyMenu(built);
  built = BuildWinPopupMenu(triple);
  EXPECT_EQ(Label(built, 0), "001: ");
  DestroyMenu(built);
}

TEST(WinPopupMenu, SubmenuIdsFollowAllOfTheParentsItems) {
  NestedMenu m;
  EXPECT_EQ(WinPopupMenuIdCount(m.top), 7);
  HMENU built = BuildWinPopupMenu(m.top);
  ASSERT_NE(built, nullptr);
  EXPECT_EQ(GetMenuItemID(built, 3), 3u);
  HMENU sub = GetSubMenu(built, 2);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(Label(built, 2), "sub");
  EXPECT_EQ(GetMenuItemID(sub, 0), 4u);  // after a0 .. a3
  HMENU subsub = GetSubMenu(sub, 1);
  ASSERT_NE(subsub, nullptr);
  EXPECT_EQ(GetMenuItemID(subsub, 0), 6u);  // after b0, b1
  DestroyMenu(built);

  EXPECT_EQ(SelectWinPopupMenuItem(&m.top, 3), &m.top);
  EXPECT_EQ(m.top.GetChosenItemIdx(), 3);
  EXPECT_EQ(SelectWinPopupMenuItem(&m.top, 4), m.sub);
  EXPECT_EQ(m.sub->GetChosenItemIdx(), 0);
  EXPECT_EQ(SelectWinPopupMenuItem(&m.top, 6), m.subsub);
  EXPECT_EQ(m.subsub->GetChosenItemIdx(), 0);
  EXPECT_EQ(SelectWinPopupMenuItem(&m.top, 7), nullptr);
  EXPECT_EQ(SelectWinPopupMenuItem(&m.top, -1), nullptr);
}

TEST_F(EditorWinTest, ChosenItemSetsItsMenusIndexAndDismissingGivesNull) {
  OpenEditor();
  NestedMenu m;
  IRECT rect(40, 40, 140, 60);
  ChooseInNextMenu(Window(), 5);  // b1's id
  EXPECT_EQ(editor->CreateIPopupMenu(&m.top, &rect), m.sub);
  EXPECT_EQ(m.sub->GetChosenItemIdx(), 1);
  EXPECT_EQ(m.top.GetChosenItemIdx(), -1);

  ChooseInNextMenu(Window(), 0);  // id 0 is an item too
  EXPECT_EQ(editor->CreateIPopupMenu(&m.top, &rect), &m.top);
  EXPECT_EQ(m.top.GetChosenItemIdx(), 0);

  IPopupMenu plain;
  plain.AddItem("one");
  ChooseInNextMenu(Window(), -1);
  EXPECT_EQ(editor->CreateIPopupMenu(&plain, &rect), nullptr);
  EXPECT_EQ(plain.GetChosenItemIdx(), -1);
}

TEST_F(EditorWinTest, ValueMenuOfABooleanParameterThroughTheWindow) {
  OpenEditor();
  // A right press on the boolean's probe opens its menu ("off", "on");
  // choosing "on" sets the parameter inside the press's gesture.
  switchProbe->SetTextEntryOff(false);
  ChooseInNextMenu(Window(), 1);
  Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 330, 330);
  Mouse(WM_RBUTTONUP, 0, 330, 330);
  EXPECT_DOUBLE_EQ(plug->GetParam(1)->Value(), 1.0);
  ASSERT_GE(plug->hostCalls.size(), 3u);
  EXPECT_EQ(plug->hostCalls.front().kind, TestPlug::HostCall::kBegin);
  EXPECT_EQ(plug->hostCalls.back().kind, TestPlug::HostCall::kEnd);
}

// Inside the menu's loop the host destroys the editor window and posts a
// command of its own; the menu then ends without a choice.
HWND gDoomedEditor = nullptr;
HWND gHostForCommand = nullptr;
UINT_PTR gDoomTimer = 0;
constexpr WPARAM kHostCommand = 1;  // an id the menu has too

void CALLBACK DestroyEditorInsideMenu(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, gDoomTimer);
  DestroyWindow(gDoomedEditor);
  PostMessageA(gHostForCommand, WM_COMMAND, kHostCommand, 0);
  EndMenu();
}

// The menu's answer comes only from the window it was shown for: with that
// window gone, the host's own command stays the host's.
TEST_F(EditorWinTest, AMenuWhoseWindowIsDestroyedTakesNoOtherWindowsCommand) {
  OpenEditor();
  NestedMenu m;
  IRECT rect(40, 40, 140, 60);
  gDoomedEditor = Window();
  gHostForCommand = host->Handle();
  gDoomTimer = SetTimer(nullptr, 0, 50, DestroyEditorInsideMenu);
  EXPECT_EQ(editor->CreateIPopupMenu(&m.top, &rect), nullptr);
  EXPECT_EQ(m.top.GetChosenItemIdx(), -1);
  EXPECT_EQ(editor->NativeWindowHandle(), nullptr);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, host->Handle(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
  EXPECT_EQ(msg.wParam, kHostCommand);
}

}  // namespace
}  // namespace vo
