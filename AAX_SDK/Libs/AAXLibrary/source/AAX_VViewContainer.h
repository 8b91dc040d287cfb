#pragma once
// Proxy for the host view that the editor lives in, from attaching a view
// until the next attach or the GUI's unbinding.

#include "AAX_HostRef.h"
#include "AAX_HostViewContainerInterfaces.h"
#include "AAX_IViewContainer.h"

class AAX_VViewContainer final : public AAX_IViewContainer {
public:
  // User-interface thread: queries both versions on the host's view unknown
  // (none for null).
  explicit AAX_VViewContainer(IACFUnknown* viewUnknown);
  // Gives both host references back, newest first, like every proxy.
  ~AAX_VViewContainer() override;

  AAX_ResultCode CallV1Slot3(void* argument) override;
  void* QueryNativeView() override;
  AAX_ResultCode CallV1Slot5(void* argument) override;
  AAX_ResultCode RequestViewSize(const float* size) override;
  AAX_ResultCode QueryModifiers(uint32_t* modifiers) override;
  AAX_ResultCode HandleParameterMouseDown(const char* parameterId, uint32_t modifiers) override;
  AAX_ResultCode CallV1Slot9(void* argument) override;
  AAX_ResultCode CallV2Slot10(void* argument) override;
  AAX_ResultCode CallV2Slot11(void* argument) override;
  AAX_ResultCode CallV2Slot12(void* argument) override;

private:
  AAX_HostRef<AAX_IACFViewContainer> mV1;
  AAX_HostRef<AAX_IACFViewContainer_V2> mV2;
};
