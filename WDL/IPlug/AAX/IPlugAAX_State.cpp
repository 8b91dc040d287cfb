// The plug-in state as the one host chunk: its identifier is the plug-in's
// unique id and its data the framework's state chunk, byte for byte.

#include "IPlugAAX.h"

#include "AAX_HostChunk.h"
#include "IGraphics.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Bytes a state of nParams values takes.
int StateBytes(int nParams) { return nParams * static_cast<int>(sizeof(double)); }

}  // namespace

AAX_ResultCode IPlugAAX::StateChunkIdAt(int32_t index, uint32_t* id) {
  if (!id) return AAX_ERROR_NULL_ARGUMENT;
  if (index != 0) {
    *id = 0;
    return AAX_ERROR_INVALID_CHUNK_INDEX;
  }
  *id = StateChunkId();
  return AAX_SUCCESS;
}

AAX_ResultCode IPlugAAX::GetStateChunkSize(uint32_t chunkId, uint32_t* size) {
  if (!size) return AAX_ERROR_NULL_ARGUMENT;
  *size = 0;
  if (chunkId != StateChunkId()) return AAX_ERROR_INVALID_CHUNK_ID;
  StateChunk state;
  // A state that cannot be written has no size the host could rely on.
  if (!WriteState(&state)) return AAX_ERROR_INVALID_CHUNK_ID;
  *size = static_cast<uint32_t>(state.Size());
  return AAX_SUCCESS;
}

AAX_ResultCode IPlugAAX::SaveStateChunk(uint32_t chunkId, AAX_HostChunk* chunk) {
  if (!chunk) return AAX_ERROR_NULL_ARGUMENT;
  if (chunkId != StateChunkId()) return AAX_ERROR_INVALID_CHUNK_ID;
  StateChunk state;
  if (!WriteState(&state)) return AAX_ERROR_INVALID_CHUNK_ID;
  chunk->size = state.Size();
  if (state.Size() > 0)
    std::memcpy(AAX_HostChunkData(chunk), state.GetBytes(), static_cast<size_t>(state.Size()));
  return AAX_SUCCESS;
}

AAX_ResultCode IPlugAAX::LoadStateChunk(uint32_t chunkId, const AAX_HostChunk* chunk) {
  if (!chunk) return AAX_ERROR_NULL_ARGUMENT;
  if (chunkId != StateChunkId()) return AAX_ERROR_INVALID_CHUNK_ID;
  // The size comes from the host's record: a negative one names no data.
  // A longer chunk (padded by the host, or saved by a build with more
  // parameters) holds the state in its first bytes; only those are read.
  const int size = chunk->size;
  if (size < 0) return AAX_ERROR_INCORRECT_CHUNK_SIZE;
  const int used = std::min(size, StateBytes(NParams()));
  StateChunk state;
  if (used > 0 && !state.PutBytes(AAX_HostChunkData(chunk), used)) return AAX_ERROR_INCORRECT_CHUNK_SIZE;

  // The values the host is asked to follow are taken under the mutex (the
  // editor may be changing them); the host is asked without holding it, and
  // for every value before the editor shows the state.
  std::vector<double> restored(static_cast<size_t>(NParams()));
  {
    MutexLock lock(GetMutex());
    ReadState(&state, 0);
    for (int i = 0; i < NParams(); ++i) restored[static_cast<size_t>(i)] = GetParam(i)->CurrentNormalized();
  }
  for (int i = 0; i < NParams(); ++i)
    RequestParameterNormalized(ParamHostId(i), restored[static_cast<size_t>(i)]);
  {
    MutexLock lock(GetMutex());
    PushParamValuesToEditor();
  }
  IncrementChangeCount();
  return AAX_SUCCESS;
}

AAX_ResultCode IPlugAAX::CompareStateChunk(const AAX_HostChunk* chunk, bool* matches) {
  if (!chunk || !matches) return AAX_ERROR_NULL_ARGUMENT;
  if (chunk->chunkId != StateChunkId()) {
    *matches = true;  // another plug-in's chunk: nothing of ours to differ
    return AAX_SUCCESS;
  }
  // Read only within the chunk's size: a shorter chunk cannot hold the
  // current values.
  if (chunk->size < StateBytes(NParams())) {
    *matches = false;
    return AAX_SUCCESS;
  }
  std::vector<double> values(static_cast<size_t>(NParams()));
  if (!values.empty())
    std::memcpy(values.data(), AAX_HostChunkData(chunk), values.size() * sizeof(double));
  MutexLock lock(GetMutex());  // the editor may be changing the values
  *matches = CompareParamValues(values.data(), 0);
  return AAX_SUCCESS;
}
