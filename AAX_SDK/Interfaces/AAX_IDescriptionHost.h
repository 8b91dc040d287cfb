#pragma once
// The library's view of the host's description services (implemented by
// AAX_VDescriptionHost). Host's registration thread only; no lock.

#include "AAX_GUID.h"

class AAX_IFeatureInfo;

class AAX_IDescriptionHost {
public:
  virtual ~AAX_IDescriptionHost() = default;
  // What the host knows about a feature: a new object the caller owns, or
  // null. Allocates.
  virtual AAX_IFeatureInfo* QueryFeature(const AAX_GUID& feature) const = 0;
};
