#include "lice_mem_bitmap.h"

#include <cstdint>
#include <cstdlib>

namespace
{
constexpr int kAlignmentSlack = 63;
constexpr int kMaxAlignMask = 15;  // alignments above 16 pixels are capped at 16
}  // namespace

LICE_MemBitmap::LICE_MemBitmap(int width, int height, unsigned rowAlignment)
{
  if (rowAlignment >= 2)
  {
    const unsigned lowestBit = rowAlignment & (~rowAlignment + 1u);
    m_alignMask = lowestBit - 1u > unsigned(kMaxAlignMask) ? kMaxAlignMask : int(lowestBit - 1u);
  }
  if (width > 0 && height > 0) Resize(width, height);
}

LICE_MemBitmap::~LICE_MemBitmap() { std::free(m_store); }

LICE_Pixel* LICE_MemBitmap::Pixels()
{
  if (!m_store) return nullptr;
  const uintptr_t aligned = (reinterpret_cast<uintptr_t>(m_store) + kAlignmentSlack) & ~uintptr_t(kAlignmentSlack);
  return reinterpret_cast<LICE_Pixel*>(aligned);
}

bool LICE_MemBitmap::Resize(int width, int height)
{
  if (width == m_width && height == m_height) return false;
  m_width = width;
  m_height = height;

  // In 64 bits: a 32-bit product of a large width and height wraps to a small
  // positive size and the caller would then write far past the store. A store
  // that the int32 byte count cannot describe is refused.
  const int64_t span = (int64_t(width) + m_alignMask) & ~int64_t(m_alignMask);
  const int64_t need = int64_t(height) * span * 4;
  if (width > 0 && height > 0 && need > 0 && need <= INT32_MAX)
  {
    if (!m_store)
    {
      m_store = std::malloc(size_t(need) + kAlignmentSlack);
      m_allocated = m_store ? int(need) : 0;
    }
    else if (m_allocated < need)
    {
      int64_t grown = need + need / 4;
      if (grown > INT32_MAX) grown = INT32_MAX;
      if (void* bigger = std::realloc(m_store, size_t(grown) + kAlignmentSlack))
      {
        m_store = bigger;
        m_allocated = int(grown);
      }
      else
      {
        std::free(m_store);
        m_store = std::malloc(size_t(need) + kAlignmentSlack);
        m_allocated = m_store ? int(need) : 0;
      }
    }
  }
  else
  {
    std::free(m_store);
    m_store = nullptr;
    m_allocated = 0;
  }
  if (!m_store) m_width = m_height = 0;
  return true;
}
