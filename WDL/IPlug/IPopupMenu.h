#pragma once
// A popup menu handed between the editor and the platform views. The editor
// builds it, the view shows it and writes the chosen item's index into the
// menu that holds the item. Items (and their submenus) are owned. Editor
// thread only; building allocates.

#include "PointerList.h"
#include "StringBuffer.h"

class IPopupMenu {
 public:
  // Item flags; greyed and disabled are passed to the platform menu as they are.
  enum ItemFlags { kItemGreyed = 1, kItemDisabled = 2, kItemChecked = 4, kItemSeparator = 8 };
  // Label numbering: none, "%1d: %s", "%02d: %s", "%03d: %s" (from 1).
  enum Prefix { kPrefixNone = 0, kPrefixOneDigit = 1, kPrefixTwoDigits = 2, kPrefixThreeDigits = 3 };

  class Item {
   public:
    // Takes ownership of submenu (may be null).
    Item(const char* text, int flags, IPopupMenu* submenu);
    ~Item();
    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;

    // The label; the empty text when none was given.
    const char* GetText() const { return mText.Get() ? mText.Get() : ""; }
    int GetFlags() const { return mFlags; }
    void SetFlags(int flags) { mFlags = flags; }
    bool IsChecked() const { return (mFlags & kItemChecked) != 0; }
    bool IsSeparator() const { return (mFlags & kItemSeparator) != 0; }
    IPopupMenu* GetSubmenu() const { return mSubmenu; }

   private:
    StringBuffer mText;
    IPopupMenu* mSubmenu;
    int mFlags;
  };

  IPopupMenu() = default;
  ~IPopupMenu() { DeleteItems(); }
  IPopupMenu(const IPopupMenu&) = delete;
  IPopupMenu& operator=(const IPopupMenu&) = delete;

  // Appends an item; answers it, or null when the list could not grow (the
  // item and its submenu are then deleted).
  Item* AddItem(const char* text, int flags = 0, IPopupMenu* submenu = nullptr);
  Item* AddSeparator() { return AddItem(nullptr, kItemSeparator); }
  void DeleteItems() { mItems.DeleteAll(true); }

  int NItems() const { return mItems.GetSize(); }
  Item* GetItem(int index) const { return mItems.Get(index); }

  int GetPrefix() const { return mPrefix; }
  void SetPrefix(int prefix) { mPrefix = prefix; }
  // -1 until the view records a choice.
  int GetChosenItemIdx() const { return mChosenItemIdx; }
  void SetChosenItemIdx(int index) { mChosenItemIdx = index; }
  // For the platform views' own use; the editor sets it to 0 and never reads it.
  int GetViewTag() const { return mViewTag; }
  void SetViewTag(int tag) { mViewTag = tag; }

 private:
  int mPrefix = kPrefixNone;
  int mChosenItemIdx = -1;
  int mViewTag = 0;
  PointerList<Item> mItems;
};
