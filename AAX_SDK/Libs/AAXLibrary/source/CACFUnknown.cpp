#include "CACFUnknown.h"

#include "AAX_InterfaceIds.h"

std::atomic<int32_t> ACFModuleObjectCount{0};

CACFUnknown::CACFUnknown() : mOuter(&mInner), mInner(this) { ++ACFModuleObjectCount; }

CACFUnknown::~CACFUnknown() { --ACFModuleObjectCount; }

AAX_ResultCode CACFUnknown::InitializeInstance() { return AAX_SUCCESS; }

void CACFUnknown::FinalRelease() {}

void CACFUnknown::DeleteThis() { delete this; }

AAX_ResultCode CACFUnknown::InternalQueryInterface(const AAX_GUID& iid, void** out) {
  // The out pointer comes from the host: never write through a null one.
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  if (iid == AAX_IID_Unknown) {
    *out = static_cast<IACFUnknown*>(&mInner);
    mInner.AddRef();
    return ACF_OK;
  }
  *out = nullptr;
  return ACF_NO_INTERFACE;
}

uint32_t CACFUnknown::InternalAddRef() { return static_cast<uint32_t>(++mRefCount); }

uint32_t CACFUnknown::InternalRelease() {
  const int32_t count = --mRefCount;
  if (count != 0) return static_cast<uint32_t>(count);
  FinalRelease();
  DeleteThis();  // nothing of this object may be touched after this
  return 0;
}
