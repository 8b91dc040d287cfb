#pragma once
// The platform's text calls as the cached fonts use them, one small file per
// platform (Windows GDI; elsewhere the drawing layer's device-context calls).
// Colours are handed over as LICE_Pixels and converted here. Editor thread.

#include "lice_font.h"

namespace lice_text
{
// Selects the font into the context and answers what to select back later.
LICE_FontHandle SelectFont(LICE_DeviceContext dc, LICE_FontHandle font);
void RestoreFont(LICE_DeviceContext dc, LICE_FontHandle previous);
// Height of the selected font's text metrics; 0 when they cannot be read.
int TextMetricsHeight(LICE_DeviceContext dc);
void SetTextColour(LICE_DeviceContext dc, LICE_Pixel colour);
void SetBackColour(LICE_DeviceContext dc, LICE_Pixel colour);
void SetBackMode(LICE_DeviceContext dc, int32_t mode);
// Measures or draws the single character code (one UTF-16 unit). The pixels
// are up to date when it returns.
int DrawCode(LICE_DeviceContext dc, unsigned code, LICE_Rect* rect, uint32_t flags);
// Measures or draws count bytes of UTF-8 (count < 0: up to the NUL); answers
// the platform call's result. May allocate (long texts on Windows).
int DrawUtf8(LICE_DeviceContext dc, const char* text, int count, LICE_Rect* rect, uint32_t flags);
void DeleteFont(LICE_FontHandle font);
// True when the process runs under the Wine compatibility layer (probed once).
bool RunningUnderWine();

// Text flags of the two glyph calls: measuring one character, drawing it
// into its cell.
extern const uint32_t kMeasureCodeFlags;
extern const uint32_t kDrawCodeFlags;
}  // namespace lice_text
