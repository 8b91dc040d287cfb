// The text calls on GDI. UTF-8 text with multi-byte sequences is converted to
// UTF-16 for DrawTextW; anything else (or text that does not convert) goes to
// DrawTextA as bytes.

#include "lice_font_testing.h"
#include "lice_text_platform.h"

#include <new>

namespace
{
// -1 not yet probed, 1 running under Wine, 0 not.
int g_wineProbe = -1;

COLORREF PlatformColour(LICE_Pixel p) { return RGB(LICE_GETR(p), LICE_GETG(p), LICE_GETB(p)); }

RECT ToRect(const LICE_Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
void FromRect(const RECT& r, LICE_Rect* out) { *out = {int(r.left), int(r.top), int(r.right), int(r.bottom)}; }

bool IsContinuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// True when the text holds a well-formed two- to four-byte sequence, looking
// no further than count bytes (count < 0: up to the NUL).
bool HasMultiByteSequence(const char* text, int count)
{
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  for (long long i = 0; count < 0 ? p[i] != 0 : i < count; ++i)
  {
    const long long left = count < 0 ? 3 : count - 1 - i;  // bytes after the lead within the count
    const unsigned char b = p[i];
    if (b >= 0xC2 && b <= 0xDF && left >= 1 && IsContinuation(p[i + 1])) return true;
    if (b >= 0xE0 && b <= 0xF4 && left >= 2 && IsContinuation(p[i + 1]) && IsContinuation(p[i + 2])) return true;
  }
  return false;
}

void Flush(uint32_t flags)
{
  // GDI batches drawing; the pixels are read right after.
  if (!(flags & LICE_TEXT_MEASURE)) GdiFlush();
}
}  // namespace

namespace lice_text
{
const uint32_t kMeasureCodeFlags = LICE_TEXT_MEASURE | LICE_TEXT_NOPREFIX | LICE_TEXT_SINGLELINE;
// Not clipped: the cell is read back, ink beyond it is not.
const uint32_t kDrawCodeFlags = LICE_TEXT_NOPREFIX | LICE_TEXT_NOCLIP | LICE_TEXT_SINGLELINE;

LICE_FontHandle SelectFont(LICE_DeviceContext dc, LICE_FontHandle font)
{
  return static_cast<LICE_FontHandle>(SelectObject(dc, font));
}

void RestoreFont(LICE_DeviceContext dc, LICE_FontHandle previous)
{
  if (previous) SelectObject(dc, previous);
}

int TextMetricsHeight(LICE_DeviceContext dc)
{
  TEXTMETRICW metrics;
  return GetTextMetricsW(dc, &metrics) ? int(metrics.tmHeight) : 0;
}

void SetTextColour(LICE_DeviceContext dc, LICE_Pixel colour) { SetTextColor(dc, PlatformColour(colour)); }
void SetBackColour(LICE_DeviceContext dc, LICE_Pixel colour) { SetBkColor(dc, PlatformColour(colour)); }
void SetBackMode(LICE_DeviceContext dc, int32_t mode) { SetBkMode(dc, mode); }

int DrawCode(LICE_DeviceContext dc, unsigned code, LICE_Rect* rect, uint32_t flags)
{
  wchar_t unit = wchar_t(code);
  RECT r = ToRect(*rect);
  const int result = DrawTextW(dc, &unit, 1, &r, flags);
  FromRect(r, rect);
  Flush(flags);
  return result;
}

int DrawUtf8(LICE_DeviceContext dc, const char* text, int count, LICE_Rect* rect, uint32_t flags)
{
  RECT r = ToRect(*rect);
  int result = 0;
  bool drawn = false;
  if (HasMultiByteSequence(text, count))
  {
    wchar_t local[1024];
    wchar_t* wide = local;
    int capacity = 1024;
    const int needed = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, count, nullptr, 0);
    if (needed >= 1000)
    {
      capacity = needed + 32;
      wide = new (std::nothrow) wchar_t[capacity];
    }
    const int units = needed > 0 && wide ? MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, count, wide, capacity) : 0;
    if (units > 0)
    {
      // A count of -1 converted the NUL as well.
      result = DrawTextW(dc, wide, count < 0 ? -1 : units, &r, flags);
      drawn = true;
    }
    if (wide != local) delete[] wide;
  }
  if (!drawn) result = DrawTextA(dc, text, count, &r, flags);
  FromRect(r, rect);
  Flush(flags);
  return result;
}

void DeleteFont(LICE_FontHandle font) { DeleteObject(font); }

bool RunningUnderWine()
{
  if (g_wineProbe < 0)
  {
    HKEY key = nullptr;
    g_wineProbe = RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Wine", 0, KEY_READ, &key) == ERROR_SUCCESS ? 1 : 0;
    if (g_wineProbe) RegCloseKey(key);
  }
  return g_wineProbe == 1;
}
}  // namespace lice_text

void LICE_FontTesting_SetWineProbe(int value) { g_wineProbe = value; }
int LICE_FontTesting_WineProbe() { return g_wineProbe; }
