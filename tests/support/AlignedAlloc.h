// The platform's aligned allocator, for the aligned operator new replacements.
#pragma once

#include <cstddef>

// Answers null on failure. alignment is a power of two.
void* VoAlignedAlloc(std::size_t size, std::size_t alignment);
void VoAlignedFree(void* p);
