#pragma once
// An array of {text key, pointer value} entries kept sorted by the keys,
// found by binary search. Keys are copied in and disposed of by callbacks;
// values are disposed of (when replaced, and at destruction) by an optional
// callback. Storage grows in steps of 4096 bytes.
//
// No lock of its own: the owner serialises access. Insert allocates.

#include <cstddef>

class StringKeyedArray
{
public:
  typedef int (*CompareKeys)(const char* a, const char* b);
  typedef char* (*CopyKey)(const char* key);
  typedef void (*DisposeKey)(char* key);
  typedef void (*DisposeValue)(void* value);

  StringKeyedArray(CompareKeys compare, CopyKey copyKey, DisposeKey disposeKey, DisposeValue disposeValue);
  ~StringKeyedArray();
  StringKeyedArray(const StringKeyedArray&) = delete;
  StringKeyedArray& operator=(const StringKeyedArray&) = delete;

  // The value stored under the key; found (if given) tells a stored null
  // from a missing key.
  void* Get(const char* key, bool* found = nullptr) const;
  // Stores the value under the key; an existing key's old value is disposed
  // of. False when memory runs out (nothing changes then).
  bool Insert(const char* key, void* value);
  int Size() const { return m_count; }

private:
  struct Entry
  {
    char* key;
    void* value;
  };
  // Index of the key, or where it would go.
  int Position(const char* key, bool& found) const;

  CompareKeys m_compare;
  CopyKey m_copyKey;
  DisposeKey m_disposeKey;
  DisposeValue m_disposeValue;
  Entry* m_entries = nullptr;
  int m_count = 0;
  size_t m_capacityBytes = 0;
};
