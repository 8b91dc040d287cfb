#include "EditorCaches.h"

#include <cstdio>
#include <cstring>

#include "lice_bitmap.h"
#include "lice_font.h"

namespace {
// Built by static initialisation, destroyed at module unload.
BitmapCache gBitmapCache;
FontCache gFontCache;
}  // namespace

BitmapCache& BitmapCache::Instance() { return gBitmapCache; }

BitmapCache::~BitmapCache() {
  for (int i = mEntries.GetSize() - 1; i >= 0; --i) delete mEntries.Get(i)->bitmap;
  mEntries.DeleteAll(true);
}

LICE_IBitmap* BitmapCache::Find(int id) {
  MutexLock lock(mLock);
  for (int i = 0; i < mEntries.GetSize(); ++i) {
    const Entry* entry = mEntries.Get(i);
    if (entry->id == id) return entry->bitmap;
  }
  return nullptr;
}

void BitmapCache::Add(int id, LICE_IBitmap* bitmap) {
  Entry* entry = new Entry{id, bitmap};
  MutexLock lock(mLock);
  const int before = mEntries.GetSize();
  mEntries.Insert(entry);
  // Not kept: the caller's bitmap is still drawn by its strip, so it stays alive.
  if (mEntries.GetSize() == before) delete entry;
}

FontCache& FontCache::Instance() { return gFontCache; }

FontCache::~FontCache() {
  for (int i = mEntries.GetSize() - 1; i >= 0; --i) delete mEntries.Get(i)->font;
  mEntries.DeleteAll(true);
}

LICE_IFont* FontCache::Find(int size, int orientation, int style, const char* face) {
  MutexLock lock(mLock);
  for (int i = 0; i < mEntries.GetSize(); ++i) {
    const Entry* entry = mEntries.Get(i);
    if (entry->size == size && entry->orientation == orientation && entry->style == style &&
        std::strncmp(entry->face, face, kFaceLength) == 0) {
      return entry->font;
    }
  }
  return nullptr;
}

void FontCache::Add(int size, int orientation, int style, const char* face, LICE_IFont* font) {
  Entry* entry = new Entry{size, orientation, style, {}, font};
  std::snprintf(entry->face, sizeof entry->face, "%s", face);
  MutexLock lock(mLock);
  const int before = mEntries.GetSize();
  mEntries.Insert(entry);
  if (mEntries.GetSize() == before) delete entry;
}
