#include "AAX_CheckedResult.h"

#include "AAX_Exception.h"
#include "AAX_Trace.h"

AAX_CheckedResult::AAX_CheckedResult(AAX_ResultCode result) : mCurrent(result) { Check(); }

AAX_CheckedResult& AAX_CheckedResult::operator=(AAX_ResultCode result) {
  mCurrent = result;
  Check();
  return *this;
}

void AAX_CheckedResult::Check() {
  if (mAccepted.count(mCurrent) != 0) return;
  const AAX::Exception::ResultError error(mCurrent);
  mLastError = mCurrent;
  mCurrent = AAX_SUCCESS;
  TraceToHost(kAAX_TraceCheckedResult, "AAX_CheckedResult - throwing %s", error.What().c_str());
  throw error;
}
