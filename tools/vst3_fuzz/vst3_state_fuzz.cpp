// libFuzzer target for the VST3 state restore of the plug-in: setState and
// setComponentState read from a host stream that misbehaves as the input
// says (short reads, failing reads, counts beyond or below what was asked,
// failing seeks and tells, the state at an offset). After each input it
// checks what a host relies on: every parameter finite and inside its range,
// every normalised value within [0, 1], one rendered block finite, and a
// save-and-restore round trip that changes nothing.
//
// Input layout: byte 0 flags, byte 1 the state's offset in the stream,
// byte 2 the number of read-plan bytes (low 4 bits), the read plan (one byte
// per read call: low 2 bits the behaviour, the rest its amount), then the
// stream's bytes.

#include "HostObjects.h"
#include "IPlugVST3.h"
#include "VimbraOndelino.h"
#include "pluginterfaces/base/ibstream.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace Steinberg;

namespace {

constexpr int kBlockFrames = 64;
// The sample size processing was last set up for.
int32 gSetUpSampleSize = -1;

enum Flags : uint8_t {
  kComponentState = 1,  // setComponentState instead of setState
  kTellFails = 2,
  kSeekFails = 4,
  kRender64 = 8,        // 64-bit processing for the rendered block
};

// A stream over the input's bytes that follows a read plan.
class FuzzStream final : public IBStream {
 public:
  FuzzStream(const uint8_t* bytes, size_t size, const uint8_t* plan, size_t planSize, uint8_t flags)
      : mBytes(bytes), mSize(static_cast<int64>(size)), mPlan(plan), mPlanSize(planSize),
        mFlags(flags) {}

  tresult PLUGIN_API read(void* buffer, int32 numBytes, int32* numBytesRead) override {
    if (!buffer || numBytes < 0) std::abort();  // a careful reader never asks this
    const uint8_t step = mReads < mPlanSize ? mPlan[mReads] : 0;
    ++mReads;
    const int64 left = mPosition < mSize ? mSize - mPosition : 0;
    int32 count = static_cast<int32>(left < numBytes ? left : numBytes);
    tresult result = kResultOk;
    int32 reported = count;
    switch (step & 3) {
      case 1:  // a short read
        count = count > 0 ? (step >> 2) % (count + 1) : 0;
        reported = count;
        break;
      case 2:  // a failing read that still delivers its bytes
        result = kResultFalse;
        reported = count;
        break;
      case 3:  // a count that is not what was delivered
        reported = (step & 4) ? count + (step >> 3) * 1000 : -1 - (step >> 3);
        break;
      default:
        break;
    }
    if (count > 0) std::memcpy(buffer, mBytes + mPosition, static_cast<size_t>(count));
    mPosition += count;
    if (numBytesRead) *numBytesRead = reported;
    return result;
  }
  tresult PLUGIN_API write(void*, int32, int32*) override { return kResultFalse; }
  tresult PLUGIN_API seek(int64 pos, int32 mode, int64* result) override {
    if (mFlags & kSeekFails) return kResultFalse;
    int64 target = pos;
    if (mode == kIBSeekCur) target = mPosition + pos;
    if (mode == kIBSeekEnd) target = mSize + pos;
    if (target < 0) return kInvalidArgument;
    mPosition = target;
    if (result) *result = mPosition;
    return kResultOk;
  }
  tresult PLUGIN_API tell(int64* pos) override {
    if ((mFlags & kTellFails) || !pos) return kResultFalse;
    *pos = mPosition;
    return kResultOk;
  }
  tresult PLUGIN_API queryInterface(const TUID, void** obj) override {
    *obj = nullptr;
    return kNoInterface;
  }
  uint32 PLUGIN_API addRef() override { return 1; }
  uint32 PLUGIN_API release() override { return 1; }

 private:
  const uint8_t* mBytes;
  int64 mSize;
  int64 mPosition = 0;
  const uint8_t* mPlan;
  size_t mPlanSize;
  size_t mReads = 0;
  uint8_t mFlags;
};

VimbraOndelino* Plug() {
  static VimbraOndelino* plug = [] {
    auto* p = new VimbraOndelino;
    p->initialize(nullptr);
    for (int dir = Vst::kInput; dir <= Vst::kOutput; ++dir)
      for (int32 i = 0; i < p->getBusCount(Vst::kAudio, dir); ++i) p->activateBus(Vst::kAudio, dir, i, true);
    return p;
  }();
  return plug;
}

void CheckParameters(VimbraOndelino* plug) {
  for (int i = 0; i < plug->NParams(); ++i) {
    const IPlugParameter* p = plug->GetParam(i);
    const double v = p->Value();
    if (!std::isfinite(v) || v < p->GetMin() || v > p->GetMax()) std::abort();
    const double n = plug->getParamNormalized(static_cast<Vst::ParamID>(i));
    if (!(n >= 0.0 && n <= 1.0)) std::abort();
  }
  const double bypass = plug->getParamNormalized(kParamIdBypass);
  if (bypass != 0.0 && bypass != 1.0) std::abort();
}

template <class Sample>
void RenderOneBlock(VimbraOndelino* plug, bool useDoubles) {
  // A host sets processing up again only when the sample size changes.
  Vst::ProcessSetup setup{Vst::kRealtime, useDoubles ? Vst::kSample64 : Vst::kSample32, kBlockFrames,
                          44100.0};
  if (setup.symbolicSampleSize != gSetUpSampleSize) plug->setupProcessing(setup);
  gSetUpSampleSize = setup.symbolicSampleSize;
  std::vector<Sample> in[2], out[2];
  Sample* inPtr[2];
  Sample* outPtr[2];
  for (int c = 0; c < 2; ++c) {
    in[c].resize(kBlockFrames);
    out[c].assign(kBlockFrames, Sample(0));
    for (int i = 0; i < kBlockFrames; ++i) in[c][static_cast<size_t>(i)] = Sample(std::sin(0.1 * i + c));
    inPtr[c] = in[c].data();
    outPtr[c] = out[c].data();
  }
  Vst::AudioBusBuffers inBus{}, outBus{};
  inBus.numChannels = outBus.numChannels = 2;
  if constexpr (sizeof(Sample) == 8) {
    inBus.channelBuffers64 = inPtr;
    outBus.channelBuffers64 = outPtr;
  } else {
    inBus.channelBuffers32 = inPtr;
    outBus.channelBuffers32 = outPtr;
  }
  Vst::ProcessData data{};
  data.symbolicSampleSize = setup.symbolicSampleSize;
  data.numSamples = kBlockFrames;
  data.numInputs = data.numOutputs = 1;
  data.inputs = &inBus;
  data.outputs = &outBus;
  plug->process(data);
  for (int c = 0; c < 2; ++c)
    for (Sample s : out[c])
      if (!std::isfinite(static_cast<double>(s))) std::abort();
}

std::vector<uint8_t> SavedState(VimbraOndelino* plug) {
  vo::vst3host::HostStream stream;
  if (plug->getState(&stream) != kResultOk) std::abort();
  return stream.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  VimbraOndelino* plug = Plug();
  const uint8_t flags = data[0];
  const size_t planSize = data[2] & 15u;
  if (size < 3 + planSize) return 0;
  const uint8_t* plan = data + 3;
  const uint8_t* bytes = plan + planSize;
  const size_t count = size - 3 - planSize;

  FuzzStream stream(bytes, count, plan, planSize, flags);
  const size_t offset = data[1];
  if (offset <= count) stream.seek(static_cast<int64>(offset), IBStream::kIBSeekSet, nullptr);
  if (flags & kComponentState) {
    plug->setComponentState(&stream);
  } else {
    plug->setState(&stream);
  }
  CheckParameters(plug);

  if (flags & kRender64) {
    RenderOneBlock<double>(plug, true);
  } else {
    RenderOneBlock<float>(plug, false);
  }

  // What the plug-in saves now, it restores unchanged.
  const std::vector<uint8_t> saved = SavedState(plug);
  vo::vst3host::HostStream again(saved);
  if (plug->setState(&again) != kResultOk) std::abort();
  CheckParameters(plug);
  if (SavedState(plug) != saved) std::abort();
  return 0;
}
