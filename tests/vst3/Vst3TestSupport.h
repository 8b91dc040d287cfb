#pragma once
// Shared helpers of the VST3 wrapper tests: owning references to plug-in
// objects, a configurable test plug-in on the wrapper, and host-side blocks.

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "IPlugVST3.h"
#include "VimbraOndelino.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/vstspeaker.h"

namespace vst3test {

// Holds the creation reference of a plug-in object and releases it.
template <class T>
class PlugRef {
 public:
  explicit PlugRef(T* plug) : mPlug(plug) {}
  ~PlugRef() {
    if (mPlug) mPlug->release();
  }
  PlugRef(const PlugRef&) = delete;
  PlugRef& operator=(const PlugRef&) = delete;
  T* operator->() const { return mPlug; }
  T* get() const { return mPlug; }

 private:
  T* mPlug;
};

// The plug-in, recording the parameter changes the wrapper announces.
class RecordingOndelino : public VimbraOndelino {
 public:
  void ParameterChanged(int index, int source) override {
    changes.emplace_back(index, source);
    VimbraOndelino::ParameterChanged(index, source);
  }
  std::vector<std::pair<int, int>> changes;
};

struct TestPlugConfig {
  int nParams = 3;
  const char* channelIO = "1-1 2-2";
  int nPresets = 1;
  bool midi = false;
  bool multiOutput = false;
  int auxInputs = 0;
  int latency = 0;
};

// A plug-in on the wrapper whose shape a test chooses; its parameters are
// continuous 0..1 unless the test sets them up otherwise. Pass-through audio.
class TestVst3Plug : public IPlugVST3 {
 public:
  explicit TestVst3Plug(const TestPlugConfig& c)
      : IPlugVST3(c.nParams, c.channelIO, c.nPresets, "TestVst3Plug", "", "Vimbra", 0x00010000,
                  0x54737433, 0x566D4261, c.latency, c.midi, c.multiOutput, c.auxInputs) {
    for (int i = 0; i < c.nParams; ++i) GetParam(i)->SetUpDouble("p", 0.0, 0.0, 1.0, 0.01);
  }
  void ParameterChanged(int index, int source) override { changes.emplace_back(index, source); }
  void HandleMidiMessage(IMidiShortMessage* message) override { midi.push_back(*message); }
  void OnWrapperInitialized() override { ++wrapperInitializedCalls; }
  void OnPresetActivated() override { ++presetActivations; }
  void ActivationChanged(bool active) override { activations.push_back(active); }
  void ProcessDoubleBlock(double** inputs, double** outputs, int frames) override {
    for (int i = 0; i < NInChannels() && i < 8; ++i) firstInputs[i] = inputs[i] ? inputs[i][0] : -1.0;
    lastOutputs[0] = outputs[0];
    lastOutputs[1] = NOutChannels() > 1 ? outputs[1] : nullptr;
    ++blocks;
    IPlugVST3::ProcessDoubleBlock(inputs, outputs, frames);
  }
  // Scratch buffers of at most scratchCap frames (0: no cap), standing in
  // for buffers that cannot grow.
  void SetBlockFrames(int frames) override {
    IPlugVST3::SetBlockFrames(scratchCap > 0 && frames > scratchCap ? scratchCap : frames);
  }

  std::vector<std::pair<int, int>> changes;
  std::vector<IMidiShortMessage> midi;
  std::vector<bool> activations;
  int wrapperInitializedCalls = 0;
  int presetActivations = 0;
  int blocks = 0;
  int scratchCap = 0;
  double* lastOutputs[2] = {nullptr, nullptr};
  double firstInputs[8] = {};  // each input channel's first sample of the last block
};

// Little-endian binary64 at offset of a byte block.
inline double DoubleAt(const std::vector<uint8_t>& bytes, size_t offset) {
  uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[offset + static_cast<size_t>(i)];
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

inline void PutDouble(std::vector<uint8_t>& bytes, double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}

inline void PutInt32(std::vector<uint8_t>& bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Host-side stereo buffers of one block in one sample format, wired into a
// ProcessData with one input and one output bus.
template <class Sample>
struct StereoBlock {
  explicit StereoBlock(int frames)
      : in(2, std::vector<Sample>(static_cast<size_t>(frames))),
        out(2, std::vector<Sample>(static_cast<size_t>(frames))) {
    for (int c = 0; c < 2; ++c) {
      inPtr[c] = in[static_cast<size_t>(c)].data();
      outPtr[c] = out[static_cast<size_t>(c)].data();
    }
    inBus.numChannels = 2;
    outBus.numChannels = 2;
    SetBuffers();
    data.symbolicSampleSize =
        sizeof(Sample) == 8 ? Steinberg::Vst::kSample64 : Steinberg::Vst::kSample32;
    data.numSamples = frames;
    data.numInputs = 1;
    data.numOutputs = 1;
    data.inputs = &inBus;
    data.outputs = &outBus;
  }
  StereoBlock(const StereoBlock&) = delete;
  StereoBlock& operator=(const StereoBlock&) = delete;

  void SetBuffers();
  // Input ramps, outputs filled with a marker that processing must replace.
  void Fill(Sample marker = Sample(-7)) {
    for (size_t i = 0; i < in[0].size(); ++i) {
      in[0][i] = static_cast<Sample>(0.001 * static_cast<double>(i + 1));
      in[1][i] = static_cast<Sample>(-0.002 * static_cast<double>(i + 1));
      out[0][i] = marker;
      out[1][i] = marker;
    }
  }

  std::vector<std::vector<Sample>> in, out;
  Sample* inPtr[2];
  Sample* outPtr[2];
  Steinberg::Vst::AudioBusBuffers inBus, outBus;
  Steinberg::Vst::ProcessData data;
};

template <>
inline void StereoBlock<float>::SetBuffers() {
  inBus.channelBuffers32 = inPtr;
  outBus.channelBuffers32 = outPtr;
}

template <>
inline void StereoBlock<double>::SetBuffers() {
  inBus.channelBuffers64 = inPtr;
  outBus.channelBuffers64 = outPtr;
}

// Processing set-up with the given sample size and largest block at 44.1 kHz.
inline Steinberg::Vst::ProcessSetup MakeSetup(int32_t sampleSize, int32_t maxBlock) {
  return Steinberg::Vst::ProcessSetup{Steinberg::Vst::kRealtime, sampleSize, maxBlock, 44100.0};
}

// Sets up processing with MakeSetup's values; answers setupProcessing's result.
template <class Plug>
Steinberg::tresult SetUpProcessing(const Plug& plug, int32_t sampleSize, int32_t maxBlock) {
  Steinberg::Vst::ProcessSetup setup = MakeSetup(sampleSize, maxBlock);
  return plug->setupProcessing(setup);
}

// Initialises the plug-in without a host context and activates every audio bus.
template <class T>
void InitializeWithBuses(T* plug) {
  plug->initialize(nullptr);
  for (int dir = Steinberg::Vst::kInput; dir <= Steinberg::Vst::kOutput; ++dir) {
    for (int32_t i = 0; i < plug->getBusCount(Steinberg::Vst::kAudio, dir); ++i) {
      plug->activateBus(Steinberg::Vst::kAudio, dir, i, true);
    }
  }
}

}  // namespace vst3test
