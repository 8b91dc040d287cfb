#include "AAX_VPageTable.h"

#include "AAX_InterfaceIds.h"

AAX_VPageTable::AAX_VPageTable(IACFUnknown* pageTableUnknown) {
  mV1.QueryFrom(pageTableUnknown, AAX_IID_PageTableV1);
  mV2.QueryFrom(pageTableUnknown, AAX_IID_PageTableV2);
}

AAX_VPageTable::~AAX_VPageTable() {
  mV2.Reset();
  mV1.Reset();
}

// Every operation answers -20009 when its interface version is missing.
AAX_ResultCode AAX_VPageTable::CallV1Slot3(void* argument) {
  return mV1 ? mV1->V1Slot3(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV1Slot4(void* argument) {
  return mV1 ? mV1->V1Slot4(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV1Slot5(void* argument) {
  return mV1 ? mV1->V1Slot5(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV1Slot6(void* argument) {
  return mV1 ? mV1->V1Slot6(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV1Slot7(void* argument) {
  return mV1 ? mV1->V1Slot7(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV1Slot8(void* argument) {
  return mV1 ? mV1->V1Slot8(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV1Slot9(void* argument) {
  return mV1 ? mV1->V1Slot9(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV1Slot10(void* argument) {
  return mV1 ? mV1->V1Slot10(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV1Slot11(void* argument) {
  return mV1 ? mV1->V1Slot11(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV2Slot12(void* argument) {
  return mV2 ? mV2->V2Slot12(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV2Slot13(void* argument) {
  return mV2 ? mV2->V2Slot13(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV2Slot14(void* argument) {
  return mV2 ? mV2->V2Slot14(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV2Slot15(void* argument) {
  return mV2 ? mV2->V2Slot15(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV2Slot16(void* argument) {
  return mV2 ? mV2->V2Slot16(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV2Slot17(void* argument) {
  return mV2 ? mV2->V2Slot17(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV2Slot18(void* argument) {
  return mV2 ? mV2->V2Slot18(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VPageTable::CallV2Slot19(void* argument) {
  return mV2 ? mV2->V2Slot19(argument) : AAX_ERROR_UNIMPLEMENTED;
}
