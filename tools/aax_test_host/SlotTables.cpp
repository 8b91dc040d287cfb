#include "SlotTables.h"

#include "FakeHost.h"
#include "SlotThunk.h"

#include <utility>
#include <vector>

namespace fakehost {
namespace {

using slots::Slot;
using slots::Thunk;
using slots::ToArg;

int32_t QueryThunk(Face* face, const Guid* iid, void** out) {
  return face->owner->Query(*face, iid, out);
}
uint32_t AddRefThunk(Face* face) { return face->owner->AddRef(*face); }
uint32_t ReleaseThunk(Face* face) { return face->owner->Release(*face); }

// Slot 3 of the object factory: makes (or reuses) the class's object and
// hands out its interface iid. A result or behaviour set for slot 3
// replaces that, with null written to out first.
int32_t CreateInstanceThunk(Face* face, const Guid* classId, void* outer, const Guid* iid,
                            void** out) {
  Object& factory = *face->owner;
  if (out) *out = nullptr;
  const int64_t answer =
      factory.Dispatch(*face, 3, {ToArg(classId), ToArg(outer), ToArg(iid), ToArg(out)});
  if (factory.HasOverride(face->label, 3)) return static_cast<int32_t>(answer);
  Object* created = classId ? factory.GetHost().CreateForClass(*classId) : nullptr;
  if (!created || !iid) return kNoInterface;
  return created->HandOut(*iid, out);
}

template <size_t... I>
std::vector<const void*> OpaqueSlots(std::index_sequence<I...>) {
  return {Slot(&QueryThunk), Slot(&AddRefThunk), Slot(&ReleaseThunk),
          Slot(&Thunk<static_cast<int>(I) + 3, int32_t, void*>)...};
}

// Slots 0-39, every operation slot opaque until a typed one replaces it.
std::vector<const void*> Opaque() { return OpaqueSlots(std::make_index_sequence<37>()); }

SlotTable Keep(std::vector<const void*>& table) { return table.data(); }

}  // namespace

SlotTable UnknownTable() {
  static std::vector<const void*> table = {Slot(&QueryThunk), Slot(&AddRefThunk),
                                           Slot(&ReleaseThunk)};
  return Keep(table);
}

SlotTable OpaqueTable() {
  static std::vector<const void*> table = Opaque();
  return Keep(table);
}

SlotTable FactoryTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[3] = Slot(&CreateInstanceThunk);
    return t;
  }();
  return Keep(table);
}

SlotTable HostServicesTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[4] = Slot(&Thunk<4, int32_t, int32_t, const char*>);
    t[6] = Slot(&Thunk<6, int32_t, const char*, int32_t, const char*, int32_t>);
    return t;
  }();
  return Keep(table);
}

SlotTable ControllerTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[4] = Slot(&Thunk<4, int32_t, float*>);
    t[5] = Slot(&Thunk<5, int32_t, uint32_t*>);
    t[6] = Slot(&Thunk<6, int32_t, uint32_t*>);
    t[10] = Slot(&Thunk<10, int32_t, int32_t>);
    t[12] = Slot(&Thunk<12, int32_t, int32_t, const void*, uint32_t>);
    t[20] = Slot(&Thunk<20, int32_t, void*, void*, void*>);
    t[22] = Slot(&Thunk<22, int32_t, int32_t*, void*, void*>);
    return t;
  }();
  return Keep(table);
}

SlotTable ControllerPagesTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[3] = Slot(&Thunk<3, int32_t, uint32_t, uint32_t, uint32_t, const char*, int32_t, void*>);
    t[4] = Slot(&Thunk<4, int32_t, const char*, const char*, uint32_t, int32_t, void*>);
    t[5] = Slot(&Thunk<5, int32_t, uint32_t, uint32_t, uint32_t, const char*, int32_t, void*>);
    t[6] = Slot(&Thunk<6, int32_t, const char*, const char*, uint32_t, int32_t, void*>);
    return t;
  }();
  return Keep(table);
}

SlotTable TransportTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[3] = Slot(&Thunk<3, int32_t, double*>);
    t[4] = Slot(&Thunk<4, int32_t, int32_t*, int32_t*>);
    t[5] = Slot(&Thunk<5, int32_t, bool*>);
    t[6] = Slot(&Thunk<6, int32_t, int64_t*>);
    t[7] = Slot(&Thunk<7, int32_t, bool*, int64_t*, int64_t*>);
    t[8] = Slot(&Thunk<8, int32_t, int64_t*>);
    return t;
  }();
  return Keep(table);
}

SlotTable AutomationTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[3] = Slot(&Thunk<3, int32_t, const char*>);
    t[4] = Slot(&Thunk<4, int32_t, const char*>);
    t[5] = Slot(&Thunk<5, int32_t, const char*, double>);
    t[6] = Slot(&Thunk<6, int32_t, const char*, double>);
    t[7] = Slot(&Thunk<7, int32_t, const char*>);
    t[8] = Slot(&Thunk<8, int32_t, const char*>);
    return t;
  }();
  return Keep(table);
}

SlotTable PageTableTable() { return OpaqueTable(); }

SlotTable ViewContainerTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[4] = Slot(&Thunk<4, void*>);
    t[6] = Slot(&Thunk<6, int32_t, const float*>);
    t[7] = Slot(&Thunk<7, int32_t, uint32_t*>);
    t[8] = Slot(&Thunk<8, int32_t, const char*, uint32_t>);
    return t;
  }();
  return Keep(table);
}

SlotTable MIDINodeTable() {
  static std::vector<const void*> table = [] {
    std::vector<const void*> t = Opaque();
    t[3] = Slot(&Thunk<3, const void*>);
    t[4] = Slot(&Thunk<4, void*>);
    return t;
  }();
  return Keep(table);
}

}  // namespace fakehost
