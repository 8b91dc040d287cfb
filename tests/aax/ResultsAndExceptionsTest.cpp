#include "AAX_CheckedResult.h"
#include "AAX_Exception.h"
#include "AAX_GuardedCall.h"
#include "AAX_ResultName.h"
#include "AAX_TracedCall.h"
#include "HostServicesFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing::StartsWith;

TEST(ResultName, NamesEveryCodeAndNothingElse) {
  EXPECT_STREQ("AAX_SUCCESS", ResultName(0));
  EXPECT_STREQ("AAX_ERROR_INVALID_PARAMETER_ID", ResultName(-20001));
  EXPECT_STREQ("AAX_ERROR_UNIMPLEMENTED", ResultName(-20009));
  EXPECT_STREQ("AAX_RESULT_NEW_PACKET_POSTED", ResultName(-20028));
  EXPECT_STREQ("AAX_ERROR_PLUGIN_NULL_PARAMETER", ResultName(-20030));
  EXPECT_STREQ("AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW", ResultName(-20046));
  for (int32_t code : {1, -1, -20000, -20029, -20047, -333, static_cast<int32_t>(0x8000FFFFu)})
    EXPECT_STREQ("<unknown error code>", ResultName(code)) << code;
  int named = 0;
  for (int32_t code = -20050; code <= 0; ++code)
    if (std::string(ResultName(code)) != "<unknown error code>") ++named;
  EXPECT_EQ(46, named);  // 0 and -20001 to -20046 without -20029
}

TEST(Exceptions, MessagesComposeFromTheirParts) {
  EXPECT_EQ("AAX_ERROR_NOT_INITIALIZED (-20011)",
            AAX::Exception::ResultError(-20011).What());
  const AAX::Exception::ResultError error(-20004);
  EXPECT_EQ(-20004, error.Result());
  EXPECT_EQ(error.Description(), error.What());
  EXPECT_EQ("", error.Function());
  EXPECT_EQ("", error.Line());
  EXPECT_EQ("broke func:Describe line:12", AAX::Exception::Any("broke", "Describe", "12").What());
  EXPECT_EQ("broke line:12", AAX::Exception::Any("broke", "", "12").What());
  const AAX::Exception::Any copy = AAX::Exception::Any("broke", "f");
  EXPECT_EQ("broke func:f", copy.What());
}

TEST(CheckedResult, PassesSuccessAndThrowsTracedErrors) {
  StartedHostServices services;
  AAX_CheckedResult result;
  EXPECT_NO_THROW(result = AAX_SUCCESS);
  EXPECT_THAT(services.Traces(), IsEmpty());

  try {
    result = AAX_ERROR_NULL_OBJECT;
    FAIL() << "no throw";
  } catch (const AAX::Exception::ResultError& error) {
    EXPECT_EQ(AAX_ERROR_NULL_OBJECT, error.Result());
  }
  EXPECT_EQ(AAX_SUCCESS, result.Current());
  EXPECT_EQ(AAX_ERROR_NULL_OBJECT, result.LastError());
  EXPECT_THAT(services.Traces(),
              ElementsAre("67108864 AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)"));

  EXPECT_THROW(AAX_CheckedResult constructed(-20011), AAX::Exception::ResultError);
}

TEST(CheckedResult, AcceptsWhatItsOwnerAdds) {
  AAX_CheckedResult result;
  result.AddAcceptedResult(AAX_ERROR_UNIMPLEMENTED);
  EXPECT_NO_THROW(result = AAX_ERROR_UNIMPLEMENTED);
  EXPECT_EQ(AAX_ERROR_UNIMPLEMENTED, result.Current());
  EXPECT_EQ(AAX_SUCCESS, result.LastError());
  result.ResetAcceptedResults();
  EXPECT_THROW(result = AAX_ERROR_UNIMPLEMENTED, AAX::Exception::ResultError);
}

TEST(GuardedCall, AnythingEscapingBecomesTheUnexpectedFailureWord) {
  EXPECT_EQ(-20009, AAX_CallGuarded([] { return AAX_ResultCode{-20009}; }));
  EXPECT_EQ(static_cast<AAX_ResultCode>(0x8000FFFF),
            AAX_CallGuarded([]() -> AAX_ResultCode { throw std::bad_alloc(); }));
  EXPECT_EQ(static_cast<AAX_ResultCode>(0x8000FFFF),
            AAX_CallGuarded([]() -> AAX_ResultCode { throw 3; }));
  EXPECT_EQ(-2147418113, AAX_CallGuarded([]() -> AAX_ResultCode {
              throw AAX::Exception::ResultError(-20004);
            }));
}

TEST(TracedCall, EveryExceptionReleasesTracesAndBecomesAResult) {
  StartedHostServices services;
  int releases = 0;
  const auto release = [&releases] { ++releases; };
  EXPECT_EQ(-20009, AAX_CallReleasingOnException(
                        "C::Bind", [] { return AAX_ResultCode{-20009}; }, release));
  EXPECT_EQ(0, releases);
  EXPECT_THAT(services.Traces(), IsEmpty());

  EXPECT_EQ(-20004, AAX_CallReleasingOnException(
                        "C::Bind", []() -> AAX_ResultCode { throw AAX::Exception::ResultError(-20004); },
                        release));
  EXPECT_EQ(AAX_ERROR_UNKNOWN_EXCEPTION,
            AAX_CallReleasingOnException(
                "C::Bind", []() -> AAX_ResultCode { throw AAX::Exception::Any("broke", "f"); }, release));
  EXPECT_EQ(AAX_ERROR_UNKNOWN_EXCEPTION,
            AAX_CallReleasingOnException(
                "C::Bind", []() -> AAX_ResultCode { throw std::runtime_error("torn"); }, release));
  EXPECT_EQ(AAX_ERROR_UNKNOWN_EXCEPTION,
            AAX_CallReleasingOnException("C::Bind", []() -> AAX_ResultCode { throw 3; }, release));
  EXPECT_EQ(4, releases);
  const std::vector<std::string> traces = services.Traces();
  ASSERT_EQ(4u, traces.size());
  EXPECT_THAT(traces[0], StartsWith("134217728 C::Bind exception caught: "));
  EXPECT_EQ("134217728 C::Bind exception caught: broke func:f", traces[1]);
  EXPECT_EQ("134217728 C::Bind exception caught: torn", traces[2]);
  EXPECT_EQ("134217728 C::Bind exception caught: unknown", traces[3]);
}

TEST(Diagnostics, FormatAndDropWithoutHostServices) {
  EXPECT_EQ(AAX_SUCCESS, TraceToHost(kAAX_TraceError, "dropped %d", 1));
  EXPECT_EQ(AAX_SUCCESS, ReportAssertFailure("f.cpp", 1, "dropped", 1));
  StartedHostServices services;
  EXPECT_EQ(AAX_SUCCESS, TraceToHost(kAAX_TraceError, "value %d of %s", 3, "four"));
  EXPECT_THAT(services.Traces(), ElementsAre("134217728 value 3 of four"));
}

}  // namespace
