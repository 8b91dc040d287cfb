// Font objects, the font-name cache, object selection and text metrics.

#include "GDIEmulationPlatform.h"
#include "GDIEmulationRecords.h"
#include "StringKeyedArray.h"

#include <pthread.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace
{
// Face name plus style suffixes, as handed to CoreText: a key is resolved
// (with the PostScript-name lookup) once and then served from here. Entries
// live until the module unloads, when keys and names are released.
class FontNameCache
{
public:
  FontNameCache() : m_names(std::strcmp, strdup, FreeKey, ReleaseName) {}
  ~FontNameCache() { pthread_mutex_destroy(&m_lock); }

  // The cached name for the key, or null.
  CFStringRef Find(const char* key)
  {
    pthread_mutex_lock(&m_lock);
    auto name = static_cast<CFStringRef>(m_names.Get(key));
    pthread_mutex_unlock(&m_lock);
    return name;
  }

  // Stores a name made for the key and answers the name to use. When
  // another thread stored one for the same key meanwhile, that one stays
  // (callers may be using it) and the new one is released. kept is false
  // when the name could not be stored: the caller then owns it.
  CFStringRef Store(const char* key, CFStringRef name, bool* kept)
  {
    pthread_mutex_lock(&m_lock);
    auto existing = static_cast<CFStringRef>(m_names.Get(key));
    if (existing) CFRelease(name);
    *kept = existing || m_names.Insert(key, const_cast<void*>(static_cast<const void*>(name)));
    pthread_mutex_unlock(&m_lock);
    return existing ? existing : name;
  }

private:
  static void FreeKey(char* key) { std::free(key); }
  static void ReleaseName(void* name)
  {
    if (name) CFRelease(name);
  }

#ifdef PTHREAD_RECURSIVE_MUTEX_INITIALIZER_NP
  pthread_mutex_t m_lock = PTHREAD_RECURSIVE_MUTEX_INITIALIZER_NP;
#else
  pthread_mutex_t m_lock = PTHREAD_RECURSIVE_MUTEX_INITIALIZER;
#endif
  StringKeyedArray m_names;
};

FontNameCache& NameCache()
{
  static FontNameCache cache;
  return cache;
}

CFStringRef EmptyName()
{
  static CFStringRef empty = CFStringCreateWithCString(kCFAllocatorDefault, "", kCFStringEncodingASCII);
  return empty;
}

// Foundation versions above this one look names up as PostScript names.
const double kPostScriptLookupFoundation = 945;

// The CoreText name for a face-and-style key. The answer is kept alive by
// the cache (or is the shared empty name); uncached answers are handed back
// with ownership through *owned.
CFStringRef NameFor(const char* key, CFStringRef* owned)
{
  *owned = nullptr;
  if (!*key) return EmptyName();
  if (CFStringRef cached = NameCache().Find(key)) return cached;
  CFStringRef name = CFStringCreateWithCString(kCFAllocatorDefault, key, kCFStringEncodingUTF8);
  if (!name) name = CFStringCreateWithCString(kCFAllocatorDefault, key, kCFStringEncodingASCII);
  if (!name) return EmptyName();
  if (std::floor(GDIEmu_FoundationVersion()) > kPostScriptLookupFoundation)
  {
    if (CFStringRef postScriptName = GDIEmu_CopyPostScriptName(name))
    {
      CFRelease(name);
      name = postScriptName;
    }
  }
  bool kept;
  CFStringRef stored = NameCache().Store(key, name, &kept);
  if (!kept) *owned = stored;
  return stored;
}

// Below 2 or above 8192 points the size is replaced by 10.
float FontSize(int height, int width)
{
  const float magnitude = std::fabs(float(height ? height : width));
  return magnitude < 2 || magnitude > 8192 ? 10.0f : magnitude;
}
}  // namespace

CTFontRef GDIEmu_DefaultFont()
{
  static CTFontRef font = GDIEmu_CreateLabelFont(10.0);
  return font;
}

CTFontRef GDIEmu_FontOf(const GDIEmu_DC* context)
{
  GDIEmu_Object* selected = context->selected[GDIEMU_FONT - 1];
  return GDIEmu_IsLive(selected, GDIEMU_FONT) && selected->font ? selected->font : GDIEmu_DefaultFont();
}

GDIEmu_Object* CreateFont(int height, int width, int escapement, int orientation, int weight, int italic,
                          int underline, int strikeOut, int charSet, int outputPrecision, int clipPrecision,
                          int quality, int pitchAndFamily, const char* faceName)
{
  GDIEmu_Object* font = GDIEmu_TakeObjectRecord();
  if (!font) return nullptr;
  font->type = GDIEMU_FONT;
  const float size = FontSize(height, width);
  font->rotation = orientation / 10.0f;

  char key[900 + sizeof(" Bold Italic")];
  size_t length = faceName ? strnlen(faceName, 899) : 0;
  std::memcpy(key, faceName ? faceName : "", length);
  key[length] = 0;
  if (weight >= 700) std::strcat(key, " Bold");
  if (italic & 0xFF) std::strcat(key, " Italic");

  CFStringRef owned;
  CFStringRef name = NameFor(key, &owned);
  font->font = CTFontCreateWithName(name, size, nullptr);
  if (owned) CFRelease(owned);
  if (!font->font) font->font = GDIEmu_CreateLabelFont(size);

  switch (quality & 0xFF)
  {
  case GDIEMU_ANTIALIAS_OFF: font->antialiasMode = GDIEMU_ANTIALIAS_OFF; break;
  case GDIEMU_ANTIALIAS_ON: font->antialiasMode = GDIEMU_ANTIALIAS_ON; break;
  default: font->antialiasMode = GDIEMU_ANTIALIAS_KEEP; break;
  }
  return font;
}

void DeleteObject(GDIEmu_Object* object)
{
  if (!GDIEmu_IsLive(object, 0) || object->type < 1 || object->type > 4) return;
  if (object->font) CFRelease(object->font);
  GDIEmu_ReturnObjectRecord(object);
}

GDIEmu_Object* SelectObject(GDIEmu_DC* context, GDIEmu_Object* object)
{
  if (!GDIEmu_Usable(context)) return nullptr;
  const uintptr_t value = reinterpret_cast<uintptr_t>(object);
  if (value >= GDIEMU_PEN_SLOT && value <= GDIEMU_FONT_SLOT)
  {
    GDIEmu_Object*& slot = context->selected[value - 1];
    GDIEmu_Object* held = slot;
    slot = nullptr;
    return GDIEmu_IsLive(held, int32_t(value)) ? held : object;
  }
  if (!GDIEmu_IsLive(object, 0) || object->type < GDIEMU_PEN || object->type > GDIEMU_FONT) return nullptr;
  GDIEmu_Object*& slot = context->selected[object->type - 1];
  GDIEmu_Object* old = GDIEmu_IsLive(slot, object->type) ? slot
                                                         : reinterpret_cast<GDIEmu_Object*>(uintptr_t(object->type));
  if (old != object) slot = object;
  return old;
}

bool GetTextMetrics(GDIEmu_DC* context, GDIEmu_TextMetric* metrics)
{
  if (metrics) *metrics = GDIEmu_TextMetric{16, 12, 4, 3, 10};
  if (!metrics || !GDIEmu_Usable(context)) return false;
  CTFontRef font = GDIEmu_FontOf(context);
  if (!font) return true;
  metrics->internalLeading = int32_t(CTFontGetLeading(font));
  metrics->ascent = int32_t(CTFontGetAscent(font));
  metrics->descent = int32_t(CTFontGetDescent(font));
  const int32_t height = metrics->ascent + metrics->descent + metrics->internalLeading;
  metrics->averageCharWidth = (2 * height) / 3;
  metrics->height = height ? height + 1 : 0;
  return true;
}
