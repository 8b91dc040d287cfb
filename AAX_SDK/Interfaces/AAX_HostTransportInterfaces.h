#pragma once
// The host's transport, queried on the controller unknown (and handed out by
// the transport node of a render context, see AAX_HostMIDINode.h). Every
// query writes through its out pointers. V2 extends V1.

#include "IACFUnknown.h"

class AAX_IACFTransport : public IACFUnknown {
public:
  virtual AAX_ResultCode QueryTempo(double* bpm) = 0;                                  // slot 3
  virtual AAX_ResultCode QueryTimeSignature(int32_t* numerator, int32_t* denominator) = 0;  // slot 4
  virtual AAX_ResultCode QueryPlaying(bool* playing) = 0;                              // slot 5
  // Slot 6: 960000 ticks per quarter note.
  virtual AAX_ResultCode QueryTickPosition(int64_t* ticks) = 0;
  virtual AAX_ResultCode QueryLoopRange(bool* looping, int64_t* startTicks, int64_t* endTicks) = 0;  // slot 7
  virtual AAX_ResultCode QuerySamplePosition(int64_t* samples) = 0;                    // slot 8
  virtual AAX_ResultCode V1Slot9(void* out) = 0;                                       // slot 9
  virtual AAX_ResultCode V1Slot10(void* out) = 0;                                      // slot 10
  virtual AAX_ResultCode V1Slot11(void* out) = 0;                                      // slot 11
  virtual AAX_ResultCode V1Slot12(void* out) = 0;                                      // slot 12

protected:
  ~AAX_IACFTransport() = default;
};

class AAX_IACFTransport_V2 : public AAX_IACFTransport {
public:
  virtual AAX_ResultCode V2Slot13(void* out) = 0;  // slot 13
  virtual AAX_ResultCode V2Slot14(void* out) = 0;  // slot 14
  virtual AAX_ResultCode V2Slot15(void* out) = 0;  // slot 15
  virtual AAX_ResultCode V2Slot16(void* out) = 0;  // slot 16

protected:
  ~AAX_IACFTransport_V2() = default;
};
