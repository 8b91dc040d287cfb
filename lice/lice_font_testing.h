#pragma once
// Test-only access to the process-wide state of the cached fonts. Production
// code never includes this header. Editor thread, like the fonts themselves.

class LICE_SysBitmap;

// The platform probe: -1 not yet probed, 1 running under the Wine
// compatibility layer, 0 not. Builds without a probe ignore the setter and
// always answer 0.
void LICE_FontTesting_SetWineProbe(int value);
int LICE_FontTesting_WineProbe();

// The shared glyph and text surfaces (null while they do not exist) and the
// number of live fonts.
LICE_SysBitmap* LICE_FontTesting_GlyphSurface();
LICE_SysBitmap* LICE_FontTesting_TextSurface();
int LICE_FontTesting_LiveFonts();
