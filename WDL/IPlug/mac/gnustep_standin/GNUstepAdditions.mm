#include "GNUstepAdditions.h"

extern "C" {
double NSFoundationVersionNumber = 1000;
}

BOOL NSApplicationLoad(void)
{
  [NSApplication sharedApplication];
  return YES;
}

namespace
{
// pthread_once's routine takes no argument: the caller's is handed over
// through thread-local storage, since the routine runs on the calling thread.
thread_local void* onceContext;
thread_local void (*onceFunction)(void*);
void RunOnce() { onceFunction(onceContext); }
}  // namespace

void dispatch_once_f(dispatch_once_t* predicate, void* context, void (*function)(void*))
{
  onceContext = context;
  onceFunction = function;
  pthread_once(predicate, RunOnce);
}
