#pragma once
// The library's view of a host component descriptor: one processing
// component of an effect (implemented by AAX_VComponentDescriptor). Host's
// registration thread only; no lock. The property-map operations and the
// process-procedure registrations allocate; the rest do not.

#include "AAX_Callbacks.h"
#include "AAX_Result.h"

#include <cstdint>

class AAX_IPropertyMap;

class AAX_IComponentDescriptor {
public:
  virtual ~AAX_IComponentDescriptor() = default;
  virtual AAX_ResultCode CallV1Slot3(void* argument) = 0;
  virtual AAX_ResultCode AddAudioInputField(int32_t fieldIndex) = 0;
  virtual AAX_ResultCode AddAudioOutputField(int32_t fieldIndex) = 0;
  virtual AAX_ResultCode AddBlockLengthField(int32_t fieldIndex) = 0;
  virtual AAX_ResultCode CallV1Slot8(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot9(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot10(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot11(void* argument) = 0;
  virtual AAX_ResultCode AddExtraField(int32_t fieldIndex, int32_t value, const void* data) = 0;
  virtual AAX_ResultCode AddPrivateDataField(int32_t fieldIndex, int32_t size, int32_t options) = 0;
  virtual AAX_ResultCode CallV2Slot19(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot14(void* argument) = 0;
  virtual AAX_ResultCode AddMeterField(int32_t fieldIndex, const uint32_t* meterIds,
                                       uint32_t meterCount) = 0;
  virtual AAX_ResultCode AddMidiNodeField(int32_t fieldIndex, int32_t nodeType, const char* name,
                                          uint32_t channelMask) = 0;
  virtual AAX_ResultCode CallV1Slot4(void* argument) = 0;
  // A new property map owned by this component descriptor, or null.
  virtual AAX_IPropertyMap* CreatePropertyMap() = 0;
  // A new map (owned by this component descriptor) holding the values of
  // properties 10 to 401 of source; null when no map could be made.
  virtual AAX_IPropertyMap* DuplicatePropertyMap(AAX_IPropertyMap* source) = 0;
  virtual AAX_ResultCode AddNativeProcessProcedure(AAX_NativeProcessProc process,
                                                   AAX_IPropertyMap* properties,
                                                   AAX_InstanceInitProc instanceInit,
                                                   AAX_BackgroundProc background,
                                                   uint32_t* outId) = 0;
  virtual AAX_ResultCode AddTIProcessProcedure(int64_t dllFileName, int64_t processProc,
                                               AAX_IPropertyMap* properties,
                                               int64_t firstValue, int64_t secondValue,
                                               uint32_t* outId) = 0;
  // Registers the process procedures the properties name. outIds (may be
  // null) receives their ids and a terminating 0; -20046 when capacity
  // leaves no room for the 0.
  virtual AAX_ResultCode AddProcessProcedures(AAX_IPropertyMap* properties, uint32_t* outIds,
                                              int32_t capacity) = 0;
};
