#pragma once
// Editor pixels and device pixels. A view at display scale s shows editor
// pixel x on device pixels [x s, (x + 1) s): an area that changed in editor
// pixels is scaled outward so that every device pixel it touches is redrawn,
// and a device area to repaint is unscaled outward so that every editor
// pixel behind it is painted. Pure arithmetic: any thread, no allocation.

#include "IRECT.h"

// Width and height in device pixels.
struct IDeviceSize {
  int w = 0, h = 0;
};

namespace DeviceScale {

// The size at the scale, each product truncated (the size a view or host
// window is given).
IDeviceSize ScaleSize(double scale, int width, int height);

// An editor coordinate (a point's x or y) to the device pixel where that
// editor pixel begins: the first device coordinate that the editor's
// unscaling (division by the scale, truncated) takes back to it. At 1.5,
// editor 330 is device 495 and editor 1 is device 2. The coordinate itself
// for a scale that is not above 0.
int ScaleCoordinate(double scale, int coordinate);

// Editor pixels to device pixels: left and top rounded down, right and
// bottom rounded up, in single precision.
IRECT ScaleOutward(const IRECT& area, float scale);

// Device pixels to editor pixels, rounded outward the same way, then clipped
// to the editor (0, 0, width, height).
IRECT UnscaleOutward(const IRECT& device, float scale, int width, int height);

// The smallest step (in editor pixels) whose multiples land on whole device
// pixels: 1 at scale 1.0 or 2.0, 2 at 1.5, 4 at 1.25. A stretch of an area
// that starts and ends on such a multiple maps each device pixel to the
// same editor pixel as a stretch of the whole editor does. 0 for a scale
// with no step up to 96 (the view then copies the whole editor).
int AlignmentStep(float scale);

// area grown to multiples of step, clipped to the editor; the whole editor
// when step is 0.
IRECT AlignOutward(const IRECT& area, int step, int width, int height);

}  // namespace DeviceScale
