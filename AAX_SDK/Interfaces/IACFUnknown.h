#pragma once
// The COM-style unknown that begins every interface crossing the host
// boundary: slot 0 query, slot 1 add-reference, slot 2 release.
//
// Interfaces that cross the boundary never declare a C++ destructor (its slot
// count differs between the host's compiler and ours) and never overload a
// virtual operation (the host's compiler orders overloads differently), so
// that every operation sits at the slot number the host expects. The
// destructor is protected: nothing is ever deleted through such an interface.

#include "AAX_GUID.h"
#include "AAX_Result.h"

#include <cstdint>

class IACFUnknown {
public:
  // Any thread. Writes an add-referenced interface, or null and
  // ACF_NO_INTERFACE.
  virtual AAX_ResultCode QueryInterface(const AAX_GUID& iid, void** out) = 0;  // slot 0
  // Any thread; returns the new count.
  virtual uint32_t AddRef() = 0;   // slot 1
  // Any thread; returns the new count; the object may be gone afterwards.
  virtual uint32_t Release() = 0;  // slot 2

protected:
  ~IACFUnknown() = default;
};
