#include "AAX_VHostServices.h"

#include "AAX_InterfaceIds.h"

AAX_VHostServices::AAX_VHostServices(IACFUnknown* hostUnknown) {
  AAX_HostRef<AAX_IACFHostObjectFactory> factory;
  factory.QueryFrom(hostUnknown, AAX_IID_HostObjectFactory);
  mV1.CreateFrom(factory.Get(), AAX_CLSID_HostServices, AAX_IID_HostServicesV1);
  mV2.CreateFrom(factory.Get(), AAX_CLSID_HostServices, AAX_IID_HostServicesV2);
  mV3.CreateFrom(factory.Get(), AAX_CLSID_HostServices, AAX_IID_HostServicesV3);
}

AAX_VHostServices::~AAX_VHostServices() {
  mV3.Reset();
  mV2.Reset();
  mV1.Reset();
}

AAX_ResultCode AAX_VHostServices::ReportAssertion(const char* file, int32_t line,
                                                  const char* condition, int32_t flags) {
  return mV3 ? mV3->ReportAssertion(file, line, condition, flags) : AAX_ERROR_NULL_OBJECT;
}

AAX_ResultCode AAX_VHostServices::PostTrace(int32_t priority, const char* message) {
  return mV1 ? mV1->PostTrace(priority, message) : AAX_ERROR_NULL_OBJECT;
}

AAX_ResultCode AAX_VHostServices::CallV2Slot5(void* argument) {
  return mV2 ? mV2->V2Slot5(argument) : AAX_ERROR_UNIMPLEMENTED;
}
