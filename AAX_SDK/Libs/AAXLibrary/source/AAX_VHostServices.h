#pragma once
// Proxy for the host's services (traces, assertion reports). One per loaded
// module, from start-up to shut-down (see AAX_Trace.h).

#include "AAX_HostRef.h"
#include "AAX_HostServicesInterfaces.h"
#include "AAX_IHostServices.h"

class AAX_VHostServices final : public AAX_IHostServices {
public:
  // Host's start-up thread: creates each interface version through the host
  // object factory found on hostUnknown; any of them may stay missing.
  explicit AAX_VHostServices(IACFUnknown* hostUnknown);
  // Releases the host interfaces newest first.
  ~AAX_VHostServices() override;

  AAX_ResultCode ReportAssertion(const char* file, int32_t line, const char* condition,
                                 int32_t flags) override;
  AAX_ResultCode PostTrace(int32_t priority, const char* message) override;
  AAX_ResultCode CallV2Slot5(void* argument) override;

private:
  AAX_HostRef<AAX_IACFHostServices> mV1;
  AAX_HostRef<AAX_IACFHostServices_V2> mV2;
  AAX_HostRef<AAX_IACFHostServices_V3> mV3;
};
