// Block processing entry: connecting channels, attaching host buffers,
// running or bypassing one block and converting the results back.

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "IPlugBase.h"
#include "SampleConversion.h"

namespace {
// The channel indexes [begin, end) of a range clipped to [0, available).
struct ChannelRange {
  ChannelRange(int first, int count, int available)
      : begin(std::max(first, 0)),
        end(static_cast<int>(std::min<long long>(static_cast<long long>(first) + count, available))) {}
  int begin;
  int end;
};

template <class Channel>
void Connect(PointerList<Channel>& channels, int first, int count, bool connected) {
  const ChannelRange range(first, count, channels.GetSize());
  for (int i = range.begin; i < range.end; ++i) {
    Channel* channel = channels.Get(i);
    channel->mConnected = connected;
    if (!connected) *channel->mDestination = channel->ScratchData();
  }
}

// Connected channels use the host's 64-bit buffers directly (host advances
// per connected channel).
template <class Channel>
void AttachHostDoubles(PointerList<Channel>& channels, int first, int count, double* const* host) {
  const ChannelRange range(first, count, channels.GetSize());
  for (int i = range.begin; i < range.end; ++i) {
    Channel* channel = channels.Get(i);
    if (channel->mConnected) *channel->mDestination = host ? *host++ : nullptr;
  }
}

template <class Channel>
void ResizeScratch(Channel* channel, int frames) {
  double* oldScratch = channel->ScratchData();
  const long long bytes = static_cast<long long>(std::max(frames, 0)) * static_cast<long long>(sizeof(double));
  if (bytes <= 0x7fffffff) channel->mScratch.Resize(static_cast<int>(bytes), true);
  if (double* scratch = channel->ScratchData()) {
    std::memset(scratch, 0, static_cast<size_t>(channel->mScratch.GetSize()));
  }
  // Slots that used the old scratch must not keep pointing at freed memory.
  if (!channel->mConnected || *channel->mDestination == oldScratch) {
    *channel->mDestination = channel->ScratchData();
  }
}

template <class Channel>
void ClearScratch(Channel* channel, int blockFrames) {
  const int frames = std::min(blockFrames, channel->ScratchFrames());
  if (frames > 0) std::memset(channel->ScratchData(), 0, sizeof(double) * static_cast<size_t>(frames));
}
}  // namespace

namespace {
// Writes "attaching channel <index> ..." to standard output, as printf with
// "%d" would. The text is put together here: the Windows runtime's printf
// costs several times what writing the text does, every block.
void PrintAttaching(int index) {
  char text[48] = "attaching channel ";
  size_t length = std::strlen(text);
  unsigned magnitude = index < 0 ? 0u - static_cast<unsigned>(index) : static_cast<unsigned>(index);
  if (index < 0) text[length++] = '-';
  char digits[12];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (count > 0) text[length++] = digits[--count];
  std::memcpy(text + length, " ...", 5);
  std::fputs(text, stdout);
}
}  // namespace

bool IPlugBase::IsInChannelConnected(int index) const {
  const InputChannel* channel = mInChannels.Get(index);
  return channel && channel->mConnected;
}

bool IPlugBase::IsOutChannelConnected(int index) const {
  const OutputChannel* channel = mOutChannels.Get(index);
  return channel && channel->mConnected;
}

void IPlugBase::SetInputConnections(int first, int count, bool connected) {
  Connect(mInChannels, first, count, connected);
}

void IPlugBase::SetOutputConnections(int first, int count, bool connected) {
  Connect(mOutChannels, first, count, connected);
}

void IPlugBase::AttachInputSamples(int first, int count, float* const* host, int frames) {
  const ChannelRange range(first, count, NInChannels());
  for (int i = range.begin; i < range.end; ++i) {
    InputChannel* channel = mInChannels.Get(i);
    PrintAttaching(i);
    if (channel->mConnected) {
      const float* source = host ? *host++ : nullptr;
      // Never more than the scratch holds, whatever the host claims.
      const int n = std::min(frames, channel->ScratchFrames());
      if (source) CopyFloatsToDoubles(channel->ScratchData(), source, n);
      *channel->mDestination = channel->ScratchData();
    }
    std::fputs("done\n", stdout);
  }
}

void IPlugBase::AttachOutputSamples(int first, int count, float* const* host) {
  const ChannelRange range(first, count, NOutChannels());
  for (int i = range.begin; i < range.end; ++i) {
    OutputChannel* channel = mOutChannels.Get(i);
    if (!channel->mConnected) continue;
    *channel->mDestination = channel->ScratchData();
    channel->mHostBuffer = host ? *host++ : nullptr;
  }
}

void IPlugBase::AttachInputSamplesDouble(int first, int count, double* const* host) {
  AttachHostDoubles(mInChannels, first, count, host);
}

void IPlugBase::AttachOutputSamplesDouble(int first, int count, double* const* host) {
  AttachHostDoubles(mOutChannels, first, count, host);
}

void IPlugBase::ClearScratchBuffers() {
  for (int i = 0; i < NInChannels(); ++i) ClearScratch(mInChannels.Get(i), mBlockFrames);
  for (int i = 0; i < NOutChannels(); ++i) ClearScratch(mOutChannels.Get(i), mBlockFrames);
}

void IPlugBase::SetBlockFrames(int frames) {
  if (frames == mBlockFrames) return;
  for (int i = 0; i < NInChannels(); ++i) ResizeScratch(mInChannels.Get(i), frames);
  for (int i = 0; i < NOutChannels(); ++i) ResizeScratch(mOutChannels.Get(i), frames);
  mBlockFrames = frames;
}

void IPlugBase::ConvertOutputsToHost(int frames) {
  for (int i = 0; i < NOutChannels(); ++i) {
    const OutputChannel* channel = mOutChannels.Get(i);
    if (channel->mConnected && channel->mHostBuffer && *channel->mDestination) {
      CopyDoublesToFloats(channel->mHostBuffer, *channel->mDestination, frames);
    }
  }
}

void IPlugBase::RunBlock(int frames) {
  RunBlockDoubles(frames);
  ConvertOutputsToHost(frames);
}

void IPlugBase::RunBlockDoubles(int frames) { ProcessDoubleBlock(InputSlots(), OutputSlots(), frames); }

void IPlugBase::BypassBlock(int frames) {
  CopyInputsToOutputs(frames);
  ConvertOutputsToHost(frames);
}

void IPlugBase::CopyInputsToOutputs(int frames) {
  if (mLatency != 0 && mLatencyDelay && mLatencyDelay->IsReady()) {
    mLatencyDelay->Process(InputSlots(), OutputSlots(), frames);
  } else {
    PassThrough(InputSlots(), OutputSlots(), frames);
  }
}

void IPlugBase::PassThrough(double** inputs, double** outputs, int frames) {
  if (frames <= 0) return;
  const size_t bytes = sizeof(double) * static_cast<size_t>(frames);
  for (int j = 0; j < NOutChannels(); ++j) {
    if (!outputs[j]) continue;
    if (j < NInChannels() && inputs[j]) {
      // Hosts may process in place, so input and output can be the same buffer.
      std::memmove(outputs[j], inputs[j], bytes);
    } else {
      std::memset(outputs[j], 0, bytes);
    }
  }
}

void IPlugBase::ProcessDoubleBlock(double** inputs, double** outputs, int nFrames) {
  PassThrough(inputs, outputs, nFrames);
}
