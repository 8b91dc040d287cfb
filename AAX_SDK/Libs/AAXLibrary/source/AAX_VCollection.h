#pragma once
// Proxy for the host's collection: lives for one registration call and owns
// everything the description creates through it.

#include "AAX_HostDescriptionInterfaces.h"
#include "AAX_HostRef.h"
#include "AAX_ICollection.h"
#include "AAX_VDescriptionHost.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VPropertyMap.h"

#include <memory>
#include <vector>

class AAX_VCollection : public AAX_ICollection {
public:
  // Host's registration thread. Add-references the host unknown, finds the
  // description host and the secondary interface, and creates the host
  // collection through the host object factory. A host whose factory (or
  // factory query) reports success without an object throws
  // AAX::Exception::ResultError(ACF_NULL_HOST_OBJECT). Allocates.
  explicit AAX_VCollection(IACFUnknown* hostUnknown);
  // Deletes every descriptor and map it handed out, then releases the host
  // references newest first.
  ~AAX_VCollection() override;

  AAX_IEffectDescriptor* CreateEffectDescriptor() override;
  AAX_ResultCode RegisterEffect(const char* identifier, AAX_IEffectDescriptor* effect) override;
  AAX_ResultCode AddManufacturerName(const char* name) override;
  AAX_ResultCode AddBundleName(const char* name) override;
  AAX_ResultCode SetBundleVersion(uint32_t version) override;
  AAX_IPropertyMap* CreatePropertyMap() override;
  AAX_ResultCode SetCollectionProperties(AAX_IPropertyMap* properties) override;
  AAX_IDescriptionHost* GetDescriptionHost() override;
  const AAX_IDescriptionHost* GetDescriptionHost() const override;
  IACFUnknown* GetSecondaryHostInterface() override;

  IACFUnknown* HostUnknown() const { return mHostUnknown.Get(); }
  // Null when the host has no collection.
  IACFUnknown* HostCollection() const { return mHostCollection.Get(); }
  const AAX_VDescriptionHost& DescriptionHost() const { return mDescriptionHost; }

private:
  AAX_HostRef<IACFUnknown> mHostUnknown;
  AAX_HostRef<AAX_IACFCollection> mHostCollection;
  AAX_VDescriptionHost mDescriptionHost;
  std::vector<std::unique_ptr<AAX_VEffectDescriptor>> mEffects;
  std::vector<std::unique_ptr<AAX_VPropertyMap>> mPropertyMaps;
};
