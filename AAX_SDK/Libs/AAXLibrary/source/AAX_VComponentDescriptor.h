#pragma once
// Proxy for a host component descriptor: one processing component of an
// effect. Made by AAX_VEffectDescriptor, which owns it; owns the property
// maps made through it.

#include "AAX_HostDescriptionInterfaces.h"
#include "AAX_HostRef.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_VPropertyMap.h"

#include <memory>
#include <vector>

class AAX_VComponentDescriptor final : public AAX_IComponentDescriptor {
public:
  // Host's registration thread; allocates. Add-references the host unknown,
  // creates the host component through the host object factory and queries
  // its newer versions. A host answering success without an object throws
  // AAX::Exception::ResultError(ACF_NULL_HOST_OBJECT).
  explicit AAX_VComponentDescriptor(IACFUnknown* hostUnknown);
  // Deletes its property maps, then releases the host references, newest
  // first.
  ~AAX_VComponentDescriptor() override;

  // The host component's first version (what the effect attaches), or null.
  IACFUnknown* HostComponent() const { return mV1.Get(); }

  AAX_ResultCode CallV1Slot3(void* argument) override;
  AAX_ResultCode AddAudioInputField(int32_t fieldIndex) override;
  AAX_ResultCode AddAudioOutputField(int32_t fieldIndex) override;
  AAX_ResultCode AddBlockLengthField(int32_t fieldIndex) override;
  AAX_ResultCode CallV1Slot8(void* argument) override;
  AAX_ResultCode CallV1Slot9(void* argument) override;
  AAX_ResultCode CallV1Slot10(void* argument) override;
  AAX_ResultCode CallV1Slot11(void* argument) override;
  AAX_ResultCode AddExtraField(int32_t fieldIndex, int32_t value, const void* data) override;
  AAX_ResultCode AddPrivateDataField(int32_t fieldIndex, int32_t size, int32_t options) override;
  AAX_ResultCode CallV2Slot19(void* argument) override;
  AAX_ResultCode CallV1Slot14(void* argument) override;
  AAX_ResultCode AddMeterField(int32_t fieldIndex, const uint32_t* meterIds,
                               uint32_t meterCount) override;
  AAX_ResultCode AddMidiNodeField(int32_t fieldIndex, int32_t nodeType, const char* name,
                                  uint32_t channelMask) override;
  AAX_ResultCode CallV1Slot4(void* argument) override;
  AAX_IPropertyMap* CreatePropertyMap() override;
  AAX_IPropertyMap* DuplicatePropertyMap(AAX_IPropertyMap* source) override;
  AAX_ResultCode AddNativeProcessProcedure(AAX_NativeProcessProc process,
                                           AAX_IPropertyMap* properties,
                                           AAX_InstanceInitProc instanceInit,
                                           AAX_BackgroundProc background,
                                           uint32_t* outId) override;
  AAX_ResultCode AddTIProcessProcedure(int64_t dllFileName, int64_t processProc,
                                       AAX_IPropertyMap* properties, int64_t firstValue,
                                       int64_t secondValue, uint32_t* outId) override;
  // With the host's third version the host does it; without it the library
  // registers the procedures the properties name one by one.
  AAX_ResultCode AddProcessProcedures(AAX_IPropertyMap* properties, uint32_t* outIds,
                                      int32_t capacity) override;

private:
  AAX_ResultCode ManuallyAddProcessProcs(AAX_IPropertyMap* properties, uint32_t* outIds,
                                         int32_t capacity);
  // The map the native procedure is registered with: the given one, or a
  // copy without the native buffer-length property when it holds one.
  AAX_IPropertyMap* MapForNativeProcedure(AAX_IPropertyMap* properties);

  AAX_HostRef<IACFUnknown> mHostUnknown;
  AAX_HostRef<AAX_IACFComponentDescriptor> mV1;
  AAX_HostRef<AAX_IACFComponentDescriptor_V2> mV2;
  AAX_HostRef<AAX_IACFComponentDescriptor_V3> mV3;
  std::vector<std::unique_ptr<AAX_VPropertyMap>> mPropertyMaps;
};
