#include "Utf16Text.h"

namespace {
constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 character at s (at least one byte before the NUL);
// advances s past what it consumed.
char32_t DecodeUtf8(const unsigned char*& s) {
  const unsigned char lead = *s++;
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07, minimum = 0x10000;
  } else {
    return kReplacement;
  }
  for (int i = 0; i < extra; ++i) {
    if ((*s & 0xC0) != 0x80) return kReplacement;  // the NUL also stops here
    c = (c << 6) | (*s++ & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kReplacement;
  return c;
}
}  // namespace

void Utf8ToUtf16(const char* source, Steinberg::Vst::TChar* dest, int capacity) {
  if (!dest || capacity <= 0) return;
  int n = 0;
  const auto* s = reinterpret_cast<const unsigned char*>(source ? source : "");
  while (*s) {
    const char32_t c = DecodeUtf8(s);
    const int units = c >= 0x10000 ? 2 : 1;
    if (n + units > capacity - 1) break;
    if (units == 2) {
      dest[n++] = static_cast<Steinberg::Vst::TChar>(0xD800 + ((c - 0x10000) >> 10));
      dest[n++] = static_cast<Steinberg::Vst::TChar>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      dest[n++] = static_cast<Steinberg::Vst::TChar>(c);
    }
  }
  dest[n] = 0;
}

void Utf16ToUtf8(const Steinberg::Vst::TChar* source, int sourceLimit, char* dest, int capacity) {
  if (!dest || capacity <= 0) return;
  int n = 0;
  for (int i = 0; source && i < sourceLimit && source[i]; ++i) {
    char32_t c = static_cast<char16_t>(source[i]);
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < sourceLimit && source[i + 1] >= 0xDC00 &&
        source[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(source[++i]) - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
    }
    unsigned char bytes[4];
    int count = 0;
    if (c < 0x80) {
      bytes[count++] = static_cast<unsigned char>(c);
    } else if (c < 0x800) {
      bytes[count++] = static_cast<unsigned char>(0xC0 | (c >> 6));
      bytes[count++] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      bytes[count++] = static_cast<unsigned char>(0xE0 | (c >> 12));
      bytes[count++] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
      bytes[count++] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    } else {
      bytes[count++] = static_cast<unsigned char>(0xF0 | (c >> 18));
      bytes[count++] = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
      bytes[count++] = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
      bytes[count++] = static_cast<unsigned char>(0x80 | (c & 0x3F));
    }
    if (n + count > capacity - 1) break;
    for (int k = 0; k < count; ++k) dest[n++] = static_cast<char>(bytes[k]);
  }
  dest[n] = 0;
}
