#pragma once
// A deterministic glyph source standing in for the platform's drawing layer
// in builds without one (the native Linux build). It offers the small set of
// device-context calls the raster library draws text with: memory contexts
// over a pixel store, font objects, selection, colours, text metrics and a
// text call that measures, aligns and draws. Its glyphs follow fixed rules
// (below) so that tests can compute exact pixel values.
//
// Glyph rules, for a font of size s = |height| (0 or out of range: 16):
//   - text-metrics height and line height: s;
//   - advance of a code c: 0 below 0x20, s / 4 for the space, s / 2 below
//     0x100, s from 0x100;
//   - ink, in the context's text colour over the advance x s box: row 0 is
//     the code's stamp (column i is inked fully when bit i % 16 of c is set);
//     rows 1 to s - 1 alternate full (255) and partial (TEXT_STANDIN_PARTIAL)
//     coverage, full where column + row is even. Codes up to 0x20 have no ink;
//   - TEXT_STANDIN_OVERHANG_CODE inks 3 columns past its advance,
//     TEXT_STANDIN_SHORT_CODE stops 2 columns short of it (at least 1 column).
// Coverage v blends the text colour over the pixel: channel = (colour * v +
// pixel * (255 - v)) / 255 for red, green and blue; alpha is left alone.
// Opaque back mode fills each line's box with the back colour first.
// The text call stops at the count or the NUL, drops carriage returns, turns
// line feeds into spaces with TS_DT_SINGLELINE (else they start a line) and,
// without TS_DT_NOPREFIX, drops "&" and takes the byte after it literally.
// UTF-8 is decoded; a malformed or truncated sequence gives its lead byte as a
// code and goes on with the next byte.
//
// Not thread-safe (the fonts that use it run on the editor's thread).

#include "lice_draw.h"

#include <cstdint>

enum
{
  TS_DT_CALCRECT = 0x1,
  TS_DT_VCENTER = 0x2,
  TS_DT_CENTER = 0x4,
  TS_DT_BOTTOM = 0x10,
  TS_DT_RIGHT = 0x20,
  TS_DT_SINGLELINE = 0x40,
  TS_DT_NOPREFIX = 0x80,
  TS_DT_NOCLIP = 0x100,
};

enum
{
  TEXT_STANDIN_PARTIAL = 130,  // exactly the monochrome threshold: not ink
  TEXT_STANDIN_OVERHANG_CODE = 'f',
  TEXT_STANDIN_SHORT_CODE = 'i',
  TEXT_STANDIN_DEFAULT_SIZE = 16,
};

struct GDIEmu_TextMetric
{
  int32_t height, ascent, descent, internalLeading, averageCharWidth;
};

typedef void* TextStandin_Context;
typedef void* TextStandin_Object;

// A context over a fresh zeroed store of width x height pixels (row span =
// width), or null.
TextStandin_Context CreateMemoryContext(TextStandin_Context ignored, int width, int height);
void DeleteDC(TextStandin_Context context);
void* GetContextPixels(TextStandin_Context context);
// Colours are 0x00RRGGBB.
void SetTextColor(TextStandin_Context context, int colour);
void SetBkColor(TextStandin_Context context, int colour);
// 1 is opaque; anything else draws the text alone.
void SetBkMode(TextStandin_Context context, int mode);
// The arguments of the Windows call of that name; only height (else width)
// is used.
TextStandin_Object CreateFont(int height, int width, int escapement, int orientation, int weight, char italic,
                              char underline, char strikeOut, char charSet, char outPrecision, char clipPrecision,
                              char quality, char pitchAndFamily, const char* faceName);
void DeleteObject(TextStandin_Object object);
// Selects a font and answers what the font slot held before (3 when it held
// nothing); selecting 3 empties the slot.
TextStandin_Object SelectObject(TextStandin_Context context, TextStandin_Object object);
bool GetTextMetrics(TextStandin_Context context, GDIEmu_TextMetric* metrics);
// Answers the height of the laid-out text (0 for an empty text or no context).
int DrawText(TextStandin_Context context, const char* text, int length, LICE_Rect* rect, int flags);

// Exact values of the rules above, for tests.
int TextStandin_Advance(int code, int size);
int TextStandin_Coverage(int code, int size, int column, int row);  // 0 outside the ink

// Counts calls of DrawText (measuring or drawing) since the last reset.
struct TextStandin_Recorder
{
  int textCalls;
  int lastFlags;
  int lastLength;
};
const TextStandin_Recorder& TextStandin_Record();
void TextStandin_ResetRecord();
