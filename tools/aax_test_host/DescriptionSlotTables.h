#pragma once
// Slot tables of the host objects an effect is described through, written
// from the slot numbers and argument orders alone (slots 0 to 2 are query,
// add-reference and release; unused slots take one opaque pointer).

#include "SlotTables.h"

namespace fakehost {

// 7 RegisterEffect(text, effect), 8 AddManufacturerName(text),
// 9 AddBundleName(text), 10 SetBundleVersion(uint32), 11 SetProperties(map)
SlotTable CollectionTable();
// 3 AddComponent(component), 4 AddName(text), 5 AddCategory(uint32),
// 7 AddProcPtr(procedure, int32), 8 SetProperties(map),
// 10 (uint32, pointer, map); versions 1 and 2
SlotTable EffectDescriptorTable();
// 5-7 audio in, audio out, block length (int32), 12 extra field,
// 13 private data (int32, int32, int32), 15 MIDI node (int32, int32, text,
// uint32), 16 native process procedure (proc, map, proc, proc, out id),
// 17 third-type procedure (int64, int64, map, int64, int64, out id),
// 18 meters (int32, ids, uint32), 20 process procedures (map, ids, int32)
SlotTable ComponentDescriptorTable();
// 3 GetProperty(int32, out int64) -> yes/no, 4 AddProperty(int32, int64),
// 5 RemoveProperty(int32), 7 -> yes/no, 8 GetPointerProperty(int32, out),
// 9 AddPointerProperty(int32, int64). The yes/no slots put the whole 64-bit
// answer into the return register, as a host whose boolean is one byte may
// leave bits above its low byte set.
SlotTable PropertyMapTable();
// 3 AcquireFeatureProperties(identifier, out object)
SlotTable DescriptionHostTable();
// 4 AcquireProperties(out object, pointer, pointer)
SlotTable FeatureInfoTable();

}  // namespace fakehost
