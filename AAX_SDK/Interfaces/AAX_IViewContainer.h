#pragma once
// The library's view of the host's view container (implemented by
// AAX_VViewContainer). Called on the user-interface thread; no allocation,
// no lock.

#include "AAX_Result.h"

#include <cstdint>

class AAX_IViewContainer {
public:
  virtual ~AAX_IViewContainer() = default;
  virtual AAX_ResultCode CallV1Slot3(void* argument) = 0;
  virtual void* QueryNativeView() = 0;  // null when there is none
  virtual AAX_ResultCode CallV1Slot5(void* argument) = 0;
  // size: two floats, the height first, then the width.
  virtual AAX_ResultCode RequestViewSize(const float* size) = 0;
  virtual AAX_ResultCode QueryModifiers(uint32_t* modifiers) = 0;
  // 0 when the host took the click.
  virtual AAX_ResultCode HandleParameterMouseDown(const char* parameterId, uint32_t modifiers) = 0;
  virtual AAX_ResultCode CallV1Slot9(void* argument) = 0;
  virtual AAX_ResultCode CallV2Slot10(void* argument) = 0;
  virtual AAX_ResultCode CallV2Slot11(void* argument) = 0;
  virtual AAX_ResultCode CallV2Slot12(void* argument) = 0;
};
