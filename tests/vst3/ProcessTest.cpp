// The audio-processor side: processing set-up, the process call with its
// parameter queues and bypass, bus arrangements, presets, latency, transport.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "AllocationCounter.h"
#include "HostObjects.h"
#include "Vst3TestSupport.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"

using namespace Steinberg;
using namespace Steinberg::Vst;
using vo::vst3host::HostComponentHandler;
using vo::vst3host::HostParameterChanges;
using vo::vst3host::HostStream;
using vo::vst3host::ToUtf8;
using vst3test::InitializeWithBuses;
using vst3test::PlugRef;
using vst3test::RecordingOndelino;
using vst3test::MakeSetup;
using vst3test::SetUpProcessing;
using vst3test::StereoBlock;
using vst3test::TestPlugConfig;
using vst3test::TestVst3Plug;

namespace {
std::string BusName(IPlugVST3* plug, BusDirection dir, int32 index, int32* channels) {
  BusInfo info{};
  plug->getBusInfo(kAudio, dir, index, info);
  *channels = info.channelCount;
  return ToUtf8(info.name);
}
}  // namespace

TEST(Vst3Process, OnlyTheLastPointOfAQueueCountsAndItIsAnnouncedOnce) {
  PlugRef<RecordingOndelino> plug(new RecordingOndelino);
  InitializeWithBuses(plug.get());
  Steinberg::Vst::ProcessSetup setup = MakeSetup(kSample32, 64);
  ASSERT_EQ(plug->setupProcessing(setup), kResultOk);
  plug->changes.clear();

  HostParameterChanges changes;
  changes.Add(3, 0.2, 0);
  changes.Add(3, 0.4, 10);
  changes.Add(3, 0.9, 20);
  changes.AddAbsentQueue();
  StereoBlock<float> block(64);
  block.data.inputParameterChanges = &changes;
  EXPECT_EQ(plug->process(block.data), kResultOk);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 90.0);
  ASSERT_EQ(plug->changes.size(), 1u);
  EXPECT_EQ(plug->changes[0], std::make_pair(3, 1));

  // A queue whose point cannot be read is skipped.
  HostParameterChanges broken;
  broken.Add(3, 0.1);
  broken.Queue(3)->mFailPoints = true;
  block.data.inputParameterChanges = &broken;
  plug->process(block.data);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 90.0);
}

TEST(Vst3Process, BypassIsOnAboveOneHalf) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  InitializeWithBuses(plug.get());
  Steinberg::Vst::ProcessSetup setup = MakeSetup(kSample32, 32);
  plug->setupProcessing(setup);
  StereoBlock<float> block(32);
  HostParameterChanges changes;
  block.data.inputParameterChanges = &changes;

  changes.Add(kParamIdBypass, 0.5);
  plug->process(block.data);
  EXPECT_FALSE(plug->IsBypassed());
  changes.Clear();
  changes.Add(kParamIdBypass, 0.51);
  plug->process(block.data);
  EXPECT_TRUE(plug->IsBypassed());
  EXPECT_EQ(plug->getParamNormalized(kParamIdBypass), 1.0);

  // Processing set-up always ends bypass.
  EXPECT_EQ(plug->setupProcessing(setup), kResultOk);
  EXPECT_FALSE(plug->IsBypassed());
}

// Hosts' generic views and conformance checks switch bypass through the
// edit controller and read it back before any block runs.
TEST(Vst3Process, BypassSetThroughTheControllerReadsBackAtOnceAndTravelsWithTheState) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  InitializeWithBuses(plug.get());
  EXPECT_EQ(plug->setParamNormalized(kParamIdBypass, 1.0), kResultOk);
  EXPECT_EQ(plug->getParamNormalized(kParamIdBypass), 1.0);
  EXPECT_EQ(plug->setParamNormalized(kParamIdBypass, 0.0), kResultOk);
  EXPECT_EQ(plug->getParamNormalized(kParamIdBypass), 0.0);
  EXPECT_EQ(plug->setParamNormalized(kParamIdBypass, 0.5), kResultOk);
  EXPECT_EQ(plug->getParamNormalized(kParamIdBypass), 1.0);
  EXPECT_EQ(plug->setParamNormalized(kParamIdBypass, std::nan("")), kResultOk);
  EXPECT_EQ(plug->getParamNormalized(kParamIdBypass), 1.0);
  // The audio follows the parameter queue only; the queue updates the
  // controller's value too.
  EXPECT_FALSE(plug->IsBypassed());
  ASSERT_EQ(SetUpProcessing(plug, kSample32, 32), kResultOk);
  StereoBlock<float> block(32);
  HostParameterChanges changes;
  block.data.inputParameterChanges = &changes;
  changes.Add(kParamIdBypass, 0.0);
  plug->process(block.data);
  EXPECT_EQ(plug->getParamNormalized(kParamIdBypass), 0.0);
  changes.Clear();
  changes.Add(kParamIdBypass, 1.0);
  plug->process(block.data);
  EXPECT_TRUE(plug->IsBypassed());

  // A saved bypassed state brings 1 back into another controller.
  HostStream saved;
  ASSERT_EQ(plug->getState(&saved), kResultOk);
  PlugRef<VimbraOndelino> reloaded(new VimbraOndelino);
  reloaded->initialize(nullptr);
  HostStream again(saved.Bytes());
  ASSERT_EQ(reloaded->setState(&again), kResultOk);
  EXPECT_EQ(reloaded->getParamNormalized(kParamIdBypass), 1.0);
}

template <class Sample>
void ExpectBypassCopiesInputExactly() {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  InitializeWithBuses(plug.get());
  SetUpProcessing(plug, sizeof(Sample) == 8 ? kSample64 : kSample32, 256);
  HostParameterChanges changes;
  changes.Add(kParamIdBypass, 1.0);
  StereoBlock<Sample> block(256);
  block.Fill();
  block.data.inputParameterChanges = &changes;
  plug->process(block.data);
  EXPECT_EQ(block.out[0], block.in[0]);
  EXPECT_EQ(block.out[1], block.in[1]);
}

TEST(Vst3Process, BypassCopiesTheInputBitForBitIn32And64Bits) {
  ExpectBypassCopiesInputExactly<float>();
  ExpectBypassCopiesInputExactly<double>();
}

TEST(Vst3Process, ProcessingChangesTheSignalWhenNotBypassed) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  InitializeWithBuses(plug.get());
  SetUpProcessing(plug, kSample32, 512);
  StereoBlock<float> block(512);
  block.Fill();
  plug->process(block.data);
  EXPECT_NE(block.out[0], block.in[0]);
  for (float v : block.out[0]) ASSERT_TRUE(std::isfinite(v));
  EXPECT_NE(block.out[0][511], -7.0f);
}

TEST(Vst3Process, SixtyFourBitProcessingWritesStraightIntoTheHostBuffers) {
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(TestPlugConfig()));
  InitializeWithBuses(plug.get());
  SetUpProcessing(plug, kSample64, 128);
  StereoBlock<double> block(128);
  block.Fill();
  plug->process(block.data);
  EXPECT_EQ(plug->lastOutputs[0], block.out[0].data());
  EXPECT_EQ(plug->lastOutputs[1], block.out[1].data());
  EXPECT_EQ(block.out[0], block.in[0]);
}

TEST(Vst3Process, SetUpRefusesSampleSizesOtherThan32And64Bits) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  Steinberg::Vst::ProcessSetup setup = MakeSetup(2, 512);
  EXPECT_EQ(plug->setupProcessing(setup), kResultFalse);
  EXPECT_EQ(plug->canProcessSampleSize(kSample32), kResultTrue);
  EXPECT_EQ(plug->canProcessSampleSize(kSample64), kResultTrue);
  EXPECT_EQ(plug->canProcessSampleSize(2), kResultFalse);
  setup = MakeSetup(kSample64, 300);
  setup.sampleRate = 48000.0;
  EXPECT_EQ(plug->setupProcessing(setup), kResultOk);
  EXPECT_EQ(plug->GetSampleRate(), 48000.0);
  EXPECT_EQ(plug->GetBlockFrames(), 300);
  EXPECT_EQ(plug->getTailSamples(), 0u);
  EXPECT_EQ(plug->getLatencySamples(), 0u);
}

TEST(Vst3Process, ActivationReachesThePlugin) {
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(TestPlugConfig()));
  plug->initialize(nullptr);
  EXPECT_EQ(plug->setActive(true), kResultOk);
  EXPECT_EQ(plug->setActive(false), kResultOk);
  EXPECT_EQ(plug->activations, (std::vector<bool>{true, false}));
}

TEST(Vst3Arrangements, MonoAndStereoPairsAreAcceptedOthersRefused) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  SpeakerArrangement stereo = SpeakerArr::kStereo, mono = SpeakerArr::kMono;
  int32 channels = 0;

  // Stereo on a stereo plug-in changes no bus.
  EXPECT_EQ(plug->setBusArrangements(&stereo, 1, &stereo, 1), kResultOk);
  EXPECT_EQ(BusName(plug.get(), kInput, 0, &channels), "Main Input");
  EXPECT_EQ(channels, 2);

  EXPECT_EQ(plug->setBusArrangements(&mono, 1, &stereo, 1), kResultFalse);
  EXPECT_EQ(plug->setBusArrangements(nullptr, 0, &stereo, 1), kResultFalse);

  EXPECT_EQ(plug->setBusArrangements(&mono, 1, &mono, 1), kResultOk);
  EXPECT_EQ(BusName(plug.get(), kInput, 0, &channels), "Input");
  EXPECT_EQ(channels, 1);
  EXPECT_EQ(BusName(plug.get(), kOutput, 0, &channels), "Output");
  EXPECT_EQ(channels, 1);
  SpeakerArrangement arrangement = 0;
  EXPECT_EQ(plug->getBusArrangement(kOutput, 0, arrangement), kResultTrue);
  EXPECT_EQ(arrangement, SpeakerArr::kMono);

  // Two input arrangements for a plug-in without a side chain.
  SpeakerArrangement two[2] = {SpeakerArr::kStereo, SpeakerArr::kStereo};
  EXPECT_EQ(plug->setBusArrangements(two, 2, &stereo, 1), kResultFalse);
}

TEST(Vst3Arrangements, MonoProcessingRunsThroughTheMonoBuses) {
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(TestPlugConfig()));
  plug->initialize(nullptr);
  SpeakerArrangement mono = SpeakerArr::kMono;
  ASSERT_EQ(plug->setBusArrangements(&mono, 1, &mono, 1), kResultOk);
  plug->activateBus(kAudio, kInput, 0, true);
  plug->activateBus(kAudio, kOutput, 0, true);
  SetUpProcessing(plug, kSample32, 16);
  StereoBlock<float> block(16);
  block.Fill();
  block.inBus.numChannels = 1;
  block.outBus.numChannels = 1;
  plug->process(block.data);
  EXPECT_EQ(block.out[0], block.in[0]);
  EXPECT_EQ(block.out[1], std::vector<float>(16, -7.0f));  // not the host's
}

TEST(Vst3Arrangements, ChannelCountsMapToSpeakerArrangements) {
  EXPECT_EQ(IPlugVST3::SpeakerArrangementForChannels(1), 0x80000u);
  EXPECT_EQ(IPlugVST3::SpeakerArrangementForChannels(2), 3u);
  EXPECT_EQ(IPlugVST3::SpeakerArrangementForChannels(3), 259u);
  EXPECT_EQ(IPlugVST3::SpeakerArrangementForChannels(4), 0xF00000u);
  EXPECT_EQ(IPlugVST3::SpeakerArrangementForChannels(5), 55u);
  EXPECT_EQ(IPlugVST3::SpeakerArrangementForChannels(6), 63u);
  EXPECT_EQ(IPlugVST3::SpeakerArrangementForChannels(7), 0u);
  EXPECT_EQ(IPlugVST3::SpeakerArrangementForChannels(0), 0u);
}

TEST(Vst3Arrangements, LegalIOTriesEveryConfigurationAndNegativeMatchesAny) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  EXPECT_TRUE(plug->LegalIO(1, 1));
  EXPECT_TRUE(plug->LegalIO(2, 2));
  EXPECT_FALSE(plug->LegalIO(1, 2));
  EXPECT_TRUE(plug->LegalIO(-1, 2));
  EXPECT_TRUE(plug->LegalIO(1, -1));
  EXPECT_FALSE(plug->LegalIO(3, -1));
}

TEST(Vst3Presets, PresetParameterActivatesTheSlotItNames) {
  TestPlugConfig config;
  config.nPresets = 2;
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(config));
  InitializeWithBuses(plug.get());
  // Initialisation stored the current state in the empty first slot.
  EXPECT_STREQ(plug->PresetNameAt(0), "user preset 1");
  EXPECT_STREQ(plug->PresetNameAt(1), "empty");
  EXPECT_STREQ(plug->PresetNameAt(2), "");
  SetUpProcessing(plug, kSample32, 16);
  StereoBlock<float> block(16);
  HostParameterChanges changes;
  block.data.inputParameterChanges = &changes;

  changes.Add(kParamIdPreset, 0.99);  // 0.99 x 2 presets: the second
  plug->process(block.data);
  EXPECT_EQ(plug->GetCurrentPresetIdx(), 1);
  EXPECT_STREQ(plug->PresetNameAt(1), "user preset 2");

  plug->setParamNormalized(0, 0.5);
  changes.Clear();
  changes.Add(kParamIdPreset, 0.0);
  plug->process(block.data);
  EXPECT_EQ(plug->GetCurrentPresetIdx(), 0);
  EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), 0.0);  // recalled
  EXPECT_EQ(plug->presetActivations, 3);
}

TEST(Vst3Presets, APresetValueOfOneSelectsTheLastPreset) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  InitializeWithBuses(plug.get());
  SetUpProcessing(plug, kSample32, 16);
  plug->setParamNormalized(3, 1.0);
  StereoBlock<float> block(16);
  HostParameterChanges changes;
  changes.Add(kParamIdPreset, 1.0);
  block.data.inputParameterChanges = &changes;
  plug->process(block.data);
  EXPECT_EQ(plug->GetCurrentPresetIdx(), 0);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 50.0);  // preset "-" recalled
  EXPECT_FALSE(plug->ActivatePreset(1));
  EXPECT_FALSE(plug->ActivatePreset(-1));
}

TEST(Vst3Latency, ChangingTheLatencyAsksTheHostToRestart) {
  HostComponentHandler handler;
  {
    PlugRef<TestVst3Plug> plug(new TestVst3Plug(TestPlugConfig()));
    plug->initialize(nullptr);
    plug->setComponentHandler(&handler);
    static_cast<IPlugBase*>(plug.get())->ChangeLatency(64);  // through the framework's slot
    EXPECT_EQ(plug->getLatencySamples(), 64u);
    ASSERT_EQ(handler.mCalls.size(), 1u);
    EXPECT_EQ(handler.mCalls[0].kind, 'r');
    EXPECT_EQ(handler.mCalls[0].id, kLatencyChanged);
    EXPECT_EQ(handler.mCalls[0].id, 8);
    plug->terminate();
  }
  EXPECT_EQ(handler.References(), 1u);
}

TEST(Vst3Transport, QueriesAnswerFromTheLastProcessContext) {
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(TestPlugConfig()));
  InitializeWithBuses(plug.get());
  Steinberg::Vst::ProcessSetup setup = MakeSetup(kSample32, 16);
  setup.processMode = kOffline;
  plug->setupProcessing(setup);
  EXPECT_TRUE(plug->IsOfflineProcessing());

  ProcessContext context{};
  context.state = ProcessContext::kPlaying | ProcessContext::kCycleActive;
  context.projectTimeSamples = 44100;
  context.projectTimeMusic = 2.0;
  context.barPositionMusic = 1.0;
  context.cycleStartMusic = 4.0;
  context.cycleEndMusic = 8.0;
  context.tempo = 126.0;
  context.timeSigNumerator = 7;
  context.timeSigDenominator = 8;
  StereoBlock<float> block(16);
  block.data.processContext = &context;
  plug->process(block.data);

  EXPECT_EQ(plug->GetTransportSamplePosition(), 44100);
  EXPECT_EQ(plug->GetTransportTempo(), 126.0);
  int numerator = 0, denominator = 0;
  plug->GetTransportTimeSignature(&numerator, &denominator);
  EXPECT_EQ(numerator, 7);
  EXPECT_EQ(denominator, 8);
  TransportInfo info;
  plug->GetTransportInfo(&info);
  EXPECT_EQ(info.mSamplePos, 44100.0);
  EXPECT_EQ(info.mPPQPos, 2.0);
  EXPECT_EQ(info.mLastBar, 1.0);
  EXPECT_EQ(info.mCycleStart, 4.0);
  EXPECT_EQ(info.mCycleEnd, 8.0);
  EXPECT_TRUE(info.mTransportIsRunning);
  EXPECT_TRUE(info.mTransportLoopEnabled);

  // A block without a context keeps the last one.
  block.data.processContext = nullptr;
  plug->process(block.data);
  EXPECT_EQ(plug->GetTransportTempo(), 126.0);
}

TEST(Vst3RealTime, BlocksAfterTheFirstOfTheirSizeAllocateNothing) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  InitializeWithBuses(plug.get());
  SetUpProcessing(plug, kSample32, 512);
  StereoBlock<float> block(512);
  block.Fill();
  HostParameterChanges changes;
  changes.Add(3, 0.8);
  changes.Add(5, 1.0);
  changes.Add(0, 1.0);
  block.data.inputParameterChanges = &changes;
  plug->process(block.data);  // the first block may grow buffers

  AllocationCounter counter;
  for (int i = 0; i < 20; ++i) plug->process(block.data);
  EXPECT_EQ(counter.Allocations(), 0);

  StereoBlock<double> wide(512);  // allocates before the count restarts
  Steinberg::Vst::ProcessSetup setup64 = MakeSetup(kSample64, 512);
  plug->setupProcessing(setup64);
  plug->process(wide.data);
  counter.Restart();
  for (int i = 0; i < 20; ++i) plug->process(wide.data);
  EXPECT_EQ(counter.Allocations(), 0);
}

// A host opening a project restores its state (here with "Oversample" on)
// before it sets up processing, and sets up again at each new rate: the
// chorus runs at twice each rate, exactly as one whose "Oversample" the
// user switched on again at that rate.
TEST(Vst3Process, AStateRestoredBeforeTheSetUpRunsAtEveryLaterRate) {
  PlugRef<VimbraOndelino> saver(new VimbraOndelino), plug(new VimbraOndelino), toggled(new VimbraOndelino);
  saver->initialize(nullptr);
  saver->setParamNormalized(VimbraOndelino::kOversample, 1.0);
  saver->setParamNormalized(VimbraOndelino::kAnalogHiss, 0.0);
  HostStream saved;
  ASSERT_EQ(saver->getState(&saved), kResultOk);
  StereoBlock<float> block(512), reference(512);
  for (VimbraOndelino* p : {plug.get(), toggled.get()}) {
    InitializeWithBuses(p);
    HostStream state(saved.Bytes());
    ASSERT_EQ(p->setState(&state), kResultOk);
  }
  for (const int rate : {48000, 96000}) {
    ProcessSetup setup = MakeSetup(kSample32, 512);
    setup.sampleRate = rate;
    ASSERT_EQ(plug->setupProcessing(setup), kResultOk);
    ASSERT_EQ(toggled->setupProcessing(setup), kResultOk);
    HostParameterChanges changes;
    changes.Add(VimbraOndelino::kOversample, 1.0);
    reference.data.inputParameterChanges = &changes;
    for (int i = 0; i < 8; ++i) {
      block.Fill();
      reference.Fill();
      plug->process(block.data);
      toggled->process(reference.data);
      changes.Clear();
    }
    EXPECT_EQ(plug->Chorus().mLfo.mSampleRate, 2 * rate);
    EXPECT_EQ(plug->Chorus().mLfo.mPeriod, 4 * rate);  // "Mode I Rate" 0.5 Hz
    EXPECT_EQ(block.out, reference.out) << rate;
  }
}
