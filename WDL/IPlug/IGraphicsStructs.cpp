#include "IGraphicsStructs.h"

#include <cstdio>

#include "lice_draw.h"
#include "lice_pixel.h"

LICE_Pixel IColor::ToPixel() const { return LICE_RGBA(R, G, B, A); }

IText::IText(int size, const IColor& color, const char* face, int style, int align, int orientation, int quality,
             const IColor& entryBackground, const IColor& entryForeground)
    : mSize(size),
      mColor(color),
      mEntryBackground(entryBackground),
      mEntryForeground(entryForeground),
      mStyle(style),
      mAlign(align),
      mOrientation(orientation),
      mQuality(quality) {
  std::snprintf(mFace, sizeof mFace, "%s", face ? face : "Arial");
}

int IBlendSpec::BlendModeFor(int method) {
  switch (method) {
    case kMethodCopy:
      return LICE_BLIT_MODE_COPY;
    case kMethodAdd:
      return LICE_BLIT_MODE_ADD | LICE_BLIT_USE_ALPHA;
    case kMethodDodge:
      return LICE_BLIT_MODE_DODGE | LICE_BLIT_USE_ALPHA;
    default:
      return LICE_BLIT_MODE_COPY | LICE_BLIT_USE_ALPHA;
  }
}

IPopupMenu::Item::Item(const char* text, int flags, IPopupMenu* submenu) : mSubmenu(submenu), mFlags(flags) {
  if (text) mText.Set(text);
}

IPopupMenu::Item::~Item() { delete mSubmenu; }

IPopupMenu::Item* IPopupMenu::AddItem(const char* text, int flags, IPopupMenu* submenu) {
  Item* item = new Item(text, flags, submenu);
  const int before = mItems.GetSize();
  mItems.Insert(item);
  if (mItems.GetSize() == before) {
    delete item;
    return nullptr;
  }
  return item;
}
