#include "AAX_VAutomationDelegate.h"

#include "AAX_InterfaceIds.h"

AAX_VAutomationDelegate::AAX_VAutomationDelegate(IACFUnknown* controllerUnknown) {
  mV1.QueryFrom(controllerUnknown, AAX_IID_AutomationDelegateV1);
}

AAX_VAutomationDelegate::~AAX_VAutomationDelegate() { mV1.Reset(); }

AAX_ResultCode AAX_VAutomationDelegate::AttachParameter(const char* parameterId) {
  return mV1 ? mV1->AttachParameter(parameterId) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VAutomationDelegate::DetachParameter(const char* parameterId) {
  return mV1 ? mV1->DetachParameter(parameterId) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VAutomationDelegate::RequestValue(const char* parameterId, double normalized) {
  return mV1 ? mV1->RequestValue(parameterId, normalized) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VAutomationDelegate::PostCurrentValue(const char* parameterId,
                                                         double normalized) {
  return mV1 ? mV1->PostCurrentValue(parameterId, normalized) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VAutomationDelegate::BeginParameterTouch(const char* parameterId) {
  return mV1 ? mV1->BeginParameterTouch(parameterId) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VAutomationDelegate::EndParameterTouch(const char* parameterId) {
  return mV1 ? mV1->EndParameterTouch(parameterId) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VAutomationDelegate::CallV1Slot9(void* argument) {
  return mV1 ? mV1->V1Slot9(argument) : AAX_ERROR_NULL_OBJECT;
}
