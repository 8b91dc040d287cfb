#pragma once
// The host's services for traces and assertion reports, created through the
// host object factory with AAX_CLSID_HostServices. Each version extends the
// one before it.
//
// Slots whose role this plug-in does not use take one opaque argument that
// the library passes on unchanged.

#include "IACFUnknown.h"

class AAX_IACFHostServices : public IACFUnknown {
public:
  virtual AAX_ResultCode V1Slot3(void* argument) = 0;                          // slot 3 (unused)
  virtual AAX_ResultCode PostTrace(int32_t priority, const char* message) = 0;  // slot 4

protected:
  ~AAX_IACFHostServices() = default;
};

class AAX_IACFHostServices_V2 : public AAX_IACFHostServices {
public:
  virtual AAX_ResultCode V2Slot5(void* argument) = 0;  // slot 5

protected:
  ~AAX_IACFHostServices_V2() = default;
};

class AAX_IACFHostServices_V3 : public AAX_IACFHostServices_V2 {
public:
  // Slot 6: a failed assertion; flags 1 from every call site of this library.
  virtual AAX_ResultCode ReportAssertion(const char* file, int32_t line, const char* condition,
                                         int32_t flags) = 0;

protected:
  ~AAX_IACFHostServices_V3() = default;
};
