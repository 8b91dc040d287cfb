#include "TestPlug.h"

namespace vo {
namespace {
// Identity of the test plug-in; the values only need to be recognisable.
constexpr int kTestVersion = 0x00010200;
constexpr int kTestUniqueId = ('T' << 24) | ('s' << 16) | ('t' << 8) | 'P';
constexpr int kTestMakerId = ('T' << 24) | ('s' << 16) | ('t' << 8) | 'M';
}  // namespace

TestPlug::TestPlug(const TestPlugOptions& options)
    : IPlugBase(options.nParams, options.channelIO, options.nPresets, "TestPlug", "TestProduct", "TestMaker",
                kTestVersion, kTestUniqueId, kTestMakerId, options.latency, options.acceptsMidi,
                options.multiOutput, options.apiId) {
  if (options.wrapperSetUp) {
    SetInputConnections(0, NInChannels(), true);
    SetOutputConnections(0, NOutChannels(), true);
    CreateLatencyDelay();
  }
}

void TestPlug::ParameterChanged(int paramIndex, int source) {
  changes.push_back({paramIndex, source});
  IPlugBase::ParameterChanged(paramIndex, source);
}

void TestPlug::ProcessDoubleBlock(double** inputs, double** outputs, int nFrames) {
  ++processCalls;
  if (processHook) {
    processHook(inputs, outputs, nFrames);
  } else {
    IPlugBase::ProcessDoubleBlock(inputs, outputs, nFrames);
  }
}

void TestPlug::BeginInformHostOfParamChange(int paramIndex) {
  hostCalls.push_back({HostCall::kBegin, paramIndex, 0.0});
}

void TestPlug::InformHostOfParamChange(int paramIndex, double normalized) {
  hostCalls.push_back({HostCall::kInform, paramIndex, normalized});
}

void TestPlug::EndInformHostOfParamChange(int paramIndex) { hostCalls.push_back({HostCall::kEnd, paramIndex, 0.0}); }

void TestPlug::GetTransportTimeSignature(int* numerator, int* denominator) {
  *numerator = transport.mNumerator;
  *denominator = transport.mDenominator;
}

void TestPlug::InformHostOfEditorResize(int width, int height) {
  lastResizeWidth = width;
  lastResizeHeight = height;
}

bool TestPlug::ForwardMidiMessage(IMidiShortMessage* message) {
  if (message) midiMessages.push_back(*message);
  return false;
}

}  // namespace vo
