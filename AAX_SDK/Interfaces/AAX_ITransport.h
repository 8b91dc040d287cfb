#pragma once
// The library's view of the host transport (implemented by AAX_VTransport).
// Called on the audio thread inside the render call and on the user-interface
// thread; no allocation, no lock.

#include "AAX_Result.h"

#include <cstdint>

class AAX_ITransport {
public:
  virtual ~AAX_ITransport() = default;
  virtual AAX_ResultCode QueryTempo(double* bpm) = 0;
  virtual AAX_ResultCode QueryTimeSignature(int32_t* numerator, int32_t* denominator) = 0;
  virtual AAX_ResultCode QueryPlaying(bool* playing) = 0;
  virtual AAX_ResultCode QueryTickPosition(int64_t* ticks) = 0;  // 960000 per quarter note
  virtual AAX_ResultCode QueryLoopRange(bool* looping, int64_t* startTicks, int64_t* endTicks) = 0;
  virtual AAX_ResultCode QuerySamplePosition(int64_t* samples) = 0;
  virtual AAX_ResultCode CallV1Slot9(void* out) = 0;
  virtual AAX_ResultCode CallV1Slot10(void* out) = 0;
  virtual AAX_ResultCode CallV1Slot11(void* out) = 0;
  virtual AAX_ResultCode CallV1Slot12(void* out) = 0;
  virtual AAX_ResultCode CallV2Slot13(void* out) = 0;
  virtual AAX_ResultCode CallV2Slot14(void* out) = 0;
  virtual AAX_ResultCode CallV2Slot15(void* out) = 0;
  virtual AAX_ResultCode CallV2Slot16(void* out) = 0;
};
