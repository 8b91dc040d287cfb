#pragma once
// Proxy for the host transport of one instance or GUI object.

#include "AAX_HostRef.h"
#include "AAX_HostTransportInterfaces.h"
#include "AAX_ITransport.h"

class AAX_VTransport final : public AAX_ITransport {
public:
  // Host's binding thread: queries both versions on the controller unknown
  // (none for null).
  explicit AAX_VTransport(IACFUnknown* controllerUnknown);
  ~AAX_VTransport() override;  // releases newest first

  AAX_ResultCode QueryTempo(double* bpm) override;
  AAX_ResultCode QueryTimeSignature(int32_t* numerator, int32_t* denominator) override;
  AAX_ResultCode QueryPlaying(bool* playing) override;
  AAX_ResultCode QueryTickPosition(int64_t* ticks) override;
  AAX_ResultCode QueryLoopRange(bool* looping, int64_t* startTicks, int64_t* endTicks) override;
  AAX_ResultCode QuerySamplePosition(int64_t* samples) override;
  AAX_ResultCode CallV1Slot9(void* out) override;
  AAX_ResultCode CallV1Slot10(void* out) override;
  AAX_ResultCode CallV1Slot11(void* out) override;
  AAX_ResultCode CallV1Slot12(void* out) override;
  AAX_ResultCode CallV2Slot13(void* out) override;
  AAX_ResultCode CallV2Slot14(void* out) override;
  AAX_ResultCode CallV2Slot15(void* out) override;
  AAX_ResultCode CallV2Slot16(void* out) override;

private:
  AAX_HostRef<AAX_IACFTransport> mV1;
  AAX_HostRef<AAX_IACFTransport_V2> mV2;
};
