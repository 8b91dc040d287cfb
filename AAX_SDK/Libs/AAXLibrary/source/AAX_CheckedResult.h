#pragma once
// A result holder for the registration path: storing a result that is not
// accepted traces it to the host and throws AAX::Exception::ResultError.

#include "AAX_Result.h"

#include <set>

class AAX_CheckedResult {
public:
  // Checks the result at once (throws when it is not AAX_SUCCESS).
  AAX_CheckedResult(AAX_ResultCode result = AAX_SUCCESS);  // NOLINT: converting on purpose
  AAX_CheckedResult& operator=(AAX_ResultCode result);

  void AddAcceptedResult(AAX_ResultCode result) { mAccepted.insert(result); }
  void ResetAcceptedResults() { mAccepted = {AAX_SUCCESS}; }

  AAX_ResultCode Current() const { return mCurrent; }
  AAX_ResultCode LastError() const { return mLastError; }

private:
  void Check();

  AAX_ResultCode mCurrent;
  AAX_ResultCode mLastError = AAX_SUCCESS;
  std::set<AAX_ResultCode> mAccepted{AAX_SUCCESS};
};
