#pragma once
// Drives a VimbraOndelino as a host does: set up, announce every parameter,
// run 32-bit stereo blocks.
#include <memory>
#include <vector>

#include "VimbraOndelino.h"

namespace vo_test {

inline std::unique_ptr<VimbraOndelino> MakePlugin() { return std::unique_ptr<VimbraOndelino>(CreatePluginInstance()); }

// Plain value for a parameter, then the handler, as a host change does.
inline void SetParam(VimbraOndelino& plug, int index, double plain) {
  plug.GetParam(index)->RestoreValue(plain);
  plug.ParameterChanged(index, kSourceHost);
}

// What a host does before the first block: rate, reset, state announced.
inline void Prepare(VimbraOndelino& plug, double rate = 44100.0) {
  plug.StoreSampleRate(rate);
  plug.ResetProcessing();
  for (int i = 0; i < plug.NParams(); ++i) plug.ParameterChanged(i, kSourceStateRestore);
}

// Switches off the random hiss and the saturation so results are exact.
inline void MakeDeterministic(VimbraOndelino& plug) {
  SetParam(plug, VimbraOndelino::kAnalogHiss, 0.0);
  SetParam(plug, VimbraOndelino::kAnalogEmu, 0.0);
}

struct Stereo {
  std::vector<float> l, r;
  explicit Stereo(size_t n, float value = 0.0f) : l(n, value), r(n, value) {}
};

// Runs the whole of in through the plug-in in blocks of blockSize frames.
inline Stereo RunBlocks(VimbraOndelino& plug, const Stereo& in, int blockSize) {
  Stereo out(in.l.size());
  const int frames = static_cast<int>(in.l.size());
  for (int pos = 0; pos < frames; pos += blockSize) {
    const int n = std::min(blockSize, frames - pos);
    float* ins[2] = {const_cast<float*>(in.l.data()) + pos, const_cast<float*>(in.r.data()) + pos};
    float* outs[2] = {out.l.data() + pos, out.r.data() + pos};
    plug.ProcessHostBlock(ins, outs, n);
  }
  return out;
}

}  // namespace vo_test
