#pragma once
// A plug-in on IPlugBase for tests: it plays the format wrapper's part by
// recording what the framework tells the host, answers the transport queries
// from a record the test fills, and lets a test hook into block processing.
// Recording allocates; the recorders are written only on the threads and
// under the locks on which the framework calls the hooks.

#include <functional>
#include <vector>

#include "IPlugBase.h"

namespace vo {

struct TestPlugOptions {
  int nParams = 12;
  const char* channelIO = "1-1 2-2";
  int nPresets = 1;
  int latency = 0;
  bool acceptsMidi = false;
  bool multiOutput = false;
  int apiId = kApiAax;
  // Do what a format wrapper's constructor does: connect every channel and
  // create the bypass delay.
  bool wrapperSetUp = true;
};

class TestPlug : public IPlugBase {
 public:
  struct HostCall {
    enum Kind { kBegin, kInform, kEnd } kind;
    int index;
    double value;
  };
  struct ContextMenu {
    int index;
    int x;
    int y;
  };
  struct Change {
    int index;
    int source;
  };
  using ProcessHook = std::function<void(double** inputs, double** outputs, int frames)>;

  explicit TestPlug(const TestPlugOptions& options = TestPlugOptions());

  // Records (index, source), then runs the base (takes the mutex).
  void ParameterChanged(int paramIndex, int source) override;
  // Counts the call, then runs processHook or the base pass-through.
  void ProcessDoubleBlock(double** inputs, double** outputs, int nFrames) override;

  void BeginInformHostOfParamChange(int paramIndex) override;
  void InformHostOfParamChange(int paramIndex, double normalized) override;
  void EndInformHostOfParamChange(int paramIndex) override;
  int GetTransportSamplePosition() override { return static_cast<int>(transport.mSamplePos); }
  double GetTransportTempo() override { return transport.mTempo; }
  void GetTransportTimeSignature(int* numerator, int* denominator) override;
  void GetTransportInfo(TransportInfo* info) override { *info = transport; }
  void InformHostOfEditorResize(int width, int height) override;
  // Editor thread: recorded like the host calls.
  void ShowHostContextMenu(int paramIndex, int x, int y) override { contextMenus.push_back({paramIndex, x, y}); }
  void OnEditorIdle() override { ++editorIdleCalls; }
  // Records the message; answers false like the real wrappers.
  bool ForwardMidiMessage(IMidiShortMessage* message) override;

  // The channel slot arrays, as ProcessDoubleBlock receives them.
  double** InputSlotsForTest() const { return InputSlots(); }
  double** OutputSlotsForTest() const { return OutputSlots(); }

  std::vector<HostCall> hostCalls;
  std::vector<Change> changes;
  std::vector<ContextMenu> contextMenus;
  int editorIdleCalls = 0;
  std::vector<IMidiShortMessage> midiMessages;
  int processCalls = 0;
  int lastResizeWidth = 0;
  int lastResizeHeight = 0;
  TransportInfo transport;
  ProcessHook processHook;
};

}  // namespace vo
