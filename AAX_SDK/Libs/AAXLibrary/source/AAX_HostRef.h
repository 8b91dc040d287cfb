#pragma once
// One owned reference to a host interface: released when reset or destroyed.
// Proxies hold their host interfaces in these, declared in the order they
// are acquired, so that destruction releases them newest first.

#include "AAX_HostObjectFactory.h"
#include "IACFUnknown.h"

template <class Interface>
class AAX_HostRef {
public:
  AAX_HostRef() = default;
  ~AAX_HostRef() { Reset(); }
  AAX_HostRef(const AAX_HostRef&) = delete;
  AAX_HostRef& operator=(const AAX_HostRef&) = delete;

  Interface* Get() const { return mInterface; }
  Interface* operator->() const { return mInterface; }
  explicit operator bool() const { return mInterface != nullptr; }

  // Releases the reference (if any) and holds none.
  void Reset() {
    Interface* held = mInterface;
    mInterface = nullptr;
    if (held) held->Release();
  }

  // Holds its own reference to an interface the caller passes in (null: none).
  void Share(Interface* shared) {
    if (shared) shared->AddRef();
    Reset();
    mInterface = shared;
  }

  // Takes over a reference the host already handed out (through an out
  // argument); null holds none.
  void Adopt(Interface* handedOut) {
    Reset();
    mInterface = handedOut;
  }

  // Replaces the reference by the interface iid queried on unknown. A null
  // unknown gives -20004. The host's result is returned; a failing query, or
  // a successful one without an object, leaves nothing held.
  AAX_ResultCode QueryFrom(IACFUnknown* unknown, const AAX_GUID& iid) {
    Reset();
    if (!unknown) return AAX_ERROR_NULL_OBJECT;
    void* out = nullptr;
    const AAX_ResultCode result = unknown->QueryInterface(iid, &out);
    if (result == ACF_OK) mInterface = static_cast<Interface*>(out);
    return result;
  }

  // Replaces the reference by a new host object of classId made through
  // factory; as QueryFrom otherwise.
  AAX_ResultCode CreateFrom(AAX_IACFHostObjectFactory* factory, const AAX_GUID& classId,
                            const AAX_GUID& iid) {
    Reset();
    if (!factory) return AAX_ERROR_NULL_OBJECT;
    void* out = nullptr;
    const AAX_ResultCode result = factory->CreateInstance(classId, nullptr, iid, &out);
    if (result == ACF_OK) mInterface = static_cast<Interface*>(out);
    return result;
  }

private:
  Interface* mInterface = nullptr;
};
