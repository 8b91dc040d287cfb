#pragma once
// The library's view of the host's services (implemented by AAX_VHostServices).

#include "AAX_Result.h"

#include <cstdint>

class AAX_IHostServices {
public:
  virtual ~AAX_IHostServices() = default;
  // Any thread, the audio thread included; no allocation, no lock.
  virtual AAX_ResultCode ReportAssertion(const char* file, int32_t line, const char* condition,
                                         int32_t flags) = 0;
  // Any thread, the audio thread included; no allocation, no lock.
  virtual AAX_ResultCode PostTrace(int32_t priority, const char* message) = 0;
  virtual AAX_ResultCode CallV2Slot5(void* argument) = 0;
};
