#pragma once
// The editor window's redraw timer.

// Timer id of the redraw tick on the editor window.
constexpr unsigned kRedrawTimerId = 2;

// Editor thread; no allocation. Milliseconds between redraw ticks for a frame
// rate. A rate that is not positive (or not a number) means the editor's
// default of 25 frames a second, so the timer never gets a division by zero.
inline int RedrawTimerInterval(double framesPerSecond) {
  if (!(framesPerSecond > 0.0)) framesPerSecond = 25.0;
  return static_cast<int>(1000.0 / framesPerSecond);
}
