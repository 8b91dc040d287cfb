#pragma once
// A host's ledger of the edit gestures a plug-in reports: per parameter,
// every end needs an open begin, and nothing may be open when the ledger is
// read at the end of a scenario. Hosts record automation from these pairs,
// so an unpaired end or a begin left open corrupts what they record.
//
//   GestureLedger ledger(GestureLedger::kNestingAllowed);
//   ledger.Begin("4"); ledger.Begin("4"); ledger.End("4"); ledger.End("4");
//   ledger.Problems();  // empty
//
// Threads: the host's user-interface thread only.

#include <map>
#include <string>
#include <vector>

namespace vo {

class GestureLedger {
 public:
  // Whether a parameter may begin again inside its own open gesture (AAX
  // touches nest; a VST3 begin inside an open one is a fault).
  enum Nesting { kNestingRefused, kNestingAllowed };
  explicit GestureLedger(Nesting nesting) : mNesting(nesting) {}

  void Begin(const std::string& id);
  void End(const std::string& id);
  // What went wrong so far, and every gesture still open, one line each.
  std::vector<std::string> Problems() const;
  // True when no gesture was ever begun or ended (since the last Clear).
  bool Untouched() const { return mEvents == 0; }
  void Clear();

 private:
  Nesting mNesting;
  std::map<std::string, int> mOpen;  // depth per parameter
  std::vector<std::string> mProblems;
  int mEvents = 0;
};

}  // namespace vo
