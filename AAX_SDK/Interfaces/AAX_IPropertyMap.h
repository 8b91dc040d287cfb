#pragma once
// The library's view of a host property map: property id -> 64-bit value
// (implemented by AAX_VPropertyMap). Host's registration thread only; no
// lock, no allocation except storing a pointer value in the local table.

#include "AAX_Result.h"

#include <cstdint>

class IACFUnknown;

// Property ids the library itself looks at.
enum AAX_EProperty : int32_t {
  AAX_eProperty_ManufacturerID = 11,
  AAX_eProperty_ProductID = 12,
  AAX_eProperty_PlugInID_Native = 13,  // native plug-in type identifier
  AAX_eProperty_PlugInID_Second = 14,  // second plug-in type identifier
  AAX_eProperty_PlugInID_Third = 15,   // third plug-in type identifier
  // Pointer-valued: the native process procedure and its two helpers.
  AAX_eProperty_NativeProcessProc = 36,
  AAX_eProperty_NativeInstanceInitProc = 37,
  AAX_eProperty_NativeBackgroundProc = 38,
  // Pointer-valued: what a procedure of the third type is registered with.
  AAX_eProperty_TIDLLFileName = 39,
  AAX_eProperty_TIProcessProc = 40,
  AAX_eProperty_TIFirstValue = 41,
  AAX_eProperty_TISecondValue = 42,
  AAX_eProperty_InputStemFormat = 51,
  AAX_eProperty_OutputStemFormat = 52,
  AAX_eProperty_NativeAudioBufferLength = 54
};

// The range of property ids a duplicated map copies.
constexpr int32_t kAAX_FirstPropertyId = 10;
constexpr int32_t kAAX_LastPropertyId = 401;

class AAX_IPropertyMap {
public:
  virtual ~AAX_IPropertyMap() = default;
  // False when the map does not hold the property (or there is no host map).
  virtual bool ReadPropertyValue(int32_t id, int64_t* value) const = 0;
  virtual bool ReadPointerValue(int32_t id, int64_t* value) const = 0;
  virtual AAX_ResultCode SetPropertyValue(int32_t id, int64_t value) = 0;
  virtual AAX_ResultCode StorePointerValue(int32_t id, int64_t value) = 0;
  // The same, for a pointer to text (a file name).
  virtual AAX_ResultCode StorePointerText(int32_t id, const char* text) = 0;
  virtual AAX_ResultCode DeletePropertyValue(int32_t id) = 0;
  virtual AAX_ResultCode CallV2Slot6(void* argument) = 0;
  virtual bool CallV2Slot7(void* argument) = 0;
  // The newest host map version held (not add-referenced), or null.
  virtual IACFUnknown* GetHostPropertyMap() const = 0;
};
