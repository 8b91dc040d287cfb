#pragma once
// The library's view of the host's automation delegate (implemented by
// AAX_VAutomationDelegate). Called from the host's parameter thread and the
// editor thread; no allocation, no lock.

#include "AAX_Result.h"

class AAX_IAutomationDelegate {
public:
  virtual ~AAX_IAutomationDelegate() = default;
  virtual AAX_ResultCode AttachParameter(const char* parameterId) = 0;
  virtual AAX_ResultCode DetachParameter(const char* parameterId) = 0;
  virtual AAX_ResultCode RequestValue(const char* parameterId, double normalized) = 0;
  virtual AAX_ResultCode PostCurrentValue(const char* parameterId, double normalized) = 0;
  virtual AAX_ResultCode BeginParameterTouch(const char* parameterId) = 0;
  virtual AAX_ResultCode EndParameterTouch(const char* parameterId) = 0;
  virtual AAX_ResultCode CallV1Slot9(void* argument) = 0;
};
