// The host's parameter questions (by identifier) on the effect-parameters
// base, and the host-confirmed values.

#include "AAX_CEffectParameters.h"

#include "AAX_CString.h"
#include "AAX_IParameter.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Longest name text the title search looks at.
constexpr size_t kMaxTitleLength = 255;

double ClampNormalized(double value) {
  if (value > 1.0) value = 1.0;
  if (value < 0.0) value = 0.0;
  return value;
}

}  // namespace

AAX_ResultCode AAX_CEffectParameters::CountParameters(int32_t* count) {
  if (!count) return AAX_ERROR_NULL_ARGUMENT;
  *count = mParameterTable.Count();
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::GetBypassParameterId(AAX_IString* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  out->Set(mParameterTable.Find(kAAX_MasterBypassId) ? kAAX_MasterBypassId : "");
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::IsParameterAutomatable(const char* id, bool* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  *out = false;
  const AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  *out = parameter->CanAutomate();
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::GetParameterStepCount(const char* id, int32_t* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  const AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  const int32_t steps = parameter->StepCount();
  if (steps < 0) return AAX_ERROR_SIGNED_INT_OVERFLOW;
  *out = steps;
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::GetParameterTitle(const char* id, AAX_IString* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  const AAX_IParameter* parameter = mParameterTable.Find(id);
  out->Set(parameter ? parameter->DisplayName().Get() : "");
  return AAX_SUCCESS;
}

// The name shortened to length may hold alternatives on separate lines
// ("Frequency\nFreq\nF"): the longest line that fits wins, the first of
// equal lengths. When none fits, the shortened name is cut to length.
AAX_ResultCode AAX_CEffectParameters::GetParameterTitleOfLength(const char* id, AAX_IString* out,
                                                                int32_t length) {
  if (!out) return AAX_ERROR_INVALID_STRING_CONVERSION;
  const AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) {
    out->Set("");
    return AAX_SUCCESS;
  }
  std::string name(parameter->AbbreviatedNameAt(length).Get());
  if (name.empty()) return AAX_SUCCESS;
  if (name.size() > kMaxTitleLength) name.resize(kMaxTitleLength);

  std::vector<std::string> pieces;
  for (size_t start = 0;;) {
    const size_t end = name.find('\n', start);
    pieces.push_back(name.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  const std::string* taken = nullptr;
  size_t longest = 0;
  for (const std::string& piece : pieces) {
    if (piece.size() > longest && static_cast<int64_t>(piece.size()) <= length) {
      taken = &piece;
      longest = piece.size();
    }
  }
  if (taken) {
    out->Set(taken->c_str());
  } else if (length < 1) {
    out->Set("");
  } else {
    out->Set(name.substr(0, static_cast<size_t>(length)).c_str());
  }
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::ReadParameterDefault(const char* id, double* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  const AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  *out = parameter->ReadDefaultNormalized();
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::WriteParameterDefault(const char* id, double normalized) {
  AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  parameter->WriteDefaultNormalized(normalized);
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::GetParameterKind(const char* id, int32_t* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  const AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  *out = parameter->Kind();
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::GetParameterDirection(const char* id, int32_t* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  const AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  *out = parameter->Direction();
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::FindParameter(const char* id, AAX_IParameter** out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  *out = mParameterTable.Find(id);
  return *out ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_ResultCode AAX_CEffectParameters::IndexOfParameterId(const char* id, int32_t* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  *out = -1;
  if (!id) return AAX_ERROR_INVALID_PARAMETER_ID;
  for (int32_t index = 0; index < mParameterTable.Count(); ++index) {
    const AAX_IParameter* parameter = mParameterTable.At(index);
    if (parameter && std::strcmp(parameter->IdString(), id) == 0) {
      *out = index;
      return AAX_SUCCESS;
    }
  }
  return AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_ResultCode AAX_CEffectParameters::ParameterIdAt(int32_t index, AAX_IString* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  const AAX_IParameter* parameter = mParameterTable.At(index);
  out->Set(parameter ? parameter->IdString() : "");
  return parameter ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_ResultCode AAX_CEffectParameters::GetParameterValueDetails(const char*, const void*,
                                                               int32_t* out) {
  if (out) *out = 0;
  return AAX_ERROR_UNIMPLEMENTED;
}

AAX_ResultCode AAX_CEffectParameters::ParseParameterText(const char* id, double* out,
                                                         const AAX_IString* text) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  const AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  if (!text) return AAX_ERROR_INVALID_STRING_CONVERSION;
  double normalized = 0.0;
  if (!parameter->TextToNormalized(AAX_CString(*text), &normalized))
    return AAX_ERROR_INVALID_STRING_CONVERSION;
  *out = normalized;
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::FormatParameterValue(const char* id, double normalized,
                                                           AAX_IString* out, int32_t maxLength) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  const AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  AAX_CString text;
  if (!parameter->NormalizedToTextOfLength(normalized, maxLength, &text))
    return AAX_ERROR_INVALID_STRING_CONVERSION;
  out->Set(text.Get());
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::FormatParameterCurrentValue(const char* id, AAX_IString* out,
                                                                  int32_t maxLength) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  const AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  AAX_CString text;
  parameter->FormatCurrentOfLength(maxLength, &text);
  out->Set(text.Get());
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::ReadParameterNormalized(const char* id, double* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  const AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  *out = parameter->ReadNormalized();
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::RequestParameterNormalized(const char* id, double normalized) {
  AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  parameter->WriteNormalized(normalized);
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::RequestParameterNormalizedDelta(const char* id, double delta) {
  double current = 0.0;
  const AAX_ResultCode read = ReadParameterNormalized(id, &current);
  if (read != AAX_SUCCESS) return read;
  return RequestParameterNormalized(id, ClampNormalized(current + delta));
}

AAX_ResultCode AAX_CEffectParameters::BeginParameterGesture(const char* id) {
  AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  parameter->BeginTouch();
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::EndParameterGesture(const char* id) {
  AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  parameter->EndTouch();
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::ApplyParameterNormalized(const char* id, double normalized) {
  AAX_IParameter* parameter = mParameterTable.Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  const double before = parameter->ReadNormalized();
  parameter->ApplyHostNormalized(normalized);
  const AAX_ResultCode result = mPacketQueue.SetDirty(id, true);
  if (before != normalized || std::isnan(before) || std::isnan(normalized)) IncrementChangeCount();
  return result;
}

AAX_ResultCode AAX_CEffectParameters::ApplyParameterNormalizedDelta(const char* id, double delta) {
  double current = 0.0;
  const AAX_ResultCode read = ReadParameterNormalized(id, &current);
  if (read != AAX_SUCCESS) return read;
  return ApplyParameterNormalized(id, ClampNormalized(current + delta));
}

AAX_ResultCode AAX_CEffectParameters::FlushParameterPackets() { return mPacketQueue.Dispatch(); }

AAX_ResultCode AAX_CEffectParameters::InitPrivateData(int32_t, void* data, int32_t size) {
  if (data && size > 0) std::memset(data, 0, static_cast<size_t>(size));
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::GetChangeCount(int32_t* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  if (mChangeCount >= 0) *out = mChangeCount;
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::ReservedSlot42(void*, void*, void*, int32_t* out) {
  if (out) *out = 0;
  return AAX_SUCCESS;
}
