// The editor's use of the process-wide image and font caches.

#include "AssertionHook.h"
#include "EditorCaches.h"
#include "EditorFont.h"
#include "IGraphics.h"

LICE_IBitmap* IGraphics::CachedBitmap(int resourceId, const char* fileName) {
  BitmapCache& cache = BitmapCache::Instance();
  if (LICE_IBitmap* bitmap = cache.Find(resourceId)) return bitmap;
  // Loaded outside the cache's lock: another editor may load it too.
  LICE_IBitmap* bitmap = LoadBitmapResource(resourceId, fileName);
  if (!bitmap) {
    // A missing image is not remembered, so a later load may still find it.
    ReportFailedCheck("IGraphics::CachedBitmap", __LINE__, "imgResourceFound");
    return nullptr;
  }
  cache.Add(resourceId, bitmap);
  return bitmap;
}

LICE_IFont* IGraphics::FindOrCreateFont(IText* text) {
  FontCache& cache = FontCache::Instance();
  LICE_IFont* font = cache.Find(text->mSize, text->mOrientation, text->mStyle, text->mFace);
  if (!font) {
    LICE_FontHandle handle = CreateEditorFont(*text);
    if (!handle) return nullptr;
    LICE_CachedFont* cached = new LICE_CachedFont;
    cached->AttachHFont(handle, LICE_FONT_NATIVE_OK | LICE_FONT_OWNS_HANDLE);
    cache.Add(text->mSize, text->mOrientation, text->mStyle, text->mFace, cached);
    font = cached;
  }
  text->mCached = font;
  return font;
}
