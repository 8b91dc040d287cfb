#include "lice_image_loader.h"

LICE_ImageLoaderEntry* LICE_ImageLoaderHead = nullptr;
