#pragma once
// The host's automation delegate, queried on the controller unknown. Every
// operation is keyed by the parameter's identifier text.

#include "IACFUnknown.h"

class AAX_IACFAutomationDelegate : public IACFUnknown {
public:
  virtual AAX_ResultCode AttachParameter(const char* parameterId) = 0;                      // slot 3
  virtual AAX_ResultCode DetachParameter(const char* parameterId) = 0;                      // slot 4
  virtual AAX_ResultCode RequestValue(const char* parameterId, double normalized) = 0;      // slot 5
  // Slot 6: reports the value the parameter now holds (this library's choice
  // for the delegate's "report the current value" operation).
  virtual AAX_ResultCode PostCurrentValue(const char* parameterId, double normalized) = 0;
  virtual AAX_ResultCode BeginParameterTouch(const char* parameterId) = 0;                  // slot 7
  virtual AAX_ResultCode EndParameterTouch(const char* parameterId) = 0;                    // slot 8
  virtual AAX_ResultCode V1Slot9(void* argument) = 0;                                       // slot 9

protected:
  ~AAX_IACFAutomationDelegate() = default;
};
