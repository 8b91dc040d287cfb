#pragma once
// The host's view container, queried on the view unknown the host attaches to
// the GUI object. V2 extends V1.

#include "IACFUnknown.h"

class AAX_IACFViewContainer : public IACFUnknown {
public:
  virtual AAX_ResultCode V1Slot3(void* argument) = 0;  // slot 3
  // Slot 4: the native parent (a window handle on Windows, a view on macOS).
  virtual void* QueryNativeView() = 0;
  virtual AAX_ResultCode V1Slot5(void* argument) = 0;  // slot 5
  // Slot 6: size points to two floats, the height first, then the width.
  virtual AAX_ResultCode RequestViewSize(const float* size) = 0;
  // Slot 7 (this library's choice): the host's current modifier-key bits.
  virtual AAX_ResultCode QueryModifiers(uint32_t* modifiers) = 0;
  // Slot 8 (this library's choice): a mouse press on a parameter's control,
  // offered to the host first; 0 means the host took it.
  virtual AAX_ResultCode HandleParameterMouseDown(const char* parameterId, uint32_t modifiers) = 0;
  virtual AAX_ResultCode V1Slot9(void* argument) = 0;  // slot 9

protected:
  ~AAX_IACFViewContainer() = default;
};

class AAX_IACFViewContainer_V2 : public AAX_IACFViewContainer {
public:
  virtual AAX_ResultCode V2Slot10(void* argument) = 0;
  virtual AAX_ResultCode V2Slot11(void* argument) = 0;
  virtual AAX_ResultCode V2Slot12(void* argument) = 0;

protected:
  ~AAX_IACFViewContainer_V2() = default;
};
