#pragma once
// The fixture of the editor scenarios in an AAX host: a session with the
// plug-in module, one instance bound to its controller, and its editor
// object ready to open in a host window shared by every scenario. After
// each scenario the host's gesture ledger must be clean and the module
// unloadable.

#include "HostWindowing.h"
#include "HostedGUI.h"
#include "PluginSession.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace fakehost {

// The display scale the run expects (1.5 in the run at 144 DPI).
inline double ExpectedScale() {
  const char* scale = std::getenv("VO_EXPECTED_DISPLAY_SCALE");
  return scale ? std::atof(scale) : 1.0;
}

struct EditorRect {
  int l, t, r, b;
};
// Editor controls' rects (unscaled): "Dry/Wet", the two meters.
constexpr EditorRect kDryWetKnob = {305, 252, 369, 336};
constexpr EditorRect kInputMeter = {29, 345, 56, 455};
constexpr EditorRect kOutputMeter = {408, 345, 435, 455};

inline bool SameArea(const vo::WindowPixels& a, const vo::WindowPixels& b, const EditorRect& r) {
  for (int y = r.t; y < r.b; ++y)
    for (int x = r.l; x < r.r; ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

// One host window for every scenario: making and destroying a visible
// top-level window costs seconds under Wine.
inline vo::HostWindow& SharedHostWindow() {
  static vo::HostWindow* window = new vo::HostWindow(800, 800);
  return *window;
}

class PluginEditorHost : public testing::Test {
protected:
  void SetUp() override {
    // Every scenario is one event of the host's user-interface thread.
    scope.reset(new vo::HostEventScope);
    session.reset(new PluginSession(ModuleUnderTest()));
    ASSERT_TRUE(session->Ok()) << session->Error();
    effect.reset(new HostedEffect(*session, "A"));
    ASSERT_TRUE(effect->Ok());
    ASSERT_EQ(0, effect->Bind());
    ASSERT_EQ(0, effect->InitPrivateData());
    gui.reset(new HostedGUI(*session, *effect));
    ASSERT_TRUE(gui->Ok());
    gui->parentWindow = window.Handle();
  }

  void TearDown() override {
    if (!session) return;
    gui.reset();
    // Every scenario: once the editor has gone, every value the host saw
    // lay inside a touch of its parameter and every touch was released.
    if (effect) {
      EXPECT_THAT(effect->gestures.Problems(), testing::IsEmpty()) << effect->gestures.Transcript();
    }
    if (effect) {
      effect->Unbind();
      effect.reset();
    }
    EXPECT_EQ(0, session->entry.canUnloadNow(nullptr));
    EXPECT_EQ(0, session->Shutdown());
    EXPECT_THAT(session->host.LedgerProblems(), testing::IsEmpty());
    session.reset();
    scope.reset();
  }

  // The editor's window in the host window, with its class and size.
  void* Child(std::string* className = nullptr, int* width = nullptr, int* height = nullptr) {
    return vo::FirstChildWindow(window.Handle(), className, width, height);
  }
  // The automation calls since the transcript position from.
  std::vector<std::string> Automation(size_t from = 0) {
    std::vector<std::string> calls;
    const std::vector<Call>& all = session->host.Calls();
    for (size_t i = from; i < all.size(); ++i)
      if (all[i].object == effect->controller->Name() && all[i].face == "automation") calls.push_back(all[i].Text());
    return calls;
  }
  // Seconds of a sine at amplitude through the instance, in 512-frame blocks.
  void RenderSine(double seconds, double amplitude) {
    const int frames = 512;
    std::vector<float> left(frames), right(frames), outL(frames), outR(frames);
    float* in[2] = {left.data(), right.data()};
    float* out[2] = {outL.data(), outR.data()};
    const int blocks = static_cast<int>(seconds * 44100.0 / frames);
    for (int b = 0; b < blocks; ++b) {
      for (int i = 0; i < frames; ++i)
        left[i] = right[i] =
            static_cast<float>(amplitude * std::sin(2.0 * 3.141592653589793 * 440.0 * (b * frames + i) / 44100.0));
      effect->Render(in, out, frames);
    }
  }
  vo::WindowPixels Shot() {
    vo::PumpMessages(150);
    vo::WindowPixels pixels;
    vo::CaptureWindowPixels(Child(), &pixels);
    return pixels;
  }

  vo::HostWindow& window = SharedHostWindow();
  std::unique_ptr<vo::HostEventScope> scope;  // goes last
  std::unique_ptr<PluginSession> session;
  std::unique_ptr<HostedEffect> effect;
  std::unique_ptr<HostedGUI> gui;
};

#define REQUIRE_WINDOWS() \
  if (!vo::HasWindows()) GTEST_SKIP() << "no windows on this platform"

}  // namespace fakehost
