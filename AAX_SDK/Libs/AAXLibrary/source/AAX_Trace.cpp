#include "AAX_Trace.h"

#include "AAX_VHostServices.h"

#include <cstdarg>
#include <cstdio>

AAX_VHostServices* gHostServices = nullptr;

AAX_ResultCode SetHostServices(IACFUnknown* hostUnknown) {
  if (!gHostServices && hostUnknown) {
    gHostServices = new AAX_VHostServices(hostUnknown);
  } else if (gHostServices && !hostUnknown) {
    delete gHostServices;
    gHostServices = nullptr;
  }
  return AAX_SUCCESS;
}

AAX_ResultCode TraceToHost(uint32_t priority, const char* format, ...) {
  AAX_VHostServices* services = gHostServices;
  if (!services) return AAX_SUCCESS;
  char text[kAAX_TraceBufferSize];
  text[0] = '\0';
  if (format) {
    va_list args;
    va_start(args, format);
    // vsnprintf cuts at the buffer and always terminates.
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
  }
  return services->PostTrace(static_cast<int32_t>(priority), text);
}

AAX_ResultCode ReportAssertFailure(const char* file, int32_t line, const char* condition,
                                   int32_t flags) {
  AAX_VHostServices* services = gHostServices;
  if (!services) return AAX_SUCCESS;
  return services->ReportAssertion(file, line, condition, flags);
}
