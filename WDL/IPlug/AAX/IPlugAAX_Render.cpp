// The render call: one block of one instance, from the host's render
// context to the plug-in's block processing and back.

#include "IPlugAAX.h"

#include "AAX_CParameter.h"
#include "AAX_HostMIDINode.h"
#include "AAX_IController.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
// The channel count of a stem format (its low 16 bits).
int StemChannels(uint32_t stemFormat) { return static_cast<int>(stemFormat & 0xFFFFu); }
}  // namespace

void IPlugAAX::ProcessAudioContext(AAX_RenderContext* context) {
  if (!context) return;
  MutexLock lock(GetMutex());

  // Before binding, and after unbinding, there is neither a bypass
  // parameter nor a controller to ask. The pointer is guarded by the mutex;
  // the value the host switches without it is atomic. Unbinding clears the
  // pointer, so a bypass parameter is there only while bound.
  bool bypass = false;
  if (mBypass) mBypass->ReadBool(&bypass);

  // A host that cannot answer leaves no channel connected.
  uint32_t inStem = 0, outStem = 0;
  AAX_IController* controller = mBound ? Controller() : nullptr;
  if (controller) {
    controller->QueryInputStem(&inStem);
    controller->QueryOutputStem(&outStem);
  }
  const int nInStem = StemChannels(inStem);
  const int nOutStem = StemChannels(outStem);
  if (nOutStem > 0) mKnownHostOutputs = nOutStem;
  // Unbound, or bound to a controller that names no output stem, no output
  // is connected and the block never reaches the host, which would play
  // whatever its buffers held: the outputs it is known to hand over get
  // silence instead.
  const bool reachesHost = nOutStem > 0;
  const int silencedOutputs = reachesHost ? nOutStem : mKnownHostOutputs;

  if (DoesMidi()) ReadMidi(context);
  mTransport = context->transportNode ? context->transportNode->GetTransport() : nullptr;

  const int frames = context->blockLength ? *context->blockLength : 0;
  if (frames <= 0) return;  // nothing to render
  if (frames > kMaxBlockFrames) {
    SilenceOutputs(context->outputs, silencedOutputs, frames);
    return;
  }
  if (frames != GetBlockFrames()) {
    SetBlockFrames(frames);
    ResetProcessing();
  }
  // Scratch buffers that could not grow to the block would be read and
  // written past their end.
  if (!ScratchHolds(frames)) {
    SilenceOutputs(context->outputs, silencedOutputs, frames);
    return;
  }
  ClearScratchBuffers();

  SetInputConnections(0, NInChannels(), false);
  SetInputConnections(0, nInStem, true);
  std::printf("attach input buffers: 0 - %d\n", NInChannels());
  AttachInputSamples(0, NInChannels(), context->inputs, frames);

  SetOutputConnections(0, nOutStem, true);
  SetOutputConnections(nOutStem, NOutChannels() - nOutStem, false);
  AttachOutputSamples(0, NOutChannels(), context->outputs);

  if (bypass) {
    BypassBlock(frames);
  } else {
    RunBlock(frames);
  }
  if (!reachesHost) SilenceOutputs(context->outputs, silencedOutputs, frames);
}

void IPlugAAX::ReadMidi(AAX_RenderContext* context) {
  AAX_IACFMIDINode* node = context->localMidiNode;
  if (!node) return;
  const AAX_MIDIStream* stream = node->GetNodeBuffer();
  if (!stream || !stream->packets) return;
  for (uint32_t i = 0; i < stream->packetCount; ++i) {
    const AAX_MIDIPacket& packet = stream->packets[i];
    IMidiShortMessage message;
    message.mOffset = static_cast<int32_t>(packet.timestamp);
    message.mStatus = packet.message[0];
    message.mData1 = packet.message[1];
    message.mData2 = packet.message[2];
    HandleMidiMessage(&message);
  }
}

bool IPlugAAX::ScratchHolds(int frames) const {
  for (int i = 0; i < NInChannels(); ++i)
    if (mInChannels.Get(i)->ScratchFrames() < frames) return false;
  for (int i = 0; i < NOutChannels(); ++i)
    if (mOutChannels.Get(i)->ScratchFrames() < frames) return false;
  return true;
}

void IPlugAAX::SilenceOutputs(float* const* outputs, int stemChannels, int frames) {
  SilenceHostOutputs(outputs, std::min(stemChannels, NOutChannels()), frames);
}
