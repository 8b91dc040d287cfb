// Restores plug-in state from arbitrary bytes at an arbitrary position: the
// read must stay inside the chunk and leave every parameter finite and inside
// its range, and comparing against the bytes must be safe.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "TestPlug.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static vo::TestPlug* plug = [] {
    auto* p = new vo::TestPlug;
    for (int i = 0; i < p->NParams(); ++i) {
      p->GetParam(i)->SetUpDouble("p", 0.5 * i, -2.0 * i, 3.0 * i + 1.0, 0.01, "", "", 1.0 + i % 3);
    }
    return p;
  }();
  // The first byte picks the start position, the rest is the chunk.
  const int start = static_cast<int>(static_cast<int8_t>(data[0]));
  StateChunk chunk;
  chunk.PutBytes(data + 1, static_cast<int>(size - 1));
  const int pos = plug->UnserializeParams(&chunk, start);
  if (pos > chunk.Size()) std::abort();
  for (int i = 0; i < plug->NParams(); ++i) {
    const IPlugParameter* p = plug->GetParam(i);
    if (!std::isfinite(p->Value()) || p->Value() < p->GetMin() || p->Value() > p->GetMax()) std::abort();
    const double n = p->CurrentNormalized();
    if (!(n >= 0.0 && n <= 1.0)) std::abort();
  }
  if (chunk.Size() >= 8 * plug->NParams()) {
    plug->CompareParamValues(reinterpret_cast<const double*>(chunk.GetBytes()), 0);
  }
  plug->changes.clear();
  return 0;
}
