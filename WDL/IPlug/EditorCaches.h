#pragma once
// The editor's two process-wide caches: images by resource id and fonts by
// style. Each is a list under its own lock, held only while the list is
// scanned or appended, never while an image or font is made, so two editors
// may make the same entry twice (both stay). Entries live until the module
// is unloaded. Any thread; scanning takes the cache's lock, appending also
// allocates.

#include "Mutex.h"
#include "PointerList.h"

class LICE_IBitmap;
class LICE_IFont;

class BitmapCache {
 public:
  static BitmapCache& Instance();
  ~BitmapCache();

  // The first entry's bitmap for id, or null.
  LICE_IBitmap* Find(int id);
  // Appends {id, bitmap}; the cache owns the bitmap from now on.
  void Add(int id, LICE_IBitmap* bitmap);

 private:
  struct Entry {
    int id;
    LICE_IBitmap* bitmap;
  };
  Mutex mLock;
  PointerList<Entry> mEntries;
};

class FontCache {
 public:
  // Capacity of an entry's face name, NUL included.
  static constexpr int kFaceLength = 36;

  static FontCache& Instance();
  ~FontCache();

  LICE_IFont* Find(int size, int orientation, int style, const char* face);
  // Appends the entry; the cache owns the font from now on.
  void Add(int size, int orientation, int style, const char* face, LICE_IFont* font);

 private:
  struct Entry {
    int size;
    int orientation;
    int style;
    char face[kFaceLength];
    LICE_IFont* font;
  };
  Mutex mLock;
  PointerList<Entry> mEntries;
};
