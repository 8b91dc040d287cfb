#include "AAX_Exception.h"

#include "AAX_ResultName.h"

#include <utility>

namespace AAX {
namespace Exception {

namespace {
std::string ComposeMessage(const std::string& description, const std::string& function,
                           const std::string& line) {
  std::string message = description;
  if (!function.empty()) message += " func:" + function;
  if (!line.empty()) message += " line:" + line;
  return message;
}
}  // namespace

Any::Any(std::string description, std::string function, std::string line)
    : mDescription(std::move(description)),
      mFunction(std::move(function)),
      mLine(std::move(line)),
      mMessage(ComposeMessage(mDescription, mFunction, mLine)) {}

ResultError::ResultError(AAX_ResultCode result)
    : Any(std::string(ResultName(result)) + " (" + std::to_string(result) + ")"), mResult(result) {}

}  // namespace Exception
}  // namespace AAX
