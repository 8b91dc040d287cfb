#pragma once
// The framework's assertion hook. A check that fails because the plug-in's own
// definition is inconsistent (never because of host input) is reported here,
// and execution goes on. No handler is installed by default, so failed checks
// are dropped; a deliverable that wants them reported installs one when it is
// loaded, before any instance exists.

// Called on the thread that ran the check; must not allocate or lock.
using AssertionHandler = void (*)(const char* function, int line, const char* condition);

// Module load thread; null removes the handler. No allocation, no lock.
void SetAssertionHandler(AssertionHandler handler);

// Any thread; passes the failed check to the installed handler, if any.
// No allocation, no lock.
void ReportFailedCheck(const char* function, int line, const char* condition);
