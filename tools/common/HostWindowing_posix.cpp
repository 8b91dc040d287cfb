#include "HostWindowing.h"

namespace vo {

namespace {
// A handle the plug-in can only pass on.
int gDummyWindow = 0;
}  // namespace

HostWindow::HostWindow(int, int) : mHandle(&gDummyWindow) {}
HostWindow::~HostWindow() = default;

HostEventScope::HostEventScope() = default;
HostEventScope::~HostEventScope() = default;

bool HasWindows() { return false; }

bool FindsChildWindows() { return false; }

void* FirstChildWindow(void*, std::string* className, int* width, int* height) {
  if (className) className->clear();
  if (width) *width = 0;
  if (height) *height = 0;
  return nullptr;
}

int ChildWindowCount(void*) { return 0; }

void* ParentWindow(void*) { return nullptr; }

void PumpMessages(int) {}

}  // namespace vo
