#pragma once
// The value object of a typed host parameter: the identifier (at most 31
// characters) and the current value of type T (bool, int or double).

#include "AAX_IParameterValue.h"

#include <cstring>
#include <type_traits>

template <typename T>
class AAX_CParameterValue final : public AAX_IParameterValue {
public:
  static constexpr int kMaxIdentifierLength = 31;

  // The identifier is cut to its first 31 characters; null is the empty one.
  explicit AAX_CParameterValue(const char* identifier, T value = T()) : mValue(value) {
    SetIdentifier(identifier);
  }
  AAX_CParameterValue(const AAX_CParameterValue& other) = default;
  ~AAX_CParameterValue() = default;

  void* DeletingDestructor(unsigned int flags) override {
    if (flags & 1u) {
      delete this;
    } else {
      this->~AAX_CParameterValue();
    }
    return this;
  }
  AAX_IParameterValue* Clone() const override { return new AAX_CParameterValue(*this); }
  const char* Identifier() const override { return mIdentifier; }
  bool GetValueAsBool(bool* out) const override { return Read(out); }
  bool GetValueAsInt32(int32_t* out) const override { return Read(out); }
  bool GetValueAsFloat(float*) const override { return false; }
  bool GetValueAsDouble(double* out) const override { return Read(out); }

  const T& Get() const { return mValue; }
  void Set(T value) { mValue = value; }

  void SetIdentifier(const char* identifier) {
    std::memset(mIdentifier, 0, sizeof mIdentifier);
    if (identifier) std::memcpy(mIdentifier, identifier, strnlen(identifier, kMaxIdentifierLength));
  }

private:
  template <typename U>
  bool Read(U* out) const {
    if constexpr (std::is_same_v<U, T>) {
      if (out) *out = mValue;
      return true;
    } else {
      return false;
    }
  }

  char mIdentifier[kMaxIdentifierLength + 1];
  T mValue;
};
