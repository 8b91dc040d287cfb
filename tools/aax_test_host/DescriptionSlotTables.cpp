#include "DescriptionSlotTables.h"

#include "SlotThunk.h"

#include <utility>
#include <vector>

namespace fakehost {
namespace {

using slots::Slot;
using slots::Thunk;

int32_t QueryThunk(Face* face, const Guid* iid, void** out) {
  return face->owner->Query(*face, iid, out);
}
uint32_t AddRefThunk(Face* face) { return face->owner->AddRef(*face); }
uint32_t ReleaseThunk(Face* face) { return face->owner->Release(*face); }

template <size_t... I>
std::vector<const void*> OpaqueSlots(std::index_sequence<I...>) {
  return {Slot(&QueryThunk), Slot(&AddRefThunk), Slot(&ReleaseThunk),
          Slot(&Thunk<static_cast<int>(I) + 3, int32_t, void*>)...};
}

// Slots 0-39, every operation slot opaque until a typed one replaces it.
std::vector<const void*> Opaque() { return OpaqueSlots(std::make_index_sequence<37>()); }

}  // namespace

SlotTable CollectionTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[7] = Slot(&Thunk<7, int32_t, const char*, void*>);
    t[8] = Slot(&Thunk<8, int32_t, const char*>);
    t[9] = Slot(&Thunk<9, int32_t, const char*>);
    t[10] = Slot(&Thunk<10, int32_t, uint32_t>);
    t[11] = Slot(&Thunk<11, int32_t, void*>);
    return t;
  }();
  return table.data();
}

SlotTable EffectDescriptorTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[3] = Slot(&Thunk<3, int32_t, void*>);
    t[4] = Slot(&Thunk<4, int32_t, const char*>);
    t[5] = Slot(&Thunk<5, int32_t, uint32_t>);
    t[7] = Slot(&Thunk<7, int32_t, void*, int32_t>);
    t[8] = Slot(&Thunk<8, int32_t, void*>);
    t[10] = Slot(&Thunk<10, int32_t, uint32_t, const void*, void*>);
    return t;
  }();
  return table.data();
}

SlotTable ComponentDescriptorTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[5] = Slot(&Thunk<5, int32_t, int32_t>);
    t[6] = Slot(&Thunk<6, int32_t, int32_t>);
    t[7] = Slot(&Thunk<7, int32_t, int32_t>);
    t[12] = Slot(&Thunk<12, int32_t, int32_t, int32_t, const void*>);
    t[13] = Slot(&Thunk<13, int32_t, int32_t, int32_t, int32_t>);
    t[15] = Slot(&Thunk<15, int32_t, int32_t, int32_t, const char*, uint32_t>);
    t[16] = Slot(&Thunk<16, int32_t, void*, void*, void*, void*, uint32_t*>);
    t[17] = Slot(&Thunk<17, int32_t, int64_t, int64_t, void*, int64_t, int64_t, uint32_t*>);
    t[18] = Slot(&Thunk<18, int32_t, int32_t, const uint32_t*, uint32_t>);
    t[20] = Slot(&Thunk<20, int32_t, void*, uint32_t*, int32_t>);
    return t;
  }();
  return table.data();
}

SlotTable PropertyMapTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[3] = Slot(&Thunk<3, int64_t, int32_t, int64_t*>);
    t[4] = Slot(&Thunk<4, int32_t, int32_t, int64_t>);
    t[5] = Slot(&Thunk<5, int32_t, int32_t>);
    t[7] = Slot(&Thunk<7, int64_t, void*>);
    t[8] = Slot(&Thunk<8, int64_t, int32_t, int64_t*>);
    t[9] = Slot(&Thunk<9, int32_t, int32_t, int64_t>);
    return t;
  }();
  return table.data();
}

SlotTable DescriptionHostTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[3] = Slot(&Thunk<3, int32_t, const Guid*, void**>);
    return t;
  }();
  return table.data();
}

SlotTable FeatureInfoTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[4] = Slot(&Thunk<4, int32_t, void**, void*, void*>);
    return t;
  }();
  return table.data();
}

}  // namespace fakehost
