// The deterministic glyph source: memory contexts, font objects and a text
// call that lays glyphs out by the fixed rules of text_standin.h.

#include "text_standin.h"

#include "lice_pixel.h"
#include "lice_utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace
{
// Handle values below this are slot numbers, never records.
constexpr uintptr_t kFirstRecord = 5;
constexpr uintptr_t kFontSlot = 3;
constexpr uint32_t kContextTag = 0x54534443;  // "TSDC"
constexpr uint32_t kFontTag = 0x5453464E;     // "TSFN"

struct Font
{
  uint32_t tag = kFontTag;
  int size = TEXT_STANDIN_DEFAULT_SIZE;
};

struct Context
{
  uint32_t tag = kContextTag;
  void* block = nullptr;  // store plus slack for the 64-byte alignment
  LICE_Pixel* pixels = nullptr;
  int width = 0;
  int height = 0;
  Font* font = nullptr;
  int textColour = 0;
  int backColour = 0;
  int backMode = 0;
};

TextStandin_Recorder g_record = {0, 0, 0};

Context* AsContext(TextStandin_Context c)
{
  auto* p = static_cast<Context*>(c);
  return reinterpret_cast<uintptr_t>(c) >= kFirstRecord && p->tag == kContextTag ? p : nullptr;
}

Font* AsFont(TextStandin_Object o)
{
  auto* p = static_cast<Font*>(o);
  return reinterpret_cast<uintptr_t>(o) >= kFirstRecord && p->tag == kFontTag ? p : nullptr;
}

int FontSize(const Context* c) { return c->font ? c->font->size : TEXT_STANDIN_DEFAULT_SIZE; }

int InkWidth(int code, int size)
{
  const int advance = TextStandin_Advance(code, size);
  if (code <= 0x20 || advance < 1) return 0;
  if (code == TEXT_STANDIN_OVERHANG_CODE) return advance + 3;
  if (code == TEXT_STANDIN_SHORT_CODE) return std::max(1, advance - 2);
  return advance;
}

// The codes of one text, split into lines.
typedef std::vector<std::vector<int>> Lines;

Lines SplitText(const char* text, int length, int flags, bool& empty)
{
  Lines lines(1);
  empty = true;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  int remaining = length, code = 0;
  bool literal = false;
  while (lice_detail::NextUtf8Code(p, remaining, code))
  {
    if (code == '\r') continue;
    if (code == '&' && !(flags & TS_DT_NOPREFIX) && !literal)
    {
      literal = true;
      continue;
    }
    literal = false;
    empty = false;
    if (code == '\n' && !(flags & TS_DT_SINGLELINE))
      lines.emplace_back();
    else
      lines.back().push_back(code == '\n' ? ' ' : code);
  }
  return lines;
}

int LineWidth(const std::vector<int>& line, int size)
{
  long long w = 0;
  for (int code : line) w += TextStandin_Advance(code, size);
  return int(std::min<long long>(w, 1 << 30));
}

void Blend(uint8_t* px, int colour, int v)
{
  const int rgb[3] = {(colour >> 16) & 255, (colour >> 8) & 255, colour & 255};
  const int at[3] = {LICE_PIXEL_R, LICE_PIXEL_G, LICE_PIXEL_B};
  for (int i = 0; i < 3; ++i) px[at[i]] = uint8_t((rgb[i] * v + px[at[i]] * (255 - v)) / 255);
}

struct ClipBox
{
  long long left, top, right, bottom;
  bool Contains(long long x, long long y) const { return x >= left && x < right && y >= top && y < bottom; }
};

void FillBox(Context* c, const ClipBox& clip, long long x, long long y, long long w, long long h)
{
  for (long long row = std::max(y, clip.top); row < std::min(y + h, clip.bottom); ++row)
    for (long long col = std::max(x, clip.left); col < std::min(x + w, clip.right); ++col)
      Blend(LICE_PixelBytes(c->pixels + row * c->width + col), c->backColour, 255);
}

void DrawCode(Context* c, const ClipBox& clip, int code, long long x, long long y, int size)
{
  const int ink = InkWidth(code, size);
  if (x >= clip.right || y >= clip.bottom || x + ink <= clip.left || y + size <= clip.top) return;
  for (int row = 0; row < size; ++row)
    for (int col = 0; col < ink; ++col)
    {
      if (!clip.Contains(x + col, y + row)) continue;
      const int v = TextStandin_Coverage(code, size, col, row);
      if (v) Blend(LICE_PixelBytes(c->pixels + (y + row) * c->width + (x + col)), c->textColour, v);
    }
}
}  // namespace

int TextStandin_Advance(int code, int size)
{
  if (code < 0x20) return 0;
  if (code == 0x20) return size / 4;
  return code < 0x100 ? size / 2 : size;
}

int TextStandin_Coverage(int code, int size, int column, int row)
{
  if (column < 0 || row < 0 || row >= size || column >= InkWidth(code, size)) return 0;
  if (row == 0) return (code >> (column % 16)) & 1 ? 255 : 0;
  return (column + row) % 2 == 0 ? 255 : TEXT_STANDIN_PARTIAL;
}

const TextStandin_Recorder& TextStandin_Record() { return g_record; }
void TextStandin_ResetRecord() { g_record = {0, 0, 0}; }

TextStandin_Context CreateMemoryContext(TextStandin_Context, int width, int height)
{
  if (width < 1 || height < 1 || int64_t(width) * height * 4 + 63 > INT32_MAX) return nullptr;
  void* block = std::calloc(size_t(width) * size_t(height) * 4 + 63, 1);
  if (!block) return nullptr;
  auto* c = new (std::nothrow) Context;
  if (!c)
  {
    std::free(block);
    return nullptr;
  }
  c->block = block;
  c->pixels = reinterpret_cast<LICE_Pixel*>((reinterpret_cast<uintptr_t>(block) + 63) & ~uintptr_t(63));
  c->width = width;
  c->height = height;
  return c;
}

void DeleteDC(TextStandin_Context context)
{
  Context* c = AsContext(context);
  if (!c) return;
  std::free(c->block);
  c->tag = 0;
  delete c;
}

void* GetContextPixels(TextStandin_Context context)
{
  Context* c = AsContext(context);
  return c ? c->pixels : nullptr;
}

void SetTextColor(TextStandin_Context context, int colour)
{
  if (Context* c = AsContext(context)) c->textColour = colour & 0xFFFFFF;
}

void SetBkColor(TextStandin_Context context, int colour)
{
  if (Context* c = AsContext(context)) c->backColour = colour & 0xFFFFFF;
}

void SetBkMode(TextStandin_Context context, int mode)
{
  if (Context* c = AsContext(context)) c->backMode = mode;
}

TextStandin_Object CreateFont(int height, int width, int, int, int, char, char, char, char, char, char, char, char,
                              const char*)
{
  auto* f = new (std::nothrow) Font;
  if (!f) return nullptr;
  const long long source = height != 0 ? height : width;
  const long long magnitude = source < 0 ? -source : source;
  f->size = magnitude < 1 || magnitude > 8192 ? TEXT_STANDIN_DEFAULT_SIZE : int(magnitude);
  return f;
}

void DeleteObject(TextStandin_Object object)
{
  if (Font* f = AsFont(object))
  {
    f->tag = 0;
    delete f;
  }
}

TextStandin_Object SelectObject(TextStandin_Context context, TextStandin_Object object)
{
  Context* c = AsContext(context);
  if (!c) return nullptr;
  void* const slot = reinterpret_cast<void*>(kFontSlot);
  void* const old = c->font ? static_cast<void*>(c->font) : slot;
  if (object == slot)
  {
    c->font = nullptr;
    return old;
  }
  Font* f = AsFont(object);
  if (!f) return nullptr;
  c->font = f;
  return old;
}

bool GetTextMetrics(TextStandin_Context context, GDIEmu_TextMetric* metrics)
{
  if (!metrics) return false;
  Context* c = AsContext(context);
  const int size = c ? FontSize(c) : TEXT_STANDIN_DEFAULT_SIZE;
  *metrics = {size, size * 3 / 4, size - size * 3 / 4, 0, size / 2};
  return c != nullptr;
}

int DrawText(TextStandin_Context context, const char* text, int length, LICE_Rect* rect, int flags)
{
  Context* c = AsContext(context);
  if (!c || !text || !rect) return 0;
  ++g_record.textCalls;
  g_record.lastFlags = flags;
  g_record.lastLength = length;

  bool empty = true;
  const Lines lines = SplitText(text, length, flags, empty);
  if (empty) return 0;
  const int size = FontSize(c);
  int width = 0;
  for (const auto& line : lines) width = std::max(width, LineWidth(line, size));
  const long long heightLong = (long long)lines.size() * size;
  const int height = int(std::min<long long>(heightLong, 1 << 30));
  if (flags & TS_DT_CALCRECT)
  {
    rect->right = rect->left + width;
    rect->bottom = rect->top + height;
    return height;
  }

  long long x = rect->left, y = rect->top;
  if (flags & TS_DT_RIGHT) x += (long long)rect->right - (rect->left + (long long)width);
  else if (flags & TS_DT_CENTER) x += ((long long)rect->right - rect->left) / 2 - width / 2;
  if (flags & TS_DT_BOTTOM) y += (long long)rect->bottom - (rect->top + (long long)height);
  else if (flags & TS_DT_VCENTER) y += ((long long)rect->bottom - rect->top) / 2 - height / 2;

  ClipBox clip = {0, 0, c->width, c->height};
  if (!(flags & TS_DT_NOCLIP))
    clip = {std::max<long long>(0, rect->left), std::max<long long>(0, rect->top),
            std::min<long long>(c->width, rect->right), std::min<long long>(c->height, rect->bottom)};

  long long top = y;
  for (const auto& line : lines)
  {
    if (c->backMode == 1) FillBox(c, clip, x, top, LineWidth(line, size), size);
    long long pen = x;
    for (int code : line)
    {
      DrawCode(c, clip, code, pen, top, size);
      pen += TextStandin_Advance(code, size);
    }
    top += size;
  }
  return height;
}
