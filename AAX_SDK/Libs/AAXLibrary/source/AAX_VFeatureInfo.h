#pragma once
// Proxy for what the host reports about one feature; made by
// AAX_VDescriptionHost::QueryFeature and owned by its caller.

#include "AAX_HostDescriptionInterfaces.h"
#include "AAX_HostRef.h"
#include "AAX_IFeatureInfo.h"

class AAX_VFeatureInfo final : public AAX_IFeatureInfo {
public:
  // Host's registration thread. Keeps a copy of the feature identifier and
  // queries the feature-info interface on hostObject (none for null).
  AAX_VFeatureInfo(const AAX_GUID& feature, IACFUnknown* hostObject);
  ~AAX_VFeatureInfo() override;

  AAX_ResultCode CallV1Slot3(void* argument) override;
  AAX_IPropertyMap* GetFeatureProperties(void* first, void* second) const override;
  const AAX_GUID* FeatureIdentifier() const override { return &mFeature; }

private:
  AAX_GUID mFeature;
  AAX_HostRef<AAX_IACFFeatureInfo> mInfo;
};
