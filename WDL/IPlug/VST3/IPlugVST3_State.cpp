// The VST3 state stream: the plug-in's state chunk (8 bytes per parameter)
// followed by a 32-bit little-endian bypass word. The component and the
// controller exchange the same bytes.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "IPlugVST3.h"
#include "pluginterfaces/base/ibstream.h"

using namespace Steinberg;

namespace {
constexpr int kReadPieceBytes = 128;
constexpr int kBypassWordBytes = 4;
constexpr int kBytesPerParameter = 8;

// Writes all n bytes; false on an error or a short write.
bool WriteAll(IBStream* stream, const void* bytes, int32 n) {
  if (n == 0) return true;
  int32 written = 0;
  const tresult result = stream->write(const_cast<void*>(bytes), n, &written);
  return result == kResultOk && written == n;
}
}  // namespace

tresult PLUGIN_API IPlugVST3::getState(IBStream* state) {
  if (!state) return kInvalidArgument;
  MutexLock lock(GetMutex());
  return WriteStateToStream(state) ? kResultOk : kResultFalse;
}

tresult PLUGIN_API IPlugVST3::setState(IBStream* state) {
  if (!state) return kInvalidArgument;
  MutexLock lock(GetMutex());
  return ReadStateFromStream(state) ? kResultOk : kResultFalse;
}

tresult PLUGIN_API IPlugVST3::setComponentState(IBStream* state) { return setState(state); }

bool IPlugVST3::WriteStateToStream(IBStream* stream) {
  StateChunk chunk;
  if (!WriteState(&chunk)) return false;
  const uint32_t bypassed = IsBypassed() ? 1u : 0u;
  const unsigned char word[kBypassWordBytes] = {
      static_cast<unsigned char>(bypassed), static_cast<unsigned char>(bypassed >> 8),
      static_cast<unsigned char>(bypassed >> 16), static_cast<unsigned char>(bypassed >> 24)};
  return WriteAll(stream, chunk.GetBytes(), chunk.Size()) &&
         WriteAll(stream, word, kBypassWordBytes);
}

bool IPlugVST3::ReadStateFromStream(IBStream* stream) {
  // No state this plug-in writes is longer than this, so a stream that keeps
  // delivering cannot make the chunk grow without bound.
  const long long limit =
      static_cast<long long>(NParams()) * kBytesPerParameter + kBypassWordBytes;
  const bool keepBytesOfFailedReads = GetHostId() == kHostWaveLab;
  // The state need not begin at the stream's start (a preset container or a
  // project file may hold it at an offset): the bypass word is found relative
  // to where the state began.
  int64 start = 0;
  const bool startKnown = stream->tell(&start) == kResultOk && start >= 0 &&
                          start <= std::numeric_limits<int64>::max() - limit;

  StateChunk chunk;
  unsigned char piece[kReadPieceBytes];
  for (long long total = 0; total < limit;) {
    const int32 request = static_cast<int32>(std::min<long long>(kReadPieceBytes, limit - total));
    int32 count = 0;
    const tresult result = stream->read(piece, request, &count);
    // Whatever count the host reports, never more than was asked for.
    if (count < 0) count = 0;
    if (count > request) count = request;
    if (result != kResultOk && !keepBytesOfFailedReads) break;
    if (count == 0) break;
    if (!chunk.PutBytes(piece, count)) break;
    total += count;
  }
  const long long delivered = chunk.Size();

  const int pos = ReadState(&chunk, 0);
  // The parameters ran short: there is no bypass word to look for, and a
  // seek to the negative position would read from before the stream.
  if (pos < 0) return false;

  // Without a known start, step back from where the reading stopped.
  const tresult sought = startKnown
                             ? stream->seek(start + pos, IBStream::kIBSeekSet, nullptr)
                             : stream->seek(pos - delivered, IBStream::kIBSeekCur, nullptr);
  if (sought != kResultOk) return false;
  unsigned char word[kBypassWordBytes] = {};
  int32 count = 0;
  if (stream->read(word, kBypassWordBytes, &count) != kResultOk || count != kBypassWordBytes) {
    return false;
  }
  const uint32_t bypassed = static_cast<uint32_t>(word[0]) | static_cast<uint32_t>(word[1]) << 8 |
                            static_cast<uint32_t>(word[2]) << 16 | static_cast<uint32_t>(word[3]) << 24;
  mIsBypassed = bypassed != 0;
  mControllerBypass = mIsBypassed;
  PushParamValuesToEditor();
  return true;
}
