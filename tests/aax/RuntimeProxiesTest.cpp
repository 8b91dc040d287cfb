// Each run-time proxy operation against a simulated host: with its interface
// version present it reaches exactly one host slot and passes the host's
// answer on; with that version withheld (or no host object at all) it
// answers the fixed result and calls nothing. One table row per operation.

#include "AAX_Exception.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VHostServices.h"
#include "AAX_VPageTable.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"
#include "FakeHost.h"
#include "HostIds.h"
#include "HostObjects.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

using fakehost::Host;
using fakehost::Object;
using testing::ElementsAre;
using testing::IsEmpty;
namespace ids = fakehost::ids;

constexpr int64_t kNullObject = AAX_ERROR_NULL_OBJECT;
constexpr int64_t kUnimplemented = AAX_ERROR_UNIMPLEMENTED;

template <class Proxy>
struct Row {
  const char* face;  // the host interface version the operation goes to
  int hostSlot;
  int64_t absent;    // the answer without that version
  std::function<int64_t(Proxy&)> call;
};

// How a proxy is made over a simulated host: the host object it talks to
// (by name), the identifier of each of its faces, and the unknown the proxy
// is built over.
struct Rig {
  const char* object;
  std::map<std::string, fakehost::Guid> versions;
  std::function<IACFUnknown*(Host&)> make;
};

template <class Proxy>
void ExpectForwarding(const Rig& rig, const std::vector<Row<Proxy>>& rows) {
  for (const Row<Proxy>& row : rows) {
    const std::string place =
        std::string(rig.object) + "." + row.face + "[" + std::to_string(row.hostSlot) + "]";
    SCOPED_TRACE(place);
    {
      Host host;
      IACFUnknown* unknown = rig.make(host);
      host.Find(rig.object)->SetResult(row.hostSlot, 1000 + row.hostSlot);
      {
        Proxy proxy(unknown);
        host.ClearTranscript();
        EXPECT_EQ(1000 + row.hostSlot, row.call(proxy));
        EXPECT_THAT(host.Places(), ElementsAre(place));
      }
      EXPECT_THAT(host.LedgerProblems(), IsEmpty());
    }
    {
      Host host;
      IACFUnknown* unknown = rig.make(host);
      host.Find(rig.object)->Withhold(rig.versions.at(row.face));
      {
        Proxy proxy(unknown);
        host.ClearTranscript();
        EXPECT_EQ(row.absent, row.call(proxy));
        EXPECT_THAT(host.Places(), IsEmpty());
      }
      EXPECT_THAT(host.LedgerProblems(), IsEmpty());
    }
    {
      Proxy overNothing(nullptr);
      EXPECT_EQ(row.absent, row.call(overNothing));
    }
  }
}

IACFUnknown* AsUnknown(Object& object) {
  return static_cast<IACFUnknown*>(object.Interface("unknown"));
}

int64_t AsNumber(const void* pointer) { return reinterpret_cast<intptr_t>(pointer); }

Rig HostServicesRig() {
  return {"services",
          {{"V1", ids::HostServicesV1()}, {"V2", ids::HostServicesV2()}, {"V3", ids::HostServicesV3()}},
          [](Host& host) {
            fakehost::MakeHostServices(host);
            return AsUnknown(fakehost::MakeHostUnknown(host));
          }};
}

Rig ControllerRig() {
  return {"controller",
          {{"V1", ids::ControllerV1()}, {"V2", ids::ControllerV2()}, {"V3", ids::ControllerV3()},
           {"V4", ids::ControllerV4()}, {"V5", ids::ControllerV5()},
           {"transportV1", ids::TransportV1()}, {"transportV2", ids::TransportV2()},
           {"automation", ids::AutomationDelegateV1()}},
          [](Host& host) { return AsUnknown(fakehost::MakeController(host)); }};
}

Rig ViewRig() {
  return {"view",
          {{"V1", ids::ViewContainerV1()}, {"V2", ids::ViewContainerV2()}},
          [](Host& host) { return AsUnknown(fakehost::MakeViewContainer(host)); }};
}

Rig PageTableRig() {
  return {"pageTable1",
          {{"V1", ids::PageTableV1()}, {"V2", ids::PageTableV2()}},
          [](Host& host) {
            fakehost::RegisterPageTables(host);
            return AsUnknown(*host.CreateForClass(ids::PageTableClass()));
          }};
}

TEST(RuntimeProxies, HostServicesForwardByVersion) {
  using P = AAX_VHostServices;
  ExpectForwarding<P>(HostServicesRig(), {
      {"V3", 6, kNullObject, [](P& p) { return p.ReportAssertion("f.cpp", 3, "c", 1); }},
      {"V1", 4, kNullObject, [](P& p) { return p.PostTrace(1, "t"); }},
      {"V2", 5, kUnimplemented, [](P& p) { return p.CallV2Slot5(nullptr); }},
  });
}

TEST(RuntimeProxies, ControllerForwardsByVersion) {
  using P = AAX_VController;
  float rate = 0;
  uint32_t stem = 0;
  int32_t out = 0;
  ExpectForwarding<P>(ControllerRig(), {
      {"V1", 3, kNullObject, [](P& p) { return p.CallV1Slot3(nullptr); }},
      {"V1", 4, kNullObject, [&](P& p) { return p.QuerySampleRate(&rate); }},
      {"V1", 5, kNullObject, [&](P& p) { return p.QueryInputStem(&stem); }},
      {"V1", 6, kNullObject, [&](P& p) { return p.QueryOutputStem(&stem); }},
      {"V1", 7, kNullObject, [](P& p) { return p.CallV1Slot7(nullptr); }},
      {"V1", 8, kNullObject, [](P& p) { return p.CallV1Slot8(nullptr); }},
      {"V1", 9, kNullObject, [](P& p) { return p.CallV1Slot9(nullptr); }},
      {"V1", 10, kNullObject, [](P& p) { return p.ReportLatency(64); }},
      {"V1", 11, kNullObject, [](P& p) { return p.CallV1Slot11(nullptr); }},
      {"V1", 12, kNullObject, [&](P& p) { return p.PostPacket(2, &out, 4); }},
      {"V2", 20, kUnimplemented, [](P& p) { return p.CallV2Slot20(nullptr); }},
      {"V2", 20, kUnimplemented, [](P& p) { return p.CallV2Slot20Full(nullptr, nullptr, nullptr); }},
      {"V1", 13, kNullObject, [](P& p) { return p.CallV1Slot13(nullptr); }},
      {"V1", 14, kNullObject, [](P& p) { return p.CallV1Slot14(nullptr); }},
      {"V1", 15, kNullObject, [](P& p) { return p.CallV1Slot15(nullptr); }},
      {"V1", 18, kNullObject, [](P& p) { return p.CallV1Slot18(nullptr); }},
      {"V1", 16, kNullObject, [](P& p) { return p.CallV1Slot16(nullptr); }},
      {"V1", 17, kNullObject, [](P& p) { return p.CallV1Slot17(nullptr); }},
      {"V1", 19, kNullObject, [](P& p) { return p.CallV1Slot19(nullptr); }},
      {"V2", 21, kUnimplemented, [](P& p) { return p.CallV2Slot21(nullptr); }},
      {"V2", 22, kUnimplemented, [&](P& p) { return p.CallV2Slot22(&out, nullptr, nullptr); }},
      {"V2", 23, kUnimplemented, [](P& p) { return p.CallV2Slot23(nullptr); }},
      {"V3", 24, kUnimplemented, [](P& p) { return p.CallV3Slot24(nullptr); }},
      {"V3", 25, kUnimplemented, [](P& p) { return p.CallV3Slot25(nullptr); }},
  });
}

TEST(RuntimeProxies, TransportForwardsByVersion) {
  using P = AAX_VTransport;
  double tempo = 0;
  int32_t numerator = 0, denominator = 0;
  bool flag = false;
  int64_t a = 0, b = 0;
  ExpectForwarding<P>(ControllerRig(), {
      {"transportV1", 3, kNullObject, [&](P& p) { return p.QueryTempo(&tempo); }},
      {"transportV1", 4, kNullObject, [&](P& p) { return p.QueryTimeSignature(&numerator, &denominator); }},
      {"transportV1", 5, kNullObject, [&](P& p) { return p.QueryPlaying(&flag); }},
      {"transportV1", 6, kNullObject, [&](P& p) { return p.QueryTickPosition(&a); }},
      {"transportV1", 7, kNullObject, [&](P& p) { return p.QueryLoopRange(&flag, &a, &b); }},
      {"transportV1", 8, kNullObject, [&](P& p) { return p.QuerySamplePosition(&a); }},
      {"transportV1", 9, kNullObject, [](P& p) { return p.CallV1Slot9(nullptr); }},
      {"transportV1", 10, kNullObject, [](P& p) { return p.CallV1Slot10(nullptr); }},
      {"transportV1", 11, kNullObject, [](P& p) { return p.CallV1Slot11(nullptr); }},
      {"transportV1", 12, kNullObject, [](P& p) { return p.CallV1Slot12(nullptr); }},
      {"transportV2", 13, kUnimplemented, [](P& p) { return p.CallV2Slot13(nullptr); }},
      {"transportV2", 14, kUnimplemented, [](P& p) { return p.CallV2Slot14(nullptr); }},
      {"transportV2", 15, kUnimplemented, [](P& p) { return p.CallV2Slot15(nullptr); }},
      {"transportV2", 16, kUnimplemented, [](P& p) { return p.CallV2Slot16(nullptr); }},
  });
}

TEST(RuntimeProxies, AutomationDelegateForwards) {
  using P = AAX_VAutomationDelegate;
  ExpectForwarding<P>(ControllerRig(), {
      {"automation", 3, kNullObject, [](P& p) { return p.AttachParameter("1"); }},
      {"automation", 4, kNullObject, [](P& p) { return p.DetachParameter("1"); }},
      {"automation", 5, kNullObject, [](P& p) { return p.RequestValue("1", 0.5); }},
      {"automation", 6, kNullObject, [](P& p) { return p.PostCurrentValue("1", 0.5); }},
      {"automation", 7, kNullObject, [](P& p) { return p.BeginParameterTouch("1"); }},
      {"automation", 8, kNullObject, [](P& p) { return p.EndParameterTouch("1"); }},
      {"automation", 9, kNullObject, [](P& p) { return p.CallV1Slot9(nullptr); }},
  });
}

TEST(RuntimeProxies, PageTableForwardsByVersion) {
  using P = AAX_VPageTable;
  ExpectForwarding<P>(PageTableRig(), {
      {"V1", 3, kUnimplemented, [](P& p) { return p.CallV1Slot3(nullptr); }},
      {"V1", 4, kUnimplemented, [](P& p) { return p.CallV1Slot4(nullptr); }},
      {"V1", 5, kUnimplemented, [](P& p) { return p.CallV1Slot5(nullptr); }},
      {"V1", 6, kUnimplemented, [](P& p) { return p.CallV1Slot6(nullptr); }},
      {"V1", 7, kUnimplemented, [](P& p) { return p.CallV1Slot7(nullptr); }},
      {"V1", 8, kUnimplemented, [](P& p) { return p.CallV1Slot8(nullptr); }},
      {"V1", 9, kUnimplemented, [](P& p) { return p.CallV1Slot9(nullptr); }},
      {"V1", 10, kUnimplemented, [](P& p) { return p.CallV1Slot10(nullptr); }},
      {"V1", 11, kUnimplemented, [](P& p) { return p.CallV1Slot11(nullptr); }},
      {"V2", 12, kUnimplemented, [](P& p) { return p.CallV2Slot12(nullptr); }},
      {"V2", 13, kUnimplemented, [](P& p) { return p.CallV2Slot13(nullptr); }},
      {"V2", 14, kUnimplemented, [](P& p) { return p.CallV2Slot14(nullptr); }},
      {"V2", 15, kUnimplemented, [](P& p) { return p.CallV2Slot15(nullptr); }},
      {"V2", 16, kUnimplemented, [](P& p) { return p.CallV2Slot16(nullptr); }},
      {"V2", 17, kUnimplemented, [](P& p) { return p.CallV2Slot17(nullptr); }},
      {"V2", 18, kUnimplemented, [](P& p) { return p.CallV2Slot18(nullptr); }},
      {"V2", 19, kUnimplemented, [](P& p) { return p.CallV2Slot19(nullptr); }},
  });
}

TEST(RuntimeProxies, ViewContainerForwardsByVersion) {
  using P = AAX_VViewContainer;
  const float size[2] = {480.0f, 464.0f};
  uint32_t modifiers = 0;
  ExpectForwarding<P>(ViewRig(), {
      {"V1", 3, AAX_SUCCESS, [](P& p) { return p.CallV1Slot3(nullptr); }},
      {"V1", 4, 0, [](P& p) { return AsNumber(p.QueryNativeView()); }},
      {"V1", 5, kUnimplemented, [](P& p) { return p.CallV1Slot5(nullptr); }},
      {"V1", 6, AAX_SUCCESS, [&](P& p) { return p.RequestViewSize(size); }},
      {"V1", 7, kUnimplemented, [&](P& p) { return p.QueryModifiers(&modifiers); }},
      {"V1", 8, kUnimplemented, [](P& p) { return p.HandleParameterMouseDown("3", 17); }},
      {"V1", 9, kUnimplemented, [](P& p) { return p.CallV1Slot9(nullptr); }},
      {"V2", 10, kUnimplemented, [](P& p) { return p.CallV2Slot10(nullptr); }},
      {"V2", 11, kUnimplemented, [](P& p) { return p.CallV2Slot11(nullptr); }},
      {"V2", 12, kUnimplemented, [](P& p) { return p.CallV2Slot12(nullptr); }},
  });
}

TEST(RuntimeProxies, ArgumentsReachTheHostUnchangedAndInOrder) {
  Host host;
  Object& controller = fakehost::MakeController(host);
  Object& view = fakehost::MakeViewContainer(host);
  {
    AAX_VController proxy(AsUnknown(controller));
    AAX_VAutomationDelegate automation(AsUnknown(controller));
    AAX_VViewContainer container(AsUnknown(view));
    int marker = 0;
    const float size[2] = {720.0f, 696.0f};
    host.ClearTranscript();
    proxy.CallV2Slot20(&marker);
    proxy.ReportLatency(-5);
    proxy.PostPacket(7, &marker, 12);
    automation.RequestValue("12", 0.25);
    container.RequestViewSize(size);
    container.HandleParameterMouseDown("4", 9);
    EXPECT_THAT(host.Lines(), ElementsAre("controller.V2[20](ptr, null, null)",
                                          "controller.V1[10](-5)",
                                          "controller.V1[12](7, ptr, 12)",
                                          "controller.automation[5](\"12\", 0.25)",
                                          "view.V1[6]({720, 696})",
                                          "view.V1[8](\"4\", 9)"));
  }
  EXPECT_THAT(host.LedgerProblems(), IsEmpty());
}

TEST(RuntimeProxies, ControllerWithoutSecondVersionClearsTheOutValue) {
  Host host;
  Object& controller = fakehost::MakeController(host);
  controller.Withhold(ids::ControllerV2());
  AAX_VController proxy(AsUnknown(controller));
  int32_t out = 99;
  EXPECT_EQ(AAX_ERROR_UNIMPLEMENTED, proxy.CallV2Slot22(&out, nullptr, nullptr));
  EXPECT_EQ(0, out);
  EXPECT_EQ(AAX_ERROR_UNIMPLEMENTED, proxy.CallV2Slot22(nullptr, nullptr, nullptr));
}

TEST(RuntimeProxies, ProxiesGiveBackEveryReferenceNewestFirst) {
  Host host;
  Object& controller = fakehost::MakeController(host);
  Object& view = fakehost::MakeViewContainer(host);
  {
    AAX_VController controllerProxy(AsUnknown(controller));
    AAX_VTransport transport(AsUnknown(controller));
    EXPECT_EQ(8, controller.Outstanding());  // five versions, factory, two transports
    host.ClearTranscript();
  }
  EXPECT_THAT(host.Places(), ElementsAre("controller.transportV2[2]", "controller.transportV1[2]",
                                         "controller.factory[2]", "controller.V5[2]",
                                         "controller.V4[2]", "controller.V3[2]", "controller.V2[2]",
                                         "controller.V1[2]"));
  // The view container gives back both references each time the editor
  // closes.
  for (int open = 0; open < 3; ++open) {
    host.ClearTranscript();
    {
      AAX_VViewContainer container(AsUnknown(view));
      EXPECT_EQ(2, view.Outstanding());
    }
    EXPECT_THAT(host.Places(), ElementsAre("view.unknown[0]", "view.unknown[0]", "view.V2[2]", "view.V1[2]"));
    EXPECT_EQ(0, view.Outstanding());
  }
  EXPECT_THAT(host.LedgerProblems(), IsEmpty());
}

TEST(RuntimeProxies, AFailingFactoryQueryThrowsAfterGivingBackTheVersions) {
  Host host;
  Object& controller = fakehost::MakeController(host);
  controller.Withhold(ids::HostObjectFactory());
  try {
    AAX_VController proxy(AsUnknown(controller));
    FAIL() << "no throw";
  } catch (const AAX::Exception::ResultError& error) {
    EXPECT_EQ(static_cast<AAX_ResultCode>(0x80000004u), error.Result());
  }
  EXPECT_THAT(host.LedgerProblems(), IsEmpty());
}

class PageTableRequests : public testing::Test {
protected:
  void SetUp() override {
    controller = &fakehost::MakeController(host);
    fakehost::RegisterPageTables(host);
  }
  void TearDown() override { EXPECT_THAT(host.LedgerProblems(), IsEmpty()); }

  Host host;
  Object* controller = nullptr;
};

TEST_F(PageTableRequests, FillANewHostTableAndWrapIt) {
  AAX_VController proxy(AsUnknown(*controller));
  host.ClearTranscript();
  std::unique_ptr<AAX_IPageTable> table(proxy.CreatePageTableV4Slot3(1, 2, 3, "four", 5));
  ASSERT_NE(nullptr, table);
  EXPECT_THAT(host.Lines(),
              ElementsAre("controller.factory[3]({DBC22879-A24E-4AC6-9721-938B72D8E81B}, null, "
                          "{D0F25D1B-9C5B-4D2E-8F1F-45BC934732F7}, ptr)",
                          "controller.V4[3](1, 2, 3, \"four\", 5, ptr)",
                          "pageTable1.V2[0]({33C9E5BE-1CE3-4085-91A7-09D6F8EE4B64}, ptr)",
                          "pageTable1.V2[0]({D0F25D1B-9C5B-4D2E-8F1F-45BC934732F7}, ptr)",
                          "pageTable1.V2[2]()"));
  host.ClearTranscript();
  EXPECT_EQ(AAX_SUCCESS, table->CallV2Slot12(nullptr));
  EXPECT_THAT(host.Places(), ElementsAre("pageTable1.V2[12]"));

  std::unique_ptr<AAX_IPageTable> second(proxy.CreatePageTableV4Slot4("a", "b", 3, 4));
  std::unique_ptr<AAX_IPageTable> third(proxy.CreatePageTableV5Slot5(1, 2, 3, "x", 5));
  std::unique_ptr<AAX_IPageTable> fourth(proxy.CreatePageTableV5Slot6("a", "b", 3, 4));
  EXPECT_TRUE(second && third && fourth);
  EXPECT_EQ(2, host.Find("pageTable4")->Outstanding());  // both versions, held by the proxy
  EXPECT_EQ("controller.V5[6](\"a\", \"b\", 3, 4, ptr)",
            host.Lines()[host.Lines().size() - 4]);
}

TEST_F(PageTableRequests, ARefusingHostGetsItsTableBack) {
  controller->SetResult(3, -1, "V4");
  AAX_VController proxy(AsUnknown(*controller));
  EXPECT_EQ(nullptr, proxy.CreatePageTableV4Slot3(1, 2, 3, "four", 5));
  EXPECT_EQ(0, host.Find("pageTable1")->Outstanding());
}

TEST_F(PageTableRequests, WithoutTheVersionsNothingIsAsked) {
  controller->Withhold(ids::ControllerV4());
  controller->Withhold(ids::ControllerV5());
  AAX_VController proxy(AsUnknown(*controller));
  host.ClearTranscript();
  EXPECT_EQ(nullptr, proxy.CreatePageTableV4Slot3(1, 2, 3, "four", 5));
  EXPECT_EQ(nullptr, proxy.CreatePageTableV4Slot4("a", "b", 3, 4));
  EXPECT_EQ(nullptr, proxy.CreatePageTableV5Slot5(1, 2, 3, "x", 5));
  EXPECT_EQ(nullptr, proxy.CreatePageTableV5Slot6("a", "b", 3, 4));
  EXPECT_THAT(host.Lines(), IsEmpty());
}

}  // namespace
