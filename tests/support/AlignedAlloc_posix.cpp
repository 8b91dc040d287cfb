#include "AlignedAlloc.h"

#include <cstdlib>

void* VoAlignedAlloc(std::size_t size, std::size_t alignment)
{
  if (alignment < sizeof(void*))
    alignment = sizeof(void*);
  void* p = nullptr;
  if (posix_memalign(&p, alignment, size ? size : 1) != 0)
    return nullptr;
  return p;
}

void VoAlignedFree(void* p)
{
  std::free(p);
}
