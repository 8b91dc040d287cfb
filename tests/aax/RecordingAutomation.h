#pragma once
// An automation delegate that records what parameters tell it, one line per
// call: "attach Freq", "request Freq 0.5", "report Freq 0.5", "touch Freq",
// "release Freq", "detach Freq".

#include "AAX_IAutomationDelegate.h"

#include <cstdio>
#include <string>
#include <vector>

class RecordingAutomation final : public AAX_IAutomationDelegate {
public:
  AAX_ResultCode AttachParameter(const char* id) override { return Note("attach", id); }
  AAX_ResultCode DetachParameter(const char* id) override { return Note("detach", id); }
  AAX_ResultCode RequestValue(const char* id, double normalized) override {
    return Note("request", id, normalized);
  }
  AAX_ResultCode PostCurrentValue(const char* id, double normalized) override {
    return Note("report", id, normalized);
  }
  AAX_ResultCode BeginParameterTouch(const char* id) override { return Note("touch", id); }
  AAX_ResultCode EndParameterTouch(const char* id) override { return Note("release", id); }
  AAX_ResultCode CallV1Slot9(void*) override { return Note("slot9", ""); }

  std::vector<std::string> calls;

private:
  AAX_ResultCode Note(const char* what, const char* id) {
    calls.push_back(std::string(what) + " " + id);
    return AAX_SUCCESS;
  }
  AAX_ResultCode Note(const char* what, const char* id, double value) {
    char number[32];
    std::snprintf(number, sizeof number, " %g", value);
    calls.push_back(std::string(what) + " " + id + number);
    return AAX_SUCCESS;
  }
};
