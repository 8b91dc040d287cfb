#include "AssertionHook.h"

#include <atomic>

namespace {
// Atomic so that a check on any thread sees either no handler or a whole one.
std::atomic<AssertionHandler> gAssertionHandler{nullptr};
}  // namespace

void SetAssertionHandler(AssertionHandler handler) { gAssertionHandler.store(handler); }

void ReportFailedCheck(const char* function, int line, const char* condition) {
  if (AssertionHandler handler = gAssertionHandler.load()) handler(function, line, condition);
}
