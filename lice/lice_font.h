#pragma once
// Fonts that draw UTF-8 text into any LICE_IBitmap.
//
// LICE_CachedFont wraps one platform font handle. Each character is rendered
// once by the platform's text call (white on black, into a process-wide glyph
// surface) and kept as an 8-bit coverage mask; text is then drawn mask by mask
// with the blend modes of the blits. When no glyph effect, colour alpha or
// extra line spacing is asked for, a native path hands the whole string to the
// platform's text call instead.
//
// Threads: every operation here runs on the editor's thread. The shared glyph
// and text surfaces, the live-font count and the platform probe are
// process-wide and unlocked, so fonts must not be created, drawn or destroyed
// on two threads at once. No operation takes a lock. Allocation is noted per
// operation.

#include "HeapBuffer.h"
#include "lice_bitmap.h"
#include "lice_draw.h"
#include "lice_pixel.h"

#include <cstdint>

#ifdef _WIN32
// The text call of the interface carries the name of a Windows macro; the
// header is included here so that every user sees the same spelling.
#include <windows.h>
typedef HFONT LICE_FontHandle;  // a GDI font
#else
typedef void* LICE_FontHandle;  // a font object of the drawing layer
#endif

// Font flags, the second argument of LICE_CachedFont::AttachHFont.
enum : int32_t
{
  LICE_FONT_VERTICAL = 0x1,         // masks turned by 90 degrees; text runs down the page
  LICE_FONT_TURN_CCW = 0x2,         // with LICE_FONT_VERTICAL: turned the other way, text runs up
  LICE_FONT_PRERENDER_ASCII = 0x4,  // render codes 0 to 127 at attach, never add codes from 128
  LICE_FONT_SOFTEN = 0x10,          // soften each glyph before it is stored
  LICE_FONT_INVERT = 0x20,          // store 255 - coverage
  LICE_FONT_MONO = 0x40,            // coverage above 130 becomes 255, the rest 0
  LICE_FONT_SHADOW = 0x80,          // mono plus a shadow (value 128) below and right of the ink
  LICE_FONT_OUTLINE = 0x100,        // mono plus an outline (value 128) around the ink
  LICE_FONT_OWNS_HANDLE = 0x200,    // delete the handle when it is replaced or the font destroyed
  LICE_FONT_NATIVE_OK = 0x400,      // the native path may be used
  // Flags that each rule the native path out.
  LICE_FONT_GLYPH_ONLY_MASK = 0x1F7,
};

// Text flags, the last argument of LICE_CachedFont::DrawText: the platform's
// own text-format values, plus two of this library in the top bits.
enum : uint32_t
{
#ifdef _WIN32
  LICE_TEXT_CENTER = 0x1,       // centre horizontally
  LICE_TEXT_RIGHT = 0x2,        // align right
  LICE_TEXT_VCENTER = 0x4,      // centre vertically
  LICE_TEXT_BOTTOM = 0x8,       // align bottom
  LICE_TEXT_SINGLELINE = 0x20,  // a line feed draws as a space
  LICE_TEXT_NOCLIP = 0x100,     // do not clip to the rectangle
  LICE_TEXT_MEASURE = 0x400,    // draw nothing; set the rectangle's right and bottom
  LICE_TEXT_NOPREFIX = 0x800,   // "&" is an ordinary character
#else
  LICE_TEXT_CENTER = 0x4,
  LICE_TEXT_RIGHT = 0x20,
  LICE_TEXT_VCENTER = 0x2,
  LICE_TEXT_BOTTOM = 0x10,
  LICE_TEXT_SINGLELINE = 0x40,
  LICE_TEXT_NOCLIP = 0x100,
  LICE_TEXT_MEASURE = 0x1,
  LICE_TEXT_NOPREFIX = 0x80,
#endif
  LICE_TEXT_USE_FORE_ALPHA = 0x40000000u,  // opacity x fore alpha / 255 for this call
  LICE_TEXT_NEVER_NATIVE = 0x80000000u,    // always draw glyph by glyph
  LICE_TEXT_ALIGN_MASK = LICE_TEXT_CENTER | LICE_TEXT_RIGHT | LICE_TEXT_VCENTER | LICE_TEXT_BOTTOM,
};

// Background modes (LICE_CachedFont::SetBackMode): the platform's values.
enum : int32_t
{
#ifdef _WIN32
  LICE_BACK_TRANSPARENT = 1,
  LICE_BACK_OPAQUE = 2,
#else
  LICE_BACK_TRANSPARENT = 0,
  LICE_BACK_OPAQUE = 1,
#endif
};

// One glyph of a font's cache.
struct LICE_GlyphRecord
{
  int32_t maskPosition;  // 1 + byte offset in the pixel store; 0 not rendered; -1 nothing to draw
  int32_t maskWidth;
  int32_t maskHeight;
  int32_t advance;  // pixels the pen moves
  int32_t code;     // sort key of the extended records
};

class LICE_IFont
{
public:
  virtual ~LICE_IFont() {}

  // Allocates (glyph surface, prerendered glyphs).
  virtual void AttachHFont(LICE_FontHandle handle, int32_t flags) = 0;
  // The setters store the value and answer the previous one. No allocation.
  virtual LICE_Pixel SetForeColor(LICE_Pixel colour) = 0;
  virtual LICE_Pixel SetBackColor(LICE_Pixel colour) = 0;
  virtual LICE_Pixel SetEffectColor(LICE_Pixel colour) = 0;
  virtual int32_t SetBackMode(int32_t mode) = 0;
  virtual void SetBlendMode(LICE_BlendMode mode, float opacity) = 0;
  // Draws (or with LICE_TEXT_MEASURE measures) count bytes of UTF-8 text
  // (count < 0: up to the NUL) in rect. bitmap may be null when measuring.
  // Answers the text's height (its width for a vertical font), the native
  // call's result, or 0 when nothing can be drawn. May allocate (glyphs
  // rendered on first use, surfaces, long native texts).
  virtual int DrawText(LICE_IBitmap* bitmap, const char* text, int count, LICE_Rect* rect, uint32_t flags) = 0;
  virtual LICE_Pixel GetForeColor() = 0;
  virtual LICE_FontHandle GetHFont() = 0;
  virtual int GetLineHeight() = 0;
};

class LICE_CachedFont : public LICE_IFont
{
public:
  // Counts the font as live. No drawing surface is made yet.
  LICE_CachedFont();
  // Deletes an owned handle; the last live font frees the shared surfaces.
  ~LICE_CachedFont() override;
  LICE_CachedFont(const LICE_CachedFont&) = delete;
  LICE_CachedFont& operator=(const LICE_CachedFont&) = delete;

  void AttachHFont(LICE_FontHandle handle, int32_t flags) override;
  LICE_Pixel SetForeColor(LICE_Pixel colour) override;
  LICE_Pixel SetBackColor(LICE_Pixel colour) override;
  LICE_Pixel SetEffectColor(LICE_Pixel colour) override;
  int32_t SetBackMode(int32_t mode) override;
  void SetBlendMode(LICE_BlendMode mode, float opacity) override;
  int DrawText(LICE_IBitmap* bitmap, const char* text, int count, LICE_Rect* rect, uint32_t flags) override;
  LICE_Pixel GetForeColor() override { return m_foreColour; }
  LICE_FontHandle GetHFont() override { return m_handle; }
  int GetLineHeight() override { return m_lineHeight; }

  // Draws one already rendered glyph with its top-left at (x, y), clipped to
  // clip and to the bitmap, by the font's colours, back mode and blend mode.
  // False when nothing was drawn (no such glyph, not rendered, clipped away).
  // No allocation.
  virtual bool DrawGlyph(LICE_IBitmap* bitmap, unsigned short code, int x, int y, const LICE_Rect* clip);

private:
  LICE_GlyphRecord* FindGlyph(int code);
  // The record of code, rendered if it was not yet; null when the font keeps
  // no record for it.
  LICE_GlyphRecord* RenderedGlyph(int code);
  void RenderGlyph(int code);
  void StoreMask(LICE_GlyphRecord* record, int cellWidth, int cellHeight);
  bool UseNativePath(LICE_IBitmap* bitmap, uint32_t flags);
  int DrawNative(LICE_IBitmap* bitmap, const char* text, int count, LICE_Rect* rect, uint32_t flags);
  int DrawNativeViaSurface(LICE_IBitmap* bitmap, const char* text, int count, LICE_Rect* rect, uint32_t flags);
  int MeasureGlyphs(const char* text, int count, LICE_Rect* rect, uint32_t flags);
  int DrawGlyphs(LICE_IBitmap* bitmap, const char* text, int count, LICE_Rect* rect, uint32_t flags);
  bool IsVertical() const { return (m_fontFlags & LICE_FONT_VERTICAL) != 0; }
  bool IsTurnedCcw() const
  {
    return (m_fontFlags & (LICE_FONT_VERTICAL | LICE_FONT_TURN_CCW)) == (LICE_FONT_VERTICAL | LICE_FONT_TURN_CCW);
  }

  LICE_Pixel m_foreColour = 0;
  LICE_Pixel m_backColour = 0xFFFFFFFF;
  LICE_Pixel m_effectColour = 0xFFFFFFFF;  // shadow and outline pixels
  int32_t m_backMode = LICE_BACK_TRANSPARENT;
  LICE_BlendMode m_blendMode = 0;
  float m_opacity = 1.0f;
  int32_t m_fontFlags = 0;
  int32_t m_lineHeight = 0;
  int32_t m_extraLineSpacing = 0;  // added at each line feed
  LICE_GlyphRecord m_directGlyphs[128];
  HeapBuffer m_extendedGlyphs{4096};  // LICE_GlyphRecords of codes >= 128, sorted by code
  HeapBuffer m_maskStore{65536};      // all glyph masks back to back
  LICE_FontHandle m_handle = nullptr;
};
