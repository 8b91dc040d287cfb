#pragma once
// Shows a value as a fixed-point number with Precision decimals ("5.00" for
// the int 5), followed by SpaceAfter blanks; reads any decimal number back
// (an int parameter takes its whole part).

#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"

#include <climits>
#include <cstdint>
#include <type_traits>

template <typename T, int32_t Precision = 2, int32_t SpaceAfter = 0>
class AAX_CNumberDisplayDelegate final : public AAX_IDisplayDelegate<T> {
public:
  AAX_CNumberDisplayDelegate* Clone() const override {
    return new AAX_CNumberDisplayDelegate(*this);
  }

  bool ValueToText(T value, AAX_CString* out) const override {
    if (!out) return false;
    out->Clear();
    out->AppendNumber(static_cast<double>(value), Precision);
    for (int32_t i = 0; i < SpaceAfter; ++i) out->Append(" ");
    return true;
  }

  // The full text cut to maxLength characters (a negative length counts as
  // 0); a cut that leaves a trailing decimal point drops the point too, so
  // 12.345 in 3 characters reads "12".
  bool ValueToTextOfLength(T value, int maxLength, AAX_CString* out) const override {
    if (!ValueToText(value, out)) return false;
    const uint32_t limit = maxLength < 0 ? 0u : static_cast<uint32_t>(maxLength);
    if (out->Length() > limit) out->Erase(limit, out->Length() - limit);
    if (maxLength > 0 && out->Length() > 0 && (*out)[out->Length() - 1] == '.')
      out->Erase(out->Length() - 1, 1);
    return true;
  }

  // On failure out := 0 and false.
  bool TextToValue(const AAX_CString& text, T* out) const override {
    double number = 0.0;
    const bool parsed = text.ToDouble(&number);
    if (out) *out = parsed ? FromNumber(number) : T();
    return parsed;
  }

private:
  // Parsed numbers are finite; an int keeps the whole part, held inside the
  // int's range so that no text overflows it.
  static T FromNumber(double number) {
    if constexpr (std::is_integral_v<T>) {
      if (number >= static_cast<double>(INT32_MAX)) return static_cast<T>(INT32_MAX);
      if (number <= static_cast<double>(INT32_MIN)) return static_cast<T>(INT32_MIN);
    }
    return static_cast<T>(number);
  }
};
