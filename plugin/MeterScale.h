#pragma once
// The VU meters' scale: a smoothed peak level (linear, 1.0 = full scale)
// shown 12 dB hotter, from -20 dB (value 0) to +3 dB (value 1) of that, so
// the meter spans levels from -32 dB to -9 dB. Any thread; no allocation.

// The meter control value in [0, 1] of a level; 0 for silence and for a
// level that is not a number.
double MeterValueOfLevel(double level);
