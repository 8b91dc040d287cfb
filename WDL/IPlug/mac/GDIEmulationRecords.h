#pragma once
// The records behind the emulation's handles, their pools and the
// process-wide objects shared by the emulation's files.

#include "GDIEmulation.h"

#include <CoreText/CoreText.h>

#include <cstdint>

struct GDIEmu_DC
{
  CGContextRef context;  // owned
  void* store;           // raw heap block behind the context, owned
  // Pen, brush and font slots: null, a slot number or a GDIEmu_Object.
  GDIEmu_Object* selected[3];
  int32_t foreColor;  // 0x00RRGGBB
  int32_t backColor;
  int32_t backMode;
  unsigned char pooled;  // set while in the free pool
  GDIEmu_DC* next;       // free-pool link
  CGColorRef foreColorObject;  // owned
};

enum : int32_t
{
  GDIEMU_PEN = 1,
  GDIEMU_BRUSH = 2,
  GDIEMU_FONT = 3
};

enum : unsigned char
{
  GDIEMU_ANTIALIAS_KEEP = 0,
  GDIEMU_ANTIALIAS_OFF = 3,
  GDIEMU_ANTIALIAS_ON = 4
};

struct GDIEmu_Object
{
  int32_t type;  // GDIEMU_PEN, GDIEMU_BRUSH or GDIEMU_FONT
  float rotation;  // degrees; kept, not drawn
  unsigned char pooled;
  GDIEmu_Object* next;
  CTFontRef font;  // owned
  unsigned char antialiasMode;
};

// Records come from the pools, cleared; null only when memory runs out.
GDIEmu_DC* GDIEmu_TakeContextRecord();
GDIEmu_Object* GDIEmu_TakeObjectRecord();
// Clears the record and pools it, or frees it when the pool is full.
void GDIEmu_ReturnContextRecord(GDIEmu_DC* record);
void GDIEmu_ReturnObjectRecord(GDIEmu_Object* record);
// Pooled records now (for tests and diagnostics).
int GDIEmu_PooledContextCount();
int GDIEmu_PooledObjectCount();

// A context that operations may use: not null, not pooled.
inline bool GDIEmu_Usable(const GDIEmu_DC* context) { return context && !context->pooled; }
// A live object of the type (0: any type): not a slot number, not pooled.
inline bool GDIEmu_IsLive(const GDIEmu_Object* object, int32_t type)
{
  return reinterpret_cast<uintptr_t>(object) >= 5 && !object->pooled && (type == 0 || object->type == type);
}

// The device RGB space shared by every colour and context (made once).
CGColorSpaceRef GDIEmu_ColorSpace();
// The default font: the label font of size 10 (made once; may be null).
CTFontRef GDIEmu_DefaultFont();
// A colour object from 0x00RRGGBB, opaque; the caller releases it.
CGColorRef GDIEmu_MakeColor(int32_t color);
// The font DrawText and GetTextMetrics use: the selected live font, else
// the default font.
CTFontRef GDIEmu_FontOf(const GDIEmu_DC* context);
