#pragma once
// A plug-in with an editor for the editor tests: TestPlug (records the host
// calls) with a few parameters of each kind, and a TestView connected to it.

#include <gtest/gtest.h>

#include <vector>

#include "IControls.h"
#include "IGraphics.h"
#include "IPlugParameter.h"
#include "TestPlug.h"
#include "TestView.h"

namespace edtest {

// Parameter indexes of the fixture's plug-in.
enum {
  kGain = 0,    // double 0..2, step 0.01, shape 1
  kSwitch = 1,  // bool with "off" / "on"
  kMode = 2,    // enumeration of four texts, value 2
  kLevel = 3,   // double -12..12, step 0.1, label "dB"
  kWidth = 4,   // double 0..100, step 1
  kParams = 5,
};

// A control that records what reaches it.
class ProbeControl : public IControl {
 public:
  ProbeControl(IPlugBase* plug, const IRECT& rect, int paramIdx = -1) : IControl(plug, rect, paramIdx) {}
  bool Render(IGraphics*) override {
    ++renders;
    return true;
  }
  void HandleMouseDown(int x, int y, IMouseKeys* keys) override {
    downs.push_back({x, y});
    IControl::HandleMouseDown(x, y, keys);
  }
  void HandleMouseUp(int x, int y, IMouseKeys*) override { ++ups; }
  void HandleMouseDrag(int x, int y, int dX, int dY, IMouseKeys*) override { drags.push_back({dX, dY}); }
  void HandleMouseHover(int, int, IMouseKeys*) override { ++hovers; }
  void HandleMouseLeave() override { ++leaves; }
  bool HandleKey(int, int, int keyCode) override {
    keys.push_back(keyCode);
    return true;
  }
  void ApplyTextEntryResult(const char* text) override { entryResult = text; }

  struct Point {
    int x, y;
  };
  int renders = 0;
  int ups = 0;
  int hovers = 0;
  int leaves = 0;
  std::vector<Point> downs;
  std::vector<Point> drags;
  std::vector<int> keys;
  std::string entryResult;
};

class EditorTest : public testing::Test {
 protected:
  explicit EditorTest(int apiId = kApiAax) {
    vo::TestPlugOptions options;
    options.nParams = kParams;
    options.apiId = apiId;
    plug = new vo::TestPlug(options);
    plug->GetParam(kGain)->SetUpDouble("Gain", 0.0, 0.0, 2.0, 0.01);
    plug->GetParam(kSwitch)->SetUpBool("Switch", false);
    IPlugParameter* mode = plug->GetParam(kMode);
    mode->SetUpDouble("Mode", 2.0, 0.0, 3.0, 1.0);
    mode->AddDisplayText(0, "Sine");
    mode->AddDisplayText(1, "Triangle");
    mode->AddDisplayText(2, "Saw");
    mode->AddDisplayText(3, "Square");
    mode->SetKind(IPlugParameter::kTypeEnum);
    plug->GetParam(kLevel)->SetUpDouble("Level", 0.0, -12.0, 12.0, 0.1, "dB");
    plug->GetParam(kWidth)->SetUpDouble("Width", 100.0, 0.0, 100.0, 1.0, "%");
    view = new vo::TestView(plug);
    plug->ConnectGraphics(view);
  }
  ~EditorTest() override { delete plug; }

  // Index of the new control.
  int Attach(IControl* control) { return view->AttachControl(control); }
  // Every control painted, so that nothing is dirty any more.
  void PaintAll() {
    IRECT area(0, 0, view->Width(), view->Height());
    view->Paint(&area);
  }
  // Host calls of one kind, in order.
  std::vector<vo::TestPlug::HostCall> Calls(vo::TestPlug::HostCall::Kind kind) const {
    std::vector<vo::TestPlug::HostCall> found;
    for (const auto& call : plug->hostCalls) {
      if (call.kind == kind) found.push_back(call);
    }
    return found;
  }

  vo::TestPlug* plug;
  vo::TestView* view;  // owned by the plug-in
};

}  // namespace edtest
