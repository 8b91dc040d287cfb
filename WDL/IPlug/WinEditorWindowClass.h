#pragma once
// The window class of the editor windows, "IPlugWndClass": registered by the
// first open editor window of the module and unregistered by the last. The
// count of open windows is process-wide and unguarded: editors are opened and
// closed on the host's user-interface thread only.

#include <windows.h>

class WinEditorWindowClass {
 public:
  static constexpr const char* kName = "IPlugWndClass";

  // Editor thread; no allocation. Counts a window about to be created; the
  // first one registers the class (CS_DBLCLKS, arrow cursor, no icon, brush
  // or menu) with the given procedure.
  static void Acquire(HINSTANCE module, WNDPROC procedure);
  // Editor thread; no allocation. Counts a window gone (or never created);
  // the last one unregisters the class. Windows refuses that while the last
  // window is still being destroyed (a host that destroys its window first
  // takes the editor window with it); the class is then unregistered at the
  // next chance (FlushPendingUnregister, or the next Acquire).
  static void Release(HINSTANCE module);
  // Editor thread: unregisters a class left registered by Release when no
  // window is open any more.
  static void FlushPendingUnregister(HINSTANCE module);

  // Any thread; no lock.
  static int OpenWindowCount() { return sOpenWindows; }
  // How often the class was registered and unregistered in this process, for
  // tests of the bookkeeping.
  static int RegistrationCount() { return sRegistrations; }
  static int UnregistrationCount() { return sUnregistrations; }

 private:
  static int sOpenWindows;
  static bool sUnregisterPending;
  static int sRegistrations;
  static int sUnregistrations;
};
