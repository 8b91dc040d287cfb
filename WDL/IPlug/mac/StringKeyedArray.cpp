#include "StringKeyedArray.h"

#include <cstdlib>
#include <cstring>

namespace
{
const size_t kGrowthBytes = 4096;
}

StringKeyedArray::StringKeyedArray(CompareKeys compare, CopyKey copyKey, DisposeKey disposeKey,
                                   DisposeValue disposeValue)
    : m_compare(compare), m_copyKey(copyKey), m_disposeKey(disposeKey), m_disposeValue(disposeValue)
{
}

StringKeyedArray::~StringKeyedArray()
{
  for (int i = 0; i < m_count; ++i)
  {
    if (m_disposeKey) m_disposeKey(m_entries[i].key);
    if (m_disposeValue) m_disposeValue(m_entries[i].value);
  }
  std::free(m_entries);
}

int StringKeyedArray::Position(const char* key, bool& found) const
{
  int low = 0, high = m_count;
  while (low < high)
  {
    const int mid = (low + high) / 2;
    const int order = m_compare(key, m_entries[mid].key);
    if (order > 0) low = mid + 1;
    else if (order < 0) high = mid;
    else
    {
      found = true;
      return mid;
    }
  }
  found = false;
  return low;
}

void* StringKeyedArray::Get(const char* key, bool* found) const
{
  bool hit;
  const int at = Position(key, hit);
  if (found) *found = hit;
  return hit ? m_entries[at].value : nullptr;
}

bool StringKeyedArray::Insert(const char* key, void* value)
{
  bool hit;
  const int at = Position(key, hit);
  if (hit)
  {
    if (m_disposeValue) m_disposeValue(m_entries[at].value);
    m_entries[at].value = value;
    return true;
  }
  const size_t needed = (size_t(m_count) + 1) * sizeof(Entry);
  if (needed > m_capacityBytes)
  {
    const size_t capacity = (needed + kGrowthBytes - 1) / kGrowthBytes * kGrowthBytes;
    auto* grown = static_cast<Entry*>(std::realloc(m_entries, capacity));
    if (!grown) return false;
    m_entries = grown;
    m_capacityBytes = capacity;
  }
  char* copy = m_copyKey ? m_copyKey(key) : const_cast<char*>(key);
  if (!copy) return false;
  std::memmove(m_entries + at + 1, m_entries + at, (size_t(m_count) - size_t(at)) * sizeof(Entry));
  m_entries[at] = Entry{copy, value};
  ++m_count;
  return true;
}
