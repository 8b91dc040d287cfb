#include "HostlessWrapper.h"

HostlessWrapper::HostlessWrapper(int nParams, const char* channelIO, int nPresets, const char* effectName,
                                 const char* productName, const char* makerName, int version, int uniqueId,
                                 int makerId, int latency, bool acceptsMidi, bool multiOutput)
    : IPlugBase(nParams, channelIO, nPresets, effectName, productName, makerName, version, uniqueId, makerId,
                latency, acceptsMidi, multiOutput, kApiAax) {
  SetInputConnections(0, NInChannels(), true);
  SetOutputConnections(0, NOutChannels(), true);
  if (NInChannels() > 0) CreateLatencyDelay();
}

void HostlessWrapper::BeginInformHostOfParamChange(int paramIndex) {
  hostCalls.push_back({HostCall::kBegin, paramIndex, 0.0});
}

void HostlessWrapper::InformHostOfParamChange(int paramIndex, double normalized) {
  hostCalls.push_back({HostCall::kInform, paramIndex, normalized});
}

void HostlessWrapper::EndInformHostOfParamChange(int paramIndex) {
  hostCalls.push_back({HostCall::kEnd, paramIndex, 0.0});
}

void HostlessWrapper::GetTransportTimeSignature(int* numerator, int* denominator) {
  *numerator = 4;
  *denominator = 4;
}

void HostlessWrapper::GetTransportInfo(TransportInfo* info) {
  *info = TransportInfo();
  info->mTempo = 120.0;
}

void HostlessWrapper::ProcessHostBlock(float* const* inputs, float* const* outputs, int frames) {
  if (frames < 1) return;
  MutexLock lock(GetMutex());
  if (frames > GetBlockFrames()) SetBlockFrames(frames);
  SetInputConnections(0, NInChannels(), true);
  SetOutputConnections(0, NOutChannels(), true);
  AttachInputSamples(0, NInChannels(), inputs, frames);
  AttachOutputSamples(0, NOutChannels(), outputs);
  RunBlock(frames);
}
