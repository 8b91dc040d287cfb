#include "AAX_VDescriptionHost.h"

#include "AAX_InterfaceIds.h"
#include "AAX_VFeatureInfo.h"

AAX_VDescriptionHost::~AAX_VDescriptionHost() { Reset(); }

void AAX_VDescriptionHost::Acquire(IACFUnknown* hostUnknown) {
  mDescriptionHost.QueryFrom(hostUnknown, AAX_IID_DescriptionHost);
  mSecondary.QueryFrom(hostUnknown, AAX_IID_SecondaryHostInterface);
}

void AAX_VDescriptionHost::Reset() {
  mSecondary.Reset();
  mDescriptionHost.Reset();
}

AAX_IFeatureInfo* AAX_VDescriptionHost::QueryFeature(const AAX_GUID& feature) const {
  if (!mDescriptionHost) return nullptr;
  AAX_HostRef<IACFUnknown> handedOut;  // the host's reference, given back on leaving
  IACFUnknown* object = nullptr;
  const AAX_ResultCode result = mDescriptionHost->AcquireFeatureProperties(feature, &object);
  handedOut.Adopt(object);
  if (result != AAX_SUCCESS || !object) return nullptr;
  return new AAX_VFeatureInfo(feature, object);
}
