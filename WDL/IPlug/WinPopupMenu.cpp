#include "WinPopupMenu.h"

#include <cstdio>
#include <string>

#include "IPopupMenu.h"

namespace {
// The item label with the menu's numbering prefix (1-based item number).
std::string ItemLabel(const IPopupMenu& menu, int index) {
  const char* text = menu.GetItem(index)->GetText();
  static const char* const kFormats[4] = {nullptr, "%1d: ", "%02d: ", "%03d: "};
  const int prefix = menu.GetPrefix();
  std::string label;
  if (prefix >= 1 && prefix <= 3) {
    char number[16];
    std::snprintf(number, sizeof number, kFormats[prefix], index + 1);
    label = number;
  }
  return label + text;
}

UINT ItemFlags(int flags) {
  UINT result = MF_STRING;
  if (flags & IPopupMenu::kItemGreyed) result |= MF_GRAYED;
  if (flags & IPopupMenu::kItemDisabled) result |= MF_DISABLED;
  if (flags & IPopupMenu::kItemChecked) result |= MF_CHECKED;
  return result;
}
}  // namespace

int WinPopupMenuIdCount(const IPopupMenu& menu) {
  int count = menu.NItems();
  for (int i = 0; i < menu.NItems(); ++i) {
    const IPopupMenu* sub = menu.GetItem(i)->GetSubmenu();
    if (sub) count += WinPopupMenuIdCount(*sub);
  }
  return count;
}

HMENU BuildWinPopupMenu(const IPopupMenu& menu, int firstId) {
  HMENU result = CreatePopupMenu();
  if (!result) return nullptr;
  int nextSubmenuId = firstId + menu.NItems();
  for (int i = 0; i < menu.NItems(); ++i) {
    const IPopupMenu::Item* item = menu.GetItem(i);
    const UINT_PTR id = static_cast<UINT_PTR>(firstId + i);
    if (item->IsSeparator()) {
      AppendMenuA(result, MF_SEPARATOR, id, nullptr);
      continue;
    }
    const std::string label = ItemLabel(menu, i);
    if (const IPopupMenu* sub = item->GetSubmenu()) {
      HMENU built = BuildWinPopupMenu(*sub, nextSubmenuId);
      nextSubmenuId += WinPopupMenuIdCount(*sub);
      if (built && !AppendMenuA(result, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(built), label.c_str()))
        DestroyMenu(built);
      continue;
    }
    AppendMenuA(result, ItemFlags(item->GetFlags()), id, label.c_str());
  }
  return result;
}

IPopupMenu* SelectWinPopupMenuItem(IPopupMenu* menu, int id, int firstId) {
  if (!menu || id < firstId) return nullptr;
  if (id < firstId + menu->NItems()) {
    menu->SetChosenItemIdx(id - firstId);
    return menu;
  }
  int nextSubmenuId = firstId + menu->NItems();
  for (int i = 0; i < menu->NItems(); ++i) {
    IPopupMenu* sub = menu->GetItem(i)->GetSubmenu();
    if (!sub) continue;
    if (IPopupMenu* found = SelectWinPopupMenuItem(sub, id, nextSubmenuId)) return found;
    nextSubmenuId += WinPopupMenuIdCount(*sub);
  }
  return nullptr;
}
