#pragma once
// What the editor's macOS sources use and GNUstep on Linux lacks: the
// application loader, Foundation's version number and dispatch_once_f (no
// libdispatch in the distribution; this one rests on pthread_once).

#import <AppKit/AppKit.h>

#include <pthread.h>

// Makes the shared application; YES.
BOOL NSApplicationLoad(void);
extern "C" double NSFoundationVersionNumber;

typedef pthread_once_t dispatch_once_t;
// Runs function(context) once per predicate, on the first caller's thread;
// later callers wait until it has run. The predicate starts as
// PTHREAD_ONCE_INIT, which is 0, like the platform's.
void dispatch_once_f(dispatch_once_t* predicate, void* context, void (*function)(void*));
