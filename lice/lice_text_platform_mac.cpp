// The text calls of the macOS form, on the drawing emulation's device
// contexts (WDL/IPlug/mac): UTF-8 goes to its text call as it is; there is no
// compatibility-layer probe. Colours go over as 0x00RRGGBB, read from the
// macOS pixel layout.

#include "GDIEmulation.h"
#include "lice_font_testing.h"
#include "lice_text_platform.h"
#include "lice_utf8.h"

namespace
{
int PlatformColour(LICE_Pixel p) { return int((LICE_GETR(p) << 16) | (LICE_GETG(p) << 8) | LICE_GETB(p)); }

GDIEmu_DC* Context(LICE_DeviceContext dc) { return static_cast<GDIEmu_DC*>(dc); }
GDIEmu_Object* Object(LICE_FontHandle font) { return static_cast<GDIEmu_Object*>(font); }

int Draw(LICE_DeviceContext dc, const char* text, int count, LICE_Rect* rect, uint32_t flags)
{
  GDIEmu_Rect r{rect->left, rect->top, rect->right, rect->bottom};
  const int result = DrawText(Context(dc), text, count, &r, int(flags));
  *rect = LICE_Rect{r.left, r.top, r.right, r.bottom};
  return result;
}
}  // namespace

static_assert(int(LICE_TEXT_MEASURE) == int(DT_CALCRECT) && int(LICE_TEXT_VCENTER) == int(DT_VCENTER) &&
                  int(LICE_TEXT_CENTER) == int(DT_CENTER) &&
                  int(LICE_TEXT_BOTTOM) == int(DT_BOTTOM) && int(LICE_TEXT_RIGHT) == int(DT_RIGHT) &&
                  int(LICE_TEXT_SINGLELINE) == int(DT_SINGLELINE) && int(LICE_TEXT_NOPREFIX) == int(DT_NOPREFIX) &&
                  int(LICE_TEXT_NOCLIP) == int(DT_NOCLIP),
              "the cached fonts pass the emulation's own text flags");
static_assert(int(LICE_BACK_TRANSPARENT) == int(GDIEMU_TRANSPARENT) && int(LICE_BACK_OPAQUE) == int(GDIEMU_OPAQUE),
              "the cached fonts pass the emulation's own back modes");

namespace lice_text
{
// The emulation clips the glyph to its cell.
const uint32_t kMeasureCodeFlags = LICE_TEXT_MEASURE | LICE_TEXT_NOPREFIX | LICE_TEXT_SINGLELINE;
const uint32_t kDrawCodeFlags = LICE_TEXT_NOPREFIX | LICE_TEXT_SINGLELINE;

LICE_FontHandle SelectFont(LICE_DeviceContext dc, LICE_FontHandle font)
{
  return SelectObject(Context(dc), font ? Object(font) : reinterpret_cast<GDIEmu_Object*>(GDIEMU_FONT_SLOT));
}

void RestoreFont(LICE_DeviceContext dc, LICE_FontHandle previous) { SelectObject(Context(dc), Object(previous)); }

int TextMetricsHeight(LICE_DeviceContext dc)
{
  GDIEmu_TextMetric metrics;
  return GetTextMetrics(Context(dc), &metrics) ? metrics.height : 0;
}

void SetTextColour(LICE_DeviceContext dc, LICE_Pixel colour) { SetTextColor(Context(dc), PlatformColour(colour)); }
void SetBackColour(LICE_DeviceContext dc, LICE_Pixel colour) { SetBkColor(Context(dc), PlatformColour(colour)); }
void SetBackMode(LICE_DeviceContext dc, int32_t mode) { SetBkMode(Context(dc), mode); }

int DrawCode(LICE_DeviceContext dc, unsigned code, LICE_Rect* rect, uint32_t flags)
{
  char utf8[3];
  return Draw(dc, utf8, lice_detail::EncodeUtf8(code, utf8), rect, flags);
}

int DrawUtf8(LICE_DeviceContext dc, const char* text, int count, LICE_Rect* rect, uint32_t flags)
{
  return Draw(dc, text, count, rect, flags);
}

void DeleteFont(LICE_FontHandle font) { DeleteObject(Object(font)); }

bool RunningUnderWine() { return false; }
}  // namespace lice_text

void LICE_FontTesting_SetWineProbe(int) {}
int LICE_FontTesting_WineProbe() { return 0; }
