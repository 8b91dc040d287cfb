#include "AlignedAlloc.h"

#include <malloc.h>

void* VoAlignedAlloc(std::size_t size, std::size_t alignment)
{
  return _aligned_malloc(size ? size : 1, alignment);
}

void VoAlignedFree(void* p)
{
  _aligned_free(p);
}
