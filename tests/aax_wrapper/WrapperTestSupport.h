#pragma once
// Shared pieces of the AAX wrapper tests: the plug-in and a configurable
// test plug-in on the wrapper, both recording what the wrapper calls; a
// simulated host (services, a controller answering rate and stems, a
// transport node) and render contexts over host buffers.

#include "AAX_CParameter.h"
#include "AAX_HostMIDINode.h"
#include "FakeHost.h"
#include "HostIds.h"
#include "HostObjects.h"
#include "HostServicesFixture.h"
#include "IPlugAAX.h"
#include "SlotTables.h"
#include "VimbraOndelino.h"

#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace aaxtest {

// What a plug-in on the wrapper was called with.
struct Record {
  std::vector<std::pair<int, int>> changes;  // ParameterChanged(index, source)
  int resets = 0;
  int blocks = 0;
  int lastFrames = 0;
  double firstInputs[2] = {0.0, 0.0};  // first sample of each input slot in the last block
  std::vector<IMidiShortMessage> midi;
};

// The plug-in itself, recording the wrapper's calls.
class RecordingOndelino : public VimbraOndelino {
public:
  void ParameterChanged(int index, int source) override {
    record.changes.emplace_back(index, source);
    VimbraOndelino::ParameterChanged(index, source);
  }
  void ResetProcessing() override {
    ++record.resets;
    VimbraOndelino::ResetProcessing();
  }
  void ProcessDoubleBlock(double** inputs, double** outputs, int frames) override {
    ++record.blocks;
    record.lastFrames = frames;
    record.firstInputs[0] = inputs[0][0];
    record.firstInputs[1] = inputs[1][0];
    VimbraOndelino::ProcessDoubleBlock(inputs, outputs, frames);
  }
  Record record;
};

struct TestPlugConfig {
  const char* channelIO = "1-1 2-2";
  int latency = 0;
  bool midi = false;
  int scratchCap = 0;          // scratch buffers never grow beyond this (0: no cap)
  bool stateFails = false;     // WriteState answers false
};

// Two parameters, pass-through audio doubled (so processing and bypass
// differ), recording the wrapper's calls.
class TestAaxPlug : public IPlugAAX {
public:
  explicit TestAaxPlug(const TestPlugConfig& config = TestPlugConfig())
      : IPlugAAX(2, config.channelIO, 1, "TestAaxPlug", "", "Vimbra", 0x00010000, 0x54737433,
                 0x566D4261, config.latency, config.midi, false),
        mConfig(config) {
    GetParam(0)->SetUpBool("Switch", false);
    GetParam(1)->SetUpDouble("Level", 5.0, 0.0, 10.0, 0.5, "dB");
  }
  void ParameterChanged(int index, int source) override { record.changes.emplace_back(index, source); }
  void ResetProcessing() override { ++record.resets; }
  void HandleMidiMessage(IMidiShortMessage* message) override { record.midi.push_back(*message); }
  void ProcessDoubleBlock(double** inputs, double** outputs, int frames) override {
    ++record.blocks;
    record.lastFrames = frames;
    for (int c = 0; c < NInChannels() && c < 2; ++c) record.firstInputs[c] = inputs[c][0];
    for (int c = 0; c < NOutChannels(); ++c)
      for (int i = 0; i < frames; ++i) outputs[c][i] = 2.0 * (c < NInChannels() ? inputs[c][i] : 0.0);
  }
  bool WriteState(StateChunk* chunk) override {
    return mConfig.stateFails ? false : IPlugAAX::WriteState(chunk);
  }
  void SetBlockFrames(int frames) override {
    IPlugAAX::SetBlockFrames(mConfig.scratchCap > 0 && frames > mConfig.scratchCap ? mConfig.scratchCap
                                                                                   : frames);
  }
  Record record;

private:
  TestPlugConfig mConfig;
};

// Holds an instance as the host does (count 1) and releases it.
template <class Plug>
class Held {
public:
  explicit Held(Plug* plug) : mPlug(plug) { Effect()->AddRef(); }
  ~Held() {
    if (mPlug) Effect()->Release();
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  Plug* operator->() const { return mPlug; }
  Plug& operator*() const { return *mPlug; }
  AAX_IEffectParameters* Effect() const { return mPlug; }
  // The host lets go; the instance is gone.
  uint32_t Release() {
    const uint32_t count = Effect()->Release();
    mPlug = nullptr;
    return count;
  }

private:
  Plug* mPlug;
};

// One instance's render context over host buffers, with a transport node
// (its MIDI stream settable) and the instance's private data.
class Context {
public:
  Context(fakehost::Host& host, const std::string& suffix, int channels, int frames, float fill)
      : inputs(channels, std::vector<float>(frames, fill)),
        outputs(channels, std::vector<float>(frames, 9.0f)),
        mNode(host.Make("node" + suffix)),
        mTransport(host.Make("transport" + suffix)) {
    for (auto& channel : inputs) mInputPointers.push_back(channel.data());
    for (auto& channel : outputs) mOutputPointers.push_back(channel.data());
    mTransport.Answer(fakehost::ids::TransportV1(), "V1", fakehost::TransportTable());
    mNode.Answer(fakehost::ids::Unknown(), "node", fakehost::MIDINodeTable());
    fakehost::Object* transport = &mTransport;
    mNode.SetBehaviour(4, [transport](fakehost::Object&, const fakehost::Call&) -> int64_t {
      return reinterpret_cast<intptr_t>(transport->Interface("V1"));
    });
    AAX_MIDIStream* stream = &mStream;
    mNode.SetBehaviour(3, [stream](fakehost::Object&, const fakehost::Call&) -> int64_t {
      return reinterpret_cast<intptr_t>(stream);
    });
    record.inputs = mInputPointers.data();
    record.outputs = mOutputPointers.data();
    record.blockLength = &blockLength;
    record.localMidiNode = static_cast<AAX_IACFMIDINode*>(mNode.Interface("node"));
    record.transportNode = static_cast<AAX_IACFMIDINode*>(mNode.Interface("node"));
    record.privateData = &privateData;
    blockLength = frames;
  }
  Context(const Context&) = delete;
  Context& operator=(const Context&) = delete;

  // The instance fills the private data as the host asks it to.
  void Attach(AAX_CIPlugParameters& instance) {
    instance.InitPrivateData(kAAX_PrivateDataField, &privateData, sizeof privateData);
  }
  void SetMidi(std::vector<AAX_MIDIPacket> packets) {
    mPackets = std::move(packets);
    mStream.packetCount = static_cast<uint32_t>(mPackets.size());
    mStream.packets = mPackets.data();
  }
  fakehost::Object& Transport() { return mTransport; }
  void Render() {
    AAX_RenderContext* one = &record;
    ProcessRenderContexts(&one, &one + 1, 2);
  }

  std::vector<std::vector<float>> inputs;
  std::vector<std::vector<float>> outputs;
  int32_t blockLength = 0;
  AAX_SIPlugPrivateData privateData = {nullptr};
  AAX_RenderContext record = {};

private:
  std::vector<float*> mInputPointers;
  std::vector<float*> mOutputPointers;
  fakehost::Object& mNode;
  fakehost::Object& mTransport;
  AAX_MIDIStream mStream = {0, nullptr};
  std::vector<AAX_MIDIPacket> mPackets;
};

// Started host services and a controller that answers a sample rate and
// the two stem formats.
class WrapperHost {
public:
  WrapperHost() : controller(fakehost::MakeController(services.Host())) {
    controller.SetBehaviour(4, [this](fakehost::Object&, const fakehost::Call& call) -> int64_t {
      if (auto* rate = static_cast<float*>(const_cast<void*>(call.args[0].pointer))) *rate = sampleRate;
      return 0;
    }, "V1");
    controller.SetBehaviour(5, [this](fakehost::Object&, const fakehost::Call& call) -> int64_t {
      if (auto* stem = static_cast<uint32_t*>(const_cast<void*>(call.args[0].pointer))) *stem = inputStem;
      return 0;
    }, "V1");
    controller.SetBehaviour(6, [this](fakehost::Object&, const fakehost::Call& call) -> int64_t {
      if (auto* stem = static_cast<uint32_t*>(const_cast<void*>(call.args[0].pointer))) *stem = outputStem;
      return 0;
    }, "V1");
  }

  fakehost::Host& Host() { return services.Host(); }
  IACFUnknown* ControllerUnknown() { return static_cast<IACFUnknown*>(controller.Interface("unknown")); }
  // The texts of the calls on one face of the controller.
  std::vector<std::string> Calls(const std::string& face) const {
    std::vector<std::string> lines;
    for (const fakehost::Call& call : const_cast<WrapperHost*>(this)->Host().Calls())
      if (call.object == "controller" && call.face == face) lines.push_back(call.Text());
    return lines;
  }
  std::vector<std::string> Assertions() {
    std::vector<std::string> reports;
    for (const fakehost::Call& call : Host().Calls())
      if (call.object == "services" && call.slot == 6)
        reports.push_back(call.args[0].text + " " + call.args[1].Text() + " " + call.args[2].text);
    return reports;
  }

  StartedHostServices services;
  fakehost::Object& controller;
  float sampleRate = 48000.0f;
  uint32_t inputStem = 0x00010002;
  uint32_t outputStem = 0x00010002;
};

}  // namespace aaxtest
