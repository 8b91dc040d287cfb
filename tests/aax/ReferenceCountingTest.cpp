#include "AAX_InterfaceIds.h"
#include "CACFObject.h"

#include <gtest/gtest.h>

namespace {

class IGadget : public IACFUnknown {
public:
  virtual int32_t Ping() = 0;

protected:
  ~IGadget() = default;
};

constexpr AAX_GUID kGadgetId = {0x11111111, 0x2222, 0x3333, {4, 4, 5, 5, 6, 6, 7, 7}};

// Records what happens to it in a log the test owns.
struct GadgetLog {
  int finalReleases = 0;
  int destroyed = 0;
  int32_t countAtFinalRelease = -1;
};

class Gadget final : public CACFObject<IGadget> {
public:
  explicit Gadget(GadgetLog& log) : mLog(log) {}
  ~Gadget() override { ++mLog.destroyed; }
  int32_t Ping() override { return 7; }
  AAX_ResultCode InternalQueryInterface(const AAX_GUID& iid, void** out) override {
    if (iid == kGadgetId) return AnswerInterface(out);
    return CACFUnknown::InternalQueryInterface(iid, out);
  }
  void FinalRelease() override {
    ++mLog.finalReleases;
    mLog.countAtFinalRelease = ACFModuleObjectCount.load();
  }

private:
  GadgetLog& mLog;
};

TEST(ReferenceCounting, AddAndReleaseCountFromZeroAndDeleteAtZero) {
  const int32_t before = ACFModuleObjectCount.load();
  GadgetLog log;
  IGadget* gadget = new Gadget(log);
  EXPECT_EQ(before + 1, ACFModuleObjectCount.load());
  EXPECT_EQ(1u, gadget->AddRef());
  EXPECT_EQ(2u, gadget->AddRef());
  EXPECT_EQ(3u, gadget->AddRef());
  EXPECT_EQ(2u, gadget->Release());
  EXPECT_EQ(1u, gadget->Release());
  EXPECT_EQ(0, log.destroyed);
  EXPECT_EQ(0u, gadget->Release());
  EXPECT_EQ(1, log.finalReleases);
  EXPECT_EQ(before + 1, log.countAtFinalRelease);  // the hook runs before deletion
  EXPECT_EQ(1, log.destroyed);
  EXPECT_EQ(before, ACFModuleObjectCount.load());
}

TEST(ReferenceCounting, QueriesAnswerTheInterfaceTheInnerUnknownOrNothing) {
  const int32_t before = ACFModuleObjectCount.load();
  GadgetLog log;
  Gadget* object = new Gadget(log);
  IGadget* gadget = object;

  void* out = nullptr;
  ASSERT_EQ(ACF_OK, gadget->QueryInterface(kGadgetId, &out));
  EXPECT_EQ(static_cast<void*>(gadget), out);
  EXPECT_EQ(7, static_cast<IGadget*>(out)->Ping());

  void* inner = nullptr;
  ASSERT_EQ(ACF_OK, gadget->QueryInterface(AAX_IID_Unknown, &inner));
  EXPECT_EQ(static_cast<void*>(object->GetPrivateUnknown()), inner);
  EXPECT_NE(static_cast<void*>(gadget), inner);
  IACFUnknown* innerUnknown = static_cast<IACFUnknown*>(inner);

  // The inner unknown answers the interface too, and shares the count.
  void* again = nullptr;
  ASSERT_EQ(ACF_OK, innerUnknown->QueryInterface(kGadgetId, &again));
  EXPECT_EQ(out, again);
  EXPECT_EQ(4u, innerUnknown->AddRef());

  void* refused = &out;
  EXPECT_EQ(ACF_NO_INTERFACE, gadget->QueryInterface(AAX_IID_EffectGUI, &refused));
  EXPECT_EQ(nullptr, refused);
  EXPECT_EQ(AAX_ERROR_NULL_ARGUMENT, gadget->QueryInterface(kGadgetId, nullptr));

  EXPECT_EQ(3u, innerUnknown->Release());
  EXPECT_EQ(2u, gadget->Release());
  EXPECT_EQ(1u, innerUnknown->Release());
  EXPECT_EQ(0u, gadget->Release());
  EXPECT_EQ(1, log.destroyed);
  EXPECT_EQ(before, ACFModuleObjectCount.load());
}

TEST(ReferenceCounting, DeletingThroughTheCountingSideDestroysTheWholeObject) {
  const int32_t before = ACFModuleObjectCount.load();
  GadgetLog log;
  CACFUnknown* counting = new Gadget(log);
  EXPECT_EQ(AAX_SUCCESS, counting->InitializeInstance());
  delete counting;
  EXPECT_EQ(1, log.destroyed);
  EXPECT_EQ(0, log.finalReleases);
  EXPECT_EQ(before, ACFModuleObjectCount.load());
}

}  // namespace
