// The stand-in's object base, live counts, call recorder, font faces and
// failure switches, and its CoreFoundation calls.

#include "StandinObjects.h"

#include <cstring>
#include <map>
#include <mutex>

namespace
{
std::atomic<long> liveCounts[size_t(StandinType::Count)];

// The recorder and the faces are never destroyed: objects released during
// the program's exit (process-wide caches of their users) still record.
std::mutex& recorderLock = *new std::mutex;
std::vector<StandinCall>& recordedCalls = *new std::vector<StandinCall>;

std::mutex& facesLock = *new std::mutex;
std::map<std::string, StandinFace>& faces = *new std::map<std::string, StandinFace>;

std::atomic<bool> fontCreationFails{false};
std::atomic<bool> contextCreationFails{false};
std::atomic<double> foundationVersion{1000.0};

// A face is found by its name or its PostScript name.
const StandinFace* FindFace(const std::string& name)
{
  auto found = faces.find(name);
  if (found != faces.end()) return &found->second;
  for (const auto& entry : faces)
    if (entry.second.postScriptName == name) return &entry.second;
  return nullptr;
}

const StandinString* AsString(CFTypeRef object)
{
  auto* o = static_cast<const StandinObject*>(object);
  return o && o->type == StandinType::String ? static_cast<const StandinString*>(o) : nullptr;
}
}  // namespace

StandinObject::StandinObject(StandinType t, bool isCounted) : type(t), counted(isCounted)
{
  if (counted) ++liveCounts[size_t(t)];
}

StandinObject::~StandinObject()
{
  if (counted) --liveCounts[size_t(type)];
}

long StandinLiveCount(StandinType type) { return liveCounts[size_t(type)].load(); }

void StandinRecord(const char* name, std::vector<double> numbers, std::string text)
{
  std::lock_guard<std::mutex> lock(recorderLock);
  recordedCalls.push_back(StandinCall{name, std::move(numbers), std::move(text)});
}

std::vector<StandinCall> StandinRecordedCalls()
{
  std::lock_guard<std::mutex> lock(recorderLock);
  return recordedCalls;
}

size_t StandinCallCount(const char* name)
{
  std::lock_guard<std::mutex> lock(recorderLock);
  size_t count = 0;
  for (const StandinCall& call : recordedCalls) count += call.name == name;
  return count;
}

void StandinClearCalls()
{
  std::lock_guard<std::mutex> lock(recorderLock);
  recordedCalls.clear();
}

void StandinRegisterFace(const std::string& name, const StandinFace& face)
{
  std::lock_guard<std::mutex> lock(facesLock);
  faces[name] = face;
}

bool StandinFaceIsRegistered(const std::string& name)
{
  std::lock_guard<std::mutex> lock(facesLock);
  return FindFace(name) != nullptr;
}

void StandinForgetFaces()
{
  std::lock_guard<std::mutex> lock(facesLock);
  faces.clear();
}

StandinFace StandinFaceFor(const std::string& name)
{
  std::lock_guard<std::mutex> lock(facesLock);
  const StandinFace* face = FindFace(name);
  return face ? *face : StandinFace();
}

void StandinSetFontCreationFails(bool fails) { fontCreationFails = fails; }
bool StandinFontCreationFails() { return fontCreationFails; }
void StandinSetContextCreationFails(bool fails) { contextCreationFails = fails; }
bool StandinContextCreationFails() { return contextCreationFails; }
void StandinSetFoundationVersion(double version) { foundationVersion = version; }
double StandinFoundationVersion() { return foundationVersion; }

std::string StandinStringText(CFStringRef text) { return text ? text->utf8 : std::string(); }

bool StandinDecodeUtf8(const char* text, std::vector<char32_t>& codes)
{
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  codes.clear();
  while (*p)
  {
    const unsigned lead = *p++;
    int more;
    char32_t code;
    if (lead < 0x80) more = 0, code = lead;
    else if (lead >= 0xC2 && lead <= 0xDF) more = 1, code = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) more = 2, code = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) more = 3, code = lead & 0x07;
    else return false;
    for (int i = 0; i < more; ++i, ++p)
    {
      if ((*p & 0xC0) != 0x80) return false;
      code = (code << 6) | (*p & 0x3F);
    }
    // Overlong three- and four-byte forms, surrogates and codes past U+10FFFF.
    if ((more == 2 && code < 0x800) || (more == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF))
      return false;
    codes.push_back(code);
  }
  return true;
}

// --- CoreFoundation ---

const CFDictionaryKeyCallBacks kCFTypeDictionaryKeyCallBacks = {1};
const CFDictionaryValueCallBacks kCFTypeDictionaryValueCallBacks = {1};

CFStringRef CFStringCreateWithCString(CFAllocatorRef, const char* text, CFStringEncoding encoding)
{
  StandinRecord("CFStringCreateWithCString", {double(encoding)}, text ? text : "");
  if (!text) return nullptr;
  std::vector<char32_t> codes;
  if (encoding == kCFStringEncodingUTF8)
  {
    if (!StandinDecodeUtf8(text, codes)) return nullptr;
  }
  else if (encoding == kCFStringEncodingASCII)
  {
    for (const char* p = text; *p; ++p)
    {
      if (static_cast<unsigned char>(*p) >= 0x80) return nullptr;
      codes.push_back(char32_t(*p));
    }
  }
  else
    return nullptr;
  auto* s = new StandinString;
  s->utf8 = text;
  s->codes = std::move(codes);
  return s;
}

void StandinRetain(const void* object)
{
  auto* o = static_cast<StandinObject*>(const_cast<void*>(object));
  if (o && !o->immortal) ++o->references;
}

void StandinRelease(const void* object)
{
  auto* o = static_cast<StandinObject*>(const_cast<void*>(object));
  if (o && !o->immortal && --o->references == 0) delete o;
}

CFTypeRef CFRetain(CFTypeRef object)
{
  StandinRecord("CFRetain");
  StandinRetain(object);
  return object;
}

void CFRelease(CFTypeRef object)
{
  StandinRecord("CFRelease");
  StandinRelease(object);
}

StandinDictionary::~StandinDictionary()
{
  if (!retained) return;
  for (const void* k : keys) StandinRelease(k);
  for (const void* v : values) StandinRelease(v);
}

const void* StandinDictionary::Find(CFStringRef key) const
{
  for (size_t i = 0; i < keys.size(); ++i)
  {
    const StandinString* k = AsString(keys[i]);
    if (keys[i] == key || (k && key && k->utf8 == key->utf8)) return values[i];
  }
  return nullptr;
}

CFDictionaryRef CFDictionaryCreate(CFAllocatorRef, const void** keys, const void** values, CFIndex count,
                                   const CFDictionaryKeyCallBacks* keyCallBacks,
                                   const CFDictionaryValueCallBacks* valueCallBacks)
{
  StandinRecord("CFDictionaryCreate", {double(count)});
  if (count < 0 || (count > 0 && (!keys || !values))) return nullptr;
  auto* d = new StandinDictionary;
  d->retained = keyCallBacks && valueCallBacks && keyCallBacks->retainsKeys && valueCallBacks->retainsValues;
  for (CFIndex i = 0; i < count; ++i)
  {
    if (d->retained) StandinRetain(keys[i]), StandinRetain(values[i]);
    d->keys.push_back(keys[i]);
    d->values.push_back(values[i]);
  }
  return d;
}

StandinAttributedString::~StandinAttributedString()
{
  StandinRelease(font);
  StandinRelease(color);
}

CFAttributedStringRef CFAttributedStringCreate(CFAllocatorRef, CFStringRef text, CFDictionaryRef attributes)
{
  StandinRecord("CFAttributedStringCreate", {}, StandinStringText(text));
  if (!text) return nullptr;
  auto* a = new StandinAttributedString;
  a->codes = text->codes;
  if (attributes)
  {
    auto* font = static_cast<const StandinObject*>(attributes->Find(kCTFontAttributeName));
    auto* color = static_cast<const StandinObject*>(attributes->Find(kCTForegroundColorAttributeName));
    if (font && font->type == StandinType::Font) a->font = StandinRetained(static_cast<const StandinFont*>(font));
    if (color && color->type == StandinType::Color) a->color = StandinRetained(static_cast<const CGColor*>(color));
  }
  return a;
}

StandinArray::~StandinArray()
{
  for (const void* item : items) StandinRelease(item);
}

CFIndex CFArrayGetCount(CFArrayRef array)
{
  StandinRecord("CFArrayGetCount");
  return array ? CFIndex(array->items.size()) : 0;
}

const void* CFArrayGetValueAtIndex(CFArrayRef array, CFIndex index)
{
  StandinRecord("CFArrayGetValueAtIndex", {double(index)});
  if (!array || index < 0 || size_t(index) >= array->items.size()) return nullptr;
  return array->items[size_t(index)];
}

CFRange CFRangeMake(CFIndex location, CFIndex length)
{
  StandinRecord("CFRangeMake", {double(location), double(length)});
  return CFRange{location, length};
}
