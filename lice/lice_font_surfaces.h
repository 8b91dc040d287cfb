#pragma once
// The process-wide surfaces of the cached fonts: the glyph surface (glyphs are
// rendered there, white on black) and the text surface (the native path draws
// there for bitmaps without a drawing context). Both live from first use to
// the destruction of the last font. Editor thread; no lock.

class LICE_SysBitmap;

namespace lice_detail
{
// Creates the surface when it is missing (null if that fails).
LICE_SysBitmap* GlyphSurface();
LICE_SysBitmap* TextSurface();
}  // namespace lice_detail
