#pragma once
// The chorus's sweep read from a render of MakeClickTrain with the wet
// signal only: each click comes back as one echo, filtered by the delay
// line, whose centre of mass after the click is the delay at that moment
// plus the filters' fixed delay. The delay rises while the oscillator's
// square wave is high and falls while it is low, so the times where it
// turns are the square wave's flips, in seconds whatever the rate.
#include <string>
#include <vector>

#include "WavFile.h"

namespace vo {

struct SweepTurn {
  double seconds;  // when the echo at the turn is heard
  bool peak;       // rising to falling; otherwise falling to rising
};

// The turns of the left channel's echo delay, in time order.
std::vector<SweepTurn> FindSweepTurns(const AudioData& render);

// Whether both have the same turns, each within `seconds` of the other's.
bool SameTurns(const std::vector<SweepTurn>& a, const std::vector<SweepTurn>& b, double seconds);

// "1.0003 s peak, 2.0001 s trough".
std::string DescribeTurns(const std::vector<SweepTurn>& turns);

}  // namespace vo
