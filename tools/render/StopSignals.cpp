#include "StopSignals.h"

#include <atomic>
#include <csignal>
#include <cstdlib>

namespace vo {
namespace {

// Written by the handler, which on Windows runs on a thread of its own:
// a lock-free atomic is safe in either place.
std::atomic<int> gSignal{0};
static_assert(ATOMIC_INT_LOCK_FREE == 2, "the signal handler needs a lock-free flag");

constexpr int kSignals[] = {
    SIGINT, SIGTERM,
#ifdef SIGHUP
    SIGHUP,
#endif
};

extern "C" void NoteSignal(int signal) {
  gSignal.store(signal);
  // Some C runtimes reset the handling to the default before calling: a
  // second Ctrl-C must not end the render with its temporary file left.
  std::signal(signal, NoteSignal);
}

}  // namespace

StopSignals::StopSignals() {
  // A signal the tool was started ignoring (nohup, a background job) stays ignored.
  for (const int signal : kSignals)
    if (std::signal(signal, NoteSignal) == SIG_IGN) std::signal(signal, SIG_IGN);
}

bool StopSignals::Requested() const { return gSignal.load(std::memory_order_relaxed) != 0; }

const char* StopSignals::Name() const {
  switch (gSignal.load()) {
    case SIGINT: return "SIGINT";
    case SIGTERM: return "SIGTERM";
    default: return "SIGHUP";
  }
}

void StopSignals::Release() {
  for (const int signal : kSignals)
    if (std::signal(signal, SIG_DFL) == SIG_IGN) std::signal(signal, SIG_IGN);
  const int signal = gSignal.load();
  if (signal == 0) return;
  std::raise(signal);
  std::exit(128 + signal);  // where the default handling does not end it
}

}  // namespace vo
