#pragma once
// The value object of a typed host parameter: the identifier (at most 31
// characters) and the current value of type T (bool, int or double).
//
// Threads: the host writes the value on its parameter threads without the
// plug-in mutex (that path calls back into the host, so it must not hold
// it), while the render call reads it on the audio thread. The value is
// therefore a relaxed atomic: a reader sees either the old or the new value,
// never a torn one, and neither side locks. The identifier is set up before
// the object is shared and only read afterwards. Nothing allocates but
// Clone.

#include "AAX_IParameterValue.h"

#include <atomic>
#include <cstring>
#include <type_traits>

template <typename T>
class AAX_CParameterValue final : public AAX_IParameterValue {
public:
  static constexpr int kMaxIdentifierLength = 31;
  // The audio thread must never wait on a lock hidden inside the atomic.
  static_assert(std::atomic<T>::is_always_lock_free,
                "a host parameter value must be lock-free to be read on the audio thread");

  // The identifier is cut to its first 31 characters; null is the empty one.
  explicit AAX_CParameterValue(const char* identifier, T value = T()) : mValue(value) {
    SetIdentifier(identifier);
  }
  AAX_CParameterValue(const AAX_CParameterValue& other) : mValue(other.Get()) {
    std::memcpy(mIdentifier, other.mIdentifier, sizeof mIdentifier);
  }
  AAX_CParameterValue& operator=(const AAX_CParameterValue&) = delete;
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

  // Any thread; no lock.
  T Get() const { return mValue.load(std::memory_order_relaxed); }
  void Set(T value) { mValue.store(value, std::memory_order_relaxed); }

  void SetIdentifier(const char* identifier) {
    std::memset(mIdentifier, 0, sizeof mIdentifier);
    if (identifier) std::memcpy(mIdentifier, identifier, strnlen(identifier, kMaxIdentifierLength));
  }

private:
  template <typename U>
  bool Read(U* out) const {
    if constexpr (std::is_same_v<U, T>) {
      if (out) *out = Get();
      return true;
    } else {
      return false;
    }
  }

  char mIdentifier[kMaxIdentifierLength + 1];
  std::atomic<T> mValue;
};
