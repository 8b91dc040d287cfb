#pragma once
// The host objects an effect is described through at registration: the
// collection, effect and component descriptors, property maps, the
// description host and feature information. Every one is created through the
// host object factory or queried on another host object; newer versions are
// queried on the first and extend it slot by slot.
//
// Slots whose role this plug-in does not use take one opaque argument that
// the library passes on unchanged. Operations that answer yes or no return the
// host compiler's one-byte boolean: only the low byte of the return register is
// the answer (the host leaves the bits above it undefined), non-zero for yes.

#include "AAX_Callbacks.h"
#include "IACFUnknown.h"

#include <cstdint>

class AAX_IACFCollection : public IACFUnknown {
public:
  virtual AAX_ResultCode V1Slot3(void* argument) = 0;  // slot 3
  virtual AAX_ResultCode V1Slot4(void* argument) = 0;  // slot 4
  virtual AAX_ResultCode V1Slot5(void* argument) = 0;  // slot 5
  virtual AAX_ResultCode V1Slot6(void* argument) = 0;  // slot 6
  // Slot 7: effect is the effect descriptor's first host version.
  virtual AAX_ResultCode RegisterEffect(const char* identifier, IACFUnknown* effect) = 0;
  virtual AAX_ResultCode AddManufacturerName(const char* name) = 0;  // slot 8
  virtual AAX_ResultCode AddBundleName(const char* name) = 0;        // slot 9
  virtual AAX_ResultCode SetBundleVersion(uint32_t version) = 0;     // slot 10
  virtual AAX_ResultCode SetProperties(IACFUnknown* properties) = 0;  // slot 11

protected:
  ~AAX_IACFCollection() = default;
};

class AAX_IACFEffectDescriptor : public IACFUnknown {
public:
  // Slot 3: component is the component descriptor's first host version.
  virtual AAX_ResultCode AddComponent(IACFUnknown* component) = 0;
  virtual AAX_ResultCode AddName(const char* name) = 0;                  // slot 4
  virtual AAX_ResultCode AddCategory(uint32_t categoryBits) = 0;         // slot 5
  virtual AAX_ResultCode V1Slot6(void* argument) = 0;                    // slot 6
  virtual AAX_ResultCode AddProcPtr(AAX_CreateObjectProc procedure, int32_t kind) = 0;  // slot 7
  virtual AAX_ResultCode SetProperties(IACFUnknown* properties) = 0;     // slot 8
  virtual AAX_ResultCode V1Slot9(void* argument) = 0;                    // slot 9
  virtual AAX_ResultCode V1Slot10(uint32_t first, const void* second,
                                  IACFUnknown* properties) = 0;          // slot 10

protected:
  ~AAX_IACFEffectDescriptor() = default;
};

class AAX_IACFEffectDescriptor_V2 : public AAX_IACFEffectDescriptor {
public:
  virtual AAX_ResultCode V2Slot11(void* argument) = 0;  // slot 11

protected:
  ~AAX_IACFEffectDescriptor_V2() = default;
};

class AAX_IACFComponentDescriptor : public IACFUnknown {
public:
  virtual AAX_ResultCode V1Slot3(void* argument) = 0;                    // slot 3
  virtual AAX_ResultCode V1Slot4(void* argument) = 0;                    // slot 4
  virtual AAX_ResultCode AddAudioIn(int32_t fieldIndex) = 0;             // slot 5
  virtual AAX_ResultCode AddAudioOut(int32_t fieldIndex) = 0;            // slot 6
  virtual AAX_ResultCode AddAudioBufferLength(int32_t fieldIndex) = 0;   // slot 7
  virtual AAX_ResultCode V1Slot8(void* argument) = 0;                    // slot 8
  virtual AAX_ResultCode V1Slot9(void* argument) = 0;                    // slot 9
  virtual AAX_ResultCode V1Slot10(void* argument) = 0;                   // slot 10
  virtual AAX_ResultCode V1Slot11(void* argument) = 0;                   // slot 11
  virtual AAX_ResultCode AddExtraField(int32_t fieldIndex, int32_t value,
                                       const void* data) = 0;            // slot 12
  virtual AAX_ResultCode AddPrivateData(int32_t fieldIndex, int32_t size,
                                        int32_t options) = 0;            // slot 13
  virtual AAX_ResultCode V1Slot14(void* argument) = 0;                   // slot 14
  virtual AAX_ResultCode AddMIDINode(int32_t fieldIndex, int32_t nodeType, const char* name,
                                     uint32_t channelMask) = 0;          // slot 15
  // Slot 16: outId (may be null) receives the host's id of the procedure.
  virtual AAX_ResultCode AddProcessProcNative(AAX_NativeProcessProc process,
                                              IACFUnknown* properties,
                                              AAX_InstanceInitProc instanceInit,
                                              AAX_BackgroundProc background,
                                              uint32_t* outId) = 0;
  // Slot 17: the four values are pointer-sized property values.
  virtual AAX_ResultCode AddProcessProcTI(int64_t dllFileName, int64_t processProc,
                                          IACFUnknown* properties, int64_t firstValue,
                                          int64_t secondValue, uint32_t* outId) = 0;
  virtual AAX_ResultCode AddMeters(int32_t fieldIndex, const uint32_t* meterIds,
                                   uint32_t meterCount) = 0;             // slot 18

protected:
  ~AAX_IACFComponentDescriptor() = default;
};

class AAX_IACFComponentDescriptor_V2 : public AAX_IACFComponentDescriptor {
public:
  virtual AAX_ResultCode V2Slot19(void* argument) = 0;  // slot 19

protected:
  ~AAX_IACFComponentDescriptor_V2() = default;
};

class AAX_IACFComponentDescriptor_V3 : public AAX_IACFComponentDescriptor_V2 {
public:
  // Slot 20: registers every process procedure the properties name; outIds
  // (may be null) receives their ids followed by a 0, within capacity.
  virtual AAX_ResultCode AddProcessProcs(IACFUnknown* properties, uint32_t* outIds,
                                         int32_t capacity) = 0;

protected:
  ~AAX_IACFComponentDescriptor_V3() = default;
};

class AAX_IACFPropertyMap : public IACFUnknown {
public:
  virtual uint8_t GetProperty(int32_t id, int64_t* value) = 0;      // slot 3: non-zero when held
  virtual AAX_ResultCode AddProperty(int32_t id, int64_t value) = 0;  // slot 4
  virtual AAX_ResultCode RemoveProperty(int32_t id) = 0;            // slot 5

protected:
  ~AAX_IACFPropertyMap() = default;
};

class AAX_IACFPropertyMap_V2 : public AAX_IACFPropertyMap {
public:
  virtual AAX_ResultCode V2Slot6(void* argument) = 0;  // slot 6
  virtual uint8_t V2Slot7(void* argument) = 0;         // slot 7: yes or no

protected:
  ~AAX_IACFPropertyMap_V2() = default;
};

class AAX_IACFPropertyMap_V3 : public AAX_IACFPropertyMap_V2 {
public:
  virtual uint8_t GetPointerProperty(int32_t id, int64_t* value) = 0;      // slot 8: non-zero when held
  virtual AAX_ResultCode AddPointerProperty(int32_t id, int64_t value) = 0;  // slot 9

protected:
  ~AAX_IACFPropertyMap_V3() = default;
};

class AAX_IACFDescriptionHost : public IACFUnknown {
public:
  // Slot 3: writes the host's (add-referenced) object describing the feature.
  virtual AAX_ResultCode AcquireFeatureProperties(const AAX_GUID& feature,
                                                  IACFUnknown** out) = 0;

protected:
  ~AAX_IACFDescriptionHost() = default;
};

class AAX_IACFFeatureInfo : public IACFUnknown {
public:
  virtual AAX_ResultCode V1Slot3(void* argument) = 0;  // slot 3
  // Slot 4: writes an (add-referenced) property-map object of the feature.
  virtual AAX_ResultCode AcquireProperties(IACFUnknown** out, void* first, void* second) = 0;

protected:
  ~AAX_IACFFeatureInfo() = default;
};
