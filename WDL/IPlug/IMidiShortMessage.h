#pragma once
// A three-byte MIDI message with its sample offset within the block, as both
// format wrappers hand it to the plug-in.

#include <cstdint>

struct IMidiShortMessage {
  int32_t mOffset = 0;
  uint8_t mStatus = 0;
  uint8_t mData1 = 0;
  uint8_t mData2 = 0;
};
