#pragma once
// A render stopped from outside (Ctrl-C, SIGINT, SIGTERM; SIGHUP where there
// is one). The handler only notes the signal, which is all a handler may
// safely do; the render looks between blocks, discards its output (an
// earlier file stays as it was) and then ends the process as the signal
// would have.
namespace vo {

class StopSignals {
 public:
  // Main thread, once: installs the handlers.
  StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // Main thread, between blocks: whether a stop was asked for. Lock-free.
  bool Requested() const;
  // The signal's name ("SIGTERM"), once Requested().
  const char* Name() const;
  // Main thread, once nothing is left to discard: the signals' default
  // handling comes back, and a signal that came meanwhile ends the process.
  void Release();
};

}  // namespace vo
