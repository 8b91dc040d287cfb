#include "AAX_VPropertyMap.h"

#include "AAX_HostFactory.h"
#include "AAX_InterfaceIds.h"

#include <cstdint>
#include <set>

namespace {

// The pointer-valued properties a map keeps itself when the host cannot.
// Built once per process; the function-local static makes that thread-safe.
const std::set<int32_t>& LocallyKeptPointerIds() {
  static const std::set<int32_t> ids = {
      AAX_eProperty_NativeProcessProc, AAX_eProperty_NativeInstanceInitProc,
      AAX_eProperty_NativeBackgroundProc, AAX_eProperty_TIDLLFileName,
      AAX_eProperty_TIProcessProc, AAX_eProperty_TIFirstValue, AAX_eProperty_TISecondValue};
  return ids;
}

// A host without the description-host interface only knows the layouts up
// to 12, plus the two "no layout" values.
bool OlderHostTakesStemFormat(int64_t value) {
  const uint32_t format = static_cast<uint32_t>(value);
  if (format == 0xFFFF0000u || format == 0xFF9C0000u) return true;
  return (format >> 16) <= 12;
}

}  // namespace

std::unique_ptr<AAX_VPropertyMap> AAX_VPropertyMap::Create(IACFUnknown* hostUnknown) {
  AAX_HostRef<AAX_IACFHostObjectFactory> factory;
  if (AAX_QueryHostFactory(hostUnknown, factory) != ACF_OK) return nullptr;
  std::unique_ptr<AAX_VPropertyMap> map(new AAX_VPropertyMap);
  AAX_CreateHostObject(factory.Get(), AAX_CLSID_PropertyMap, AAX_IID_PropertyMapV1, map->mV1);
  map->QueryNewerVersions();
  map->FindDescriptionHost(
      {hostUnknown, factory.Get(), map->mV2.Get(), map->mV3.Get(), map->mV1.Get()});
  return map;
}

std::unique_ptr<AAX_VPropertyMap> AAX_VPropertyMap::Acquire(IACFUnknown* hostMap) {
  std::unique_ptr<AAX_VPropertyMap> map(new AAX_VPropertyMap);
  map->mV1.QueryFrom(hostMap, AAX_IID_PropertyMapV1);
  map->mV2.QueryFrom(hostMap, AAX_IID_PropertyMapV2);
  map->mV3.QueryFrom(hostMap, AAX_IID_PropertyMapV3);
  map->FindDescriptionHost({hostMap});
  return map;
}

void AAX_VPropertyMap::QueryNewerVersions() {
  mV2.QueryFrom(mV1.Get(), AAX_IID_PropertyMapV2);
  mV3.QueryFrom(mV1.Get(), AAX_IID_PropertyMapV3);
}

void AAX_VPropertyMap::FindDescriptionHost(std::initializer_list<IACFUnknown*> candidates) {
  for (IACFUnknown* candidate : candidates) {
    if (!candidate) continue;
    if (mDescriptionHost.QueryFrom(candidate, AAX_IID_DescriptionHost) == ACF_OK &&
        mDescriptionHost)
      return;
  }
}

AAX_VPropertyMap::~AAX_VPropertyMap() {
  mDescriptionHost.Reset();
  mV3.Reset();
  mV2.Reset();
  mV1.Reset();
}

bool AAX_VPropertyMap::ReadPropertyValue(int32_t id, int64_t* value) const {
  return mV1 ? mV1->GetProperty(id, value) != 0 : false;
}

bool AAX_VPropertyMap::ReadPointerValue(int32_t id, int64_t* value) const {
  if (mV3) return mV3->GetPointerProperty(id, value) != 0;
  if (!value) return false;
  const auto found = mLocalPointers.find(id);
  if (found == mLocalPointers.end()) return false;
  *value = found->second;
  return true;
}

AAX_ResultCode AAX_VPropertyMap::SetPropertyValue(int32_t id, int64_t value) {
  const bool stemFormat = id == AAX_eProperty_InputStemFormat || id == AAX_eProperty_OutputStemFormat;
  if (stemFormat && !mDescriptionHost && !OlderHostTakesStemFormat(value))
    return AAX_ERROR_PROPERTY_UNDEFINED;
  return mV1 ? mV1->AddProperty(id, value) : AAX_ERROR_NULL_OBJECT;
}

AAX_ResultCode AAX_VPropertyMap::StorePointerValue(int32_t id, int64_t value) {
  if (mV3) return mV3->AddPointerProperty(id, value);
  if (LocallyKeptPointerIds().count(id) == 0) return AAX_ERROR_UNIMPLEMENTED;
  mLocalPointers[id] = value;
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_VPropertyMap::StorePointerText(int32_t id, const char* text) {
  return StorePointerValue(id, static_cast<int64_t>(reinterpret_cast<intptr_t>(text)));
}

AAX_ResultCode AAX_VPropertyMap::DeletePropertyValue(int32_t id) {
  return mV1 ? mV1->RemoveProperty(id) : AAX_ERROR_NULL_OBJECT;
}

AAX_ResultCode AAX_VPropertyMap::CallV2Slot6(void* argument) {
  return mV2 ? mV2->V2Slot6(argument) : AAX_ERROR_UNIMPLEMENTED;
}

bool AAX_VPropertyMap::CallV2Slot7(void* argument) {
  return mV2 ? mV2->V2Slot7(argument) != 0 : false;
}

IACFUnknown* AAX_VPropertyMap::GetHostPropertyMap() const {
  if (mV3) return mV3.Get();
  if (mV2) return mV2.Get();
  return mV1.Get();
}
