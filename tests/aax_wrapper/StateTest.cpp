// The plug-in state as the host's chunk: identifier, size, saving, loading
// (short and impossible sizes), comparing.

#include "AAX_HostChunk.h"
#include "TestView.h"
#include "WrapperTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace aaxtest {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr uint32_t kUniqueId = 0x4F646C6Eu;  // 'Odln'

// A host chunk record allocated to exactly its data, so that reading past
// the data is caught by the sanitizers.
class ChunkRecord {
public:
  ChunkRecord(uint32_t id, const std::vector<double>& values, size_t extraBytes = 0)
      : mBytes(kAAX_HostChunkDataOffset + values.size() * 8 + extraBytes) {
    Get()->size = static_cast<int32_t>(values.size() * 8 + extraBytes);
    Get()->chunkId = id;
    if (!values.empty()) std::memcpy(Data(), values.data(), values.size() * 8);
  }
  AAX_HostChunk* Get() { return reinterpret_cast<AAX_HostChunk*>(mBytes.data()); }
  unsigned char* Data() { return mBytes.data() + kAAX_HostChunkDataOffset; }
  std::vector<double> Values() {
    std::vector<double> values(static_cast<size_t>(Get()->size) / 8);
    if (!values.empty()) std::memcpy(values.data(), Data(), values.size() * 8);
    return values;
  }

private:
  std::vector<unsigned char> mBytes;
};

class NullGraphics : public vo::TestView {
public:
  explicit NullGraphics(int* pushes) : mPushes(pushes) {}
  void SetParameterValueFromPlug(int, double, bool normalized) override {
    if (!normalized) ++*mPushes;
  }
  void PrepareBackBuffers() override {}

private:
  int* mPushes;
};

const std::vector<double> kDefaults = {0, 0, 0, 50, 1, 0, 0.5, 0.8, 8, 100, 1, 1};

class WrapperState : public testing::Test {
protected:
  void SetUp() override {
    plug->ConnectGraphics(new NullGraphics(&editorPushes));
    ASSERT_EQ(AAX_SUCCESS, plug->BindController(host.ControllerUnknown()));
    host.Host().ClearTranscript();
    editorPushes = 0;
  }
  void TearDown() override { plug.Release(); }
  int32_t ChangeCount() {
    int32_t count = -1;
    plug->GetChangeCount(&count);
    return count;
  }
  std::vector<double> Values() {
    std::vector<double> values;
    for (int i = 0; i < plug->NParams(); ++i) values.push_back(plug->GetParam(i)->Value());
    return values;
  }

  WrapperHost host;
  Held<RecordingOndelino> plug{new RecordingOndelino};
  int editorPushes = 0;
};

TEST_F(WrapperState, OneChunkNamedByTheProductCode) {
  int32_t count = 0;
  plug->CountStateChunks(&count);
  EXPECT_EQ(1, count);
  uint32_t id = 1;
  EXPECT_EQ(AAX_SUCCESS, plug->StateChunkIdAt(0, &id));
  EXPECT_EQ(kUniqueId, id);
  for (int32_t index : {1, -1}) {
    id = 1;
    EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_INDEX, plug->StateChunkIdAt(index, &id));
    EXPECT_EQ(0u, id);
  }
  uint32_t size = 5;
  EXPECT_EQ(AAX_SUCCESS, plug->GetStateChunkSize(kUniqueId, &size));
  EXPECT_EQ(96u, size);
  EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, plug->GetStateChunkSize(0x656C636Bu, &size));
  EXPECT_EQ(0u, size);
  EXPECT_EQ(AAX_ERROR_NULL_ARGUMENT, plug->GetStateChunkSize(kUniqueId, nullptr));
}

TEST_F(WrapperState, SavingWritesTheSizeAndTheStateBytes) {
  ChunkRecord chunk(kUniqueId, std::vector<double>(12, -1.0));
  chunk.Get()->size = 0;
  EXPECT_EQ(AAX_SUCCESS, plug->SaveStateChunk(kUniqueId, chunk.Get()));
  EXPECT_EQ(96, chunk.Get()->size);
  EXPECT_EQ(kDefaults, chunk.Values());
  EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, plug->SaveStateChunk(0x656C636Bu, chunk.Get()));
}

TEST_F(WrapperState, AShortChunkRestoresWhatItHoldsAndAsksTheHostForAll) {
  ASSERT_EQ(AAX_SUCCESS, plug->ApplyParameterNormalized("3", 1.0));  // "Output" at 12 dB
  ASSERT_EQ(AAX_SUCCESS, plug->ApplyParameterNormalized("4", 0.7));  // "Dry/Wet" at 70 %
  plug->record.changes.clear();
  host.Host().ClearTranscript();
  const int32_t changes = ChangeCount();

  ChunkRecord chunk(kUniqueId, {1.0, -12.0}, 4);  // 20 bytes
  EXPECT_EQ(AAX_SUCCESS, plug->LoadStateChunk(kUniqueId, chunk.Get()));
  std::vector<double> expected = kDefaults;
  expected[0] = 1.0;
  expected[1] = -12.0;
  expected[2] = 0.0;
  expected[3] = 70.0;
  EXPECT_EQ(expected, Values());
  ASSERT_EQ(12u, plug->record.changes.size());
  for (int i = 0; i < 12; ++i) EXPECT_EQ(std::make_pair(i, 2), plug->record.changes[i]);
  std::vector<std::string> requests;
  for (const std::string& call : host.Calls("automation"))
    if (call.find("[5]") != std::string::npos) requests.push_back(call);
  ASSERT_EQ(12u, requests.size());
  EXPECT_EQ("controller.automation[5](\"1\", 1)", requests[0]);
  EXPECT_EQ("controller.automation[5](\"4\", 0.7)", requests[3]);
  EXPECT_EQ("controller.automation[5](\"12\", 1)", requests[11]);
  EXPECT_EQ(12, editorPushes);
  EXPECT_EQ(changes + 1, ChangeCount());
}

TEST_F(WrapperState, AChunkOfImpossibleSizeChangesNothing) {
  const std::vector<double> before = Values();
  ChunkRecord negative(kUniqueId, kDefaults);
  negative.Get()->size = -8;
  EXPECT_EQ(AAX_ERROR_INCORRECT_CHUNK_SIZE, plug->LoadStateChunk(kUniqueId, negative.Get()));
  ChunkRecord longer(kUniqueId, kDefaults, 8);  // 104 bytes
  EXPECT_EQ(AAX_ERROR_INCORRECT_CHUNK_SIZE, plug->LoadStateChunk(kUniqueId, longer.Get()));
  EXPECT_EQ(before, Values());
  EXPECT_THAT(plug->record.changes, IsEmpty());
  EXPECT_THAT(host.Calls("automation"), IsEmpty());
  EXPECT_EQ(0, ChangeCount());
  EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, plug->LoadStateChunk(0x656C636Bu, longer.Get()));
  EXPECT_EQ(AAX_ERROR_NULL_ARGUMENT, plug->LoadStateChunk(kUniqueId, nullptr));
}

TEST_F(WrapperState, ComparesWithinFloatPrecisionAndOnlyWithinTheChunk) {
  bool matches = false;
  std::vector<double> values = kDefaults;
  values[6] += 1e-9;
  ChunkRecord close(kUniqueId, values);
  EXPECT_EQ(AAX_SUCCESS, plug->CompareStateChunk(close.Get(), &matches));
  EXPECT_TRUE(matches);
  values[6] += 1e-4;
  ChunkRecord far(kUniqueId, values);
  EXPECT_EQ(AAX_SUCCESS, plug->CompareStateChunk(far.Get(), &matches));
  EXPECT_FALSE(matches);
  // Another plug-in's chunk has nothing of ours to differ in.
  ChunkRecord other(0x656C636Bu, values);
  EXPECT_EQ(AAX_SUCCESS, plug->CompareStateChunk(other.Get(), &matches));
  EXPECT_TRUE(matches);
  // Two doubles cannot hold twelve values, even when the two match.
  ChunkRecord shortChunk(kUniqueId, {0.0, 0.0});
  matches = true;
  EXPECT_EQ(AAX_SUCCESS, plug->CompareStateChunk(shortChunk.Get(), &matches));
  EXPECT_FALSE(matches);
  ChunkRecord negative(kUniqueId, {});
  negative.Get()->size = -1;
  matches = true;
  EXPECT_EQ(AAX_SUCCESS, plug->CompareStateChunk(negative.Get(), &matches));
  EXPECT_FALSE(matches);
}

TEST_F(WrapperState, AStateThatCannotBeWrittenHasNoSize) {
  TestPlugConfig config;
  config.stateFails = true;
  Held<TestAaxPlug> failing(new TestAaxPlug(config));
  const auto id = static_cast<uint32_t>(failing->GetUniqueId());
  uint32_t size = 77;
  EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, failing->GetStateChunkSize(id, &size));
  EXPECT_EQ(0u, size);
  ChunkRecord chunk(id, {3.0, 4.0});
  EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, failing->SaveStateChunk(id, chunk.Get()));
  EXPECT_EQ(16, chunk.Get()->size);
  EXPECT_EQ(std::vector<double>({3.0, 4.0}), chunk.Values());
}

}  // namespace
}  // namespace aaxtest
