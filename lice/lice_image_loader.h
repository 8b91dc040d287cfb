#pragma once
// The process-wide chain of image loaders by file type. The PNG loader links
// itself in at start-up (a static initialiser) and becomes the first entry.
// Nothing is ever unlinked. Set up before any editor exists and used on the
// editor's thread only; no lock.

#include "lice_bitmap.h"

struct LICE_ImageLoaderEntry
{
  // (UTF-8 path, check the extension, destination or null) -> bitmap or null.
  LICE_IBitmap* (*load)(const char* path, bool checkExtension, LICE_IBitmap* dest);
  // NUL-terminated texts ending with an empty one: description, pattern.
  const char* (*filterText)();
  LICE_ImageLoaderEntry* next;
};

// The first entry, null while the chain is empty.
extern LICE_ImageLoaderEntry* LICE_ImageLoaderHead;

// The PNG entry's functions. PNGLoaderLoad refuses (null, nothing opened) a
// path whose extension is not ".png" in any case when checkExtension is set.
LICE_IBitmap* PNGLoaderLoad(const char* path, bool checkExtension, LICE_IBitmap* dest);
const char* PNGLoaderFilterText();
// Links the PNG entry at the head of the chain; a second call changes nothing.
void RegisterPNGImageLoader();
