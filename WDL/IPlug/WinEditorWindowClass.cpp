#include "WinEditorWindowClass.h"

int WinEditorWindowClass::sOpenWindows = 0;
bool WinEditorWindowClass::sUnregisterPending = false;
int WinEditorWindowClass::sRegistrations = 0;
int WinEditorWindowClass::sUnregistrations = 0;

void WinEditorWindowClass::Acquire(HINSTANCE module, WNDPROC procedure) {
  // A class still registered from a window its host destroyed is either
  // unregistered now (its window is gone) or, failing that, used as it is:
  // same module, same procedure.
  FlushPendingUnregister(module);
  if (sOpenWindows++ != 0 || sUnregisterPending) return;
  WNDCLASSA windowClass = {};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = module;
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.lpszClassName = kName;
  if (RegisterClassA(&windowClass)) ++sRegistrations;
}

void WinEditorWindowClass::Release(HINSTANCE module) {
  if (sOpenWindows <= 0 || --sOpenWindows != 0) return;
  sUnregisterPending = true;
  FlushPendingUnregister(module);
}

void WinEditorWindowClass::FlushPendingUnregister(HINSTANCE module) {
  if (!sUnregisterPending || sOpenWindows != 0) return;
  if (UnregisterClassA(kName, module)) {
    ++sUnregistrations;
    sUnregisterPending = false;
  } else if (GetLastError() == ERROR_CLASS_DOES_NOT_EXIST) {
    sUnregisterPending = false;  // registering had failed: nothing to undo
  }
}
