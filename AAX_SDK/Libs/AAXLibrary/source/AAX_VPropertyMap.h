#pragma once
// Proxy for a host property map. Pointer-valued properties go to the host's
// third map version; a host without it gets them kept in the proxy's own
// table (ids 36 to 42 only), from where the library reads them back.

#include "AAX_HostDescriptionInterfaces.h"
#include "AAX_HostRef.h"
#include "AAX_IPropertyMap.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>

class AAX_VPropertyMap final : public AAX_IPropertyMap {
public:
  // Host's registration thread; allocates. A map made through the host
  // object factory found on hostUnknown, or null when there is no factory.
  // A host answering success without an object throws
  // AAX::Exception::ResultError(ACF_NULL_HOST_OBJECT).
  static std::unique_ptr<AAX_VPropertyMap> Create(IACFUnknown* hostUnknown);
  // Host's registration thread; allocates. A map over a host property-map
  // object the host handed out; every version (and the description host) is
  // queried on that object.
  static std::unique_ptr<AAX_VPropertyMap> Acquire(IACFUnknown* hostMap);
  // Releases the host references newest first.
  ~AAX_VPropertyMap() override;

  // What is passed to the host for a library map: its newest host map
  // version, or null.
  static IACFUnknown* HostMapOf(const AAX_IPropertyMap* properties) {
    return properties ? properties->GetHostPropertyMap() : nullptr;
  }

  bool ReadPropertyValue(int32_t id, int64_t* value) const override;
  bool ReadPointerValue(int32_t id, int64_t* value) const override;
  // A stem format the host cannot take is refused with -20039.
  AAX_ResultCode SetPropertyValue(int32_t id, int64_t value) override;
  // Without the host's third version only ids 36 to 42 are kept (else -20009).
  AAX_ResultCode StorePointerValue(int32_t id, int64_t value) override;
  AAX_ResultCode StorePointerText(int32_t id, const char* text) override;
  AAX_ResultCode DeletePropertyValue(int32_t id) override;
  AAX_ResultCode CallV2Slot6(void* argument) override;
  bool CallV2Slot7(void* argument) override;
  IACFUnknown* GetHostPropertyMap() const override;

private:
  AAX_VPropertyMap() = default;
  // Queries the newer versions on the first one.
  void QueryNewerVersions();
  // The description-host interface on the first of candidates that answers.
  void FindDescriptionHost(std::initializer_list<IACFUnknown*> candidates);

  AAX_HostRef<AAX_IACFPropertyMap> mV1;
  AAX_HostRef<AAX_IACFPropertyMap_V2> mV2;
  AAX_HostRef<AAX_IACFPropertyMap_V3> mV3;
  AAX_HostRef<IACFUnknown> mDescriptionHost;
  std::map<int32_t, int64_t> mLocalPointers;
};
