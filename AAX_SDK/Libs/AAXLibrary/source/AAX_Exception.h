#pragma once
// Exceptions of the registration path; caught at the exported entry points.

#include "AAX_Result.h"

#include <string>

namespace AAX {
namespace Exception {

// Any thread. The message is the description, then " func:" and the
// function, then " line:" and the line, each only when given.
class Any {
public:
  explicit Any(std::string description, std::string function = std::string(),
               std::string line = std::string());
  virtual ~Any() = default;
  Any(const Any&) = default;
  Any(Any&&) = default;
  Any& operator=(const Any&) = default;
  Any& operator=(Any&&) = default;

  const std::string& Description() const { return mDescription; }
  const std::string& Function() const { return mFunction; }
  const std::string& Line() const { return mLine; }
  // What catch sites print.
  const std::string& What() const { return mMessage; }

private:
  std::string mDescription;
  std::string mFunction;
  std::string mLine;
  std::string mMessage;
};

// A failing result: described as its name and its signed value,
// "AAX_ERROR_NULL_OBJECT (-20004)".
class ResultError : public Any {
public:
  explicit ResultError(AAX_ResultCode result);
  AAX_ResultCode Result() const { return mResult; }

private:
  AAX_ResultCode mResult;
};

}  // namespace Exception
}  // namespace AAX
