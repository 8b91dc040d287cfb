#pragma once
// The slot tables of the host interfaces, written from the slot numbers and
// argument orders alone. Slots 0 to 2 are query, add-reference and release;
// a slot whose role the plug-in does not use takes one opaque pointer.

namespace fakehost {

using SlotTable = const void* const*;

SlotTable UnknownTable();         // slots 0-2 only
SlotTable OpaqueTable();          // slots 3-39 take one opaque pointer
SlotTable FactoryTable();         // 3 CreateInstance(class, outer, iid, out)
SlotTable HostServicesTable();    // 4 PostTrace(int32, text), 6 ReportAssertion(text, int32, text, int32)
SlotTable ControllerTable();      // versions 1-3, slots 3-25
SlotTable ControllerPagesTable(); // versions 4-5, slots 3-6
SlotTable TransportTable();       // slots 3-16
SlotTable AutomationTable();      // slots 3-9
SlotTable PageTableTable();       // slots 3-19
SlotTable ViewContainerTable();   // slots 3-12
SlotTable MIDINodeTable();        // 3 packet stream, 4 transport

}  // namespace fakehost
