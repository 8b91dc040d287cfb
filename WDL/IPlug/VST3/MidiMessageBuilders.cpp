// The MIDI short-message builders (used by the VST3 wrapper only).
#include "IMidiShortMessage.h"

namespace {
uint8_t DataByte(int value) { return static_cast<uint8_t>(value & 0x7F); }
uint8_t Status(int kind, int channel) { return static_cast<uint8_t>(kind | (channel & 0x0F)); }
}  // namespace

IMidiShortMessage IMidiShortMessage::MakeNoteOn(int pitch, int velocity, int offset, int channel) {
  IMidiShortMessage message;
  message.mOffset = offset;
  message.mStatus = Status(0x90, channel);
  message.mData1 = DataByte(pitch);
  message.mData2 = DataByte(velocity);
  return message;
}

IMidiShortMessage IMidiShortMessage::MakeNoteOff(int pitch, int offset, int channel) {
  IMidiShortMessage message;
  message.mOffset = offset;
  message.mStatus = Status(0x80, channel);
  message.mData1 = DataByte(pitch);
  message.mData2 = 0;
  return message;
}

IMidiShortMessage IMidiShortMessage::MakeControlChange(int controller, double value, int channel) {
  // The comparisons are written so that a NaN ends up as 0.
  const double clamped = value > 1.0 ? 1.0 : (value >= 0.0 ? value : 0.0);
  IMidiShortMessage message;
  message.mOffset = 0;
  message.mStatus = Status(0xB0, channel);
  message.mData1 = DataByte(controller);
  message.mData2 = static_cast<uint8_t>(static_cast<int>(clamped * 127.0));
  return message;
}
