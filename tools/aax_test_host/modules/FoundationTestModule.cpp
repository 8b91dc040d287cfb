// The module the test host loads to check the library's foundations: the
// library's seven entry points, a stand-in effect description whose outcome
// the host chooses, and a few test hooks that reach the library's
// diagnostics and reference counting from outside.

#include "AAX_Exception.h"
#include "AAX_Exports.h"
#include "AAX_RegisterPlugin.h"
#include "AAX_Trace.h"
#include "CACFObject.h"

#include <stdexcept>

namespace {

enum DescribeOutcome : int32_t {
  kReturnResult = 0,
  kThrowResultError = 1,
  kThrowAny = 2,
  kThrowStandard = 3,
  kThrowOther = 4
};

int32_t gDescribeOutcome = kReturnResult;
AAX_ResultCode gDescribeResult = AAX_SUCCESS;

// A library object with one interface of its own beside the unknown.
class ITestGadget : public IACFUnknown {
public:
  virtual int32_t Ping() = 0;  // slot 3: answers 7

protected:
  ~ITestGadget() = default;
};

constexpr AAX_GUID kTestGadgetId = {0x5A1F0C3E, 0x9B2D, 0x4E6A,
                                    {0x8C, 0x7B, 0x1D, 0x2E, 0x3F, 0x40, 0x51, 0x62}};

class TestGadget final : public CACFObject<ITestGadget> {
public:
  int32_t Ping() override { return 7; }
  AAX_ResultCode InternalQueryInterface(const AAX_GUID& iid, void** out) override {
    if (iid == kTestGadgetId) return AnswerInterface(out);
    return CACFUnknown::InternalQueryInterface(iid, out);
  }
};

}  // namespace

AAX_ResultCode DescribeEffect(AAX_ICollection*) {
  switch (gDescribeOutcome) {
    case kThrowResultError: throw AAX::Exception::ResultError(gDescribeResult);
    case kThrowAny: throw AAX::Exception::Any("describe failed", "DescribeEffect", "12");
    case kThrowStandard: throw std::runtime_error("describe broke");
    case kThrowOther: throw 42;
    default: return gDescribeResult;
  }
}

AAX_EXPORT void VoTest_SetDescribeOutcome(int32_t outcome, int32_t result) {
  gDescribeOutcome = outcome;
  gDescribeResult = result;
}

AAX_EXPORT int32_t VoTest_Trace(uint32_t priority, const char* text) {
  return TraceToHost(priority, "%s", text);
}

AAX_EXPORT int32_t VoTest_ReportAssert(const char* file, int32_t line, const char* condition) {
  return ReportAssertFailure(file, line, condition, 1);
}

// A new object with count 0, as the creation procedures hand them out.
AAX_EXPORT void* VoTest_CreateObject() {
  ITestGadget* gadget = new TestGadget;
  return gadget;
}
