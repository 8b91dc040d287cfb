#pragma once
// The library's view of a host effect descriptor (implemented by
// AAX_VEffectDescriptor). Host's registration thread only; no lock. The
// creation operations allocate; the rest do not.

#include "AAX_Callbacks.h"
#include "AAX_Result.h"

#include <cstdint>

class AAX_IComponentDescriptor;
class AAX_IPropertyMap;

class AAX_IEffectDescriptor {
public:
  virtual ~AAX_IEffectDescriptor() = default;
  // A new component descriptor, owned by this effect descriptor.
  virtual AAX_IComponentDescriptor* CreateComponentDescriptor() = 0;
  virtual AAX_ResultCode AttachComponent(AAX_IComponentDescriptor* component) = 0;
  virtual AAX_ResultCode AddEffectName(const char* name) = 0;
  virtual AAX_ResultCode AddCategoryBits(uint32_t categoryBits) = 0;
  virtual AAX_ResultCode CallV1Slot6(void* argument) = 0;
  // kind 0: the effect-parameters factory; 1: the GUI factory.
  virtual AAX_ResultCode AddProcedure(AAX_CreateObjectProc procedure, int32_t kind) = 0;
  // A new property map owned by this effect descriptor, or null.
  virtual AAX_IPropertyMap* CreatePropertyMap() = 0;
  virtual AAX_ResultCode SetEffectProperties(AAX_IPropertyMap* properties) = 0;
  virtual AAX_ResultCode CallV1Slot9(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot10(uint32_t first, const void* second,
                                      AAX_IPropertyMap* properties) = 0;
  virtual AAX_ResultCode CallV2Slot11(void* argument) = 0;
};
