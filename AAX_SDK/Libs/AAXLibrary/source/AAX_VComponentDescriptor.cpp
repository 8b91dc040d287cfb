#include "AAX_VComponentDescriptor.h"

#include "AAX_HostFactory.h"
#include "AAX_InterfaceIds.h"
#include "AAX_OwnedProxies.h"
#include "AAX_Trace.h"

#include <vector>

namespace {

constexpr const char* kSourceName = "AAX_VComponentDescriptor.cpp";

// A property value that holds a procedure's address.
template <class Procedure>
Procedure ProcedureFrom(int64_t value) {
  return reinterpret_cast<Procedure>(static_cast<intptr_t>(value));
}

// A pointer property into value (0 when the map does not hold it); whether
// the map holds it.
bool ReadPointer(const AAX_IPropertyMap& properties, int32_t id, int64_t* value) {
  *value = 0;
  if (properties.ReadPointerValue(id, value)) return true;
  *value = 0;
  return false;
}

bool HasProperty(const AAX_IPropertyMap& properties, int32_t id) {
  int64_t value = 0;
  return properties.ReadPropertyValue(id, &value);
}

}  // namespace

AAX_VComponentDescriptor::AAX_VComponentDescriptor(IACFUnknown* hostUnknown) {
  mHostUnknown.Share(hostUnknown);
  AAX_HostRef<AAX_IACFHostObjectFactory> factory;
  AAX_QueryHostFactory(hostUnknown, factory);
  AAX_CreateHostObject(factory.Get(), AAX_CLSID_ComponentDescriptor,
                       AAX_IID_ComponentDescriptorV1, mV1);
  mV2.QueryFrom(mV1.Get(), AAX_IID_ComponentDescriptorV2);
  mV3.QueryFrom(mV1.Get(), AAX_IID_ComponentDescriptorV3);
}

AAX_VComponentDescriptor::~AAX_VComponentDescriptor() {
  AAX_DeleteNewestFirst(mPropertyMaps);
  mV3.Reset();
  mV2.Reset();
  mV1.Reset();
  mHostUnknown.Reset();
}

AAX_ResultCode AAX_VComponentDescriptor::CallV1Slot3(void* argument) {
  return mV1 ? mV1->V1Slot3(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::AddAudioInputField(int32_t fieldIndex) {
  return mV1 ? mV1->AddAudioIn(fieldIndex) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::AddAudioOutputField(int32_t fieldIndex) {
  return mV1 ? mV1->AddAudioOut(fieldIndex) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::AddBlockLengthField(int32_t fieldIndex) {
  return mV1 ? mV1->AddAudioBufferLength(fieldIndex) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::CallV1Slot8(void* argument) {
  return mV1 ? mV1->V1Slot8(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::CallV1Slot9(void* argument) {
  return mV1 ? mV1->V1Slot9(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::CallV1Slot10(void* argument) {
  return mV1 ? mV1->V1Slot10(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::CallV1Slot11(void* argument) {
  return mV1 ? mV1->V1Slot11(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::AddExtraField(int32_t fieldIndex, int32_t value,
                                                       const void* data) {
  return mV1 ? mV1->AddExtraField(fieldIndex, value, data) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::AddPrivateDataField(int32_t fieldIndex, int32_t size,
                                                             int32_t options) {
  return mV1 ? mV1->AddPrivateData(fieldIndex, size, options) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::CallV2Slot19(void* argument) {
  return mV2 ? mV2->V2Slot19(argument) : AAX_ERROR_UNIMPLEMENTED;
}
AAX_ResultCode AAX_VComponentDescriptor::CallV1Slot14(void* argument) {
  return mV1 ? mV1->V1Slot14(argument) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::AddMeterField(int32_t fieldIndex, const uint32_t* meterIds,
                                                       uint32_t meterCount) {
  return mV1 ? mV1->AddMeters(fieldIndex, meterIds, meterCount) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::AddMidiNodeField(int32_t fieldIndex, int32_t nodeType,
                                                          const char* name, uint32_t channelMask) {
  return mV1 ? mV1->AddMIDINode(fieldIndex, nodeType, name, channelMask) : AAX_ERROR_NULL_OBJECT;
}
AAX_ResultCode AAX_VComponentDescriptor::CallV1Slot4(void* argument) {
  return mV1 ? mV1->V1Slot4(argument) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VComponentDescriptor::CreatePropertyMap() {
  return AAX_KeepProxy(AAX_VPropertyMap::Create(mHostUnknown.Get()), mPropertyMaps);
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap(AAX_IPropertyMap* source) {
  AAX_IPropertyMap* copy = CreatePropertyMap();
  if (!copy || !source) return copy;
  for (int32_t id = kAAX_FirstPropertyId; id <= kAAX_LastPropertyId; ++id) {
    int64_t value = 0;
    if (source->ReadPropertyValue(id, &value)) {
      copy->SetPropertyValue(id, value);  // a stem format the host cannot take is dropped
    } else if (source->ReadPointerValue(id, &value)) {
      copy->StorePointerValue(id, value);
    }
  }
  return copy;
}

AAX_ResultCode AAX_VComponentDescriptor::AddNativeProcessProcedure(
    AAX_NativeProcessProc process, AAX_IPropertyMap* properties, AAX_InstanceInitProc instanceInit,
    AAX_BackgroundProc background, uint32_t* outId) {
  if (!mV1) return AAX_ERROR_NULL_OBJECT;
  return mV1->AddProcessProcNative(process, AAX_VPropertyMap::HostMapOf(properties), instanceInit,
                                   background, outId);
}

AAX_ResultCode AAX_VComponentDescriptor::AddTIProcessProcedure(int64_t dllFileName,
                                                               int64_t processProc,
                                                               AAX_IPropertyMap* properties,
                                                               int64_t firstValue,
                                                               int64_t secondValue,
                                                               uint32_t* outId) {
  if (!mV1) return AAX_ERROR_NULL_OBJECT;
  return mV1->AddProcessProcTI(dllFileName, processProc, AAX_VPropertyMap::HostMapOf(properties),
                               firstValue, secondValue, outId);
}

AAX_ResultCode AAX_VComponentDescriptor::AddProcessProcedures(AAX_IPropertyMap* properties,
                                                              uint32_t* outIds, int32_t capacity) {
  if (mV3) return mV3->AddProcessProcs(AAX_VPropertyMap::HostMapOf(properties), outIds, capacity);
  if (mV1 && properties) return ManuallyAddProcessProcs(properties, outIds, capacity);
  return AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VComponentDescriptor::MapForNativeProcedure(AAX_IPropertyMap* properties) {
  if (!HasProperty(*properties, AAX_eProperty_NativeAudioBufferLength)) return properties;
  AAX_IPropertyMap* copy = DuplicatePropertyMap(properties);
  if (!copy || !copy->GetHostPropertyMap()) return properties;
  int64_t bufferLength = 0;
  if (!copy->ReadPropertyValue(AAX_eProperty_NativeAudioBufferLength, &bufferLength)) {
    ReportAssertFailure(kSourceName, 89, "0 != gotPropertySuccess", 1);
    return properties;
  }
  if (copy->DeletePropertyValue(AAX_eProperty_NativeAudioBufferLength) != AAX_SUCCESS)
    ReportAssertFailure(kSourceName, 93, "AAX_SUCCESS == removeNativeAudioBufferLengthResult", 1);
  return copy;
}

AAX_ResultCode AAX_VComponentDescriptor::ManuallyAddProcessProcs(AAX_IPropertyMap* properties,
                                                                 uint32_t* outIds,
                                                                 int32_t capacity) {
  std::vector<uint32_t> ids;
  const bool native = HasProperty(*properties, AAX_eProperty_PlugInID_Native);
  const bool second = HasProperty(*properties, AAX_eProperty_PlugInID_Second);
  const bool third = HasProperty(*properties, AAX_eProperty_PlugInID_Third);

  if (native || second) {
    int64_t process = 0, instanceInit = 0, background = 0;
    const bool hasProcess = ReadPointer(*properties, AAX_eProperty_NativeProcessProc, &process);
    ReadPointer(*properties, AAX_eProperty_NativeInstanceInitProc, &instanceInit);
    ReadPointer(*properties, AAX_eProperty_NativeBackgroundProc, &background);
    if (!hasProcess)
      TraceToHost(kAAX_TraceError,
                  "AAX_VComponentDescriptor.cpp: ManuallyAddProcessProcs() - no value found for "
                  "AAX_eProperty_NativeProcessProc");
    AAX_IPropertyMap* chosen = MapForNativeProcedure(properties);
    uint32_t id = 0;
    const AAX_ResultCode result = AddNativeProcessProcedure(
        ProcedureFrom<AAX_NativeProcessProc>(process), chosen,
        ProcedureFrom<AAX_InstanceInitProc>(instanceInit),
        ProcedureFrom<AAX_BackgroundProc>(background), &id);
    if (result != AAX_SUCCESS) return result;
    ids.push_back(id);
  }

  if (third) {
    int64_t dllFileName = 0, processProc = 0, firstValue = 0, secondValue = 0;
    const bool hasFileName = ReadPointer(*properties, AAX_eProperty_TIDLLFileName, &dllFileName);
    const bool hasProcess = ReadPointer(*properties, AAX_eProperty_TIProcessProc, &processProc);
    ReadPointer(*properties, AAX_eProperty_TIFirstValue, &firstValue);
    ReadPointer(*properties, AAX_eProperty_TISecondValue, &secondValue);
    if (!hasFileName)
      TraceToHost(kAAX_TraceError,
                  "AAX_VComponentDescriptor.cpp: ManuallyAddProcessProcs() - no value found for "
                  "AAX_eProperty_TIDLLFileName");
    if (!hasProcess)
      TraceToHost(kAAX_TraceError,
                  "AAX_VComponentDescriptor.cpp: ManuallyAddProcessProcs() - no value found for "
                  "AAX_eProperty_TIProcessProc");
    uint32_t id = 0;
    const AAX_ResultCode result = AddTIProcessProcedure(dllFileName, processProc, properties,
                                                        firstValue, secondValue, &id);
    if (result != AAX_SUCCESS) return result;
    ids.push_back(id);
  }

  if (outIds) {
    // Room is needed for the ids and the terminating 0.
    if (capacity < 0 || ids.size() >= static_cast<size_t>(capacity))
      return AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW;
    for (size_t i = 0; i < ids.size(); ++i) outIds[i] = ids[i];
    outIds[ids.size()] = 0;
  }
  return AAX_SUCCESS;
}
