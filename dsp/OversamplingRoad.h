// The oversampling road's vector form for the anti-alias filters (three
// stages, two channels): the block goes through in pieces, and the loop that
// runs the upsampling filter over one piece also runs the decimation filter
// over the piece before it. The two filters' six recursions are independent
// chains, so the processor overlaps them instead of waiting on one filter's
// three at a time. Every value is computed with the same operations in the
// same order as the whole-block road (hold, up filter, dry copy, derived
// class, blend, down filter, first frame of each group), so the results are
// the same bits.
#pragma once

#include "Dsp.h"

#include <cstddef>

namespace Dsp
{

// One anti-alias filter's stages and state for the length of one block,
// loaded once and stored back once.
struct alignas(16) FilterRun
{
  double fb1[3][2], fb2[3][2], b0[3][2], b1[3][2], b2[3][2];
  double w1[3][2], w2[3][2], w3[3][2];
};

// Whether the piecewise road can take this filter for a block: three stages,
// two channels, the vector path, and coefficients that stay still for the
// whole block (while they move towards a new design the whole-block road
// runs).
bool PiecewiseRoadTakes(const Cascade& filter, size_t nFrames);

// Loads the filter's current coefficients and history / stores the history
// back (the coefficients do not change while they stand still).
void BeginFilterRun(const Cascade& filter, FilterRun& run);
void EndFilterRun(Cascade& filter, const FilterRun& run);

// What one step of the road needs: the host frames (sanitised), the raised
// and dry buffers of the whole block and the factor; the blend and the
// filters' offsets as (left, right) pairs. The pairs live here, in memory the
// loop reads its operands from, so that the registers stay free for the
// filters' history.
struct RoadBlock
{
  double* host;
  double* raised;
  double* dry;
  size_t factor;
  alignas(16) double mix[2];
  alignas(16) double dryGain[2]; // 1 - mix
  alignas(16) double offsetIn[2];
  alignas(16) double offsetW[2];
};

// Any thread; no allocation. Fills a RoadBlock.
void SetUpRoad(RoadBlock& road, double* host, double* raised, double* dry, size_t factor, double mix);

// Upsampling of host frames [upFirst, upFirst + upCount) into the raised and
// dry buffers, and in the same loop the blend, decimation filtering and
// decimation of host frames [downFirst, downFirst + downCount) back into the
// host frames. Either count may be 0; the two ranges never overlap.
void RunRoadStep(const RoadBlock& block, FilterRun& up, size_t upFirst, size_t upCount, FilterRun& down,
                 size_t downFirst, size_t downCount);

// Whether RunRoadStep may carry both filters in one 256-bit register: set at
// load time where the processor and the system support AVX; tests clear it to
// run the 128-bit form. Both forms give the same bits.
extern bool gRoadUsesAvx;

} // namespace Dsp
