#pragma once
// The device-context calls through which the raster library's system bitmap
// and fonts and the editor's font lookup draw text on macOS, offered on
// CoreGraphics and CoreText: memory contexts over a pixel store, font
// objects, selection of objects into a context, text colour and background,
// text metrics and text drawing. Only what those callers use exists: every
// context is a memory context, and fonts are the only objects created.
//
// Threads: any thread. A context or object has no lock of its own, so one
// thread uses it at a time; the record pools and the font-name cache are
// locked inside. Contexts and fonts allocate when made (records come from
// pools of at most 100 contexts and 200 objects); nothing else allocates
// except DrawText's transient text objects.

#include <cstdint>

struct GDIEmu_DC;      // a device context (always a memory context)
struct GDIEmu_Object;  // a drawing object (only fonts are made)

// The handle values 1, 2 and 3 stand for the pen, brush and font slots of a
// context; 0 is no object and 4 is never valid.
enum : uintptr_t
{
  GDIEMU_PEN_SLOT = 1,
  GDIEMU_BRUSH_SLOT = 2,
  GDIEMU_FONT_SLOT = 3
};

struct GDIEmu_TextMetric
{
  int32_t height;
  int32_t ascent;
  int32_t descent;
  int32_t internalLeading;
  int32_t averageCharWidth;
};

struct GDIEmu_Rect
{
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

// Text-format flags of DrawText; other bits are ignored.
enum : int32_t
{
  DT_CALCRECT = 0x1,    // measure only: set right and bottom, draw nothing
  DT_VCENTER = 0x2,     // centre vertically
  DT_CENTER = 0x4,      // centre horizontally
  DT_BOTTOM = 0x10,     // align to the bottom (wins over DT_VCENTER)
  DT_RIGHT = 0x20,      // align to the right (wins over DT_CENTER)
  DT_SINGLELINE = 0x40, // line feeds become blanks
  DT_NOPREFIX = 0x80,   // "&" is an ordinary character
  DT_NOCLIP = 0x100     // do not clip to the rectangle
};

// Back mode that fills the text's box with the back colour first; any other
// value draws the text alone.
enum : int32_t
{
  GDIEMU_TRANSPARENT = 0,
  GDIEMU_OPAQUE = 1
};

// A context over a fresh, zeroed pixel store of width x height (4 bytes per
// pixel: a byte the drawing ignores, then red, green, blue; rows top-down,
// 4 x width bytes each, starting 64-byte aligned), with the origin at the
// top-left corner; black text. Null for a side below 1, a store whose byte
// count does not fit an int32, or failed allocation. The first argument is
// ignored. Any thread; allocates; takes the pool lock.
GDIEmu_DC* CreateMemoryContext(GDIEmu_DC* ignored, int width, int height);
// Releases the context and its store; nothing for null. Any thread; frees;
// takes the pool lock.
void DeleteDC(GDIEmu_DC* context);
// The first pixel of the store; null for null or a context without a store.
// Any thread; no allocation, no lock.
void* GetContextPixels(GDIEmu_DC* context);
// Colours are 0x00RRGGBB. Any thread; SetTextColor allocates its colour
// object; no lock.
void SetTextColor(GDIEmu_DC* context, int color);
void SetBkColor(GDIEmu_DC* context, int color);
void SetBkMode(GDIEmu_DC* context, int mode);

// A new font (null only when memory runs out). Uses height (or, when 0, width) as the size in
// points (magnitudes below 2 or above 8192 give 10), orientation in tenths of
// a degree (kept, not drawn), weight (700 and above bold), italic and
// quality (low bytes; quality 3 draws without anti-aliasing, 4 with, any
// other leaves the context's setting) and the UTF-8 face name (null is
// empty); the other arguments are accepted and ignored. Any thread;
// allocates; takes the pool lock and the font-name cache's lock.
GDIEmu_Object* CreateFont(int height, int width, int escapement, int orientation, int weight, int italic,
                          int underline, int strikeOut, int charSet, int outputPrecision, int clipPrecision,
                          int quality, int pitchAndFamily, const char* faceName);
// Releases an object; handle values below 5 are ignored. Any thread;
// frees; takes the pool lock.
void DeleteObject(GDIEmu_Object* object);
// Puts an object into its slot of the context, or empties a slot when given
// its number, and answers what the slot held before: the object, or the slot
// number when it held none. Selecting that answer back restores the slot.
// Null for a null context or an invalid object. Any thread; no allocation,
// no lock.
GDIEmu_Object* SelectObject(GDIEmu_DC* context, GDIEmu_Object* object);
// Metrics of the selected font (or the default font). The record is first
// filled with 16, 12, 4, 3, 10; false for a null context or record. Any
// thread; no lock (the default font is made once, on first need).
bool GetTextMetrics(GDIEmu_DC* context, GDIEmu_TextMetric* metrics);
// Draws (or with DT_CALCRECT measures) UTF-8 text, length bytes or up to the
// terminator when negative, in the rectangle; answers the laid-out height,
// 0 when nothing can be laid out. Any thread; allocates its transient text
// objects; no lock.
int DrawText(GDIEmu_DC* context, const char* text, int length, GDIEmu_Rect* rect, int flags);
