#pragma once
// Starts the library's host services over a simulated host for the length of
// a test, so traces and assertion reports can be read from the transcript.

#include "AAX_Trace.h"
#include "FakeHost.h"
#include "HostObjects.h"
#include "IACFUnknown.h"

#include <string>
#include <vector>

class StartedHostServices {
public:
  StartedHostServices()
      : mUnknown(fakehost::MakeHostUnknown(mHost)), mServices(fakehost::MakeHostServices(mHost)) {
    SetHostServices(static_cast<IACFUnknown*>(mUnknown.Interface("unknown")));
    mHost.ClearTranscript();
  }
  ~StartedHostServices() { SetHostServices(nullptr); }

  fakehost::Host& Host() { return mHost; }

  // "priority text" of every trace received.
  std::vector<std::string> Traces() const {
    std::vector<std::string> traces;
    for (const fakehost::Call& call : mHost.Calls())
      if (call.object == "services" && call.slot == 4)
        traces.push_back(call.args[0].Text() + " " + call.args[1].text);
    return traces;
  }

private:
  fakehost::Host mHost;
  fakehost::Object& mUnknown;
  fakehost::Object& mServices;
};
