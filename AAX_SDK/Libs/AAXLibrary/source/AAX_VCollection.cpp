#include "AAX_VCollection.h"

#include "AAX_Exception.h"
#include "AAX_InterfaceIds.h"
#include "AAX_OwnedProxies.h"

AAX_VCollection::AAX_VCollection(IACFUnknown* hostUnknown) {
  mHostUnknown.Share(hostUnknown);
  mDescriptionHost.Acquire(hostUnknown);

  AAX_HostRef<AAX_IACFHostObjectFactory> factory;
  AAX_ResultCode result = factory.QueryFrom(hostUnknown, AAX_IID_HostObjectFactory);
  if (result == ACF_OK && !factory) throw AAX::Exception::ResultError(ACF_NULL_HOST_OBJECT);
  result = mHostCollection.CreateFrom(factory.Get(), AAX_CLSID_Collection, AAX_IID_Collection);
  if (result == ACF_OK && !mHostCollection)
    throw AAX::Exception::ResultError(ACF_NULL_HOST_OBJECT);
}

AAX_VCollection::~AAX_VCollection() {
  AAX_DeleteNewestFirst(mPropertyMaps);
  AAX_DeleteNewestFirst(mEffects);
  mHostCollection.Reset();
  mDescriptionHost.Reset();
  mHostUnknown.Reset();
}

AAX_IEffectDescriptor* AAX_VCollection::CreateEffectDescriptor() {
  return AAX_KeepProxy(std::make_unique<AAX_VEffectDescriptor>(mHostUnknown.Get()), mEffects);
}

AAX_ResultCode AAX_VCollection::RegisterEffect(const char* identifier,
                                               AAX_IEffectDescriptor* effect) {
  if (!mHostCollection || !effect) return AAX_ERROR_NULL_OBJECT;
  const auto* ours = dynamic_cast<const AAX_VEffectDescriptor*>(effect);
  return mHostCollection->RegisterEffect(identifier, ours ? ours->HostEffect() : nullptr);
}

AAX_ResultCode AAX_VCollection::AddManufacturerName(const char* name) {
  return mHostCollection ? mHostCollection->AddManufacturerName(name) : AAX_ERROR_NULL_OBJECT;
}

AAX_ResultCode AAX_VCollection::AddBundleName(const char* name) {
  return mHostCollection ? mHostCollection->AddBundleName(name) : AAX_ERROR_NULL_OBJECT;
}

AAX_ResultCode AAX_VCollection::SetBundleVersion(uint32_t version) {
  return mHostCollection ? mHostCollection->SetBundleVersion(version) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VCollection::CreatePropertyMap() {
  return AAX_KeepProxy(AAX_VPropertyMap::Create(mHostUnknown.Get()), mPropertyMaps);
}

AAX_ResultCode AAX_VCollection::SetCollectionProperties(AAX_IPropertyMap* properties) {
  return mHostCollection ? mHostCollection->SetProperties(AAX_VPropertyMap::HostMapOf(properties))
                         : AAX_ERROR_NULL_OBJECT;
}

AAX_IDescriptionHost* AAX_VCollection::GetDescriptionHost() {
  return mDescriptionHost.DescriptionHost() ? &mDescriptionHost : nullptr;
}

const AAX_IDescriptionHost* AAX_VCollection::GetDescriptionHost() const {
  return mDescriptionHost.DescriptionHost() ? &mDescriptionHost : nullptr;
}

IACFUnknown* AAX_VCollection::GetSecondaryHostInterface() {
  return mDescriptionHost.SecondaryInterface();
}
