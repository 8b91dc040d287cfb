#pragma once
// The host's object factory, queried on a host unknown with
// AAX_IID_HostObjectFactory.

#include "IACFUnknown.h"

class AAX_IACFHostObjectFactory : public IACFUnknown {
public:
  // Slot 3: creates an object of the class and writes its interface iid
  // (add-referenced) to out. outer is always null (no aggregation).
  virtual AAX_ResultCode CreateInstance(const AAX_GUID& classId, IACFUnknown* outer,
                                        const AAX_GUID& iid, void** out) = 0;

protected:
  ~AAX_IACFHostObjectFactory() = default;
};
