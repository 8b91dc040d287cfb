#pragma once
// The raster graphics library: 32-bit bitmaps, blits, fills, soften, cached
// fonts and PNG loading.

#include "lice_bitmap.h"
#include "lice_combine.h"
#include "lice_draw.h"
#include "lice_font.h"
#include "lice_image_loader.h"
#include "lice_mem_bitmap.h"
#include "lice_pixel.h"
#include "lice_png.h"
#include "lice_sys_bitmap.h"
