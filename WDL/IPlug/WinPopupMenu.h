#pragma once
// IPopupMenu as a Windows popup menu. Item ids are numbered from a start id:
// a menu first reserves one id per item (separators and submenu entries
// included), then its submenus take the ids after all of its items, in item
// order, each with its own items first. The chosen-id lookup walks the same
// numbering, so it needs no table.

#include <windows.h>

class IPopupMenu;

// Editor thread; allocates (the menu). A popup menu for menu with item ids
// from firstId, or null when a menu cannot be created. An item whose submenu
// cannot be built is left out. The caller destroys the result (DestroyMenu).
HMENU BuildWinPopupMenu(const IPopupMenu& menu, int firstId = 0);

// Editor thread; no allocation. Ids a menu uses, its submenus' included.
int WinPopupMenuIdCount(const IPopupMenu& menu);

// Editor thread; no allocation. The menu (menu itself or one of its
// submenus) that holds the item with id under the numbering above; its
// chosen index is set to the item's index there. Null, changing nothing,
// when no item has that id.
IPopupMenu* SelectWinPopupMenuItem(IPopupMenu* menu, int id, int firstId = 0);
