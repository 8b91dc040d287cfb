#include "HostedGUI.h"

namespace fakehost {

namespace {
// Natively there are no windows: a handle the plug-in can only pass on.
int gDummyWindow = 0;
}  // namespace

HostWindow::HostWindow(int, int) : mHandle(&gDummyWindow) {}

HostWindow::~HostWindow() = default;

}  // namespace fakehost
