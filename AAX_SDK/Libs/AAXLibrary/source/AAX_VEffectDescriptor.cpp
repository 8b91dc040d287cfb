#include "AAX_VEffectDescriptor.h"

#include "AAX_HostFactory.h"
#include "AAX_InterfaceIds.h"
#include "AAX_OwnedProxies.h"

AAX_VEffectDescriptor::AAX_VEffectDescriptor(IACFUnknown* hostUnknown) {
  mHostUnknown.Share(hostUnknown);
  AAX_HostRef<AAX_IACFHostObjectFactory> factory;
  AAX_QueryHostFactory(hostUnknown, factory);
  AAX_CreateHostObject(factory.Get(), AAX_CLSID_EffectDescriptor, AAX_IID_EffectDescriptorV1, mV1);
  mV2.QueryFrom(mV1.Get(), AAX_IID_EffectDescriptorV2);
}

AAX_VEffectDescriptor::~AAX_VEffectDescriptor() {
  AAX_DeleteNewestFirst(mPropertyMaps);
  AAX_DeleteNewestFirst(mComponents);
  mV2.Reset();
  mV1.Reset();
  mHostUnknown.Reset();
}

AAX_IComponentDescriptor* AAX_VEffectDescriptor::CreateComponentDescriptor() {
  return AAX_KeepProxy(std::make_unique<AAX_VComponentDescriptor>(mHostUnknown.Get()), mComponents);
}

AAX_ResultCode AAX_VEffectDescriptor::AttachComponent(AAX_IComponentDescriptor* component) {
  if (!mV1) return AAX_ERROR_NULL_OBJECT;
  const auto* ours = dynamic_cast<const AAX_VComponentDescriptor*>(component);
  return mV1->AddComponent(ours ? ours->HostComponent() : nullptr);
}

AAX_ResultCode AAX_VEffectDescriptor::AddEffectName(const char* name) {
  return mV1 ? mV1->AddName(name) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VEffectDescriptor::AddCategoryBits(uint32_t categoryBits) {
  return mV1 ? mV1->AddCategory(categoryBits) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VEffectDescriptor::CallV1Slot6(void* argument) {
  return mV1 ? mV1->V1Slot6(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VEffectDescriptor::AddProcedure(AAX_CreateObjectProc procedure, int32_t kind) {
  return mV1 ? mV1->AddProcPtr(procedure, kind) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VEffectDescriptor::CreatePropertyMap() {
  return AAX_KeepProxy(AAX_VPropertyMap::Create(mHostUnknown.Get()), mPropertyMaps);
}

AAX_ResultCode AAX_VEffectDescriptor::SetEffectProperties(AAX_IPropertyMap* properties) {
  return mV1 ? mV1->SetProperties(AAX_VPropertyMap::HostMapOf(properties)) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VEffectDescriptor::CallV1Slot9(void* argument) {
  return mV1 ? mV1->V1Slot9(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VEffectDescriptor::CallV1Slot10(uint32_t first, const void* second,
                                                   AAX_IPropertyMap* properties) {
  return mV1 ? mV1->V1Slot10(first, second, AAX_VPropertyMap::HostMapOf(properties))
             : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VEffectDescriptor::CallV2Slot11(void* argument) {
  return mV2 ? mV2->V2Slot11(argument) : AAX_ERROR_UNIMPLEMENTED;
}
