// The text calls on the drawing layer's device contexts (the glyph source
// stand-in in the native build). UTF-8 goes to the text call as it is; there
// is no compatibility-layer probe.

#include "lice_font_testing.h"
#include "lice_text_platform.h"
#include "lice_utf8.h"
#include "text_standin/text_standin.h"

namespace
{
int PlatformColour(LICE_Pixel p) { return int((LICE_GETR(p) << 16) | (LICE_GETG(p) << 8) | LICE_GETB(p)); }

// Selecting this slot number empties the font slot.
LICE_FontHandle const kFontSlot = reinterpret_cast<LICE_FontHandle>(3);
}  // namespace

namespace lice_text
{
// The drawing layer clips the glyph to its cell.
const uint32_t kMeasureCodeFlags = LICE_TEXT_MEASURE | LICE_TEXT_NOPREFIX | LICE_TEXT_SINGLELINE;
const uint32_t kDrawCodeFlags = LICE_TEXT_NOPREFIX | LICE_TEXT_SINGLELINE;

LICE_FontHandle SelectFont(LICE_DeviceContext dc, LICE_FontHandle font) { return SelectObject(dc, font ? font : kFontSlot); }
void RestoreFont(LICE_DeviceContext dc, LICE_FontHandle previous) { SelectObject(dc, previous); }

int TextMetricsHeight(LICE_DeviceContext dc)
{
  GDIEmu_TextMetric metrics;
  return GetTextMetrics(dc, &metrics) ? metrics.height : 0;
}

void SetTextColour(LICE_DeviceContext dc, LICE_Pixel colour) { SetTextColor(dc, PlatformColour(colour)); }
void SetBackColour(LICE_DeviceContext dc, LICE_Pixel colour) { SetBkColor(dc, PlatformColour(colour)); }
void SetBackMode(LICE_DeviceContext dc, int32_t mode) { SetBkMode(dc, mode); }

int DrawCode(LICE_DeviceContext dc, unsigned code, LICE_Rect* rect, uint32_t flags)
{
  // One UTF-16 unit as UTF-8.
  char utf8[3];
  const int length = lice_detail::EncodeUtf8(code, utf8);
  return ::DrawText(dc, utf8, length, rect, int(flags));
}

int DrawUtf8(LICE_DeviceContext dc, const char* text, int count, LICE_Rect* rect, uint32_t flags)
{
  return ::DrawText(dc, text, count, rect, int(flags));
}

void DeleteFont(LICE_FontHandle font) { DeleteObject(font); }

bool RunningUnderWine() { return false; }
}  // namespace lice_text

void LICE_FontTesting_SetWineProbe(int) {}
int LICE_FontTesting_WineProbe() { return 0; }
