#pragma once
// Appends a unit to the wrapped display's text ("-9.00dB") and accepts texts
// with or without it.

#include "AAX_CString.h"
#include "AAX_IDisplayDelegateDecorator.h"

#include <cstdint>

template <typename T>
class AAX_CUnitDisplayDelegateDecorator final : public AAX_IDisplayDelegateDecorator<T> {
public:
  AAX_CUnitDisplayDelegateDecorator(const AAX_IDisplayDelegate<T>& wrapped, const AAX_CString& unit)
      : AAX_IDisplayDelegateDecorator<T>(wrapped), mUnit(unit) {}

  AAX_CUnitDisplayDelegateDecorator* Clone() const override {
    return new AAX_CUnitDisplayDelegateDecorator(*this);
  }

  bool ValueToText(T value, AAX_CString* out) const override {
    if (!this->Wrapped().ValueToText(value, out)) return false;
    out->Append(mUnit);
    return true;
  }

  // The unit is added only when it fits whole within maxLength.
  bool ValueToTextOfLength(T value, int maxLength, AAX_CString* out) const override {
    if (!this->Wrapped().ValueToTextOfLength(value, maxLength, out)) return false;
    if (int64_t{out->Length()} + mUnit.Length() <= int64_t{maxLength}) out->Append(mUnit);
    return true;
  }

  // A text ending with the unit is read without it; any other text is read
  // whole.
  bool TextToValue(const AAX_CString& text, T* out) const override {
    const uint32_t textLength = text.Length();
    const uint32_t unitLength = mUnit.Length();
    if (unitLength >= textLength ||
        text.StdString().compare(textLength - unitLength, unitLength, mUnit.StdString()) != 0)
      return this->Wrapped().TextToValue(text, out);
    return this->Wrapped().TextToValue(AAX_CString(text.StdString().substr(0, textLength - unitLength)),
                                       out);
  }

private:
  AAX_CString mUnit;
};
