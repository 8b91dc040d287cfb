// libFuzzer target for the plug-in's state as an AAX host hands it over: the
// state chunk load and compare of the AAX wrapper on arbitrary bytes with an
// arbitrary declared size (negative ones too; never beyond the bytes the host
// record holds), followed by one rendered block through the native process
// procedure. After each input: every parameter finite and inside its range,
// every normalised value within [0, 1], the block the plug-in processed and
// the host's outputs finite, and a save-and-restore round trip unchanged.
//
// Input layout: byte 0 flags, bytes 1-4 the declared size (little-endian
// int32), then the chunk's data.

#include "AAX_HostChunk.h"
#include "AAX_RenderContext.h"
#include "IPlugAAX.h"
#include "VimbraOndelino.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kBlockFrames = 64;

enum Flags : uint8_t {
  kForeignId = 1,   // the chunk carries another plug-in's identifier
  kCompareOnly = 2,  // compare without loading
};

// Checks every block the plug-in processes.
class CheckedOndelino : public VimbraOndelino {
 public:
  void ProcessDoubleBlock(double** inputs, double** outputs, int frames) override {
    VimbraOndelino::ProcessDoubleBlock(inputs, outputs, frames);
    for (int c = 0; c < 2; ++c)
      for (int i = 0; i < frames; ++i)
        if (!std::isfinite(outputs[c][i])) std::abort();
  }
};

class HostRecord {
 public:
  explicit HostRecord(size_t dataBytes) : mBytes(kAAX_HostChunkDataOffset + dataBytes) {}
  AAX_HostChunk* Get() { return reinterpret_cast<AAX_HostChunk*>(mBytes.data()); }
  unsigned char* Data() { return mBytes.data() + kAAX_HostChunkDataOffset; }
  std::vector<unsigned char> DataBytes() {
    return std::vector<unsigned char>(Data(), Data() + std::max(Get()->size, 0));
  }

 private:
  std::vector<unsigned char> mBytes;
};

void CheckParameters(VimbraOndelino& plug) {
  for (int i = 0; i < plug.NParams(); ++i) {
    const IPlugParameter* p = plug.GetParam(i);
    const double v = p->Value();
    if (!std::isfinite(v) || v < p->GetMin() || v > p->GetMax()) std::abort();
    const double n = p->CurrentNormalized();
    if (!(n >= 0.0 && n <= 1.0)) std::abort();
  }
}

void RenderOneBlock(CheckedOndelino& plug) {
  static float in[2][kBlockFrames], out[2][kBlockFrames];
  for (int c = 0; c < 2; ++c)
    for (int i = 0; i < kBlockFrames; ++i) {
      in[c][i] = static_cast<float>(std::sin(0.1 * i + c));
      out[c][i] = 0.0f;
    }
  float* inputs[2] = {in[0], in[1]};
  float* outputs[2] = {out[0], out[1]};
  int32_t frames = kBlockFrames;
  AAX_SIPlugPrivateData privateData = {nullptr};
  plug.InitPrivateData(kAAX_PrivateDataField, &privateData, sizeof privateData);
  AAX_RenderContext context = {};
  context.inputs = inputs;
  context.outputs = outputs;
  context.blockLength = &frames;
  context.privateData = &privateData;
  AAX_RenderContext* one = &context;
  ProcessRenderContexts(&one, &one + 1, 2);
  for (int c = 0; c < 2; ++c)
    for (int i = 0; i < kBlockFrames; ++i)
      if (!std::isfinite(out[c][i])) std::abort();
}

std::vector<unsigned char> SavedState(CheckedOndelino& plug, uint32_t id) {
  uint32_t size = 0;
  if (plug.GetStateChunkSize(id, &size) != AAX_SUCCESS) std::abort();
  HostRecord record(size);
  if (plug.SaveStateChunk(id, record.Get()) != AAX_SUCCESS) std::abort();
  if (static_cast<uint32_t>(record.Get()->size) != size) std::abort();
  return record.DataBytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  static CheckedOndelino* plug = [] {
    auto* p = new CheckedOndelino;
    static_cast<AAX_IEffectParameters*>(p)->AddRef();  // held as a host holds it
    return p;
  }();
  const auto id = static_cast<uint32_t>(plug->GetUniqueId());
  const uint8_t flags = data[0];
  const size_t dataBytes = size - 5;
  int32_t declared = 0;
  std::memcpy(&declared, data + 1, 4);
  if (declared > 0 && static_cast<size_t>(declared) > dataBytes)
    declared = static_cast<int32_t>(static_cast<size_t>(declared) % (dataBytes + 1));

  HostRecord record(dataBytes);
  if (dataBytes > 0) std::memcpy(record.Data(), data + 5, dataBytes);
  record.Get()->size = declared;
  record.Get()->chunkId = (flags & kForeignId) ? 0x656C636Bu : id;

  if (!(flags & kCompareOnly)) plug->LoadStateChunk(record.Get()->chunkId, record.Get());
  bool matches = false;
  if (plug->CompareStateChunk(record.Get(), &matches) != AAX_SUCCESS) std::abort();
  CheckParameters(*plug);

  RenderOneBlock(*plug);

  // What the plug-in saves now, it restores unchanged, and it matches.
  const std::vector<unsigned char> saved = SavedState(*plug, id);
  HostRecord again(saved.size());
  if (!saved.empty()) std::memcpy(again.Data(), saved.data(), saved.size());
  again.Get()->size = static_cast<int32_t>(saved.size());
  again.Get()->chunkId = id;
  if (plug->LoadStateChunk(id, again.Get()) != AAX_SUCCESS) std::abort();
  CheckParameters(*plug);
  if (SavedState(*plug, id) != saved) std::abort();
  if (plug->CompareStateChunk(again.Get(), &matches) != AAX_SUCCESS || !matches) std::abort();
  return 0;
}
