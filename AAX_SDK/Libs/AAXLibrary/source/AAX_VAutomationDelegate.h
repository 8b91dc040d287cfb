#pragma once
// Proxy for the host's automation delegate of one instance.

#include "AAX_HostAutomationInterface.h"
#include "AAX_HostRef.h"
#include "AAX_IAutomationDelegate.h"

class AAX_VAutomationDelegate final : public AAX_IAutomationDelegate {
public:
  // Host's binding thread: queries the delegate on the controller unknown
  // (none for null).
  explicit AAX_VAutomationDelegate(IACFUnknown* controllerUnknown);
  ~AAX_VAutomationDelegate() override;

  AAX_ResultCode AttachParameter(const char* parameterId) override;
  AAX_ResultCode DetachParameter(const char* parameterId) override;
  AAX_ResultCode RequestValue(const char* parameterId, double normalized) override;
  AAX_ResultCode PostCurrentValue(const char* parameterId, double normalized) override;
  AAX_ResultCode BeginParameterTouch(const char* parameterId) override;
  AAX_ResultCode EndParameterTouch(const char* parameterId) override;
  AAX_ResultCode CallV1Slot9(void* argument) override;

private:
  AAX_HostRef<AAX_IACFAutomationDelegate> mV1;
};
