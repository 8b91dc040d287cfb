#pragma once
// The platform font behind a cached editor font: GDI's CreateFontA on
// Windows, the drawing emulation's CreateFont in the macOS form, the glyph
// source's CreateFont in the native Linux build. Editor thread.

#include "lice_font.h"

struct IText;

// The platform's font quality for an IText quality: 0 default (0), 2
// antialiased (4), 3 ClearType (5), anything else non-antialiased (3).
int EditorFontQuality(int quality);

// A new platform font for the style (height = size, escapement and
// orientation in tenths of a degree, bold for style 1, italic for style 2),
// or null when the platform cannot make one. Allocates.
LICE_FontHandle CreateEditorFont(const IText& text);
