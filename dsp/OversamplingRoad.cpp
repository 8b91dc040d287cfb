#include "OversamplingRoad.h"
#include "OndelinoSaturation.h"
#include "VectorExtensions.h"

namespace Dsp
{

#if defined(VO_DSP_VECTOR_PATH)
// Cascade_x86_sse.cpp
bool StageStandsStill(const CascadeStage& s, double step);

// Our own CPUID and XGETBV reading (VectorExtensions_x86.cpp): it needs no
// initialisation of its own, so it is safe during static initialisation.
namespace
{
const VectorExtensions kVectorExtensions = DetectVectorExtensions();
}
bool gRoadUsesAvx = kVectorExtensions.avx;
bool gSaturationUsesAvx2 = kVectorExtensions.avx2;
#else
bool gRoadUsesAvx = false;
bool gSaturationUsesAvx2 = false;

// Never called: PiecewiseRoadTakes answers false in a build without the
// vector path.
void RunRoadStep(const RoadBlock&, FilterRun&, size_t, size_t, FilterRun&, size_t, size_t) {}
#endif

bool PiecewiseRoadTakes(const Cascade& filter, size_t nFrames)
{
#if defined(VO_DSP_VECTOR_PATH)
  if (nFrames == 0 || filter.GetNumStages() != 3 || filter.GetNumChannels() != 2 || !filter.UsesVectorPath())
    return false;
  // The test ProcessThreeStagesSse makes once per block.
  const double step = 1.0 / static_cast<double>(nFrames);
  for (int i = 0; i < 3; ++i)
    if (!StageStandsStill(filter.GetStage(i), step))
      return false;
  return true;
#else
  (void)filter;
  (void)nFrames;
  return false;
#endif
}

void SetUpRoad(RoadBlock& road, double* host, double* raised, double* dry, size_t factor, double mix)
{
  road.host = host;
  road.raised = raised;
  road.dry = dry;
  road.factor = factor;
  const double dryGain = 1.0 - mix;
  for (int c = 0; c < 2; ++c)
  {
    road.mix[c] = mix;
    road.dryGain[c] = dryGain;
    road.offsetIn[c] = 1e-18; // the vector path's input offset
    road.offsetW[c] = 1e-25;  // and its history offset
  }
}

void BeginFilterRun(const Cascade& filter, FilterRun& run)
{
  for (int i = 0; i < 3; ++i)
  {
    const CascadeStage& s = filter.GetStage(i);
    for (int c = 0; c < 2; ++c)
    {
      run.fb1[i][c] = s.cfb1;
      run.fb2[i][c] = s.cfb2;
      run.b0[i][c] = s.cb0;
      run.b1[i][c] = s.cb1;
      run.b2[i][c] = s.cb2;
      const StageState& st = filter.GetState(c, i);
      run.w1[i][c] = st.w1;
      run.w2[i][c] = st.w2;
      run.w3[i][c] = st.w3;
    }
  }
}

void EndFilterRun(Cascade& filter, const FilterRun& run)
{
  for (int i = 0; i < 3; ++i)
    for (int c = 0; c < 2; ++c)
    {
      StageState& st = filter.GetState(c, i);
      st.w1 = run.w1[i][c];
      st.w2 = run.w2[i][c];
      st.w3 = run.w3[i][c];
    }
}

} // namespace Dsp
