#pragma once
// Proxy for the host's description services, embedded in the collection:
// the description-host interface and the secondary host interface, both
// found on the host unknown given at registration.

#include "AAX_HostDescriptionInterfaces.h"
#include "AAX_HostRef.h"
#include "AAX_IDescriptionHost.h"

class AAX_VDescriptionHost final : public AAX_IDescriptionHost {
public:
  AAX_VDescriptionHost() = default;
  ~AAX_VDescriptionHost() override;

  // Host's registration thread: queries both interfaces on hostUnknown.
  void Acquire(IACFUnknown* hostUnknown);
  // Releases both, newest first.
  void Reset();

  IACFUnknown* DescriptionHost() const { return mDescriptionHost.Get(); }
  IACFUnknown* SecondaryInterface() const { return mSecondary.Get(); }

  // Host's registration thread; allocates. Null without the description-host
  // interface or when the host knows nothing of the feature.
  AAX_IFeatureInfo* QueryFeature(const AAX_GUID& feature) const override;

private:
  AAX_HostRef<AAX_IACFDescriptionHost> mDescriptionHost;
  AAX_HostRef<IACFUnknown> mSecondary;
};
