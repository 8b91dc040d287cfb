#pragma once
// A host's ledger of the edits a plug-in reports: per parameter, every value
// must arrive inside an open gesture (between its begin and its end), every
// end needs an open begin, and nothing may be open when the ledger is read
// at the end of a scenario. Hosts record automation from these pairs, so a
// value outside its gesture, an unpaired end or a begin left open corrupts
// what they record (a host in touch or latch mode drops the value, or
// writes a stray point).
//
//   GestureLedger ledger(GestureLedger::kNestingAllowed);
//   ledger.Begin("4"); ledger.Begin("4"); ledger.Value("4", 0.5);
//   ledger.End("4"); ledger.End("4");
//   ledger.Problems();    // empty
//   ledger.Transcript();  // "b4 b4 v4=0.5 e4 e4"
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

  struct Event {
    char kind;  // 'b' begin, 'v' value, 'e' end
    std::string id;
    double value;  // 'v' only
  };

  void Begin(const std::string& id);
  // A value the plug-in sends for id (VST3 performEdit, an AAX value request).
  void Value(const std::string& id, double value);
  void End(const std::string& id);
  // What went wrong so far, and every gesture still open, one line each.
  std::vector<std::string> Problems() const;
  // Every event since the last Clear, in order.
  const std::vector<Event>& Events() const { return mEvents; }
  // The events as one line: "b3 v3=0.52 e3" (values with six significant digits).
  std::string Transcript() const;
  // True when nothing was begun, sent or ended (since the last Clear).
  bool Untouched() const { return mEvents.empty(); }
  void Clear();

 private:
  Nesting mNesting;
  std::map<std::string, int> mOpen;  // depth per parameter
  std::vector<std::string> mProblems;
  std::vector<Event> mEvents;
};

}  // namespace vo
