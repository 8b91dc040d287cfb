// The editor beside the audio and host threads: blocks set meter values and
// mark every control inside the plug-in mutex, a host thread pushes
// parameter values inside it, and the editor paints value texts, drags a
// fader and resizes without it. Run under ThreadSanitizer in CI.

#include <atomic>
#include <thread>

#include "EditorTestSupport.h"

namespace edtest {
namespace {

class EditorConcurrency : public EditorTest {
 protected:
  // The layout the editor thread builds again after every resize.
  void Build() {
    Attach(new ProbeControl(plug, IRECT(0, 0, 464, 480)));
    const IBitmapStrip knob(nullptr, 64, 64 * 10, 10);
    IText style;
    Attach(new IKnobMultiControlText(plug, 300, 100, kLevel, &knob, &style));
    Attach(new IKnobMultiControlText(plug, 200, 100, kMode, &knob, &style));
    const IBitmapStrip handle(nullptr, 30, 20, 1);
    fader = new IFaderControl(plug, 50, 100, 200, kGain, &handle);
    Attach(fader);
    const IBitmapStrip meter(nullptr, 20, 60, 6);
    meterIdx = Attach(new IBitmapControl(plug, 400, 300, -1, &meter));
  }

  IFaderControl* fader = nullptr;
  // Read by the audio thread while the editor rebuilds the layout.
  std::atomic<int> meterIdx{-1};
};

constexpr int kRounds = 1000;

TEST_F(EditorConcurrency, BlocksHostPushesAndEditorWorkStayRaceFree) {
  Build();
  std::atomic<bool> stop{false};
  std::atomic<int> blocks{0}, pushes{0};

  std::thread audio([&] {
    double level = 0.0;
    while (!stop.load()) {
      MutexLock lock(plug->GetMutex());
      level = level >= 1.0 ? 0.0 : level + 0.01;
      view->SetControlValueFromPlug(meterIdx, level);
      view->MarkAllControlsChanged();
      ++blocks;
    }
  });
  std::thread host([&] {
    int round = 0;
    while (!stop.load()) {
      MutexLock lock(plug->GetMutex());
      const double value = (round++ % 100) / 100.0;
      plug->GetParam(kLevel)->SetFromNormalized(value);
      view->SetParameterValueFromPlug(kLevel, value, true);
      plug->GetParam(kMode)->SetFromNormalized(1.0 - value);
      view->SetParameterValueFromPlug(kMode, plug->GetParam(kMode)->Value(), false);
      ++pushes;
    }
  });

  // The editor starts once both other threads run, so that all three overlap.
  while (blocks.load() == 0 || pushes.load() == 0) std::this_thread::yield();
  IMouseKeys left(true, false, false, false, false);
  int lostDrags = 0;
  for (int round = 0; round < kRounds; ++round) {
    IRECT area;
    if (view->CollectDirtyArea(&area)) view->Paint(&area);
    // A drag on the fader: each position's value must stay what the drag set.
    view->MouseDown(60, 110, &left);
    for (int step = 1; step <= 9; ++step) {
      const int y = 110 + step * 20;
      view->MouseDrag(60, y, &left);
      if (fader->GetValue() != 1.0 - (y - 110) / 180.0) ++lostDrags;
    }
    view->MouseUp(60, 290, &left);
    if (round % 50 == 49) {
      view->ResizeEditor(464, 480);
      Build();
    }
  }
  stop = true;
  audio.join();
  host.join();

  EXPECT_EQ(0, lostDrags);
  EXPECT_GT(blocks.load(), 1);
  EXPECT_GT(pushes.load(), 1);
  EXPECT_EQ(0.0, fader->GetValue());
  EXPECT_EQ(0.0, plug->GetParam(kGain)->Value());
  EXPECT_EQ(static_cast<size_t>(kRounds), Calls(vo::TestPlug::HostCall::kBegin).size());
  EXPECT_EQ(static_cast<size_t>(kRounds), Calls(vo::TestPlug::HostCall::kEnd).size());
}

}  // namespace
}  // namespace edtest
