// The chorus's per-frame loop over one chunk, written once for a pair of
// lanes (left, right): the generic build instantiates it with two plain
// doubles, the x86 build also with one SSE2 register. Both lanes do exactly
// the arithmetic of the per-sample chain, operation for operation and in the
// same order, so the two instantiations give the same results (the only
// exception is the vector tanh, which is accurate to a few ulps).
//
// The Lanes type provides: Load/Store of a frame, Both(v), Make(l, r),
// Gather/Scatter to the two delay buffers, + - *, Max (a > b ? a : b per
// lane), Mask and Select, Tanh, InputPass and LinePass (a whole saturation
// pass in a wider form, or false where there is none), SplitDelay (the interpolator's whole and
// fractional part), MidSide (the width stage) and Left/Right.
#pragma once

#include "OndelinoBlock.h"

namespace Dsp
{

template <class Lanes>
struct SectionLanes
{
  Lanes fb1, fb2, b0, b1, b2, w1, w2, w3;

  explicit SectionLanes(const SectionPair& s)
    : fb1(Lanes::Load(s.fb1)), fb2(Lanes::Load(s.fb2)), b0(Lanes::Load(s.b0)), b1(Lanes::Load(s.b1)),
      b2(Lanes::Load(s.b2)), w1(Lanes::Load(s.w1)), w2(Lanes::Load(s.w2)), w3(Lanes::Load(s.w3))
  {
  }

  // The generic cascade's recursion for one section.
  Lanes Process(const Lanes& x, const Lanes& offset)
  {
    const Lanes w = x + fb1 * w1 + fb2 * w2 + offset;
    const Lanes y = b0 * w + b1 * w1 + b2 * w2;
    w3 = w2;
    w2 = w1;
    w1 = w;
    return y;
  }

  void StoreHistory(SectionPair& s) const
  {
    w1.Store(s.w1);
    w2.Store(s.w2);
    w3.Store(s.w3);
  }
};

// A buffer index that fell below 0, moved back into the buffer.
inline int Wrap(int index, int length)
{
  return index < 0 ? index + length : index;
}

// Signed maxima: a lane's peak replaces the running one only when it is
// greater, as in a running maximum over left and right in turn.
template <class Lanes>
void MergePeak(double& peak, const Lanes& lanes)
{
  if (lanes.Left() > peak)
    peak = lanes.Left();
  if (lanes.Right() > peak)
    peak = lanes.Right();
}

// Runs n frames (at most one chunk) in place. kInputSat, kLineSat and kHiss
// select the work once per block: the chorus's saturation, the delay lines'
// saturation (each line's own flag still picks its lane), the hiss terms.
//
// The chain runs in four passes over the chunk, each frame for frame in
// order; the passes without a recursion (the two saturations) let the
// processor work on many frames at once, and the recursions (the sections,
// the interpolator) are not held up by the latency of tanh.
template <class Lanes, bool kInputSat, bool kLineSat, bool kHiss>
void RunOndelinoFrames(OndelinoBlock& b, OndelinoChunk& chunk, double* frames, int n)
{
  const Lanes zero = Lanes::Both(0.0);
  const Lanes drive = Lanes::Both(0.251189); // -12 dB into the saturation
  const Lanes makeup = Lanes::Both(3.98107); // +12 dB out of it
  double* const dry = chunk.dry;
  double* const line = chunk.line;

  // 1. Input gain, the input peak and the chorus's saturation.
  {
    const Lanes inputGain = Lanes::Both(b.inputGain);
    Lanes inputPeak = zero;
    if (!Lanes::InputPass(frames, dry, n, b.inputGain, kInputSat, inputPeak))
    {
      for (int f = 0; f < n; ++f)
      {
        Lanes x = Lanes::Load(frames + 2 * f) * inputGain;
        inputPeak = Lanes::Max(x, inputPeak);
        if (kInputSat)
          x = Lanes::Tanh(x * drive) * makeup;
        x.Store(dry + 2 * f);
      }
    }
    MergePeak(b.inputPeak, inputPeak);
  }

  // 2. The delay lines' two low-pass sections.
  {
    const Lanes offset = Lanes::Both(1e-25);
    SectionLanes<Lanes> sectionA(b.sectionA);
    SectionLanes<Lanes> sectionB(b.sectionB);
    for (int f = 0; f < n; ++f)
      sectionB.Process(sectionA.Process(Lanes::Load(dry + 2 * f), offset), offset).Store(line + 2 * f);
    sectionA.StoreHistory(b.sectionA);
    sectionB.StoreHistory(b.sectionB);
  }

  // 3. The delay lines' saturation.
  if (kLineSat && !Lanes::LinePass(line, n, b.lineSaturates[0], b.lineSaturates[1]))
  {
    const typename Lanes::Mask lineSat = Lanes::MakeMask(b.lineSaturates[0], b.lineSaturates[1]);
    for (int f = 0; f < n; ++f)
    {
      const Lanes v = Lanes::Load(line + 2 * f);
      Lanes::Select(lineSat, Lanes::Tanh(v * drive) * makeup, v).Store(line + 2 * f);
    }
  }

  // 4. The circular buffers and the allpass interpolator, then dry/wet, the
  // output hiss and gain, the output peak and the width.
  {
    const Lanes outputGain = Lanes::Both(b.outputGain);
    const Lanes wetGain = Lanes::Both(b.wetGain);
    const Lanes dryGain = Lanes::Both(b.dryGain);
    const Lanes width = Lanes::Both(b.width);
    const Lanes wetScale = Lanes::Both(1.25);
    const bool wetMuted = b.wetMuted;
    Lanes last = Lanes::Load(b.lastOutput);
    Lanes outputPeak = zero;
    double* const buffer0 = b.buffer[0];
    double* const buffer1 = b.buffer[1];
    int write0 = b.writePosition[0];
    int write1 = b.writePosition[1];
    const int length0 = b.length[0];
    const int length1 = b.length[1];
    const Lanes longest = Lanes::Make(length0 - 1, length1 - 1);
    for (int f = 0; f < n; ++f)
    {
      Lanes::Scatter(Lanes::Load(line + 2 * f), buffer0, write0, buffer1, write1);
      write0 = write0 >= length0 - 1 ? 0 : write0 + 1;
      write1 = write1 >= length1 - 1 ? 0 : write1 + 1;
      // The read positions: buffer[r] is the sample stored i - 1 steps before
      // the one just stored, buffer[r - 1] the one i steps before.
      int whole[2];
      const Lanes a = Lanes::SplitDelay(Lanes::Load(chunk.delay + 2 * f), longest, whole);
      const int r0 = Wrap(write0 - whole[0], length0);
      const int r1 = Wrap(write1 - whole[1], length1);
      const Lanes newer = Lanes::Gather(buffer0, r0, buffer1, r1);
      const Lanes older = Lanes::Gather(buffer0, Wrap(r0 - 1, length0), buffer1, Wrap(r1 - 1, length1));
      Lanes d = a * newer + older - a * last;
      if (kHiss)
        d = d + Lanes::Load(chunk.lineNoise + 2 * f);
      last = d;

      if (wetMuted)
        d = zero;
      Lanes y = d * wetScale * wetGain + Lanes::Load(dry + 2 * f) * dryGain;
      if (kHiss)
        y = y + Lanes::Load(chunk.outputNoise + 2 * f);
      y = y * outputGain;
      outputPeak = Lanes::Max(y, outputPeak);
      Lanes::MidSide(y, width).Store(frames + 2 * f);
    }
    last.Store(b.lastOutput);
    b.writePosition[0] = write0;
    b.writePosition[1] = write1;
    MergePeak(b.outputPeak, outputPeak);
  }
}

// The eight forms of the loop, chosen once per block.
template <class Lanes>
void RunOndelinoChunk(OndelinoBlock& b, OndelinoChunk& chunk, double* frames, int n)
{
  const bool lineSat = b.lineSaturates[0] || b.lineSaturates[1];
  const int form = (b.inputSaturates ? 4 : 0) | (lineSat ? 2 : 0) | (b.hiss ? 1 : 0);
  switch (form)
  {
    case 0: RunOndelinoFrames<Lanes, false, false, false>(b, chunk, frames, n); break;
    case 1: RunOndelinoFrames<Lanes, false, false, true>(b, chunk, frames, n); break;
    case 2: RunOndelinoFrames<Lanes, false, true, false>(b, chunk, frames, n); break;
    case 3: RunOndelinoFrames<Lanes, false, true, true>(b, chunk, frames, n); break;
    case 4: RunOndelinoFrames<Lanes, true, false, false>(b, chunk, frames, n); break;
    case 5: RunOndelinoFrames<Lanes, true, false, true>(b, chunk, frames, n); break;
    case 6: RunOndelinoFrames<Lanes, true, true, false>(b, chunk, frames, n); break;
    default: RunOndelinoFrames<Lanes, true, true, true>(b, chunk, frames, n); break;
  }
}

} // namespace Dsp
