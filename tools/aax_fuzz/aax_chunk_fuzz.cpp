// libFuzzer target for the AAX library's typed chunk format: the chunk data
// parser and the effect-parameters base's whole-state chunk ("elck") load
// and compare, on arbitrary bytes with an arbitrary declared size (negative
// ones too; never beyond the bytes the host record holds). After each input:
// every parameter finite, inside its range, its normalised value within
// [0, 1]; what the parser read writes and reads back unchanged; the state the
// base saves loads back unchanged and compares as equal.
//
// Input layout: bytes 0-3 the declared size (little-endian int32; one
// beyond the data is folded into it), then the chunk's data.

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CChunkDataParser.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CString.h"
#include "AAX_HostChunk.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// A host chunk record with exactly dataBytes bytes of data.
class HostRecord {
 public:
  explicit HostRecord(size_t dataBytes) : mBytes(kAAX_HostChunkDataOffset + dataBytes) {}
  AAX_HostChunk* Get() { return reinterpret_cast<AAX_HostChunk*>(mBytes.data()); }
  unsigned char* Data() { return mBytes.data() + kAAX_HostChunkDataOffset; }

 private:
  std::vector<unsigned char> mBytes;
};

// The base with one parameter of every type the library makes, unbound (no
// host is reached): "Switch" (bool), "Steps" (int32, -5 to 20), "Level"
// (double, -60 to 12) and "Mix" (double, 0 to 1).
class ChunkEffect : public AAX_CEffectParameters {
 public:
  ChunkEffect() {
    ParameterTable().Add(new AAX_CParameter<bool>("Switch", AAX_CString("Switch"), false,
                                                  AAX_CBinaryTaperDelegate<bool>(),
                                                  AAX_CBinaryDisplayDelegate<bool>("off", "on"), true));
    ParameterTable().Add(new AAX_CParameter<int32_t>("Steps", AAX_CString("Steps"), 3,
                                                     AAX_CLinearTaperDelegate<int32_t, 0>(-5, 20),
                                                     AAX_CNumberDisplayDelegate<int32_t, 2, 0>(), true));
    ParameterTable().Add(new AAX_CParameter<double>("Level", AAX_CString("Level"), 0.0,
                                                    AAX_CLinearTaperDelegate<double, 0>(-60.0, 12.0),
                                                    AAX_CNumberDisplayDelegate<double, 2, 0>(), true));
    ParameterTable().Add(new AAX_CParameter<double>("Mix", AAX_CString("Mix"), 0.5,
                                                    AAX_CLinearTaperDelegate<double, 0>(0.0, 1.0),
                                                    AAX_CNumberDisplayDelegate<double, 2, 0>(), true));
  }
  AAX_IParameter* At(int32_t index) { return ParameterTable().At(index); }
};

void CheckParameters(ChunkEffect& effect) {
  bool b = false;
  int32_t i = 0;
  double d = 0.0;
  if (!effect.At(0)->ReadBool(&b)) std::abort();
  if (!effect.At(1)->ReadInt(&i) || i < -5 || i > 20) std::abort();
  if (!effect.At(2)->ReadDouble(&d) || !std::isfinite(d) || d < -60.0 || d > 12.0) std::abort();
  if (!effect.At(3)->ReadDouble(&d) || !std::isfinite(d) || d < 0.0 || d > 1.0) std::abort();
  for (int32_t index = 0; index < 4; ++index) {
    const double n = effect.At(index)->ReadNormalized();
    if (!(n >= 0.0 && n <= 1.0)) std::abort();
  }
}

bool SameEntries(const AAX_CChunkDataParser& a, const AAX_CChunkDataParser& b) {
  if (a.NumEntries() != b.NumEntries()) return false;
  for (int32_t i = 0; i < a.NumEntries(); ++i) {
    const AAX_CChunkDataParser::Entry& x = a.EntryAt(i);
    const AAX_CChunkDataParser::Entry& y = b.EntryAt(i);
    if (x.type != y.type || x.value != y.value ||
        std::strcmp(x.identifier.Get(), y.identifier.Get()) != 0 ||
        std::strcmp(x.stringValue.Get(), y.stringValue.Get()) != 0)
      return false;
  }
  return true;
}

// The parser on its own: every look-up is safe, and entries of known types
// write and read back as they were.
void FuzzParser(const AAX_HostChunk* chunk) {
  AAX_CChunkDataParser parser;
  parser.ReadChunk(chunk);
  bool allKnown = true;
  for (int32_t i = 0; i < parser.NumEntries(); ++i) {
    const AAX_CChunkDataParser::Entry& entry = parser.EntryAt(i);
    if (entry.type == AAX_CChunkDataParser::kUnknownType) allKnown = false;
    const AAX_CString id = entry.identifier;
    double d = 0.0;
    int32_t l = 0;
    AAX_CString text;
    parser.LookUpDouble(id.Get(), &d);
    parser.LookUpInt32(id.Get(), &l);
    parser.LookUpString(id.Get(), &text);
  }
  if (!allKnown) return;
  const int32_t size = parser.ComputeChunkSize();
  if (size < 4) std::abort();
  HostRecord written(static_cast<size_t>(size));
  if (parser.GetChunkData(written.Get()) != AAX_SUCCESS || written.Get()->size != size) std::abort();
  AAX_CChunkDataParser again;
  again.ReadChunk(written.Get());
  if (!SameEntries(parser, again)) std::abort();
}

// The base's whole-state chunk: load, compare, then its own state round trip.
void FuzzEffect(ChunkEffect& effect, const AAX_HostChunk* chunk) {
  effect.LoadStateChunk(kAAX_ControlsChunkId, chunk);
  CheckParameters(effect);
  bool equal = false;
  if (effect.CompareStateChunk(chunk, &equal) != AAX_SUCCESS) std::abort();

  uint32_t size = 0;
  if (effect.GetStateChunkSize(kAAX_ControlsChunkId, &size) != AAX_SUCCESS || size < 4) std::abort();
  HostRecord saved(size);
  saved.Get()->chunkId = kAAX_ControlsChunkId;
  if (effect.SaveStateChunk(kAAX_ControlsChunkId, saved.Get()) != AAX_SUCCESS) std::abort();
  std::vector<double> before(4);
  for (int32_t i = 0; i < 4; ++i) before[static_cast<size_t>(i)] = effect.At(i)->ReadNormalized();
  if (effect.LoadStateChunk(kAAX_ControlsChunkId, saved.Get()) != AAX_SUCCESS) std::abort();
  for (int32_t i = 0; i < 4; ++i)
    if (effect.At(i)->ReadNormalized() != before[static_cast<size_t>(i)]) std::abort();
  if (effect.CompareStateChunk(saved.Get(), &equal) != AAX_SUCCESS || !equal) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  static ChunkEffect* effect = new ChunkEffect;
  const size_t dataBytes = size - 4;
  int32_t declared = 0;
  std::memcpy(&declared, data, 4);
  // The host's record holds what it declares: a larger size is folded back
  // into the data (reading beyond it would be the host's fault, not ours).
  if (declared > 0 && static_cast<size_t>(declared) > dataBytes)
    declared = static_cast<int32_t>(static_cast<size_t>(declared) % (dataBytes + 1));

  HostRecord record(dataBytes);
  if (dataBytes > 0) std::memcpy(record.Data(), data + 4, dataBytes);
  record.Get()->size = declared;
  record.Get()->chunkId = kAAX_ControlsChunkId;

  FuzzParser(record.Get());
  FuzzEffect(*effect, record.Get());
  return 0;
}
