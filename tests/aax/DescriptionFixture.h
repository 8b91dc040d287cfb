#pragma once
// A simulated host ready for the description (see DescriptionHostObjects.h)
// with the library's host services started over it, so traces and
// assertion reports show in the transcript. Every test ends with the
// reference ledger balanced.

#include "AAX_Trace.h"
#include "DescriptionHostObjects.h"
#include "FakeHost.h"
#include "IACFUnknown.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

class DescriptionTest : public testing::Test {
protected:
  void SetUp() override {
    SetHostServices(Unknown());
    host.ClearTranscript();
  }
  void TearDown() override {
    SetHostServices(nullptr);
    EXPECT_THAT(host.LedgerProblems(), testing::IsEmpty());
  }

  IACFUnknown* Unknown() { return static_cast<IACFUnknown*>(description.UnknownInterface()); }
  fakehost::Object& Find(const std::string& name) { return *host.Find(name); }

  // Calls texts, leaving out the host services.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const fakehost::Call& call : host.Calls())
      if (call.object != "services") lines.push_back(call.Text());
    return lines;
  }
  std::vector<std::string> Traces() const { return ServiceCalls(4, 1); }
  // "file line condition" of each assertion report.
  std::vector<std::string> Assertions() const {
    std::vector<std::string> reports;
    for (const fakehost::Call& call : host.Calls())
      if (call.object == "services" && call.slot == 6)
        reports.push_back(call.args[0].text + " " + call.args[1].Text() + " " + call.args[2].text);
    return reports;
  }
  // The nth call at a place ("object.face[slot]"), or null.
  const fakehost::Call* FindCall(const std::string& where, size_t nth = 0) const {
    for (const fakehost::Call& call : host.Calls())
      if (call.Where() == where && nth-- == 0) return &call;
    return nullptr;
  }

  fakehost::Host host;
  fakehost::DescriptionHost description{host};

private:
  std::vector<std::string> ServiceCalls(int slot, size_t textArg) const {
    std::vector<std::string> texts;
    for (const fakehost::Call& call : host.Calls())
      if (call.object == "services" && call.slot == slot) texts.push_back(call.args[textArg].text);
    return texts;
  }
};
