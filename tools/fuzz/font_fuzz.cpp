// libFuzzer target for cached-font text drawing: bytes, counts, rectangles,
// font flags, text flags and blend settings go to measuring, drawing and
// DrawGlyph over the native glyph source. Nothing may crash, read or write
// out of bounds, or leak, whatever the text and the arguments.
//
// Layout of an input: 16 bytes of settings (below), then the text. A counted
// text lives in a block of exactly its size, so reading past the count is an
// AddressSanitizer error; a text with count -1 gets its NUL. The seed corpus
// (seeds_font/, written by make_font_corpus.py) holds real texts with each
// font flag, so that mutations start from whole strings.

#include "lice_font.h"
#include "lice_mem_bitmap.h"
#include "lice_sys_bitmap.h"
#include "text_standin/text_standin.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace
{
constexpr size_t kSettings = 16;

int Signed(uint8_t b) { return int(int8_t(b)); }

// Line heights as the editor uses them (1 to 40 pixels) for most inputs. A
// glyph renders in a cell of twice the line height, so tall fonts are slow:
// three bytes take tall heights that are still drawn glyph by glyph (64, 128
// and the limit 255), two the native-only heights 256 and 300.
int FontSize(uint8_t b)
{
  static const int tall[] = {64, 128, 255, 256, 300};
  return b >= 251 ? tall[b - 251] : 1 + b % 40;
}

// Pre-rendering all of ASCII at attach costs about as much as drawing a
// long text; at tall heights it takes a second under AddressSanitizer. So it
// stays for one input in eight, and only at the editor's heights (tall
// glyphs render the same way when a text asks for them).
int32_t FontFlags(uint8_t low, uint8_t high, int height)
{
  int32_t flags = int32_t((low | (high << 8)) & 0x7FF) & ~LICE_FONT_OWNS_HANDLE;
  if (!(high & 0x80) || height > 40) flags &= ~LICE_FONT_PRERENDER_ASCII;
  return flags;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  // Keeps the shared surfaces alive between inputs (the tests cover their
  // release), so that each run spends its time on the text.
  static LICE_CachedFont keeper;
  if (size < kSettings) return 0;
  const uint8_t* s = data;
  const size_t textLength = size - kSettings;

  const int height = FontSize(s[0]);
  const int32_t fontFlags = FontFlags(s[1], s[2], height);
  uint32_t textFlags = uint32_t(s[3] | (s[4] << 8)) & 0x1FF;
  if (s[5] & 1) textFlags |= LICE_TEXT_USE_FORE_ALPHA;
  if (s[5] & 2) textFlags |= LICE_TEXT_NEVER_NATIVE;
  const int count = s[6] == 0xFF ? -1 : int(s[6] % (textLength + 1));
  const LICE_Rect rect = {Signed(s[7]), Signed(s[8]), Signed(s[7]) + s[9], Signed(s[8]) + s[10] / 2};

  std::vector<char> text(data + kSettings, data + size);
  if (count < 0) text.push_back('\0');
  text.shrink_to_fit();
  if (text.empty()) return 0;

  LICE_FontHandle handle = CreateFont(height, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "fuzz");
  {
    LICE_CachedFont font;
    font.AttachHFont(handle, fontFlags);
    font.SetForeColor(LICE_RGBA(s[11], s[12], 0x40, s[13]));
    font.SetEffectColor(LICE_RGBA(0x20, s[12], s[11], 0xFF));
    font.SetBackMode(s[5] & 4 ? LICE_BACK_OPAQUE : LICE_BACK_TRANSPARENT);
    const float opacities[] = {1.0f, 0.5f, 0.0f, -0.25f, 1.5f, 0.3f, 0.999f, 2.0f};
    font.SetBlendMode((s[14] % 7) | (s[14] & 0x80 ? LICE_BLIT_USE_ALPHA : 0), opacities[s[15] % 8]);

    LICE_Rect measured = rect;
    font.DrawText(nullptr, text.data(), count, &measured, textFlags | LICE_TEXT_MEASURE);

    std::unique_ptr<LICE_IBitmap> bitmap;
    if (s[5] & 8)
      bitmap = std::make_unique<LICE_SysBitmap>(64, 48);
    else
      bitmap = std::make_unique<LICE_MemBitmap>(64, 48);
    LICE_Rect drawn = rect;
    font.DrawText(bitmap.get(), text.data(), count, &drawn, textFlags);

    const LICE_Rect clip = {Signed(s[9]), Signed(s[10]), Signed(s[9]) + s[11], Signed(s[10]) + s[12]};
    font.DrawGlyph(bitmap.get(), static_cast<unsigned char>(text[0]), Signed(s[7]), Signed(s[8]), &clip);
  }
  DeleteObject(handle);
  return 0;
}
