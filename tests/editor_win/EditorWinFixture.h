#pragma once
// The editor's Windows view in a test: a TestPlug with two parameters set up,
// an IGraphicsWin whose display scale a test may fix, probe controls that
// record what reaches them and paint a value-dependent colour, and a host
// window the editor opens in.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "HostWindow.h"
#include "IControl.h"
#include "IGraphicsWin.h"
#include "TestPlug.h"

namespace vo {

// Answers a fixed display scale, or the real one when none is set.
class ScaledGraphicsWin : public IGraphicsWin {
 public:
  ScaledGraphicsWin(IPlugBase* plug, int width, int height, int fps, double scale)
      : IGraphicsWin(plug, width, height, fps), mScale(scale) {}
  double GetDisplayScale() override { return mScale > 0.0 ? mScale : IGraphicsWin::GetDisplayScale(); }

 private:
  double mScale;
};

// Fills its rect with a colour that follows its value and records the input
// it receives (unscaled coordinates).
class ProbeControl : public IControl {
 public:
  ProbeControl(IPlugBase* plug, const IRECT& rect, int paramIdx);

  bool Render(IGraphics* graphics) override;
  void HandleMouseDown(int x, int y, IMouseKeys* keys) override;
  void HandleMouseUp(int x, int y, IMouseKeys* keys) override { ++ups; }
  void HandleMouseDrag(int x, int y, int dX, int dY, IMouseKeys* keys) override;
  void HandleWheel(int x, int y, IMouseKeys* keys, int n) override { notches.push_back(n); }
  bool HandleKey(int x, int y, int keyCode) override;
  void ApplyTextEntryResult(const char* text) override { entries.push_back(text); }

  // The colour Render fills with for a value.
  static LICE_Pixel ColourFor(double value);

  std::vector<POINT> downs;
  int ups = 0;
  std::vector<int> notches;
  std::vector<int> keys;
  std::vector<std::string> entries;
};

// Parameter 0: continuous 0..10 (kind 4); parameter 1: boolean (kind 1).
class EditorWinTest : public ::testing::Test {
 public:
  // scale 0: the real display scale.
  void OpenEditor(double scale = 1.0, int fps = 0, bool withControls = true);
  void TearDown() override;

  // The editor's own rects: a probe over the knob area bound to parameter
  // 0, a probe without parameter, and a probe bound to parameter 1.
  static const IRECT kKnobProbeRect;
  static const IRECT kFreeProbeRect;
  static const IRECT kSwitchProbeRect;

  HWND Window() const { return static_cast<HWND>(editor->NativeWindowHandle()); }
  // Sends a mouse message with client coordinates (device pixels).
  void Mouse(UINT message, WPARAM keys, int x, int y);
  // One redraw tick, as the timer would deliver it.
  void Tick();

 protected:

  std::unique_ptr<HostWindow> host;
  std::unique_ptr<TestPlug> plug;
  ScaledGraphicsWin* editor = nullptr;  // owned by plug
  ProbeControl* knobProbe = nullptr;
  ProbeControl* freeProbe = nullptr;
  ProbeControl* switchProbe = nullptr;
};

}  // namespace vo
