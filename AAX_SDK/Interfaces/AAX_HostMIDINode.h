#pragma once
// The MIDI nodes that a render context carries (local MIDI input, global
// MIDI, and the transport node), and the packet stream a node hands out.
//
// This library's choice of the node's slots: after the unknown's three,
// slot 3 answers the node's packet stream of the current block and slot 4
// the host transport (with the layout of AAX_IACFTransport). The render call
// uses them without taking references.

#include "AAX_HostTransportInterfaces.h"

#include <cstddef>
#include <cstdint>

struct AAX_MIDIPacket {
  uint32_t timestamp;   // sample offset within the block
  uint32_t reserved;
  uint8_t message[3];   // status, data 1, data 2
  uint8_t unused[5];
};
static_assert(sizeof(AAX_MIDIPacket) == 16, "a packet is 16 bytes");
static_assert(offsetof(AAX_MIDIPacket, message) == 8, "message bytes at offset 8");

struct AAX_MIDIStream {
  uint32_t packetCount;
  const AAX_MIDIPacket* packets;
};
static_assert(offsetof(AAX_MIDIStream, packets) == 8, "packet pointer at offset 8");

class AAX_IACFMIDINode : public IACFUnknown {
public:
  virtual const AAX_MIDIStream* GetNodeBuffer() = 0;  // slot 3
  virtual AAX_IACFTransport* GetTransport() = 0;      // slot 4

protected:
  ~AAX_IACFMIDINode() = default;
};
