#pragma once
// The value of one host parameter: its identifier and its current value of
// one type (bool, int or double). Reachable by the host through a parameter
// (see AAX_IParameter.h), so it is laid out like the other boundary
// interfaces: slot 0 destroys, no overloads.
//
// Any thread that holds the parameter; no lock. Clone allocates.

#include <cstdint>

class AAX_IParameterValue {
public:
  // Slot 0: destroys the value object; frees its memory when bit 0 of flags
  // is set. Returns the object's address.
  virtual void* DeletingDestructor(unsigned int flags) = 0;
  // Slot 1: a new value object with the same identifier and value; the
  // caller owns it.
  virtual AAX_IParameterValue* Clone() const = 0;
  virtual const char* Identifier() const = 0;  // slot 2
  // Slots 3-6: true, and the value written, only when the value has that
  // type; otherwise false and nothing written. No value answers the float read.
  virtual bool GetValueAsBool(bool* out) const = 0;
  virtual bool GetValueAsInt32(int32_t* out) const = 0;
  virtual bool GetValueAsFloat(float* out) const = 0;
  virtual bool GetValueAsDouble(double* out) const = 0;

protected:
  AAX_IParameterValue() = default;
  AAX_IParameterValue(const AAX_IParameterValue&) = default;
  AAX_IParameterValue& operator=(const AAX_IParameterValue&) = default;
  ~AAX_IParameterValue() = default;
};

// Deletes a value object through its destroying slot (for owning pointers).
struct AAX_ParameterValueDeleter {
  void operator()(AAX_IParameterValue* value) const {
    if (value) value->DeletingDestructor(1);
  }
};
