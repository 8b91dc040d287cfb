// The effect-parameters base's whole-state chunk ("elck"): one typed entry
// per parameter (the excluded ones left out) in the library's chunk format.
// A parameter's type is found by asking its typed reads in the order float,
// integer, boolean, double.

#include "AAX_CEffectParameters.h"

#include "AAX_IParameter.h"
#include "AAX_Trace.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace {

// A double brought to float without leaving float's range (beyond it the
// conversion is undefined): too large magnitudes become infinities.
float ToFloat(double value) {
  if (std::isnan(value)) return NAN;
  if (value > FLT_MAX) return INFINITY;
  if (value < -FLT_MAX) return -INFINITY;
  return static_cast<float>(value);
}

}  // namespace

bool AAX_CEffectParameters::IsExcluded(const char* id) const {
  return mExcludedIds.find(id) != mExcludedIds.end();
}

template <typename Visit>
void AAX_CEffectParameters::ForEachChunkParameter(int assertLine, Visit visit) {
  int32_t count = 0;
  CountParameters(&count);
  for (int32_t index = 0; index < count; ++index) {
    AAX_IParameter* parameter = mParameterTable.At(index);
    if (!parameter) {
      if (assertLine != 0) ReportAssertFailure("AAX_CEffectParameters", assertLine, "NULL != parameter", 1);
      continue;
    }
    const char* id = parameter->IdString();
    if (IsExcluded(id)) continue;
    if (!visit(*parameter, id)) return;
  }
}

AAX_ResultCode AAX_CEffectParameters::CountStateChunks(int32_t* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  *out = 1;
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::StateChunkIdAt(int32_t index, uint32_t* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  *out = index == 0 ? kAAX_ControlsChunkId : 0;
  return index == 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_CHUNK_INDEX;
}

void AAX_CEffectParameters::BuildChunkEntries() {
  mChunkParser.RemoveAll();
  ForEachChunkParameter(815, [this](const AAX_IParameter& parameter, const char* id) {
    float asFloat = 0.0f;
    int32_t asInt = 0;
    bool asBool = false;
    double asDouble = 0.0;
    if (parameter.ReadFloat(&asFloat)) {
      mChunkParser.AppendDouble(id, asFloat);
    } else if (parameter.ReadInt(&asInt)) {
      mChunkParser.AppendInt32(id, asInt);
    } else if (parameter.ReadBool(&asBool)) {
      mChunkParser.AppendInt32(id, asBool ? 1 : 0);
    } else if (parameter.ReadDouble(&asDouble)) {
      mChunkParser.AppendDouble(id, asDouble);
    }
    // No parameter type reads as text, so no string entries are written.
    return true;
  });
}

AAX_ResultCode AAX_CEffectParameters::GetStateChunkSize(uint32_t chunkId, uint32_t* out) {
  if (!out) return AAX_ERROR_NULL_ARGUMENT;
  if (chunkId != kAAX_ControlsChunkId) {
    *out = 0;
    return AAX_ERROR_INVALID_CHUNK_ID;
  }
  BuildChunkEntries();
  mLastChunkSize = mChunkParser.ComputeChunkSize();
  if (mLastChunkSize < 0) return AAX_ERROR_INCORRECT_CHUNK_SIZE;
  *out = static_cast<uint32_t>(mLastChunkSize);
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::SaveStateChunk(uint32_t chunkId, AAX_HostChunk* chunk) {
  if (chunkId != kAAX_ControlsChunkId) return AAX_ERROR_INVALID_CHUNK_ID;
  if (!chunk) return AAX_ERROR_NULL_ARGUMENT;
  // The host sized the record by the last size query: the state must not
  // have changed since, and the size must have been asked at all.
  BuildChunkEntries();
  const int32_t size = mChunkParser.ComputeChunkSize();
  if (size != mLastChunkSize || mLastChunkSize == 0) return AAX_ERROR_INCORRECT_CHUNK_SIZE;
  chunk->version = mChunkParser.ChunkVersion();
  std::memset(chunk->name, 0, sizeof chunk->name);
  std::strncpy(chunk->name, kAAX_ControlsChunkName, sizeof chunk->name - 1);
  return mChunkParser.GetChunkData(chunk);
}

AAX_ResultCode AAX_CEffectParameters::LoadStateChunk(uint32_t chunkId, const AAX_HostChunk* chunk) {
  if (chunkId != kAAX_ControlsChunkId) return AAX_ERROR_INVALID_CHUNK_ID;
  if (!chunk) return AAX_ERROR_NULL_ARGUMENT;
  mChunkParser.ReadChunk(chunk);
  ForEachChunkParameter(0, [this](AAX_IParameter& parameter, const char* id) {
    float asFloat = 0.0f;
    int32_t asInt = 0;
    bool asBool = false;
    double stored = 0.0;
    int32_t storedInt = 0;
    // A stored number that is not finite is not a value: the parameter keeps
    // its own.
    if (parameter.ReadFloat(&asFloat)) {
      if (mChunkParser.LookUpDouble(id, &stored) && std::isfinite(ToFloat(stored)))
        parameter.AssignFloat(ToFloat(stored));
    } else if (parameter.ReadInt(&asInt)) {
      if (mChunkParser.LookUpInt32(id, &storedInt)) parameter.AssignInt(storedInt);
    } else if (parameter.ReadBool(&asBool)) {
      if (mChunkParser.LookUpInt32(id, &storedInt)) parameter.AssignBool(storedInt != 0);
    } else if (parameter.ReadDouble(&stored)) {
      if (mChunkParser.LookUpDouble(id, &stored) && std::isfinite(stored))
        parameter.AssignDouble(stored);
    }
    return true;
  });
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::CompareStateChunk(const AAX_HostChunk* chunk, bool* isEqual) {
  if (!chunk || !isEqual) return AAX_ERROR_NULL_ARGUMENT;
  if (chunk->chunkId != kAAX_ControlsChunkId) {
    *isEqual = true;
    return AAX_SUCCESS;
  }
  mChunkParser.ReadChunk(chunk);
  bool allEqual = true;
  ForEachChunkParameter(667, [this, &allEqual](const AAX_IParameter& parameter, const char* id) {
    float asFloat = 0.0f;
    int32_t asInt = 0;
    bool asBool = false;
    double asDouble = 0.0;
    double stored = 0.0;
    int32_t storedInt = 0;
    bool equal = true;  // a parameter of no known type counts as equal
    if (parameter.ReadFloat(&asFloat)) {
      equal = mChunkParser.LookUpDouble(id, &stored) && ToFloat(stored) == asFloat;
    } else if (parameter.ReadInt(&asInt)) {
      equal = mChunkParser.LookUpInt32(id, &storedInt) && storedInt == asInt;
    } else if (parameter.ReadBool(&asBool)) {
      equal = mChunkParser.LookUpInt32(id, &storedInt) && (storedInt != 0) == asBool;
    } else if (parameter.ReadDouble(&asDouble)) {
      // Within float precision: what a host stored and read back compares equal.
      equal = mChunkParser.LookUpDouble(id, &stored) && ToFloat(stored) == ToFloat(asDouble);
    }
    allEqual = equal;  // missing, different or not a number: stop here
    return equal;
  });
  *isEqual = allEqual;
  return AAX_SUCCESS;
}
