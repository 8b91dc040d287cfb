// How the parameters drive the chorus engine.
#include <gtest/gtest.h>

#include <cmath>

#include "PluginTestUtil.h"

using namespace vo_test;

TEST(PluginEngine, GainsComeFromDecibels) {
  auto plug = MakePlugin();
  SetParam(*plug, VimbraOndelino::kInput, -30.0);
  EXPECT_NEAR(plug->Chorus().mInputGain, std::pow(10.0, -1.5), 1e-12);
  SetParam(*plug, VimbraOndelino::kInput, 12.0);
  EXPECT_NEAR(plug->Chorus().mInputGain, std::pow(10.0, 0.6), 1e-12);
  SetParam(*plug, VimbraOndelino::kOutput, -30.0);
  EXPECT_NEAR(plug->Chorus().mOutputGain, std::pow(10.0, -1.5), 1e-12);
}

TEST(PluginEngine, MixAndWidthAreNormalised) {
  auto plug = MakePlugin();
  SetParam(*plug, VimbraOndelino::kDryWet, 50.0);
  EXPECT_DOUBLE_EQ(plug->Chorus().mWetGain, 0.5);
  EXPECT_DOUBLE_EQ(plug->Chorus().mDryGain, 0.5);
  EXPECT_DOUBLE_EQ(plug->Chorus().GetMix(), 1.0);  // the base mix stays neutral
  SetParam(*plug, VimbraOndelino::kWide, 25.0);
  EXPECT_DOUBLE_EQ(plug->Chorus().mWidth, 0.25);
}

TEST(PluginEngine, ModesAndRates) {
  auto plug = MakePlugin();
  Prepare(*plug);  // "Mode I" on, "Mode II" off
  const Ondelino& chorus = plug->Chorus();
  EXPECT_TRUE(chorus.mModeI);
  EXPECT_FALSE(chorus.mModeII);
  EXPECT_DOUBLE_EQ(chorus.mLfo.mStoredFrequency, 0.5);

  // The rate of the inactive mode is only stored.
  SetParam(*plug, VimbraOndelino::kModeIIRate, 1.7);
  EXPECT_DOUBLE_EQ(chorus.mModeIIRate, 1.7);
  EXPECT_DOUBLE_EQ(chorus.mLfo.mStoredFrequency, 0.5);

  SetParam(*plug, VimbraOndelino::kModeII, 1.0);
  EXPECT_TRUE(chorus.mBothModes);
  EXPECT_DOUBLE_EQ(chorus.mLfo.mStoredFrequency, 8.0);
  EXPECT_TRUE(chorus.mLfo.mExtraSmoothing);

  SetParam(*plug, VimbraOndelino::kModeI, 0.0);
  EXPECT_DOUBLE_EQ(chorus.mLfo.mStoredFrequency, 1.7);
  SetParam(*plug, VimbraOndelino::kModeII, 0.0);
  EXPECT_TRUE(chorus.mWetMuted);
}

TEST(PluginEngine, AnalogSwitchesReachBothDelayLines) {
  auto plug = MakePlugin();
  SetParam(*plug, VimbraOndelino::kAnalogEmu, 0.0);
  SetParam(*plug, VimbraOndelino::kAnalogHiss, 0.0);
  const Ondelino& chorus = plug->Chorus();
  EXPECT_FALSE(chorus.mAnalogEmu);
  EXPECT_FALSE(chorus.mAnalogHiss);
  for (const DelayLine& line : chorus.mDelayLines) {
    EXPECT_FALSE(line.mAnalog);
    EXPECT_FALSE(line.mHiss);
  }
  SetParam(*plug, VimbraOndelino::kAnalogEmu, 1.0);
  EXPECT_TRUE(chorus.mDelayLines[1].mAnalog);
}

TEST(PluginEngine, OversampleRunsTheChorusAtTwiceTheRate) {
  auto plug = MakePlugin();
  Prepare(*plug, 48000.0);
  EXPECT_EQ(plug->Chorus().GetOversampling(), 1);
  EXPECT_EQ(plug->Chorus().mLfo.mSampleRate, 48000);
  SetParam(*plug, VimbraOndelino::kOversample, 1.0);
  EXPECT_EQ(plug->Chorus().GetOversampling(), 2);
  EXPECT_EQ(plug->Chorus().mLfo.mSampleRate, 96000);
  SetParam(*plug, VimbraOndelino::kOversample, 0.0);
  EXPECT_EQ(plug->Chorus().mLfo.mSampleRate, 48000);
}

TEST(PluginEngine, ResetHandsTheHostRateToTheEngine) {
  // A state restored before the host announces its rate (as VST3 hosts do):
  // the reset then configures the oscillator and the delay lines for the new
  // rate; a reset at the same rate (a new block size) leaves the oscillator's
  // smoothing alone.
  auto plug = MakePlugin();
  SetParam(*plug, VimbraOndelino::kModeI, 1.0);  // 0.5 Hz
  SetParam(*plug, VimbraOndelino::kOversample, 1.0);
  const Ondelino& chorus = plug->Chorus();
  struct Step {
    double hostRate;
    int rate, lfoRate;
  };
  const Step steps[] = {{44100.0, 44100, 88200}, {96000.7, 96000, 192000}, {22050.0, 22050, 44100}};
  for (const Step& step : steps) {
    plug->StoreSampleRate(step.hostRate);
    plug->ResetProcessing();
    EXPECT_EQ(chorus.GetSampleRate(), step.rate);  // truncated
    EXPECT_EQ(chorus.mLfo.mSampleRate, step.lfoRate);
    EXPECT_EQ(chorus.mLfo.mPeriod, 2 * step.lfoRate);
  }
  RunBlocks(*plug, Stereo(64, 0.5f), 64);
  const double smoothed = chorus.mLfo.mSmoother1.state;
  EXPECT_NE(smoothed, 0.0);
  plug->ResetProcessing();
  EXPECT_EQ(chorus.mLfo.mSmoother1.state, smoothed);
}

TEST(PluginEngine, UnknownParameterIndexIsIgnored) {
  auto plug = MakePlugin();
  plug->ParameterChanged(12, kSourceHost);
  plug->ParameterChanged(-1, kSourceHost);
  EXPECT_DOUBLE_EQ(plug->Chorus().mInputGain, 1.0);
}
