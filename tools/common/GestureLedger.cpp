#include "GestureLedger.h"

#include <cstdio>

namespace vo {

namespace {
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value);
  return text;
}
}  // namespace

void GestureLedger::Begin(const std::string& id) {
  mEvents.push_back(Event{'b', id, 0.0});
  int& depth = mOpen[id];
  if (depth > 0 && mNesting == kNestingRefused) mProblems.push_back("begin of " + id + " inside its open gesture");
  ++depth;
}

void GestureLedger::Value(const std::string& id, double value) {
  mEvents.push_back(Event{'v', id, value});
  if (mOpen.find(id) == mOpen.end())
    mProblems.push_back("value " + Number(value) + " of " + id + " outside a gesture");
}

void GestureLedger::End(const std::string& id) {
  mEvents.push_back(Event{'e', id, 0.0});
  auto open = mOpen.find(id);
  if (open == mOpen.end()) {
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

std::string GestureLedger::Transcript() const {
  std::string text;
  for (const Event& event : mEvents) {
    if (!text.empty()) text += ' ';
    text += event.kind + event.id;
    if (event.kind == 'v') text += "=" + Number(event.value);
  }
  return text;
}

void GestureLedger::Clear() {
  mOpen.clear();
  mProblems.clear();
  mEvents.clear();
}

}  // namespace vo
