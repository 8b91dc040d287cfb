#include "PluginEditorShot.h"

#include "HostWindowing.h"
#include "HostedGUI.h"
#include "PluginSession.h"
#include "TestSignal.h"

#include <cstdio>
#include <vector>

namespace fakehost {

int RunEditorShot(Module& module, const std::string& path) {
  if (!vo::HasWindows()) {
    std::printf("no windows on this platform: no screenshot\n");
    return 1;
  }
  PluginSession session(module);
  if (!session.Ok()) {
    std::printf("module unusable: %s\n", session.Error().c_str());
    return 1;
  }
  int result = 1;
  {
    vo::HostWindow window(800, 800);
    HostedEffect effect(session, "A");
    HostedGUI gui(session, effect);
    gui.parentWindow = window.Handle();
    if (effect.Ok() && gui.Ok() && effect.Bind() == 0 && effect.InitPrivateData() == 0 && gui.Bind() == 0 &&
        gui.Attach() == 0) {
      const vo::AudioData signal = vo::MakeTestSignal(44100, 1.0);
      const int frames = 512;
      std::vector<float> left(frames), right(frames), outL(frames), outR(frames);
      float* in[2] = {left.data(), right.data()};
      float* out[2] = {outL.data(), outR.data()};
      for (int start = 0; start + frames <= signal.Frames(); start += frames) {
        for (int i = 0; i < frames; ++i) {
          left[static_cast<size_t>(i)] = static_cast<float>(signal.samples[0][static_cast<size_t>(start + i)]);
          right[static_cast<size_t>(i)] = static_cast<float>(signal.samples[1][static_cast<size_t>(start + i)]);
        }
        effect.Render(in, out, frames);
      }
      vo::PumpMessages(200);
      if (vo::CaptureWindowPng(vo::FirstChildWindow(window.Handle()), path)) {
        std::printf("editor screenshot written to %s\n", path.c_str());
        result = 0;
      } else {
        std::printf("could not capture the editor window\n");
      }
      gui.Unbind();
    } else {
      std::printf("the editor could not be opened\n");
    }
    effect.Unbind();
  }
  session.Shutdown();
  return result;
}

}  // namespace fakehost
