// Host scenarios for the plug-in module itself (VimbraOndelino.aaxplugin on
// Windows): registration, an instance made through procedure 0 and bound to
// the host's controller, its thirteen host parameters, its state chunk,
// rendering through the registered process procedure, and the teardown,
// with a balanced reference ledger after every scenario.

#include "HostIds.h"
#include "HostString.h"
#include "PluginSession.h"
#include "TestSignal.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace fakehost {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;

constexpr int32_t kInvalidParameterId = -20001;
constexpr int32_t kInvalidChunkIndex = -20006;
constexpr int32_t kIncorrectChunkSize = -20008;
constexpr uint32_t kStateChunkId = 0x4F646C6Eu;  // 'Odln'
constexpr int kMaxBlockFrames = 1 << 20;
// The plug-in's parameters at their defaults, in index order.
const std::vector<double> kDefaults = {0, 0, 0, 50, 1, 0, 0.5, 0.8, 8, 100, 1, 1};

std::vector<double> Doubles(const std::vector<uint8_t>& bytes) {
  std::vector<double> values(bytes.size() / 8);
  for (size_t i = 0; i < values.size(); ++i) {
    uint64_t bits = 0;
    for (int b = 7; b >= 0; --b) bits = (bits << 8) | bytes[8 * i + b];  // little-endian
    std::memcpy(&values[i], &bits, 8);
  }
  return values;
}

std::vector<uint8_t> Bytes(const std::vector<double>& values) {
  std::vector<uint8_t> bytes;
  for (double value : values) {
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    for (int b = 0; b < 8; ++b) bytes.push_back(static_cast<uint8_t>(bits >> (8 * b)));
  }
  return bytes;
}

// Host buffers of one block for a number of channels.
struct Buffers {
  Buffers(int channels, int frames, float fill)
      : samples(channels, std::vector<float>(frames, fill)) {
    for (auto& channel : samples) pointers.push_back(channel.data());
  }
  float** Pointers() { return pointers.data(); }
  std::vector<std::vector<float>> samples;
  std::vector<float*> pointers;
};

double Rms(const std::vector<float>& a, const std::vector<float>& b) {
  double sum = 0.0;
  for (size_t i = 0; i < a.size(); ++i) sum += (a[i] - b[i]) * (a[i] - b[i]);
  return std::sqrt(sum / a.size());
}

class PluginHost : public testing::Test {
protected:
  void SetUp() override {
    session.reset(new PluginSession(ModuleUnderTest()));
    ASSERT_TRUE(session->Ok()) << session->Error();
  }

  void TearDown() override {
    if (!session) return;
    effects.clear();
    EXPECT_EQ(0, session->entry.canUnloadNow(nullptr));
    EXPECT_EQ(0, session->Shutdown());
    EXPECT_THAT(session->host.LedgerProblems(), IsEmpty());
    session.reset();
  }

  // A new instance, bound and with its private data filled.
  HostedEffect& NewEffect(const std::string& suffix = "A", bool bind = true) {
    effects.emplace_back(new HostedEffect(*session, suffix));
    HostedEffect& effect = *effects.back();
    EXPECT_TRUE(effect.Ok());
    if (bind) {
      EXPECT_EQ(0, effect.Bind());
    }
    EXPECT_EQ(0, effect.InitPrivateData());
    return effect;
  }

  // The plug-in's values as its saved state holds them.
  std::vector<double> Values(HostedEffect& effect) {
    std::unique_ptr<HostChunk> chunk = effect.Save();
    return chunk ? Doubles(chunk->DataBytes()) : std::vector<double>();
  }

  // Every plug-in parameter's current value applied, as a host does after
  // binding an instance.
  void ApplyAll(HostedEffect& effect) {
    for (int i = 1; i <= 12; ++i) {
      const std::string id = std::to_string(i);
      ASSERT_EQ(0, effect.Apply(id.c_str(), effect.Read(id.c_str())));
    }
  }

  std::vector<std::string> Requests(const std::string& controller) const {
    std::vector<std::string> requests;
    for (const Call& call : session->host.Calls())
      if (call.object == controller && call.face == "automation" && call.slot == 5)
        requests.push_back(call.Text());
    return requests;
  }

  std::unique_ptr<PluginSession> session;
  std::vector<std::unique_ptr<HostedEffect>> effects;
};

// --- module and registration ---------------------------------------------------

TEST_F(PluginHost, ExportsTheSevenEntryPointsUndecorated) {
  std::vector<std::string> names = ModuleUnderTest().ExportedNames();
  if (names.empty()) GTEST_SKIP() << "this platform's loader shows no export table";
  std::sort(names.begin(), names.end());
  EXPECT_THAT(names, ElementsAre("ACFCanUnloadNow", "ACFGetClassFactory", "ACFGetSDKVersion",
                                 "ACFRegisterComponent", "ACFRegisterPlugin", "ACFShutdown",
                                 "ACFStartup"));
}

TEST_F(PluginHost, RegistersTheProceduresOfBothConfigurations) {
  EXPECT_EQ(0, session->registerResult);
  EXPECT_NE(nullptr, session->createEffect);
  EXPECT_NE(nullptr, session->createGUI);
  ASSERT_EQ(2u, session->processProcedures.size());
  EXPECT_EQ(session->processProcedures[0], session->processProcedures[1]);
  EXPECT_THAT(session->Assertions(), IsEmpty());
}

TEST_F(PluginHost, AnInstanceIsOneLiveObjectUntilReleased) {
  HostedEffect& effect = NewEffect("A", false);
  EXPECT_EQ(1, session->entry.canUnloadNow(nullptr));
  EXPECT_EQ(0u, effect.Release());
  EXPECT_EQ(0, session->entry.canUnloadNow(nullptr));
}

// --- parameters -----------------------------------------------------------------

TEST_F(PluginHost, BindingMakesThirteenHostParameters) {
  HostedEffect& effect = NewEffect();
  ASSERT_EQ(13, effect.Count());
  std::vector<std::string> ids, titles;
  for (int32_t i = 0; i < 13; ++i) {
    ids.push_back(effect.IdAt(i));
    titles.push_back(effect.Title(ids.back().c_str()));
  }
  EXPECT_THAT(ids, ElementsAre("", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"));
  EXPECT_THAT(titles, ElementsAre("Master Bypass", "Oversample", "Input", "Output", "Dry/Wet",
                                  "Mode I", "Mode II", "Mode I Rate", "Mode II Rate",
                                  "Mode I+II Rate", "Wide", "Analog Emu.", "Analog Hiss"));
  std::vector<int32_t> steps;
  for (const std::string& id : ids) steps.push_back(effect.StepCount(id.c_str()));
  EXPECT_THAT(steps, ElementsAre(2, 2, 128, 128, 128, 2, 2, 128, 128, 128, 128, 2, 2));

  HostString bypassId(session->host, "bypassId", "unset");
  EXPECT_EQ(0, effect.Invoke(effect_slot::kBypassId, bypassId.Interface()));
  EXPECT_EQ("", bypassId.Text());
  int32_t kind = -1;
  EXPECT_EQ(0, effect.Invoke(effect_slot::kKind, "", &kind));
  EXPECT_EQ(0, kind);
  EXPECT_EQ(0, effect.Invoke(effect_slot::kKind, "1", &kind));
  EXPECT_EQ(1, kind);

  EXPECT_DOUBLE_EQ(30.0 / 42.0, effect.Default("2"));
  EXPECT_DOUBLE_EQ(0.5, effect.Default("4"));
  EXPECT_DOUBLE_EQ(1.0, effect.Default("10"));
  EXPECT_DOUBLE_EQ(0.0, effect.Default(""));
  EXPECT_EQ("-9.00dB", effect.Format("2", 0.5, 8));
  EXPECT_EQ("1.00", effect.Format("1", 1.0, 8));  // a switch shows no unit
  EXPECT_EQ("on", effect.Format("", 1.0, 8));
  EXPECT_EQ("bypass", effect.FormatCurrent(""));
  EXPECT_EQ(13u, [&] {
    size_t attached = 0;
    for (const Call& call : session->host.Calls())
      if (call.object == "controllerA" && call.face == "automation" && call.slot == 3) ++attached;
    return attached;
  }());
}

TEST_F(PluginHost, AppliedValuesReachThePlugin) {
  HostedEffect& effect = NewEffect();
  const int32_t changes = effect.ChangeCount();
  EXPECT_EQ(0, effect.Apply("7", 0.5));
  EXPECT_DOUBLE_EQ(1.05, Values(effect).at(6));
  EXPECT_EQ("1.05Hz", effect.FormatCurrent("7"));
  EXPECT_EQ(changes + 1, effect.ChangeCount());

  EXPECT_EQ(kInvalidParameterId, effect.Apply("13", 0.5));
  EXPECT_EQ(kInvalidParameterId, effect.Apply("Input", 0.5));
  EXPECT_EQ(changes + 1, effect.ChangeCount());

  // The bypass changes only the host's side.
  const std::vector<double> before = Values(effect);
  EXPECT_EQ(0, effect.Apply("", 1.0));
  EXPECT_EQ("on", effect.FormatCurrent(""));
  EXPECT_EQ(before, Values(effect));
  EXPECT_EQ(changes + 2, effect.ChangeCount());
}

TEST_F(PluginHost, HostValuesAreClampedAndNaNIsIgnored) {
  HostedEffect& effect = NewEffect();
  EXPECT_EQ(0, effect.Apply("2", 1.5));
  EXPECT_DOUBLE_EQ(12.0, Values(effect).at(1));
  EXPECT_DOUBLE_EQ(1.0, effect.Read("2"));
  EXPECT_EQ(0, effect.Apply("2", -3.0));
  EXPECT_DOUBLE_EQ(-30.0, Values(effect).at(1));
  const int32_t changes = effect.ChangeCount();
  EXPECT_EQ(0, effect.Apply("2", std::numeric_limits<double>::quiet_NaN()));
  EXPECT_DOUBLE_EQ(-30.0, Values(effect).at(1));
  EXPECT_DOUBLE_EQ(0.0, effect.Read("2"));
  EXPECT_EQ(changes, effect.ChangeCount());
}

// --- state ----------------------------------------------------------------------

TEST_F(PluginHost, TheStateChunkHoldsTheDefaults) {
  HostedEffect& effect = NewEffect();
  EXPECT_EQ(kStateChunkId, effect.ChunkId());
  uint32_t id = 7;
  EXPECT_EQ(kInvalidChunkIndex, effect.Invoke(effect_slot::kChunkIdAt, int32_t{1}, &id));
  EXPECT_EQ(0u, id);
  EXPECT_EQ(96u, effect.ChunkSize());
  std::unique_ptr<HostChunk> chunk = effect.Save();
  ASSERT_TRUE(chunk);
  EXPECT_EQ(96, chunk->Size());
  EXPECT_EQ(Bytes(kDefaults), chunk->DataBytes());
  bool matches = false;
  EXPECT_EQ(0, effect.Invoke(effect_slot::kCompare, chunk->Record(), &matches));
  EXPECT_TRUE(matches);
}

TEST_F(PluginHost, StateTravelsIntoASecondInstance) {
  HostedEffect& first = NewEffect("A");
  ASSERT_EQ(0, first.Apply("4", 0.7));
  ASSERT_EQ(0, first.Apply("6", 1.0));
  ASSERT_EQ(0, first.Apply("8", 0.25));
  std::unique_ptr<HostChunk> saved = first.Save();
  ASSERT_TRUE(saved);

  HostedEffect& second = NewEffect("B");
  const int32_t changes = second.ChangeCount();
  EXPECT_EQ(0, second.Invoke(effect_slot::kLoad, kStateChunkId, saved->Record()));
  EXPECT_EQ(changes + 1, second.ChangeCount());
  EXPECT_EQ(saved->DataBytes(), second.Save()->DataBytes());
  // The host parameters follow once the host answers the requests.
  EXPECT_EQ(12u, Requests("controllerB").size());
  EXPECT_EQ(12, second.AnswerRequests());
  for (const char* id : {"4", "6", "8"}) EXPECT_DOUBLE_EQ(first.Read(id), second.Read(id)) << id;
}

TEST_F(PluginHost, AShortChunkRestoresWhatItHolds) {
  HostedEffect& effect = NewEffect();
  ASSERT_EQ(0, effect.Apply("3", 1.0));  // "Output" at 12 dB
  ASSERT_EQ(0, effect.Apply("4", 0.7));  // "Dry/Wet" at 70 %
  std::vector<uint8_t> data = Bytes({1.0, -12.0});
  data.insert(data.end(), {0xAA, 0xBB, 0xCC, 0xDD});
  HostChunk chunk(kStateChunkId, data);  // 20 bytes, nothing beyond them
  EXPECT_EQ(0, effect.Invoke(effect_slot::kLoad, kStateChunkId, chunk.Record()));
  std::vector<double> expected = kDefaults;
  expected[0] = 1.0;
  expected[1] = -12.0;
  expected[2] = 0.0;
  expected[3] = 70.0;
  EXPECT_EQ(expected, Values(effect));
  EXPECT_EQ(12u, Requests("controllerA").size());
}

TEST_F(PluginHost, ComparesWithinFloatPrecision) {
  HostedEffect& effect = NewEffect();
  std::vector<double> values = Values(effect);
  bool matches = false;
  values[6] += 1e-9;
  HostChunk close(kStateChunkId, Bytes(values));
  EXPECT_EQ(0, effect.Invoke(effect_slot::kCompare, close.Record(), &matches));
  EXPECT_TRUE(matches);
  values[6] += 1e-3;
  HostChunk far(kStateChunkId, Bytes(values));
  EXPECT_EQ(0, effect.Invoke(effect_slot::kCompare, far.Record(), &matches));
  EXPECT_FALSE(matches);
  HostChunk other(0x656C636Bu, Bytes(values));
  EXPECT_EQ(0, effect.Invoke(effect_slot::kCompare, other.Record(), &matches));
  EXPECT_TRUE(matches);
}

TEST_F(PluginHost, AChunkShorterThanTheStateDiffers) {
  HostedEffect& effect = NewEffect();
  HostChunk shortChunk(kStateChunkId, Bytes({0.0, 0.0}));  // 16 bytes, nothing beyond them
  bool matches = true;
  EXPECT_EQ(0, effect.Invoke(effect_slot::kCompare, shortChunk.Record(), &matches));
  EXPECT_FALSE(matches);
}

TEST_F(PluginHost, AChunkOfNegativeSizeChangesNothing) {
  HostedEffect& effect = NewEffect();
  ASSERT_EQ(0, effect.Apply("4", 0.7));
  const std::vector<double> before = Values(effect);
  const int32_t changes = effect.ChangeCount();
  const size_t requests = Requests("controllerA").size();

  HostChunk negative(kStateChunkId, Bytes(kDefaults));
  negative.SetSize(-1);
  EXPECT_EQ(kIncorrectChunkSize, effect.Invoke(effect_slot::kLoad, kStateChunkId, negative.Record()));

  EXPECT_EQ(before, Values(effect));
  EXPECT_EQ(changes, effect.ChangeCount());
  EXPECT_EQ(requests, Requests("controllerA").size());
}

TEST_F(PluginHost, ALongerChunkRestoresItsFirst96Bytes) {
  HostedEffect& effect = NewEffect();
  std::vector<double> stored = kDefaults;
  stored[3] = 70.0;
  std::vector<uint8_t> longer = Bytes(stored);
  longer.push_back(0x7F);
  HostChunk padded(kStateChunkId, longer);  // 97 bytes
  EXPECT_EQ(0, effect.Invoke(effect_slot::kLoad, kStateChunkId, padded.Record()));
  EXPECT_EQ(stored, Values(effect));
}

TEST_F(PluginHost, PrivateDataTakesTheInstanceOnlyWhereItFits) {
  HostedEffect& effect = NewEffect();
  std::unique_ptr<unsigned char[]> small(new unsigned char[4]);
  std::memset(small.get(), 0xAB, 4);
  EXPECT_EQ(0, effect.Invoke(effect_slot::kInitPrivate, int32_t{8}, static_cast<void*>(small.get()),
                             int32_t{4}));
  EXPECT_EQ(std::vector<unsigned char>(4, 0xAB), std::vector<unsigned char>(small.get(), small.get() + 4));

  unsigned char large[16];
  std::memset(large, 0xAB, sizeof large);
  EXPECT_EQ(0, effect.Invoke(effect_slot::kInitPrivate, int32_t{8}, static_cast<void*>(large),
                             int32_t{16}));
  EXPECT_EQ(0, std::memcmp(large, effect.Context().privateData, 8));
  EXPECT_EQ(0xAB, large[8]);

  unsigned char other[4] = {1, 2, 3, 4};
  EXPECT_EQ(0, effect.Invoke(effect_slot::kInitPrivate, int32_t{5}, static_cast<void*>(other),
                             int32_t{4}));
  EXPECT_EQ(std::vector<unsigned char>(4, 0), std::vector<unsigned char>(other, other + 4));
  EXPECT_THAT(session->Assertions(),
              ElementsAre("AAX_CIPlugParameters 10 iDataSize == sizeof(AAX_SIPlugPrivateData)",
                          "AAX_CIPlugParameters 10 iDataSize == sizeof(AAX_SIPlugPrivateData)"));
}

// --- rendering ------------------------------------------------------------------

TEST_F(PluginHost, TheChorusIsPresentWithTheDefaults) {
  HostedEffect& effect = NewEffect();
  ApplyAll(effect);
  const vo::AudioData signal = vo::MakeTestSignal(44100, 1.0);
  const int block = 512;
  std::vector<float> in, out;
  Buffers input(2, block, 0.0f), output(2, block, 0.0f);
  for (int start = 0; start + block <= signal.Frames(); start += block) {
    for (int c = 0; c < 2; ++c)
      for (int i = 0; i < block; ++i) input.samples[c][i] = static_cast<float>(signal.samples[c][start + i]);
    effect.Render(input.Pointers(), output.Pointers(), block);
    in.insert(in.end(), input.samples[0].begin(), input.samples[0].end());
    out.insert(out.end(), output.samples[0].begin(), output.samples[0].end());
  }
  for (float sample : out) ASSERT_TRUE(std::isfinite(sample));
  const std::vector<float> silence(in.size(), 0.0f);
  const double level = Rms(in, silence);
  EXPECT_GT(Rms(out, silence), 0.3 * level);
  // Not the dry signal: the modulated delay is mixed in.
  EXPECT_GT(Rms(out, in), 0.4 * level);
  EXPECT_THAT(session->host.Places("nodeA"), testing::Contains("nodeA.node[4]"));
}

TEST_F(PluginHost, BypassGivesTheInputBitForBit) {
  HostedEffect& effect = NewEffect();
  ApplyAll(effect);
  ASSERT_EQ(0, effect.Apply("", 1.0));
  Buffers input(2, 256, 0.0f), output(2, 256, 9.0f);
  for (int i = 0; i < 256; ++i) {
    input.samples[0][i] = std::sin(0.05f * i) * 0.7f;
    input.samples[1][i] = 1.0f / (i + 3);
  }
  effect.Render(input.Pointers(), output.Pointers(), 256);
  EXPECT_EQ(input.samples, output.samples);
}

TEST_F(PluginHost, AMonoStemUsesChannelZeroOnly) {
  HostedEffect& effect = NewEffect();
  ApplyAll(effect);
  effect.inputStem = effect.outputStem = 0x00000001;
  Buffers input(1, 512, 0.5f), output(1, 512, 9.0f);  // one pointer each, nothing beyond
  effect.Render(input.Pointers(), output.Pointers(), 512);
  EXPECT_NE(9.0f, output.samples[0][100]);
  for (float sample : output.samples[0]) ASSERT_TRUE(std::isfinite(sample));
}

TEST_F(PluginHost, TwoContextsRenderInArrayOrder) {
  HostedEffect& first = NewEffect("A");
  HostedEffect& second = NewEffect("B");
  Buffers inA(2, 128, 0.25f), outA(2, 128, 9.0f), inB(2, 128, -0.25f), outB(2, 128, 9.0f);
  first.Context().fields[0] = inA.Pointers();
  first.Context().fields[1] = outA.Pointers();
  first.Context().blockLength = 128;
  second.Context().fields[0] = inB.Pointers();
  second.Context().fields[1] = outB.Pointers();
  second.Context().blockLength = 128;
  session->host.ClearTranscript();
  HostedEffect::RenderAll(*session, {&second.Context(), &first.Context()});
  std::vector<std::string> stemQueries;
  for (const Call& call : session->host.Calls())
    if (call.face == "V1" && call.slot == 5) stemQueries.push_back(call.object);
  EXPECT_THAT(stemQueries, ElementsAre("controllerB", "controllerA"));
  EXPECT_NE(9.0f, outA.samples[1][64]);
  EXPECT_NE(9.0f, outB.samples[1][64]);
}

TEST_F(PluginHost, ContextsWithoutAnInstanceGiveSilence) {
  HostedEffect& effect = NewEffect();
  HostedEffect& unset = NewEffect("B");
  std::memset(unset.Context().privateData, 0, 8);  // the host's block before InitPrivateData
  HostRenderContext noPrivateData;
  Buffers input(2, 64, 0.25f), unsetOut(2, 64, 9.0f), noDataOut(2, 64, 9.0f), output(2, 64, 9.0f);
  unset.Context().fields[1] = unsetOut.Pointers();
  noPrivateData.fields[1] = noDataOut.Pointers();
  for (HostRenderContext* context : {&unset.Context(), &noPrivateData}) {
    context->fields[0] = input.Pointers();
    context->blockLength = 64;
  }
  noPrivateData.fields[3] = &noPrivateData.blockLength;
  noPrivateData.fields[8] = nullptr;
  effect.Context().fields[0] = input.Pointers();
  effect.Context().fields[1] = output.Pointers();
  effect.Context().blockLength = 64;
  HostedEffect::RenderAll(*session, {nullptr, &noPrivateData, &unset.Context(), &effect.Context()});
  // Without an instance the channel configuration is unknown: the output
  // that both configurations have is silenced, the second is not touched.
  for (Buffers* silenced : {&unsetOut, &noDataOut}) {
    EXPECT_EQ(Buffers(1, 64, 0.0f).samples[0], silenced->samples[0]);
    EXPECT_EQ(Buffers(1, 64, 9.0f).samples[0], silenced->samples[1]);
  }
  EXPECT_NE(9.0f, output.samples[0][10]);
}

TEST_F(PluginHost, AControllerThatNamesNoStemsGetsSilence) {
  HostedEffect& effect = NewEffect();
  ApplyAll(effect);
  effect.inputStem = effect.outputStem = 0;
  Buffers input(2, 64, 0.25f), output(2, 64, 9.0f);
  effect.Render(input.Pointers(), output.Pointers(), 64);
  // The binding named the stereo stem: both of its outputs are silent.
  EXPECT_EQ(Buffers(2, 64, 0.0f).samples, output.samples);
  // Bypassed, the same.
  ASSERT_EQ(0, effect.Apply("", 1.0));
  for (auto& channel : output.samples) std::fill(channel.begin(), channel.end(), 9.0f);
  effect.Render(input.Pointers(), output.Pointers(), 64);
  EXPECT_EQ(Buffers(2, 64, 0.0f).samples, output.samples);
}

TEST_F(PluginHost, RenderingBeforeBindingAndAfterUnbindingGivesSilence) {
  HostedEffect& effect = NewEffect("A", false);
  Buffers input(2, 64, 0.25f), output(2, 64, 9.0f);
  effect.Render(input.Pointers(), output.Pointers(), 64);
  // Before any binding only the output every configuration has is known.
  EXPECT_EQ(Buffers(1, 64, 0.0f).samples[0], output.samples[0]);
  ASSERT_EQ(0, effect.Bind());
  ASSERT_EQ(0, effect.Apply("", 1.0));
  ASSERT_EQ(0, effect.Unbind());
  for (auto& channel : output.samples) std::fill(channel.begin(), channel.end(), 9.0f);
  effect.Render(input.Pointers(), output.Pointers(), 64);
  // The binding named the stereo stem: both outputs are silent.
  EXPECT_EQ(Buffers(2, 64, 0.0f).samples, output.samples);
}

TEST_F(PluginHost, BlocksOfImpossibleLengthAreNotProcessed) {
  HostedEffect& effect = NewEffect();
  Buffers input(2, 64, 0.25f), output(2, 64, 9.0f);
  for (int32_t frames : {0, -5}) {
    effect.Render(input.Pointers(), output.Pointers(), frames);
    EXPECT_EQ(Buffers(2, 64, 9.0f).samples, output.samples) << frames;
  }
  const int frames = kMaxBlockFrames + 1;
  Buffers hugeIn(2, frames, 0.25f), hugeOut(2, frames, 9.0f);
  effect.Render(hugeIn.Pointers(), hugeOut.Pointers(), frames);
  EXPECT_EQ(Buffers(2, frames, 0.0f).samples, hugeOut.samples);
  // A normal block afterwards is processed as usual.
  effect.Render(input.Pointers(), output.Pointers(), 64);
  EXPECT_NE(9.0f, output.samples[0][10]);
}

// --- teardown -------------------------------------------------------------------

TEST_F(PluginHost, UnbindingAndReleaseGiveEverythingBack) {
  HostedEffect& effect = NewEffect();
  Buffers input(2, 64, 0.25f), output(2, 64, 0.0f);
  effect.Render(input.Pointers(), output.Pointers(), 64);
  EXPECT_GT(effect.controller->Outstanding(), 0);
  EXPECT_EQ(0, effect.Unbind());
  EXPECT_EQ(0, effect.controller->Outstanding());
  EXPECT_EQ(0, effect.Count());
  EXPECT_EQ(1, session->entry.canUnloadNow(nullptr));
  EXPECT_EQ(0u, effect.Release());
  EXPECT_EQ(0, session->entry.canUnloadNow(nullptr));
}

}  // namespace
}  // namespace fakehost
