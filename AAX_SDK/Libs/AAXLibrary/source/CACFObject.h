#pragma once
// A library object that the host holds through one ACF interface. The
// interface's query, add-reference and release are implemented once here:
// they forward to the object's outer unknown, so every interface of the
// object shares one count. Subclasses answer their interface identifiers in
// InternalQueryInterface with AnswerInterface and fall back to the base.
//
// Interface must derive from IACFUnknown and is the object's first base, so
// the host's interface pointer is the object's address.

#include "CACFUnknown.h"

template <class Interface>
class CACFObject : public Interface, public CACFUnknown {
public:
  AAX_ResultCode QueryInterface(const AAX_GUID& iid, void** out) override {
    return GetOuterUnknown()->QueryInterface(iid, out);
  }
  uint32_t AddRef() override { return GetOuterUnknown()->AddRef(); }
  uint32_t Release() override { return GetOuterUnknown()->Release(); }

protected:
  // Writes this object's interface to out, add-referenced through it.
  AAX_ResultCode AnswerInterface(void** out) {
    if (!out) return AAX_ERROR_NULL_ARGUMENT;
    Interface* self = this;
    *out = self;
    self->AddRef();
    return ACF_OK;
  }
};
