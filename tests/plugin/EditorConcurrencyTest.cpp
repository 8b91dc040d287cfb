// The audio callback writes the meter values and marks the controls while
// the editor's thread collects and paints them.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>

#include "IGraphics.h"
#include "PluginTestUtil.h"

using namespace vo_test;

TEST(PluginEditorConcurrency, BlocksRunWhileAnotherThreadPaints) {
  auto plug = MakePlugin();
  Prepare(*plug);
  IGraphics* editor = plug->GetGUI();
  ASSERT_NE(nullptr, editor);

  std::atomic<bool> painting{false};
  std::atomic<bool> done{false};
  int paints = 0;
  std::thread painter([&] {
    painting = true;
    while (!done) {
      IRECT dirty;
      if (editor->CollectDirtyArea(&dirty)) {
        editor->Paint(&dirty);
        ++paints;
      }
    }
  });
  while (!painting) std::this_thread::yield();

  Stereo in(256);
  for (size_t i = 0; i < in.l.size(); ++i) in.l[i] = in.r[i] = static_cast<float>(0.5 * std::sin(i * 0.1));
  for (int block = 0; block < 200; ++block) RunBlocks(*plug, in, 256);
  done = true;
  painter.join();
  EXPECT_GT(paints, 0);
}
