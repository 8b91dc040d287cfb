#pragma once
// The library's view of the host's collection, through which an effect is
// described at registration (implemented by AAX_VCollection). Runs on the
// host's registration thread only; takes no lock. The creation operations
// allocate; the rest do not.

#include "AAX_Result.h"

#include <cstdint>

class AAX_IDescriptionHost;
class AAX_IEffectDescriptor;
class AAX_IPropertyMap;
class IACFUnknown;

class AAX_ICollection {
public:
  virtual ~AAX_ICollection() = default;
  // A new effect descriptor, owned by the collection.
  virtual AAX_IEffectDescriptor* CreateEffectDescriptor() = 0;
  // -20004 without a host collection or without an effect.
  virtual AAX_ResultCode RegisterEffect(const char* identifier, AAX_IEffectDescriptor* effect) = 0;
  virtual AAX_ResultCode AddManufacturerName(const char* name) = 0;
  virtual AAX_ResultCode AddBundleName(const char* name) = 0;
  virtual AAX_ResultCode SetBundleVersion(uint32_t version) = 0;
  // A new property map owned by the collection; null when the host has no
  // object factory.
  virtual AAX_IPropertyMap* CreatePropertyMap() = 0;
  virtual AAX_ResultCode SetCollectionProperties(AAX_IPropertyMap* properties) = 0;
  // Null when the host has no description-host interface.
  virtual AAX_IDescriptionHost* GetDescriptionHost() = 0;
  virtual const AAX_IDescriptionHost* GetDescriptionHost() const = 0;
  // The host's secondary interface as found (not add-referenced); may be null.
  virtual IACFUnknown* GetSecondaryHostInterface() = 0;
};
