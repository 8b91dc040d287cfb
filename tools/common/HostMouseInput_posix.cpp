#include "HostMouseInput.h"

namespace vo {

void DoubleClickWindow(void*, int, int) {}
bool InputDoubleClick(void*, int, int) { return false; }
void WheelWindow(void*, int, int, int, bool) {}

}  // namespace vo
