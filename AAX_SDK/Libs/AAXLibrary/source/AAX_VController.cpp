#include "AAX_VController.h"

#include "AAX_Exception.h"
#include "AAX_InterfaceIds.h"
#include "AAX_VPageTable.h"

AAX_VController::AAX_VController(IACFUnknown* controllerUnknown) {
  if (!controllerUnknown) return;
  mV1.QueryFrom(controllerUnknown, AAX_IID_ControllerV1);
  mV2.QueryFrom(controllerUnknown, AAX_IID_ControllerV2);
  mV3.QueryFrom(controllerUnknown, AAX_IID_ControllerV3);
  mV4.QueryFrom(controllerUnknown, AAX_IID_ControllerV4);
  mV5.QueryFrom(controllerUnknown, AAX_IID_ControllerV5);
  const AAX_ResultCode result = mFactory.QueryFrom(controllerUnknown, AAX_IID_HostObjectFactory);
  if (result < 0) throw AAX::Exception::ResultError(result);
}

AAX_VController::~AAX_VController() {
  mFactory.Reset();
  mV5.Reset();
  mV4.Reset();
  mV3.Reset();
  mV2.Reset();
  mV1.Reset();
}

AAX_ResultCode AAX_VController::CallV1Slot3(void* argument) {
  return mV1 ? mV1->V1Slot3(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::QuerySampleRate(float* rate) {
  return mV1 ? mV1->QuerySampleRate(rate) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::QueryInputStem(uint32_t* format) {
  return mV1 ? mV1->QueryInputStem(format) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::QueryOutputStem(uint32_t* format) {
  return mV1 ? mV1->QueryOutputStem(format) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::CallV1Slot7(void* argument) {
  return mV1 ? mV1->V1Slot7(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::CallV1Slot8(void* argument) {
  return mV1 ? mV1->V1Slot8(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::CallV1Slot9(void* argument) {
  return mV1 ? mV1->V1Slot9(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::ReportLatency(int32_t samples) {
  return mV1 ? mV1->ReportLatency(samples) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::CallV1Slot11(void* argument) {
  return mV1 ? mV1->V1Slot11(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::PostPacket(int32_t fieldIndex, const void* data, uint32_t size) {
  return mV1 ? mV1->PostPacket(fieldIndex, data, size) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::CallV2Slot20(void* argument) {
  return mV2 ? mV2->V2Slot20(argument, nullptr, nullptr) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VController::CallV2Slot20Full(void* first, void* second, void* third) {
  return mV2 ? mV2->V2Slot20(first, second, third) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VController::CallV1Slot13(void* argument) {
  return mV1 ? mV1->V1Slot13(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::CallV1Slot14(void* argument) {
  return mV1 ? mV1->V1Slot14(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::CallV1Slot15(void* argument) {
  return mV1 ? mV1->V1Slot15(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::CallV1Slot18(void* argument) {
  return mV1 ? mV1->V1Slot18(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::CallV1Slot16(void* argument) {
  return mV1 ? mV1->V1Slot16(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::CallV1Slot17(void* argument) {
  return mV1 ? mV1->V1Slot17(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::CallV1Slot19(void* argument) {
  return mV1 ? mV1->V1Slot19(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VController::CallV2Slot21(void* argument) {
  return mV2 ? mV2->V2Slot21(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VController::CallV2Slot22(int32_t* out, void* first, void* second) {
  if (mV2) return mV2->V2Slot22(out, first, second);
  if (out) *out = 0;
  return AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VController::CallV2Slot23(void* argument) {
  return mV2 ? mV2->V2Slot23(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VController::CallV3Slot24(void* argument) {
  return mV3 ? mV3->V3Slot24(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VController::CallV3Slot25(void* argument) {
  return mV3 ? mV3->V3Slot25(argument) : AAX_ERROR_UNIMPLEMENTED;
}

template <class Fill>
AAX_IPageTable* AAX_VController::RequestPageTable(Fill fill) {
  AAX_HostRef<IACFUnknown> table;  // the creation reference, given back on every path
  table.CreateFrom(mFactory.Get(), AAX_CLSID_PageTable, AAX_IID_PageTableV2);
  if (fill(table.Get()) != AAX_SUCCESS || !table) return nullptr;
  return new AAX_VPageTable(table.Get());
}

AAX_IPageTable* AAX_VController::CreatePageTableV4Slot3(uint32_t first, uint32_t second,
                                                        uint32_t third, const char* fourth,
                                                        int32_t fifth) {
  if (!mV4) return nullptr;
  return RequestPageTable([&](IACFUnknown* table) {
    return mV4->FillPageTableV4Slot3(first, second, third, fourth, fifth, table);
  });
}

AAX_IPageTable* AAX_VController::CreatePageTableV4Slot4(const char* first, const char* second,
                                                        uint32_t third, int32_t fourth) {
  if (!mV4) return nullptr;
  return RequestPageTable([&](IACFUnknown* table) {
    return mV4->FillPageTableV4Slot4(first, second, third, fourth, table);
  });
}

AAX_IPageTable* AAX_VController::CreatePageTableV5Slot5(uint32_t first, uint32_t second,
                                                        uint32_t third, const char* fourth,
                                                        int32_t fifth) {
  if (!mV5) return nullptr;
  return RequestPageTable([&](IACFUnknown* table) {
    return mV5->FillPageTableV5Slot5(first, second, third, fourth, fifth, table);
  });
}

AAX_IPageTable* AAX_VController::CreatePageTableV5Slot6(const char* first, const char* second,
                                                        uint32_t third, int32_t fourth) {
  if (!mV5) return nullptr;
  return RequestPageTable([&](IACFUnknown* table) {
    return mV5->FillPageTableV5Slot6(first, second, third, fourth, table);
  });
}
