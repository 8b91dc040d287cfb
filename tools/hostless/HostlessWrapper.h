#pragma once
// A format wrapper with no host behind it, for the render tool and the
// plug-in's tests. It does what a wrapper's constructor does (connects every
// channel, sizes nothing yet) and records what the plug-in tells its host.

#include <vector>

#include "IPlugBase.h"

class HostlessWrapper : public IPlugBase {
 public:
  struct HostCall {
    enum Kind { kBegin, kInform, kEnd } kind;
    int index;
    double value;
  };

  // Same identity arguments as the real wrappers take.
  HostlessWrapper(int nParams, const char* channelIO, int nPresets, const char* effectName,
                  const char* productName, const char* makerName, int version, int uniqueId, int makerId,
                  int latency, bool acceptsMidi, bool multiOutput);

  // Editor thread; recorded (allocates).
  void BeginInformHostOfParamChange(int paramIndex) override;
  void InformHostOfParamChange(int paramIndex, double normalized) override;
  void EndInformHostOfParamChange(int paramIndex) override;
  // Audio thread; no transport: position 0, 120 bpm, 4/4.
  int GetTransportSamplePosition() override { return 0; }
  double GetTransportTempo() override { return 120.0; }
  void GetTransportTimeSignature(int* numerator, int* denominator) override;
  void GetTransportInfo(TransportInfo* info) override;
  void InformHostOfEditorResize(int width, int height) override {}
  bool ForwardMidiMessage(IMidiShortMessage* message) override { return false; }

  // Runs one block of 32-bit stereo audio the way a host-driven wrapper does:
  // under the plug-in mutex, connect, size, attach, process, convert back.
  // Audio thread; allocates only when the block is longer than any before.
  void ProcessHostBlock(float* const* inputs, float* const* outputs, int frames);

  std::vector<HostCall> hostCalls;
};
