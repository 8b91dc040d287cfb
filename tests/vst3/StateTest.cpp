// The state stream: parameter values as little-endian doubles, then the
// bypass word; the same bytes for the component and the controller.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "HostObjects.h"
#include "Vst3TestSupport.h"

using namespace Steinberg;
using vo::vst3host::HostApplication;
using vo::vst3host::HostStream;
using vst3test::DoubleAt;
using vst3test::PlugRef;
using vst3test::PutDouble;
using vst3test::PutInt32;
using vst3test::RecordingOndelino;

namespace {

std::vector<uint8_t> StateOf(IPlugVST3* plug) {
  HostStream stream;
  EXPECT_EQ(plug->getState(&stream), kResultOk);
  return stream.Bytes();
}

const double kDefaults[12] = {0, 0, 0, 50, 1, 0, 0.5, 0.8, 8, 100, 1, 1};

// A stream that claims to have delivered far more than it was asked for.
class OverclaimingStream : public IBStream {
 public:
  tresult PLUGIN_API read(void* buffer, int32 numBytes, int32* numBytesRead) override {
    std::memset(buffer, 0, static_cast<size_t>(numBytes));
    if (numBytesRead) *numBytesRead = numBytes + 100000;
    ++reads;
    return reads > 50 ? kResultFalse : kResultOk;
  }
  tresult PLUGIN_API write(void*, int32, int32*) override { return kResultFalse; }
  tresult PLUGIN_API seek(int64, int32, int64*) override { return kResultOk; }
  tresult PLUGIN_API tell(int64* pos) override {
    *pos = 0;
    return kResultOk;
  }
  tresult PLUGIN_API queryInterface(const TUID, void** obj) override {
    *obj = nullptr;
    return kNoInterface;
  }
  uint32 PLUGIN_API addRef() override { return 1; }
  uint32 PLUGIN_API release() override { return 1; }
  int reads = 0;
};

}  // namespace

TEST(Vst3State, AFreshInstanceWritesItsDefaultsAndAZeroBypassWord) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  const std::vector<uint8_t> state = StateOf(plug.get());
  ASSERT_EQ(state.size(), 100u);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(DoubleAt(state, 8 * static_cast<size_t>(i)), kDefaults[i]) << i;
  EXPECT_EQ(std::vector<uint8_t>(state.begin() + 96, state.end()), std::vector<uint8_t>(4, 0));
  // Little-endian on every platform: 50.0 is 0x4049000000000000.
  const std::vector<uint8_t> fifty = {0, 0, 0, 0, 0, 0, 0x49, 0x40};
  EXPECT_EQ(std::vector<uint8_t>(state.begin() + 24, state.begin() + 32), fifty);
}

TEST(Vst3State, RoundTripIntoASecondInstanceAnnouncesEveryParameter) {
  PlugRef<VimbraOndelino> first(new VimbraOndelino);
  PlugRef<RecordingOndelino> second(new RecordingOndelino);
  first->initialize(nullptr);
  second->initialize(nullptr);
  first->setParamNormalized(3, 0.7);
  first->setParamNormalized(5, 1.0);
  first->setParamNormalized(8, 0.5);
  const std::vector<uint8_t> state = StateOf(first.get());

  second->changes.clear();
  HostStream stream(state);
  ASSERT_EQ(second->setState(&stream), kResultOk);
  ASSERT_EQ(second->changes.size(), 12u);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(second->changes[static_cast<size_t>(i)], std::make_pair(i, 2));
  EXPECT_EQ(StateOf(second.get()), state);
  EXPECT_DOUBLE_EQ(second->GetParam(3)->Value(), 70.0);
  EXPECT_DOUBLE_EQ(second->GetParam(8)->Value(), 10.5);

  // The controller side reads the same bytes.
  HostStream again(state);
  EXPECT_EQ(second->setComponentState(&again), kResultOk);
  EXPECT_EQ(stream.mBadCalls + again.mBadCalls, 0);
}

TEST(Vst3State, TheBypassWordTravelsWithTheState) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  std::vector<uint8_t> state = StateOf(plug.get());
  state[96] = 1;
  HostStream stream(state);
  ASSERT_EQ(plug->setState(&stream), kResultOk);
  EXPECT_TRUE(plug->IsBypassed());
  EXPECT_EQ(plug->getParamNormalized(kParamIdBypass), 1.0);
  EXPECT_EQ(StateOf(plug.get())[96], 1);
}

TEST(Vst3State, AStateThatRunsShortRestoresWhatItHoldsAndFailsWithoutSeeking) {
  PlugRef<RecordingOndelino> plug(new RecordingOndelino);
  plug->initialize(nullptr);
  for (int i = 6; i < 12; ++i) plug->setParamNormalized(i, 0.0);  // all differ from the defaults
  std::vector<uint8_t> bytes;
  const double stored[5] = {1.0, -5.0, 3.5, 20.0, 0.0};
  for (double v : stored) PutDouble(bytes, v);
  ASSERT_EQ(bytes.size(), 40u);

  plug->changes.clear();
  HostStream stream(bytes);
  EXPECT_EQ(plug->setState(&stream), kResultFalse);
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(plug->GetParam(i)->Value(), stored[i]) << i;
  EXPECT_DOUBLE_EQ(plug->GetParam(5)->Value(), 0.0);  // 0.0 clamped into "Mode II"'s range
  EXPECT_DOUBLE_EQ(plug->GetParam(6)->Value(), 0.1);  // kept
  EXPECT_DOUBLE_EQ(plug->GetParam(8)->Value(), 1.0);  // kept
  EXPECT_EQ(plug->changes.size(), 12u);
  // No seek to the -1 the parameter reader answered, no read of a bypass word.
  EXPECT_EQ(stream.mBadCalls, 0);
  EXPECT_FALSE(plug->IsBypassed());
}

TEST(Vst3State, AStateWithoutItsBypassWordKeepsTheValuesButFails) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 12; ++i) PutDouble(bytes, kDefaults[i]);
  bytes[8 * 3 + 6] = 0x44;  // "Dry/Wet" 50 becomes 40: 0x4044000000000000
  HostStream stream(bytes);
  EXPECT_EQ(plug->setState(&stream), kResultFalse);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 40.0);
}

TEST(Vst3State, ValuesThatAreNotNumbersNeverReachAParameter) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  plug->setParamNormalized(3, 0.9);
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 12; ++i) {
    if (i == 3) {
      PutDouble(bytes, std::numeric_limits<double>::quiet_NaN());
    } else if (i == 1) {
      PutDouble(bytes, std::numeric_limits<double>::infinity());
    } else {
      PutDouble(bytes, kDefaults[i]);
    }
  }
  PutInt32(bytes, 0);
  HostStream stream(bytes);
  EXPECT_EQ(plug->setState(&stream), kResultOk);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 50.0);  // the default
  EXPECT_DOUBLE_EQ(plug->GetParam(1)->Value(), 12.0);  // clamped to max
  for (int i = 0; i < 12; ++i) EXPECT_TRUE(std::isfinite(plug->GetParam(i)->Value()));
}

TEST(Vst3State, AShortWriteIsAFailure) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  for (long long limit : {0LL, 50LL, 96LL, 99LL}) {
    HostStream stream;
    stream.mWriteLimit = limit;
    EXPECT_EQ(plug->getState(&stream), kResultFalse) << limit;
  }
  HostStream exact;
  exact.mWriteLimit = 100;
  EXPECT_EQ(plug->getState(&exact), kResultOk);
  EXPECT_EQ(plug->getState(nullptr), kInvalidArgument);
  EXPECT_EQ(plug->setState(nullptr), kInvalidArgument);
}

TEST(Vst3State, AStreamWithoutEndIsReadOnlyAsFarAsAStateCanReach) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  HostStream endless;
  endless.mEndless = true;
  EXPECT_EQ(plug->setState(&endless), kResultOk);
  EXPECT_LE(endless.mLargestReadRequest, 128);
  EXPECT_LE(endless.mBytesDelivered, 100 + 4);  // the state, then the bypass word again
  // 0x4141414141414141 is far above every range: each parameter sits at its maximum.
  for (int i = 0; i < 12; ++i) EXPECT_EQ(plug->GetParam(i)->Value(), plug->GetParam(i)->GetMax()) << i;
  EXPECT_TRUE(plug->IsBypassed());
}

TEST(Vst3State, ReadCountsAreNeverTakenBeyondWhatWasAskedFor) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  OverclaimingStream stream;
  // One read for the 100 bytes a state can hold, one for the bypass word,
  // whose overclaimed count is no word of 4 bytes.
  EXPECT_EQ(plug->setState(&stream), kResultFalse);
  EXPECT_EQ(stream.reads, 2);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(plug->GetParam(i)->Value(), plug->GetParam(i)->GetMin() > 0 ? plug->GetParam(i)->GetMin() : 0.0) << i;
}

TEST(Vst3State, AReadErrorEndsTheStateExceptForWaveLab) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 12; ++i) PutDouble(bytes, kDefaults[i]);
  bytes[8 * 3 + 6] = 0x44;  // "Dry/Wet" 40
  PutInt32(bytes, 0);

  HostApplication other("Some DAW");
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(&other);
  HostStream failing(bytes);
  failing.mErrorOnReadCall = 0;
  EXPECT_EQ(plug->setState(&failing), kResultFalse);
  EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), 0.0);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 50.0);  // never read
  plug->terminate();

  HostApplication waveLab("WaveLab 9");
  PlugRef<VimbraOndelino> forWaveLab(new VimbraOndelino);
  forWaveLab->initialize(&waveLab);
  HostStream failingToo(bytes);
  failingToo.mErrorOnReadCall = 0;
  EXPECT_EQ(forWaveLab->setState(&failingToo), kResultOk);
  EXPECT_DOUBLE_EQ(forWaveLab->GetParam(3)->Value(), 40.0);
  forWaveLab->terminate();
}

TEST(Vst3State, AStateAtAnOffsetOfTheStreamLoadsAsAtItsStart) {
  PlugRef<VimbraOndelino> source(new VimbraOndelino);
  source->initialize(nullptr);
  source->setParamNormalized(3, 0.3);
  source->setParamNormalized(6, 0.37);  // bytes 48-55: no zero word among them
  source->setParamNormalized(9, 0.6);
  const std::vector<uint8_t> state = StateOf(source.get());  // bypass word 0

  // What a preset container or a project file holds before the state: bytes
  // whose fourth word would read as "bypassed".
  for (int offset : {0, 48}) {
    std::vector<uint8_t> bytes(static_cast<size_t>(offset), 0x01);
    bytes.insert(bytes.end(), state.begin(), state.end());
    bytes.insert(bytes.end(), 8, 0x01);  // and something after it
    HostStream stream(bytes);
    ASSERT_EQ(stream.seek(offset, IBStream::kIBSeekSet, nullptr), kResultOk);

    PlugRef<VimbraOndelino> plug(new VimbraOndelino);
    plug->initialize(nullptr);
    ASSERT_EQ(plug->setState(&stream), kResultOk) << offset;
    EXPECT_FALSE(plug->IsBypassed()) << offset;
    EXPECT_EQ(StateOf(plug.get()), state) << offset;
    EXPECT_EQ(stream.mBadCalls, 0) << offset;

    // A bypassed state at the same offset loads as bypassed.
    bytes[static_cast<size_t>(offset) + 96] = 1;
    HostStream bypassed(bytes);
    bypassed.seek(offset, IBStream::kIBSeekSet, nullptr);
    ASSERT_EQ(plug->setComponentState(&bypassed), kResultOk) << offset;
    EXPECT_TRUE(plug->IsBypassed()) << offset;
  }
}
