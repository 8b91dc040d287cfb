#include "AAX_VTransport.h"

#include "AAX_InterfaceIds.h"

AAX_VTransport::AAX_VTransport(IACFUnknown* controllerUnknown) {
  mV1.QueryFrom(controllerUnknown, AAX_IID_TransportV1);
  mV2.QueryFrom(controllerUnknown, AAX_IID_TransportV2);
}

AAX_VTransport::~AAX_VTransport() {
  mV2.Reset();
  mV1.Reset();
}

AAX_ResultCode AAX_VTransport::QueryTempo(double* bpm) {
  return mV1 ? mV1->QueryTempo(bpm) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VTransport::QueryTimeSignature(int32_t* numerator, int32_t* denominator) {
  return mV1 ? mV1->QueryTimeSignature(numerator, denominator) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VTransport::QueryPlaying(bool* playing) {
  return mV1 ? mV1->QueryPlaying(playing) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VTransport::QueryTickPosition(int64_t* ticks) {
  return mV1 ? mV1->QueryTickPosition(ticks) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VTransport::QueryLoopRange(bool* looping, int64_t* startTicks,
                                              int64_t* endTicks) {
  return mV1 ? mV1->QueryLoopRange(looping, startTicks, endTicks) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VTransport::QuerySamplePosition(int64_t* samples) {
  return mV1 ? mV1->QuerySamplePosition(samples) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VTransport::CallV1Slot9(void* out) {
  return mV1 ? mV1->V1Slot9(out) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VTransport::CallV1Slot10(void* out) {
  return mV1 ? mV1->V1Slot10(out) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VTransport::CallV1Slot11(void* out) {
  return mV1 ? mV1->V1Slot11(out) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VTransport::CallV1Slot12(void* out) {
  return mV1 ? mV1->V1Slot12(out) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VTransport::CallV2Slot13(void* out) {
  return mV2 ? mV2->V2Slot13(out) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VTransport::CallV2Slot14(void* out) {
  return mV2 ? mV2->V2Slot14(out) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VTransport::CallV2Slot15(void* out) {
  return mV2 ? mV2->V2Slot15(out) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VTransport::CallV2Slot16(void* out) {
  return mV2 ? mV2->V2Slot16(out) : AAX_ERROR_UNIMPLEMENTED;
}
