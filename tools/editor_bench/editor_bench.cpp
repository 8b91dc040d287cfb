// Benchmark of the editor's redraw on a layout of the plug-in's kind:
// background, five text knobs on a 200-frame strip, five switches, two
// faders, two meters and a label, with synthetic images.
//
// Counters:
//   ticks_per_s  timer ticks (dirty collection and paint) per second; the
//                editor's timer asks for 25.
#include <benchmark/benchmark.h>

#include <memory>

#include "IControls.h"
#include "IGraphics.h"
#include "TestPlug.h"
#include "TestView.h"
#include "lice_pixel.h"

namespace {

enum { kBackground = 9100, kKnob, kSwitch, kHandle, kMeter };

struct Editor {
  Editor() {
    vo::TestPlugOptions options;
    options.nParams = 12;
    plug = std::make_unique<vo::TestPlug>(options);
    for (int i = 0; i < 12; ++i) plug->GetParam(i)->SetUpDouble("Rate", 1.0, 0.0, 10.0, 0.01, "Hz");
    view = new vo::TestView(plug.get());
    view->AddPicture(kBackground, 464, 480, LICE_RGBA(40, 40, 48, 255));
    view->AddPicture(kKnob, 64, 64 * 200, LICE_RGBA(200, 200, 200, 128));
    view->AddPicture(kSwitch, 30, 60, LICE_RGBA(200, 20, 20, 255));
    view->AddPicture(kHandle, 30, 20, LICE_RGBA(220, 220, 220, 255));
    view->AddPicture(kMeter, 20, 360, LICE_RGBA(20, 200, 20, 255));
    view->AttachBackground(kBackground, "bkg.png");
    const IBitmapStrip knob = view->LoadBitmapStrip(kKnob, "knob.png", 200);
    const IBitmapStrip sw = view->LoadBitmapStrip(kSwitch, "switch.png", 2);
    const IBitmapStrip handle = view->LoadBitmapStrip(kHandle, "fader-handle.png", 1);
    const IBitmapStrip meter = view->LoadBitmapStrip(kMeter, "vumeter.png", 6);
    IText style(12, IColor(255, 220, 220, 220), "Arial");
    for (int i = 0; i < 5; ++i) view->AttachControl(new IKnobMultiControlText(plug.get(), 30 + 70 * i, 250, i, &knob, &style));
    for (int i = 0; i < 5; ++i) view->AttachControl(new ISwitchControl(plug.get(), 30 + 70 * i, 360, 5 + i, &sw));
    view->AttachControl(new IFaderControl(plug.get(), 16, 80, 248, 10, &handle));
    view->AttachControl(new IFaderControl(plug.get(), 395, 80, 248, 11, &handle));
    inMeter = view->AttachControl(new IBitmapControl(plug.get(), 29, 345, -1, &meter));
    outMeter = view->AttachControl(new IBitmapControl(plug.get(), 408, 345, -1, &meter));
    view->AttachControl(new ITextControl(plug.get(), IRECT(314, 433, 356, 444), style, "v1.2.0"));
    plug->ConnectGraphics(view);
  }
  // One 40 ms timer tick: collect, then paint what was found.
  void Tick() {
    IRECT area;
    if (view->CollectDirtyArea(&area)) view->Paint(&area);
    view->paintedAreas.clear();
  }

  std::unique_ptr<vo::TestPlug> plug;
  vo::TestView* view;  // owned by the plug-in
  int inMeter = -1;
  int outMeter = -1;
};

void Report(benchmark::State& state) {
  state.counters["ticks_per_s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

// The usual case while audio runs: every block marks all controls.
void BM_TickAfterBlock(benchmark::State& state) {
  Editor editor;
  double level = 0.0;
  for (auto _ : state) {
    level = level >= 1.0 ? 0.0 : level + 0.05;
    editor.view->SetControlValueFromPlug(editor.inMeter, level);
    editor.view->SetControlValueFromPlug(editor.outMeter, 1.0 - level);
    editor.view->MarkAllControlsChanged();
    editor.Tick();
  }
  Report(state);
}
BENCHMARK(BM_TickAfterBlock);

// Only the two meters moved.
void BM_TickMetersOnly(benchmark::State& state) {
  Editor editor;
  editor.Tick();
  editor.Tick();
  double level = 0.0;
  for (auto _ : state) {
    level = level >= 1.0 ? 0.0 : level + 0.05;
    editor.view->SetControlValueFromPlug(editor.inMeter, level);
    editor.view->SetControlValueFromPlug(editor.outMeter, 1.0 - level);
    editor.Tick();
  }
  Report(state);
}
BENCHMARK(BM_TickMetersOnly);

void BM_MeasureValueText(benchmark::State& state) {
  Editor editor;
  IText style(12, IColor(255, 220, 220, 220), "Arial");
  for (auto _ : state) {
    IRECT r(0, 0, 64, 16);
    benchmark::DoNotOptimize(editor.view->MeasureTextRect(&style, "2.50 Hz", &r));
  }
}
BENCHMARK(BM_MeasureValueText);

}  // namespace

BENCHMARK_MAIN();
