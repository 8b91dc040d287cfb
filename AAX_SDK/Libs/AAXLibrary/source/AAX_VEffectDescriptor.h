#pragma once
// Proxy for a host effect descriptor. Made by AAX_VCollection, which owns
// it; owns the component descriptors and property maps made through it.

#include "AAX_HostDescriptionInterfaces.h"
#include "AAX_HostRef.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VPropertyMap.h"

#include <memory>
#include <vector>

class AAX_VEffectDescriptor final : public AAX_IEffectDescriptor {
public:
  // Host's registration thread; allocates. Add-references the host unknown,
  // creates the host effect descriptor through the host object factory and
  // queries its second version. A host answering success without an object
  // throws AAX::Exception::ResultError(ACF_NULL_HOST_OBJECT).
  explicit AAX_VEffectDescriptor(IACFUnknown* hostUnknown);
  // Deletes its property maps and component descriptors, then releases the
  // host references, newest first.
  ~AAX_VEffectDescriptor() override;

  // The host effect descriptor's first version (what is registered), or null.
  IACFUnknown* HostEffect() const { return mV1.Get(); }

  AAX_IComponentDescriptor* CreateComponentDescriptor() override;
  AAX_ResultCode AttachComponent(AAX_IComponentDescriptor* component) override;
  AAX_ResultCode AddEffectName(const char* name) override;
  AAX_ResultCode AddCategoryBits(uint32_t categoryBits) override;
  AAX_ResultCode CallV1Slot6(void* argument) override;
  AAX_ResultCode AddProcedure(AAX_CreateObjectProc procedure, int32_t kind) override;
  AAX_IPropertyMap* CreatePropertyMap() override;
  AAX_ResultCode SetEffectProperties(AAX_IPropertyMap* properties) override;
  AAX_ResultCode CallV1Slot9(void* argument) override;
  AAX_ResultCode CallV1Slot10(uint32_t first, const void* second,
                              AAX_IPropertyMap* properties) override;
  AAX_ResultCode CallV2Slot11(void* argument) override;

private:
  AAX_HostRef<IACFUnknown> mHostUnknown;
  AAX_HostRef<AAX_IACFEffectDescriptor> mV1;
  AAX_HostRef<AAX_IACFEffectDescriptor_V2> mV2;
  std::vector<std::unique_ptr<AAX_VComponentDescriptor>> mComponents;
  std::vector<std::unique_ptr<AAX_VPropertyMap>> mPropertyMaps;
};
