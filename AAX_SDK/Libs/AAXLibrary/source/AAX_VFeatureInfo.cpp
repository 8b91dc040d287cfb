#include "AAX_VFeatureInfo.h"

#include "AAX_InterfaceIds.h"
#include "AAX_VPropertyMap.h"

AAX_VFeatureInfo::AAX_VFeatureInfo(const AAX_GUID& feature, IACFUnknown* hostObject)
    : mFeature(feature) {
  mInfo.QueryFrom(hostObject, AAX_IID_FeatureInfo);
}

AAX_VFeatureInfo::~AAX_VFeatureInfo() { mInfo.Reset(); }

AAX_ResultCode AAX_VFeatureInfo::CallV1Slot3(void* argument) {
  return mInfo ? mInfo->V1Slot3(argument) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VFeatureInfo::GetFeatureProperties(void* first, void* second) const {
  if (!mInfo) return nullptr;
  AAX_HostRef<IACFUnknown> handedOut;  // the host's reference, given back on leaving
  IACFUnknown* object = nullptr;
  const AAX_ResultCode result = mInfo->AcquireProperties(&object, first, second);
  handedOut.Adopt(object);
  if (result != AAX_SUCCESS || !object) return nullptr;
  return AAX_VPropertyMap::Acquire(object).release();
}
