#pragma once
// A display delegate that wraps another one (owning a clone of it) and, as it
// stands, forwards every conversion to it; decorators change what they add.

#include "AAX_IDisplayDelegate.h"

#include <memory>

template <typename T>
class AAX_IDisplayDelegateDecorator : public AAX_IDisplayDelegate<T> {
public:
  explicit AAX_IDisplayDelegateDecorator(const AAX_IDisplayDelegate<T>& wrapped)
      : mWrapped(wrapped.Clone()) {}
  AAX_IDisplayDelegateDecorator(const AAX_IDisplayDelegateDecorator& other)
      : AAX_IDisplayDelegate<T>(other), mWrapped(other.mWrapped->Clone()) {}
  AAX_IDisplayDelegateDecorator& operator=(const AAX_IDisplayDelegateDecorator&) = delete;

  AAX_IDisplayDelegateDecorator* Clone() const override {
    return new AAX_IDisplayDelegateDecorator(*this);
  }
  bool ValueToTextOfLength(T value, int maxLength, AAX_CString* out) const override {
    return mWrapped->ValueToTextOfLength(value, maxLength, out);
  }
  bool ValueToText(T value, AAX_CString* out) const override {
    return mWrapped->ValueToText(value, out);
  }
  bool TextToValue(const AAX_CString& text, T* out) const override {
    return mWrapped->TextToValue(text, out);
  }

protected:
  const AAX_IDisplayDelegate<T>& Wrapped() const { return *mWrapped; }

private:
  std::unique_ptr<AAX_IDisplayDelegate<T>> mWrapped;
};
