#pragma once
// A three-byte MIDI message with its sample offset within the block, as both
// format wrappers hand it to the plug-in.

#include <cstdint>

struct IMidiShortMessage {
  int32_t mOffset = 0;
  uint8_t mStatus = 0;
  uint8_t mData1 = 0;
  uint8_t mData2 = 0;

  // Builders of the messages the VST3 wrapper hands to the plug-in. Channel
  // and data bytes are kept to their 4 and 7 bits, so a host's out-of-range
  // numbers never leak into the status byte. Audio thread; no allocation.
  //
  // Status 0x90 | channel, data 1 the pitch, data 2 the velocity.
  static IMidiShortMessage MakeNoteOn(int pitch, int velocity, int offset, int channel);
  // Status 0x80 | channel, data 1 the pitch, data 2 zero.
  static IMidiShortMessage MakeNoteOff(int pitch, int offset, int channel);
  // Offset 0, status 0xB0 | channel, data 1 the controller, data 2 the value
  // in [0, 1] times 127 truncated toward zero (out-of-range values clamped).
  static IMidiShortMessage MakeControlChange(int controller, double value, int channel);
};
