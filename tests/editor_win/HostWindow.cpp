#include "HostWindow.h"

namespace vo {
namespace {
constexpr const char* kHostClass = "VoTestHostWindow";
constexpr const char* kTopClass = "VoTestTopWindow";

HostWindow* gNewestHost = nullptr;

LRESULT CALLBACK TopProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && gNewestHost) gNewestHost->keysDown.push_back(wParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND RegisterAndCreate(const char* name, WNDPROC procedure, DWORD style, HWND parent, void* param) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);  // fails harmlessly when already registered
  RECT r = {0, 0, 800, 800};
  AdjustWindowRect(&r, style, FALSE);
  return CreateWindowExA(0, name, "editor test host", style, 0, 0, r.right - r.left, r.bottom - r.top, parent,
                         nullptr, GetModuleHandleA(nullptr), param);
}

HWND TopWindow() {
  static HWND top = nullptr;
  if (!top) {
    top = RegisterAndCreate(kTopClass, TopProcedure, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, nullptr, nullptr);
    ShowWindow(top, SW_SHOW);
    SetForegroundWindow(top);
    UpdateWindow(top);
  }
  return top;
}

HWND gMenuOwner = nullptr;
int gMenuChoice = -1;
UINT_PTR gMenuTimer = 0;

void CALLBACK EndMenuWithChoice(HWND, UINT, UINT_PTR, DWORD) {
  KillTimer(nullptr, gMenuTimer);
  gMenuTimer = 0;
  EndMenu();
  if (gMenuChoice >= 0) PostMessageA(gMenuOwner, WM_COMMAND, static_cast<WPARAM>(gMenuChoice), 0);
}
}  // namespace

HostWindow::HostWindow() {
  mWindow = RegisterAndCreate(kHostClass, Procedure, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, TopWindow(), this);
  gNewestHost = this;
  PumpMessages();
}

HostWindow::~HostWindow() {
  Destroy();
  if (gNewestHost == this) gNewestHost = nullptr;
}

void HostWindow::Destroy() {
  if (mWindow) DestroyWindow(mWindow);
  mWindow = nullptr;
  PumpMessages();
}

LRESULT CALLBACK HostWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* host = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (host && message == WM_NCDESTROY) host->mWindow = nullptr;
  return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void PumpMessagesFor(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  while (static_cast<int>(end - GetTickCount()) > 0) {
    PumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  PumpMessages();
}

void ChooseInNextMenu(HWND owner, int id) {
  gMenuOwner = owner;
  gMenuChoice = id;
  gMenuTimer = SetTimer(nullptr, 0, 50, EndMenuWithChoice);
}

}  // namespace vo
