#include "AAX_VViewContainer.h"

#include "AAX_InterfaceIds.h"

AAX_VViewContainer::AAX_VViewContainer(IACFUnknown* viewUnknown) {
  mV1.QueryFrom(viewUnknown, AAX_IID_ViewContainerV1);
  mV2.QueryFrom(viewUnknown, AAX_IID_ViewContainerV2);
}

AAX_VViewContainer::~AAX_VViewContainer() {
  // Clearing the two references without releasing them would leak both host
  // objects every time the editor closes.
  mV2.Reset();
  mV1.Reset();
}

AAX_ResultCode AAX_VViewContainer::CallV1Slot3(void* argument) {
  return mV1 ? mV1->V1Slot3(argument) : AAX_SUCCESS;
}
void* AAX_VViewContainer::QueryNativeView() { return mV1 ? mV1->QueryNativeView() : nullptr; }
AAX_ResultCode AAX_VViewContainer::CallV1Slot5(void* argument) {
  return mV1 ? mV1->V1Slot5(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VViewContainer::RequestViewSize(const float* size) {
  return mV1 ? mV1->RequestViewSize(size) : AAX_SUCCESS;
}
AAX_ResultCode AAX_VViewContainer::QueryModifiers(uint32_t* modifiers) {
  return mV1 ? mV1->QueryModifiers(modifiers) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VViewContainer::HandleParameterMouseDown(const char* parameterId,
                                                            uint32_t modifiers) {
  return mV1 ? mV1->HandleParameterMouseDown(parameterId, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VViewContainer::CallV1Slot9(void* argument) {
  return mV1 ? mV1->V1Slot9(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VViewContainer::CallV2Slot10(void* argument) {
  return mV2 ? mV2->V2Slot10(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VViewContainer::CallV2Slot11(void* argument) {
  return mV2 ? mV2->V2Slot11(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VViewContainer::CallV2Slot12(void* argument) {
  return mV2 ? mV2->V2Slot12(argument) : AAX_ERROR_UNIMPLEMENTED;
}
