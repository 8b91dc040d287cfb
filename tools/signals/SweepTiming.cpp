#include "SweepTiming.h"

#include <cmath>
#include <cstdio>

#include "TestInputs.h"

namespace vo {
namespace {

struct EchoPoint {
  double seconds;  // when the echo's centre is heard
  double delay;    // in frames after its click
};

std::vector<EchoPoint> EchoDelays(const AudioData& render) {
  const std::vector<double>& left = render.samples[0];
  const int rate = render.sampleRate;
  std::vector<EchoPoint> points;
  for (int k = 0; ClickFrame(k + 1, rate) <= render.Frames(); ++k) {
    const int click = ClickFrame(k, rate);
    double sum = 0.0, moment = 0.0;
    for (int n = click; n < ClickFrame(k + 1, rate); ++n) {
      sum += left[static_cast<size_t>(n)];
      moment += (n - click) * left[static_cast<size_t>(n)];
    }
    if (sum == 0.0) continue;  // no echo: nothing to measure
    points.push_back({(click + moment / sum) / rate, moment / sum});
  }
  return points;
}

struct Line {
  double slope, offset;
};

// The least-squares line through points [first, first + count).
Line FitLine(const std::vector<EchoPoint>& p, size_t first, size_t count) {
  double meanT = 0.0, meanD = 0.0;
  for (size_t i = first; i < first + count; ++i) {
    meanT += p[i].seconds / count;
    meanD += p[i].delay / count;
  }
  double covariance = 0.0, variance = 0.0;
  for (size_t i = first; i < first + count; ++i) {
    covariance += (p[i].seconds - meanT) * (p[i].delay - meanD);
    variance += (p[i].seconds - meanT) * (p[i].seconds - meanT);
  }
  const double slope = covariance / variance;
  return {slope, meanD - slope * meanT};
}

// The sweep's corner, which lies between the echoes around point i: where
// the lines through the `reach` echoes before and after it meet. Lines
// through several echoes even out the interpolator's small wobble in the
// measured delay.
double CornerTime(const std::vector<EchoPoint>& p, size_t i, size_t reach) {
  const Line before = FitLine(p, i - reach, reach), after = FitLine(p, i + 1, reach);
  if (before.slope == after.slope) return p[i].seconds;
  return (after.offset - before.offset) / (before.slope - after.slope);
}

}  // namespace

std::vector<SweepTurn> FindSweepTurns(const AudioData& render) {
  // A turn is the largest (or smallest) delay within this many echoes on
  // either side (60 ms): the sweep moves steadily between its turns.
  constexpr size_t kReach = 6;
  const std::vector<EchoPoint> points = EchoDelays(render);
  std::vector<SweepTurn> turns;
  for (size_t i = kReach; i + kReach < points.size(); ++i) {
    bool peak = true, trough = true;
    for (size_t j = i - kReach; j <= i + kReach; ++j) {
      if (j == i) continue;
      peak = peak && points[i].delay > points[j].delay;
      trough = trough && points[i].delay < points[j].delay;
    }
    if (peak || trough) turns.push_back({CornerTime(points, i, kReach), peak});
  }
  return turns;
}

bool SameTurns(const std::vector<SweepTurn>& a, const std::vector<SweepTurn>& b, double seconds) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].peak != b[i].peak || std::fabs(a[i].seconds - b[i].seconds) > seconds) return false;
  return true;
}

std::string DescribeTurns(const std::vector<SweepTurn>& turns) {
  std::string text;
  for (const SweepTurn& turn : turns) {
    char item[48];
    std::snprintf(item, sizeof item, "%s%.4f s %s", text.empty() ? "" : ", ", turn.seconds,
                  turn.peak ? "peak" : "trough");
    text += item;
  }
  return text.empty() ? "no turn" : text;
}

}  // namespace vo
