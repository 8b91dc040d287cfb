#include "AAX_CParameter.h"

#include "AAX_IAutomationDelegate.h"
#include "AAX_IString.h"
#include "AAX_Trace.h"

#include <cmath>
#include <cstring>
#include <iterator>
#include <type_traits>

namespace {

constexpr const char* kSource = "AAX_CParameter";

double Clamp(double value, double low, double high) {
  if (!(value >= low)) return low;  // NaN included
  return value > high ? high : value;
}

}  // namespace

template <typename T>
AAX_CParameter<T>::AAX_CParameter(const char* identifier, const AAX_CString& name, T defaultValue,
                                  const AAX_ITaperDelegate<T>& taper,
                                  const AAX_IDisplayDelegate<T>& display, bool automatable)
    : mName(name),
      mAutomatable(automatable ? 1 : 0),
      mTaper(taper.Clone()),
      mDisplay(display.Clone()),
      mValue(identifier, T()),
      mDefault(defaultValue) {
  if (identifier && std::strlen(identifier) > AAX_CParameterValue<T>::kMaxIdentifierLength)
    ReportAssertFailure(kSource, 193, "len < eParemeterDefaultMaxIdentifierSize", 1);
  if (mStepCount == 0) {
    if (mType == kKindDiscrete) {
      mStepCount = 2;
    } else if (mType == kKindContinuous) {
      mStepCount = 128;
    } else {
      ReportAssertFailure(kSource, 698, "0", 1);
    }
  }
  mForce = true;
  ApplyHostNormalized(mTaper->RealToNormalized(mDefault));
}

template <typename T>
AAX_CParameter<T>::~AAX_CParameter() {
  if (mAutomation) mAutomation->DetachParameter(IdString());
  mShortenedNames.clear();
}

template <typename T>
void* AAX_CParameter<T>::DeletingDestructor(unsigned int flags) {
  if (flags & 1u) {
    delete this;
  } else {
    this->~AAX_CParameter();
  }
  return this;
}

template <typename T>
AAX_IParameterValue* AAX_CParameter<T>::NewValueObject() const {
  return new AAX_CParameterValue<T>(IdString(), mValue.Get());
}

template <typename T>
void AAX_CParameter<T>::AbbreviatedName(const AAX_CString& text) {
  mShortenedNames[static_cast<int32_t>(text.Length())] = text;
}

template <typename T>
const AAX_CString& AAX_CParameter<T>::AbbreviatedNameAt(int32_t maxLength) const {
  if (maxLength < 0 || int64_t{maxLength} >= int64_t{mName.Length()} || mShortenedNames.empty())
    return mName;
  // The longest shortened name that fits; when none does, the shortest.
  auto after = mShortenedNames.upper_bound(maxLength);
  if (after == mShortenedNames.begin()) return after->second;
  return std::prev(after)->second;
}

template <typename T>
void AAX_CParameter<T>::AttachAutomation(AAX_IAutomationDelegate* delegate) {
  if (mAutomation) mAutomation->DetachParameter(IdString());
  mAutomation = delegate;
  if (mAutomation) mAutomation->AttachParameter(IdString());
}

template <typename T>
void AAX_CParameter<T>::BeginTouch() {
  if (mAutomation) mAutomation->BeginParameterTouch(IdString());
}

template <typename T>
void AAX_CParameter<T>::EndTouch() {
  if (mAutomation) mAutomation->EndParameterTouch(IdString());
}

template <typename T>
void AAX_CParameter<T>::WriteNormalized(double normalized) {
  if (!std::isfinite(normalized)) return;
  SetValue(mTaper->NormalizedToReal(normalized));
}

template <typename T>
double AAX_CParameter<T>::ReadNormalized() const {
  return mTaper->RealToNormalized(mValue.Get());
}

template <typename T>
void AAX_CParameter<T>::WriteDefaultNormalized(double normalized) {
  if (!std::isfinite(normalized)) return;
  mDefault = mTaper->ConstrainRealValue(mTaper->NormalizedToReal(normalized));
}

template <typename T>
double AAX_CParameter<T>::ReadDefaultNormalized() const {
  return mTaper->RealToNormalized(mDefault);
}

template <typename T>
void AAX_CParameter<T>::DefineStepCount(int32_t numSteps) {
  if (numSteps == 0) {
    ReportAssertFailure(kSource, 833, "0 < numSteps", 1);
    return;
  }
  mStepCount = numSteps;
}

template <typename T>
double AAX_CParameter<T>::StepToNormalized(int32_t step) const {
  if (mStepCount < 2) return 0.0;
  return Clamp(static_cast<double>(step) / (static_cast<double>(mStepCount) - 1.0), 0.0, 1.0);
}

template <typename T>
int32_t AAX_CParameter<T>::NormalizedToStep(double normalized) const {
  if (mStepCount < 2) return 0;
  const double last = static_cast<double>(mStepCount) - 1.0;
  return static_cast<int32_t>(Clamp(normalized * last + 0.5, 0.0, last));
}

template <typename T>
void AAX_CParameter<T>::AssignStep(int32_t step) {
  if (mStepCount < 2) return;
  WriteNormalized(StepToNormalized(step));
}

// The length is not applied here: the current value is always shown in full.
template <typename T>
bool AAX_CParameter<T>::FormatCurrentOfLength(int32_t, AAX_CString* out) const {
  return mDisplay->ValueToText(mValue.Get(), out);
}

template <typename T>
bool AAX_CParameter<T>::FormatCurrent(AAX_CString* out) const {
  return mDisplay->ValueToText(mValue.Get(), out);
}

template <typename T>
bool AAX_CParameter<T>::TextToNormalized(const AAX_CString& text, double* out) const {
  T value = T();
  if (!mDisplay->TextToValue(text, &value)) return false;
  if (out) *out = mTaper->RealToNormalized(value);
  return true;
}

template <typename T>
bool AAX_CParameter<T>::NormalizedToTextOfLength(double normalized, int32_t maxLength,
                                                 AAX_CString* out) const {
  const T value = mTaper->NormalizedToReal(normalized);
  if (!mDisplay->ValueToTextOfLength(value, maxLength, out)) return false;
  return mTaper->GetMinimumValue() <= value && value <= mTaper->GetMaximumValue();
}

template <typename T>
bool AAX_CParameter<T>::NormalizedToText(double normalized, AAX_CString* out) const {
  const T value = mTaper->NormalizedToReal(normalized);
  if (!mDisplay->ValueToText(value, out)) return false;
  return mTaper->GetMinimumValue() <= value && value <= mTaper->GetMaximumValue();
}

template <typename T>
bool AAX_CParameter<T>::AssignFromText(const AAX_CString& text) {
  T value = T();
  if (!mDisplay->TextToValue(text, &value)) return false;
  SetValue(value);
  return true;
}

template <typename T>
bool AAX_CParameter<T>::CurrentValueText(AAX_IString* out) const {
  if (!out) return false;
  AAX_CString text;
  const bool shown = FormatCurrent(&text);
  // A host string is written through its interface only.
  if (shown) out->Set(text.Get());
  return shown;
}

template <typename T>
bool AAX_CParameter<T>::AssignFromAAXString(const AAX_IString& text) {
  return AssignFromText(AAX_CString(text));
}

template <typename T>
void AAX_CParameter<T>::AttachTaper(const AAX_ITaperDelegateBase& taper, bool keepValue) {
  const auto* typed = dynamic_cast<const AAX_ITaperDelegate<T>*>(&taper);
  if (!typed) return;
  const double normalized = ReadNormalized();
  mTaper.reset(typed->Clone());
  mForce = true;
  if (keepValue) {
    SetValue(mValue.Get());  // the position follows the new taper
  } else {
    ApplyHostNormalized(normalized);  // the value follows the new taper
  }
}

template <typename T>
void AAX_CParameter<T>::AttachDisplay(const AAX_IDisplayDelegateBase& display) {
  const auto* typed = dynamic_cast<const AAX_IDisplayDelegate<T>*>(&display);
  if (!typed) return;
  mDisplay.reset(typed->Clone());
  if (mAutomation) mAutomation->PostCurrentValue(IdString(), ReadNormalized());
}

template <typename T>
void AAX_CParameter<T>::ApplyHostNormalized(double normalized) {
  if (!std::isfinite(normalized)) return;
  const T value = mTaper->NormalizedToReal(normalized);
  if (!mForce && value == mValue.Get()) return;
  mValue.Set(value);
  if (mAutomation) mAutomation->PostCurrentValue(IdString(), normalized);
  mForce = false;
}

template <typename T>
void AAX_CParameter<T>::SetValue(T value) {
  const double normalized = mTaper->RealToNormalized(value);
  if (!mAutomation) {
    mForce = true;
    ApplyHostNormalized(normalized);
    return;
  }
  BeginTouch();
  mAutomation->RequestValue(IdString(), normalized);
  EndTouch();
}

template <typename T>
template <typename U>
bool AAX_CParameter<T>::ToNormalized(U value, double* out) const {
  if constexpr (std::is_same_v<U, T>) {
    if (out) *out = mTaper->RealToNormalized(value);
    return true;
  } else {
    return false;
  }
}

template <typename T>
template <typename U>
bool AAX_CParameter<T>::FromNormalized(double normalized, U* out) const {
  if constexpr (std::is_same_v<U, T>) {
    if (out) *out = mTaper->NormalizedToReal(normalized);
    return true;
  } else {
    return false;
  }
}

template <typename T>
template <typename U>
bool AAX_CParameter<T>::Assign(U value) {
  if constexpr (std::is_same_v<U, T>) {
    if constexpr (std::is_floating_point_v<T>) {
      if (!std::isfinite(value)) return false;  // would leave an undefined value
    }
    SetValue(value);
    return true;
  } else {
    return false;
  }
}

template <typename T>
bool AAX_CParameter<T>::BoolToNormalized(bool value, double* out) const {
  return ToNormalized(value, out);
}

template <typename T>
bool AAX_CParameter<T>::IntToNormalized(int32_t value, double* out) const {
  return ToNormalized(value, out);
}

template <typename T>
bool AAX_CParameter<T>::FloatToNormalized(float value, double* out) const {
  return ToNormalized(value, out);
}

template <typename T>
bool AAX_CParameter<T>::DoubleToNormalized(double value, double* out) const {
  return ToNormalized(value, out);
}

template <typename T>
bool AAX_CParameter<T>::NormalizedToBool(double normalized, bool* out) const {
  return FromNormalized(normalized, out);
}

template <typename T>
bool AAX_CParameter<T>::NormalizedToInt(double normalized, int32_t* out) const {
  return FromNormalized(normalized, out);
}

template <typename T>
bool AAX_CParameter<T>::NormalizedToFloat(double normalized, float* out) const {
  return FromNormalized(normalized, out);
}

template <typename T>
bool AAX_CParameter<T>::NormalizedToDouble(double normalized, double* out) const {
  return FromNormalized(normalized, out);
}

template <typename T>
bool AAX_CParameter<T>::AssignBool(bool value) {
  return Assign(value);
}

template <typename T>
bool AAX_CParameter<T>::AssignInt(int32_t value) {
  return Assign(value);
}

template <typename T>
bool AAX_CParameter<T>::AssignFloat(float value) {
  return Assign(value);
}

template <typename T>
bool AAX_CParameter<T>::AssignDouble(double value) {
  return Assign(value);
}

template class AAX_CParameter<bool>;
template class AAX_CParameter<int32_t>;
template class AAX_CParameter<double>;
