#pragma once
// A list of object pointers kept in a HeapBuffer. The list owns its items in
// the sense that DeleteAll(true) and DeleteAt destroy them (last to first);
// its own destructor frees only the pointer storage, so lists of borrowed
// pointers are possible. A failed allocation leaves the list as it was.

#include <cstring>

#include "HeapBuffer.h"

template <class T>
class PointerList {
 public:
  // Optional replacement for `delete` when destroying items.
  using Disposer = void (*)(T*);

  PointerList() : mBuffer(4096) {}

  int GetSize() const { return mBuffer.GetSize() / static_cast<int>(sizeof(T*)); }

  // The item, or null for any index outside the list.
  T* Get(int index) const {
    T** items = Items();
    return (items && index >= 0 && index < GetSize()) ? items[index] : nullptr;
  }

  // index -1 appends; any other index is clamped to [0, count]. The item is
  // stored only when the list could grow. Answers item. May allocate.
  T* Insert(T* item, int index = -1) {
    const int count = GetSize();
    mBuffer.Resize(mBuffer.GetSize() + static_cast<int>(sizeof(T*)), false);
    if (GetSize() != count + 1) return item;
    T** items = Items();
    if (index == -1 || index > count) {
      index = count;
    } else if (index < 0) {
      index = 0;
    }
    std::memmove(items + index + 1, items + index, sizeof(T*) * static_cast<size_t>(count - index));
    items[index] = item;
    return item;
  }

  // Destroys the item at index (when not null) and closes the gap; any other
  // index does nothing. Never allocates.
  void DeleteAt(int index, Disposer dispose = nullptr) {
    const int count = GetSize();
    if (index < 0 || index >= count) return;
    T** items = Items();
    Destroy(items[index], dispose);
    std::memmove(items + index, items + index + 1, sizeof(T*) * static_cast<size_t>(count - index - 1));
    mBuffer.Resize(mBuffer.GetSize() - static_cast<int>(sizeof(T*)), false);
  }

  // Empties the list, destroying the items last to first when deleteItems is
  // set. The list never holds a destroyed item while the walk goes on. Keeps
  // the storage for reuse; never allocates.
  void DeleteAll(bool deleteItems, Disposer dispose = nullptr) {
    if (deleteItems) {
      for (int i = GetSize() - 1; i >= 0; --i) {
        T* item = Items()[i];
        Destroy(item, dispose);
        mBuffer.Resize(i * static_cast<int>(sizeof(T*)), false);
      }
    }
    mBuffer.Resize(0, false);
  }

 private:
  T** Items() const { return mBuffer.GetAs<T*>(); }
  static void Destroy(T* item, Disposer dispose) {
    if (!item) return;
    if (dispose) {
      dispose(item);
    } else {
      delete item;
    }
  }

  HeapBuffer mBuffer;
};
