#pragma once
// Mouse input beyond single clicks, as a user makes it on a plug-in's
// editor window: double clicks, both as the window procedure receives them
// and through the system's input queue, and wheel notches. Real on
// Windows; natively (no windows) each does nothing.
// Threads: the caller's (the host's user-interface thread).

namespace vo {

// A double click of the left button at (x, y) in the window's client
// pixels, sent as Windows delivers it to a window whose class asks for
// double clicks: press, release, double click, release.
void DoubleClickWindow(void* window, int x, int y);
// The same double click made as real input: the window's top-level window
// comes to the front, the cursor is put on the window's point and two
// presses and releases enter the system's input queue, which makes the
// second press a double click when the window's class asks for one.
// Delivered by the next PumpMessages; false when the point shows another
// window or the system refused the input.
bool InputDoubleClick(void* window, int x, int y);
// Wheel notches at (x, y) in the window's client pixels, one message per
// notch (positive: away from the user), with ctrl held or not.
void WheelWindow(void* window, int x, int y, int notches, bool ctrl = false);

}  // namespace vo
