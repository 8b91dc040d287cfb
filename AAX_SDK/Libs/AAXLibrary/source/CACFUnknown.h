#pragma once
// Reference counting and interface queries of every library object that the
// host holds: a COM-style unknown with an interlocked count, a separate
// non-delegating inner unknown, and the module's live-object count that
// tells the host whether the module may be unloaded.

#include "IACFUnknown.h"

#include <atomic>
#include <cstdint>

// Live library objects; changed only by interlocked increment and decrement.
extern std::atomic<int32_t> ACFModuleObjectCount;

class CACFUnknown {
public:
  // Count 0, the outer unknown is the object's own inner one; one more live
  // object in the module.
  CACFUnknown();
  CACFUnknown(const CACFUnknown&) = delete;
  CACFUnknown& operator=(const CACFUnknown&) = delete;
  // One live object fewer.
  virtual ~CACFUnknown();

  // Hook for subclasses; no operation of the library calls it. Returns 0.
  virtual AAX_ResultCode InitializeInstance();
  // Called when the count reaches 0, before the object is deleted.
  virtual void FinalRelease();
  virtual void DeleteThis();
  // Any thread. Answers the unknown identifier with the inner unknown;
  // subclasses add their own interfaces and fall back to this.
  virtual AAX_ResultCode InternalQueryInterface(const AAX_GUID& iid, void** out);
  // Any thread; interlocked; return the new count.
  virtual uint32_t InternalAddRef();
  virtual uint32_t InternalRelease();

  IACFUnknown* GetOuterUnknown() const { return mOuter; }
  IACFUnknown* GetPrivateUnknown() { return &mInner; }

private:
  // The non-delegating unknown: forwards to its owner's internal operations.
  class PrivateUnknown final : public IACFUnknown {
  public:
    explicit PrivateUnknown(CACFUnknown* owner) : mOwner(owner) {}
    AAX_ResultCode QueryInterface(const AAX_GUID& iid, void** out) override {
      return mOwner->InternalQueryInterface(iid, out);
    }
    uint32_t AddRef() override { return mOwner->InternalAddRef(); }
    uint32_t Release() override { return mOwner->InternalRelease(); }

  private:
    CACFUnknown* mOwner;
  };

  std::atomic<int32_t> mRefCount{0};
  IACFUnknown* mOuter;
  PrivateUnknown mInner;
};
