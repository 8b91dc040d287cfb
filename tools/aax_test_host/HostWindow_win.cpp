#include "HostedGUI.h"

#include <windows.h>

namespace fakehost {

namespace {
constexpr const char* kHostWindowClass = "VoTestHostWindow";

ATOM RegisterHostWindowClass() {
  static ATOM atom = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kHostWindowClass;
    return RegisterClassA(&windowClass);
  }();
  return atom;
}
}  // namespace

HostWindow::HostWindow(int width, int height) {
  RegisterHostWindowClass();
  // A visible top-level window, so that what the editor paints can be read
  // back from the screen.
  HWND window = CreateWindowExA(0, kHostWindowClass, "host", WS_POPUP | WS_VISIBLE, 0, 0, width,
                                height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  mHandle = window;
}

HostWindow::~HostWindow() {
  if (mHandle) DestroyWindow(static_cast<HWND>(mHandle));
}

}  // namespace fakehost
