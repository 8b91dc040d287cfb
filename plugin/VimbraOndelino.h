#pragma once
// The VimbraOndelino plug-in: its identity, its twelve parameters, the chorus
// engine they drive and the per-block audio callback. The class derives from
// the format wrapper of the deliverable being built (PluginWrapper.h comes from
// the wrapper's folder), and uses only the IPlugBase side of it.

#include "PluginWrapper.h"
#include "Ondelino.h"

class VimbraOndelino : public PluginWrapper {
 public:
  enum Param {
    kOversample = 0,
    kInput,
    kOutput,
    kDryWet,
    kModeI,
    kModeII,
    kModeIRate,
    kModeIIRate,
    kModeBothRate,
    kWide,
    kAnalogEmu,
    kAnalogHiss,
    kNumParams
  };

  // Creating thread (the host's, under the factory's lock); allocates.
  VimbraOndelino();
  // Releasing thread; frees everything the instance owns.
  ~VimbraOndelino() override;

  // Host or state-restore thread; takes the plug-in mutex; no allocation.
  // Hands the host rate to the engine and resets its anti-alias filters; a
  // rate the oscillator and the delay lines are not set for yet reconfigures
  // them as an "Oversample" change does.
  void ResetProcessing() override;
  // Any thread that changes parameters; takes the plug-in mutex; no allocation.
  void ParameterChanged(int paramIndex, int changeSource) override;
  // Audio thread, inside the wrapper's hold of the plug-in mutex. Allocates
  // only when a block is longer than any before it.
  void ProcessDoubleBlock(double** inputs, double** outputs, int nFrames) override;

  // Read access for tests and tools.
  const Ondelino& Chorus() const { return mChorus; }
  double InputMeterLevel() const { return mInMeterLevel; }
  double OutputMeterLevel() const { return mOutMeterLevel; }
  int MeterBlocksPerSecond() const { return mMeterBlocksPerSecond; }
  // The editor's control indexes of the input and output meters (-1 without
  // an editor).
  int InputMeterControl() const { return mInMeterControl; }
  int OutputMeterControl() const { return mOutMeterControl; }

 private:
  // Not named SetUpParameters: the AAX wrapper's base has a host hook of
  // that name.
  void DefineParameters();
  // Creating thread; allocates. The editor with its images and fifteen
  // controls, connected to the plug-in (VimbraOndelinoEditor.cpp).
  void BuildEditor();
  // Audio thread, end of a block: both meter values into the editor, then
  // every control marked for redraw. No lock (the wrapper holds the plug-in
  // mutex), no allocation; nothing without an editor.
  void ShowMeters();
  void UpdateMeterCoefficients(int nFrames);
  static void SmoothMeter(double peak, double rising, double falling, double* level);

  Ondelino mChorus;
  double mInMeterLevel = 0.0;
  double mOutMeterLevel = 0.0;
  // Meter coefficients, derived from the block size and sample rate.
  int mMeterBlocksPerSecond = 0;
  double mMeterReach300ms = 0.0;  // both meters' rise, the output meter's fall
  double mInMeterFalling = 0.0;
  int mInMeterControl = -1;
  int mOutMeterControl = -1;
  int mLastBlockSize = 0;
  // Interleaved stereo copy of the block; lives between blocks and only grows.
  Dsp::AlignedBuffer mInterleaved;
};

// Creates one instance under a process-wide creation lock. Any thread.
VimbraOndelino* CreatePluginInstance();
