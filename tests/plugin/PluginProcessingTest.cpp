// The audio callback: routing through the chorus, meters, block sizes and
// real-time behaviour, driven through the framework's block entry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "AllocationCounter.h"
#include "PluginTestUtil.h"
#include "TestSignal.h"

using namespace vo_test;

TEST(PluginProcessing, WidthZeroGivesMonoOutput) {
  auto plug = MakePlugin();
  Prepare(*plug);
  MakeDeterministic(*plug);
  SetParam(*plug, VimbraOndelino::kWide, 0.0);
  Stereo in(2048);
  for (size_t i = 0; i < in.l.size(); ++i) {
    in.l[i] = static_cast<float>(std::sin(i * 0.05));
    in.r[i] = static_cast<float>(std::cos(i * 0.031));
  }
  const Stereo out = RunBlocks(*plug, in, 512);
  double energy = 0.0;
  for (size_t i = 0; i < out.l.size(); ++i) {
    ASSERT_EQ(out.l[i], out.r[i]) << i;
    energy += out.l[i] * out.l[i];
  }
  EXPECT_GT(energy, 1.0);
}

TEST(PluginProcessing, BothModesOffLeaveNoDelayedSignal) {
  auto plug = MakePlugin();
  Prepare(*plug);
  MakeDeterministic(*plug);
  SetParam(*plug, VimbraOndelino::kModeI, 0.0);
  SetParam(*plug, VimbraOndelino::kModeII, 0.0);
  Stereo in(1024);
  in.l[0] = in.r[0] = 1.0f;
  const Stereo out = RunBlocks(*plug, in, 512);
  EXPECT_FLOAT_EQ(out.l[0], 0.5f);  // the dry half of "Dry/Wet" 50
  EXPECT_FLOAT_EQ(out.r[0], 0.5f);
  for (size_t i = 1; i < out.l.size(); ++i) {
    ASSERT_EQ(out.l[i], 0.0f) << i;
    ASSERT_EQ(out.r[i], 0.0f) << i;
  }
}

TEST(PluginProcessing, ModeIOnCarriesTheDelayedImpulse) {
  auto plug = MakePlugin();
  Prepare(*plug);
  MakeDeterministic(*plug);
  Stereo in(1024);
  in.l[0] = in.r[0] = 1.0f;
  const Stereo out = RunBlocks(*plug, in, 512);
  double late = 0.0;
  for (size_t i = 60; i < 260; ++i) late += std::fabs(out.l[i]);
  EXPECT_GT(late, 0.1);  // the delayed copy within 144.7 +- 66.15 frames
}

TEST(PluginProcessing, MetersFollowTheBlockSize) {
  auto plug = MakePlugin();
  Prepare(*plug);
  Stereo in(512, 0.25f);
  RunBlocks(*plug, in, 512);
  EXPECT_EQ(plug->MeterBlocksPerSecond(), 86);
  EXPECT_GT(plug->InputMeterLevel(), 0.0);
  EXPECT_GT(plug->OutputMeterLevel(), 0.0);

  // A new block size restarts both meters before the block is measured: one
  // block of 256 frames lands exactly one step above 0.
  plug->ProcessHostBlock(nullptr, nullptr, 0);
  Stereo small(256, 0.25f);
  RunBlocks(*plug, small, 256);
  EXPECT_EQ(plug->MeterBlocksPerSecond(), 172);
  const double rising = std::pow(0.01, 1.0 / (172 * 300 * 0.001));
  EXPECT_NEAR(plug->InputMeterLevel(), (1.0 - rising) * 0.25, 1e-9);
}

TEST(PluginProcessing, InputMeterReachesOnePercentOfThePeakInAbout300ms) {
  auto plug = MakePlugin();
  Prepare(*plug);
  const double peak = 0.5;
  Stereo block(256, static_cast<float>(peak));
  // 172 blocks a second: 300 ms are 51.6 blocks.
  for (int k = 1; k <= 52; ++k) {
    RunBlocks(*plug, block, 256);
    const double gap = (peak - plug->InputMeterLevel()) / peak;
    if (k == 50) {
      EXPECT_GT(gap, 0.01) << "at 290 ms";
    }
    if (k == 52) {
      EXPECT_LE(gap, 0.01) << "at 302 ms";
    }
  }
}

TEST(PluginProcessing, EmptyBlockLeavesOutputsUntouched) {
  auto plug = MakePlugin();
  Prepare(*plug);
  double inL[4] = {1, 1, 1, 1}, inR[4] = {1, 1, 1, 1};
  double outL[4] = {7, 7, 7, 7}, outR[4] = {7, 7, 7, 7};
  double* ins[2] = {inL, inR};
  double* outs[2] = {outL, outR};
  plug->ProcessDoubleBlock(ins, outs, 0);
  plug->ProcessDoubleBlock(ins, outs, -5);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(outL[i] + outR[i], 14.0);
}

TEST(PluginProcessing, NoAllocationAfterTheFirstBlockOfASize) {
  auto plug = MakePlugin();
  Prepare(*plug);
  for (const double oversample : {0.0, 1.0}) {
    SetParam(*plug, VimbraOndelino::kOversample, oversample);
    Stereo in(512, 0.1f), out(512);
    float* ins[2] = {in.l.data(), in.r.data()};
    float* outs[2] = {out.l.data(), out.r.data()};
    plug->ProcessHostBlock(ins, outs, 512);  // the first block of this size may allocate
    AllocationCounter counter;
    for (int i = 0; i < 8; ++i) plug->ProcessHostBlock(ins, outs, 512);
    plug->ProcessHostBlock(ins, outs, 300);  // shorter blocks fit the buffers already there
    EXPECT_EQ(counter.Allocations(), 0) << "oversample " << oversample;
  }
}

TEST(PluginProcessing, ABlockThatCannotBeInterleavedIsSilentNotTheLastOneAgain) {
  auto plug = MakePlugin();
  Prepare(*plug);
  plug->SetBlockFrames(1024);  // the host's buffers are ready for the longer block
  Stereo in(1024, 0.25f), out(1024);
  float* ins[2] = {in.l.data(), in.r.data()};
  float* outs[2] = {out.l.data(), out.r.data()};
  plug->ProcessHostBlock(ins, outs, 256);
  ASSERT_NE(out.l[10], 0.0f);  // the dry half of the input at least

  // The longer block needs a larger interleave buffer, which cannot be had.
  std::fill(out.l.begin(), out.l.end(), 7.0f);
  std::fill(out.r.begin(), out.r.end(), 7.0f);
  {
    AllocationFailure noMemory;
    plug->ProcessHostBlock(ins, outs, 1024);
  }
  for (int i = 0; i < 1024; ++i) {
    ASSERT_EQ(out.l[i], 0.0f) << i;
    ASSERT_EQ(out.r[i], 0.0f) << i;
  }
  // With memory back, the same block is processed again.
  plug->ProcessHostBlock(ins, outs, 1024);
  EXPECT_NE(out.l[1000], 0.0f);
}

TEST(PluginProcessing, TestSignalInEachModeIsFiniteAudibleAndChanged) {
  const vo::AudioData signal = vo::MakeTestSignal(44100, 1.0);
  Stereo in(signal.Frames());
  for (int i = 0; i < signal.Frames(); ++i) {
    in.l[i] = static_cast<float>(signal.samples[0][i]);
    in.r[i] = static_cast<float>(signal.samples[1][i]);
  }
  const struct {
    double modeI, modeII, oversample;
  } settings[] = {{1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 1}};
  for (const auto& s : settings) {
    SCOPED_TRACE(testing::Message() << s.modeI << s.modeII << s.oversample);
    auto plug = MakePlugin();
    plug->GetParam(VimbraOndelino::kModeI)->RestoreValue(s.modeI);
    plug->GetParam(VimbraOndelino::kModeII)->RestoreValue(s.modeII);
    plug->GetParam(VimbraOndelino::kOversample)->RestoreValue(s.oversample);
    Prepare(*plug);
    const Stereo out = RunBlocks(*plug, in, 512);
    double energy = 0.0, difference = 0.0;
    for (size_t i = 0; i < out.l.size(); ++i) {
      ASSERT_TRUE(std::isfinite(out.l[i]) && std::isfinite(out.r[i]));
      energy += out.l[i] * out.l[i] + out.r[i] * out.r[i];
      difference += std::fabs(out.l[i] - in.l[i]) + std::fabs(out.r[i] - in.r[i]);
    }
    EXPECT_GT(energy, 100.0);
    EXPECT_GT(difference / out.l.size(), 0.01);
  }
}

// Host rates used for speech and games: with the delay lines' sections held
// below half the processing rate, the default plug-in (hiss and saturation
// on) gives finite output at about the input's level, with and without
// "Oversample".
TEST(PluginProcessing, LowHostRatesGiveFiniteOutputAtTheInputLevel) {
  for (const int rate : {8000, 11025, 16000, 22050}) {
    const vo::AudioData signal = vo::MakeTestSignal(rate, 2.0);
    Stereo in(signal.Frames());
    double inEnergy = 0.0;
    for (int i = 0; i < signal.Frames(); ++i) {
      in.l[i] = static_cast<float>(signal.samples[0][i]);
      in.r[i] = static_cast<float>(signal.samples[1][i]);
      inEnergy += double(in.l[i]) * in.l[i] + double(in.r[i]) * in.r[i];
    }
    for (const double oversample : {0.0, 1.0}) {
      SCOPED_TRACE(testing::Message() << rate << " Hz, oversample " << oversample);
      auto plug = MakePlugin();
      plug->GetParam(VimbraOndelino::kOversample)->RestoreValue(oversample);
      Prepare(*plug, rate);
      const Stereo out = RunBlocks(*plug, in, 512);
      double outEnergy = 0.0;
      for (size_t i = 0; i < out.l.size(); ++i) {
        ASSERT_TRUE(std::isfinite(out.l[i]) && std::isfinite(out.r[i])) << i;
        outEnergy += double(out.l[i]) * out.l[i] + double(out.r[i]) * out.r[i];
      }
      const double levelDb = 10.0 * std::log10(outEnergy / inEnergy);
      std::printf("%5d Hz, oversample %.0f: output level %+.2f dB from the input's\n", rate, oversample, levelDb);
      EXPECT_LT(std::fabs(levelDb), 4.0);
    }
  }
}

// NaN and infinite host samples are silence, and the largest finite floats at
// the highest gains saturate rather than overflow the 32-bit output: every
// output sample is finite, with "Analog Emu." and "Oversample" off and on.
TEST(PluginProcessing, AnyInputGivesFiniteOutput) {
  const float inf = std::numeric_limits<float>::infinity();
  const float bad[] = {std::numeric_limits<float>::quiet_NaN(), inf, -inf};
  for (const double emu : {0.0, 1.0})
    for (const double oversample : {0.0, 1.0}) {
      SCOPED_TRACE(testing::Message() << "emu " << emu << " oversample " << oversample);
      auto withBad = MakePlugin(), withZeros = MakePlugin(), withHuge = MakePlugin();
      for (VimbraOndelino* plug : {withBad.get(), withZeros.get(), withHuge.get()}) {
        Prepare(*plug);
        SetParam(*plug, VimbraOndelino::kAnalogHiss, 0.0);
        SetParam(*plug, VimbraOndelino::kAnalogEmu, emu);
        SetParam(*plug, VimbraOndelino::kOversample, oversample);
      }
      SetParam(*withHuge, VimbraOndelino::kInput, 12.0);
      SetParam(*withHuge, VimbraOndelino::kOutput, 12.0);
      Stereo in(4096, 0.25f), zeros(4096, 0.25f), huge(4096, std::numeric_limits<float>::max());
      for (size_t i = 0; i < 3; ++i) {
        in.l[100 + i] = in.r[200 + i] = bad[i];
        zeros.l[100 + i] = zeros.r[200 + i] = 0.0f;
        huge.r[i] = -std::numeric_limits<float>::max();
      }
      const Stereo out = RunBlocks(*withBad, in, 512), expected = RunBlocks(*withZeros, zeros, 512);
      const Stereo hugeOut = RunBlocks(*withHuge, huge, 512);
      for (size_t i = 0; i < out.l.size(); ++i) {
        ASSERT_TRUE(out.l[i] == expected.l[i] && out.r[i] == expected.r[i]) << i;
        ASSERT_TRUE(std::isfinite(out.l[i]) && std::isfinite(out.r[i])) << i;
        ASSERT_TRUE(std::isfinite(hugeOut.l[i]) && std::isfinite(hugeOut.r[i])) << i;
      }
    }
}
