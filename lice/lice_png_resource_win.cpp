// PNG images embedded in a module as resources of type "PNG".

#include "lice_png.h"

#include <windows.h>

#include <climits>

LICE_IBitmap* LICE_ReadPNGResource(HINSTANCE__* module, int resourceId, LICE_IBitmap* dest)
{
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(resourceId & 0xFFFF), "PNG");
  if (!resource) return nullptr;
  const DWORD size = SizeofResource(module, resource);
  if (size < 8 || size > DWORD(INT_MAX)) return nullptr;
  HGLOBAL loaded = LoadResource(module, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return nullptr;
  return LICE_ReadPNGMemory(bytes, int(size), dest);
}
