#include "GestureLedger.h"

namespace vo {

void GestureLedger::Begin(const std::string& id) {
  ++mEvents;
  int& depth = mOpen[id];
  if (depth > 0 && mNesting == kNestingRefused) mProblems.push_back("begin of " + id + " inside its open gesture");
  ++depth;
}

void GestureLedger::End(const std::string& id) {
  ++mEvents;
  auto open = mOpen.find(id);
  if (open == mOpen.end() || open->second == 0) {
    mProblems.push_back("end of " + id + " without a begin");
    return;
  }
  if (--open->second == 0) mOpen.erase(open);
}

std::vector<std::string> GestureLedger::Problems() const {
  std::vector<std::string> problems = mProblems;
  for (const auto& open : mOpen)
    problems.push_back("gesture of " + open.first + " left open (depth " + std::to_string(open.second) + ")");
  return problems;
}

void GestureLedger::Clear() {
  mOpen.clear();
  mProblems.clear();
  mEvents = 0;
}

}  // namespace vo
