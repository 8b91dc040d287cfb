#pragma once
// The library's view of what the host reports about one feature
// (implemented by AAX_VFeatureInfo). Host's registration thread only; no
// lock.

#include "AAX_GUID.h"
#include "AAX_Result.h"

class AAX_IPropertyMap;

class AAX_IFeatureInfo {
public:
  virtual ~AAX_IFeatureInfo() = default;
  virtual AAX_ResultCode CallV1Slot3(void* argument) = 0;
  // The feature's properties: a new map the caller owns, or null. Allocates.
  virtual AAX_IPropertyMap* GetFeatureProperties(void* first, void* second) const = 0;
  virtual const AAX_GUID* FeatureIdentifier() const = 0;
};
