// The parameter table (ownership, lookups, automation attachment) and the
// packet queue (dirty marking and posting through the host controller).

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CPacketQueue.h"
#include "AAX_CParameter.h"
#include "AAX_CParameterTable.h"
#include "AAX_VController.h"
#include "FakeHost.h"
#include "HostObjects.h"
#include "RecordingAutomation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

AAX_IParameter* Switch(const char* id) {
  return new AAX_CParameter<bool>(id, id, false, AAX_CBinaryTaperDelegate<bool>(),
                                  AAX_CBinaryDisplayDelegate<bool>("off", "on"), true);
}

TEST(ParameterTable, KeepsTheFirstOfTwoIdentifiersAndAttachesWhatItTakes) {
  RecordingAutomation automation;
  {
    AAX_CParameterTable table;
    table.SetAutomationDelegate(&automation);
    EXPECT_TRUE(table.Add(Switch("a")));
    std::unique_ptr<AAX_IParameter, AAX_ParameterDeleter> duplicate(Switch("a"));
    EXPECT_FALSE(table.Add(duplicate.get()));  // still the caller's
    EXPECT_FALSE(table.Add(nullptr));
    EXPECT_EQ(1, table.Count());
    EXPECT_TRUE(table.Add(Switch("b")));
    EXPECT_STREQ("b", table.At(1)->IdString());
    EXPECT_EQ(table.At(0), table.Find("a"));
    EXPECT_EQ(nullptr, table.Find("A"));
    EXPECT_EQ(nullptr, table.Find(nullptr));
    EXPECT_EQ(nullptr, table.At(-1));
    EXPECT_EQ(nullptr, table.At(2));
    table.RemoveAll();
    EXPECT_EQ(0, table.Count());
    EXPECT_EQ(nullptr, table.Find("a"));
    table.Add(Switch("c"));
  }
  // Deleted in order of addition, the last one by the table's destruction.
  EXPECT_THAT(automation.calls,
              ElementsAre("attach a", "attach b", "detach a", "detach b", "attach c", "detach c"));
}

// Fills its packet with a marker byte; answers the result it is given.
class MarkingHandler final : public AAX_IPacketHandler {
public:
  MarkingHandler(std::vector<std::string>& log, AAX_ResultCode answer)
      : mLog(log), mAnswer(answer) {}
  AAX_ResultCode UpdatePacket(const char* parameterId, AAX_CPacket& packet) override {
    mLog.push_back(parameterId);
    packet.data[0] = 0x5A;
    return mAnswer;
  }

private:
  std::vector<std::string>& mLog;
  AAX_ResultCode mAnswer;
};

class PacketQueueTest : public testing::Test {
protected:
  PacketQueueTest()
      : controllerObject(fakehost::MakeController(host)),
        controller(static_cast<IACFUnknown*>(controllerObject.Interface("unknown"))) {}

  void Register(const char* id, AAX_CPacket* packet, AAX_ResultCode answer = AAX_SUCCESS) {
    queue.AddHandler(id, packet, std::unique_ptr<AAX_IPacketHandler>(new MarkingHandler(updated, answer)));
  }

  fakehost::Host host;
  fakehost::Object& controllerObject;
  AAX_VController controller;
  AAX_CPacketQueue queue;
  std::vector<std::string> updated;
};

TEST_F(PacketQueueTest, WithNothingRegisteredDispatchPostsNothing) {
  queue.SetController(&controller);
  host.ClearTranscript();
  EXPECT_EQ(AAX_SUCCESS, queue.SetDirty("Freq", true));
  EXPECT_EQ(AAX_SUCCESS, queue.Dispatch());
  EXPECT_THAT(host.Lines(), IsEmpty());
}

TEST_F(PacketQueueTest, DirtyPacketsArePostedOnceInIdentifierOrder) {
  queue.SetController(&controller);
  AAX_CPacket* gain = queue.AddPacket(2, 4);
  AAX_CPacket* mix = queue.AddPacket(5, 8);
  ASSERT_NE(nullptr, gain);
  EXPECT_EQ(gain, queue.AddPacket(2, 16));  // one packet per field
  Register("Mix", mix);
  Register("Gain", gain);
  Register("Trim", gain);
  controllerObject.SetResult(12, 7);
  host.ClearTranscript();

  queue.SetDirty("Mix", true);
  queue.SetDirty("Trim", true);
  EXPECT_EQ(7, queue.Dispatch());
  EXPECT_THAT(updated, ElementsAre("Gain", "Mix"));  // Trim's packet was posted clean
  EXPECT_THAT(host.Lines(), ElementsAre("controller.V1[12](2, ptr, 4)", "controller.V1[12](5, ptr, 8)"));
  EXPECT_EQ(0x5A, gain->data[0]);
  EXPECT_FALSE(gain->dirty);
  EXPECT_FALSE(mix->dirty);
  host.ClearTranscript();
  EXPECT_EQ(AAX_SUCCESS, queue.Dispatch());
  EXPECT_THAT(host.Lines(), IsEmpty());

  queue.SetDirty("Mix", true);
  queue.SetDirty("Mix", false);
  EXPECT_EQ(AAX_SUCCESS, queue.Dispatch());
  EXPECT_THAT(host.Lines(), IsEmpty());
}

TEST_F(PacketQueueTest, APacketItsHandlerRefusesIsCleanedWithoutPosting) {
  queue.SetController(&controller);
  AAX_CPacket* packet = queue.AddPacket(1, 4);
  Register("Gain", packet, AAX_ERROR_INVALID_FIELD_INDEX);
  host.ClearTranscript();
  queue.SetDirty("Gain", true);
  EXPECT_EQ(AAX_SUCCESS, queue.Dispatch());
  EXPECT_FALSE(packet->dirty);
  EXPECT_THAT(host.Lines(), IsEmpty());
}

TEST_F(PacketQueueTest, WithoutAControllerThereIsNoHostToPostTo) {
  AAX_CPacket* packet = queue.AddPacket(1, 4);
  Register("Gain", packet);
  queue.SetDirty("Gain", true);
  EXPECT_EQ(AAX_ERROR_NULL_OBJECT, queue.Dispatch());
  EXPECT_FALSE(packet->dirty);
}

}  // namespace
