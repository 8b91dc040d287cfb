#include "HostEditor.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Checker.h"
#include "HostEditorEdits.h"
#include "HostEditorInput.h"
#include "HostObjects.h"
#include "HostWindowing.h"
#include "HostedPlugin.h"
#include "TestSignal.h"
#include "lice_png.h"
#include "lice_bitmap.h"
#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"
#include "pluginterfaces/vst/vstspeaker.h"

using namespace Steinberg;

namespace vo {
namespace vst3host {
namespace {

struct Rect {
  int l, t, r, b;
  bool Contains(int x, int y) const { return x >= l && x < r && y >= t && y < b; }
};

// Every control's target rect of the editor (unscaled), background aside.
const Rect kControlRects[] = {
    {100, 252, 164, 336}, {166, 252, 230, 336}, {233, 252, 297, 336}, {305, 252, 369, 336},
    {305, 135, 369, 219}, {94, 128, 160, 164},  {160, 128, 226, 164}, {117, 358, 165, 382},
    {208, 358, 256, 382}, {303, 358, 351, 382}, {16, 80, 69, 328},    {395, 80, 448, 328},
    {29, 345, 56, 455},   {408, 345, 435, 455}, {314, 433, 356, 444}};
constexpr Rect kDryWetKnob = {305, 252, 369, 336};
constexpr Rect kInputMeter = {29, 345, 56, 455};
constexpr Rect kOutputMeter = {408, 345, 435, 455};
constexpr Vst::ParamID kModeII = 5, kInput = 1, kDryWet = 3;
// Virtual keys of Return and Escape.
constexpr int kReturnKey = 0x0D, kEscapeKey = 0x1B;

bool SameArea(const WindowPixels& a, const WindowPixels& b, const Rect& r) {
  for (int y = r.t; y < r.b; ++y)
    for (int x = r.l; x < r.r; ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

// The plug-in processing blocks as a host does, with parameter points.
class Processing {
 public:
  explicit Processing(HostedPlugin& plug) : mPlug(plug), mLeft(kFrames), mRight(kFrames), mOutL(kFrames), mOutR(kFrames) {
    mPlug.ActivateDefaultBuses();
    Vst::SpeakerArrangement in = Vst::SpeakerArr::kStereo, out = Vst::SpeakerArr::kStereo;
    mPlug.Processor()->setBusArrangements(&in, 1, &out, 1);
    Vst::ProcessSetup setup{Vst::kRealtime, Vst::kSample32, kFrames, 44100.0};
    mPlug.Processor()->setupProcessing(setup);
    mPlug.Component()->setActive(true);
    mPlug.Processor()->setProcessing(true);
  }
  ~Processing() {
    mPlug.Processor()->setProcessing(false);
    mPlug.Component()->setActive(false);
  }
  // Runs frames of signal (one per channel; empty: silence) in blocks.
  void Run(const std::vector<double>& signal, int frames, HostParameterChanges* changes = nullptr) {
    float* ins[2] = {mLeft.data(), mRight.data()};
    float* outs[2] = {mOutL.data(), mOutR.data()};
    Vst::AudioBusBuffers inBus, outBus;
    inBus.numChannels = outBus.numChannels = 2;
    inBus.channelBuffers32 = ins;
    outBus.channelBuffers32 = outs;
    for (int start = 0; start + kFrames <= frames; start += kFrames) {
      for (int i = 0; i < kFrames; ++i) {
        const size_t at = static_cast<size_t>(start + i);
        mLeft[static_cast<size_t>(i)] = mRight[static_cast<size_t>(i)] =
            signal.empty() ? 0.0f : static_cast<float>(signal[at % signal.size()]);
      }
      Vst::ProcessData data =
          MainBusesProcessData(inBus, outBus, kFrames, Vst::kSample32, changes);
      mPlug.Processor()->process(data);
      if (changes) changes->Clear();
    }
  }
  static constexpr int kFrames = 512;

 private:
  HostedPlugin& mPlug;
  std::vector<float> mLeft, mRight, mOutL, mOutR;
};

std::vector<double> Sine(int frames, double amplitude) {
  std::vector<double> s(static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) s[static_cast<size_t>(i)] = amplitude * std::sin(2.0 * 3.141592653589793 * 440.0 * i / 44100.0);
  return s;
}

WindowPixels Shot(void* child) {
  PumpMessages(150);
  WindowPixels pixels;
  CaptureWindowPixels(child, &pixels);
  return pixels;
}

// Every editor scenario leaves the host's ledger clean: each value inside a
// gesture of its parameter, no begin inside an open one, no end without a
// begin, nothing left open. The ledger then starts afresh for the next one.
void ExpectCleanLedger(Checker& c, HostComponentHandler& handler, const std::string& scenario) {
  c.Expect(handler.mGestures.Problems().empty(), scenario + " leaves the gesture ledger clean:" +
                                                     handler.GestureProblemText() + " [" +
                                                     handler.mGestures.Transcript() + "]");
  handler.mGestures.Clear();
}

// The calls on kDryWet are a gesture with one value (value < 0: none):
// beginEdit(3) [performEdit(3, value)] endEdit(3).
bool IsDryWetGesture(const std::vector<HostComponentHandler::Call>& calls, size_t at, double value) {
  const size_t n = value < 0.0 ? 2 : 3;
  if (calls.size() < at + n) return false;
  for (size_t i = at; i < at + n; ++i)
    if (calls[i].id != static_cast<Steinberg::int32>(kDryWet)) return false;
  if (calls[at].kind != 'b' || calls[at + n - 1].kind != 'e') return false;
  return value < 0.0 || (calls[at + 1].kind == 'p' && std::fabs(calls[at + 1].value - value) < 1e-9);
}

// A user types into the "Dry/Wet" value text with posted input, while a
// -6 dBFS sine runs: the box opens without keeping the mouse, the meters go
// on repainting, Return commits, Escape cancels and a click elsewhere on the
// editor commits. Each host gesture is begin, value, end for "Dry/Wet".
void CheckTextEntry(Checker& c, HostedPlugin& plug, HostComponentHandler& handler, Processing& processing,
                    void* child) {
  Vst::IEditController* controller = plug.Controller();
  // Opens the box with a press and release on the value text (its gesture
  // has no value), types text and ends the entry with finish.
  auto enter = [&](const std::string& text, const std::function<void()>& finish) -> void* {
    handler.mCalls.clear();
    PostPress(child, 337, 328);
    PostRelease(child, 337, 328);
    PumpMessages(60);
    void* box = FocusWindow();
    PostText(text);
    PumpMessages(60);
    finish();
    PumpMessages(150);
    return box;
  };

  handler.mCalls.clear();
  PostPress(child, 337, 328);
  PostRelease(child, 337, 328);
  PumpMessages(60);
  void* box = FocusWindow();
  c.Expect(box != nullptr && box != child && CaptureWindow() == nullptr,
           "a click on the \"Dry/Wet\" value text opens a box and leaves no mouse capture");
  c.Expect(handler.mCalls.size() == 2 && IsDryWetGesture(handler.mCalls, 0, -1.0),
           "the press and release that open the box are beginEdit(3), endEdit(3)");
  const WindowPixels quiet = Shot(child);
  processing.Run(Sine(44100, 0.5), 22016);
  const WindowPixels loud = Shot(child);
  c.Expect(!SameArea(quiet, loud, kInputMeter) && !SameArea(quiet, loud, kOutputMeter),
           "with the box open, half a second at -6 dBFS moves both meters");
  c.Expect(FocusWindow() == box, "the box keeps the focus while the editor paints");
  PostText("5");
  PostKey(kReturnKey);
  PumpMessages(150);
  Vst::String128 display = {};
  controller->getParamStringByValue(kDryWet, controller->getParamNormalized(kDryWet), display);
  const std::string shown = ToUtf8(display);
  c.Expect(std::fabs(controller->getParamNormalized(kDryWet) - 0.05) < 1e-9 && shown == "5",
           "typing \"5\" and Return sets \"Dry/Wet\" to 5 % (reads \"" + shown + "\")");
  c.Expect(handler.mCalls.size() == 5 && IsDryWetGesture(handler.mCalls, 0, -1.0) &&
               IsDryWetGesture(handler.mCalls, 2, 0.05),
           "the entry's gesture is beginEdit(3), performEdit(3, 0.05), endEdit(3)");
  c.Expect(FocusWindow() != box && CaptureWindow() == nullptr, "Return closes the box, no capture left");
  ExpectCleanLedger(c, handler, "typing \"5\" and Return");

  enter("9", [] { PostKey(kEscapeKey); });
  c.Expect(std::fabs(controller->getParamNormalized(kDryWet) - 0.05) < 1e-9 && handler.mCalls.size() == 2 &&
               IsDryWetGesture(handler.mCalls, 0, -1.0) && CaptureWindow() == nullptr,
           "Escape leaves \"Dry/Wet\" at 5 % and sends no value");
  ExpectCleanLedger(c, handler, "typing \"9\" and Escape");

  enter("7", [&] {
    PostPress(child, 240, 40);  // the background
    PostRelease(child, 240, 40);
  });
  c.Expect(std::fabs(controller->getParamNormalized(kDryWet) - 0.07) < 1e-9 && handler.mCalls.size() == 5 &&
               IsDryWetGesture(handler.mCalls, 2, 0.07) && CaptureWindow() == nullptr,
           "a click elsewhere on the editor while typing commits 7 %");
  ExpectCleanLedger(c, handler, "typing \"7\" and a click elsewhere");
}

// The host windows the checks use, made once: a visible top-level window
// costs seconds to make and destroy under Wine.
struct HostWindows {
  HostWindow a{800, 800};
  HostWindow b{800, 800};
};

void CheckOneView(Checker& c, HostedPlugin& plug, HostComponentHandler& handler, const EditorOptions& options,
                  HostWindow& window, HostWindow& otherWindow) {
  Vst::IEditController* controller = plug.Controller();
  c.Expect(controller->createView("Editor") == nullptr, "createView(\"Editor\") gives no view");
  c.Expect(controller->createView(nullptr) == nullptr, "createView(null) gives no view");
  IPlugView* view = controller->createView(Vst::ViewType::kEditor);
  if (!c.Expect(view != nullptr, "createView(\"editor\") gives a view")) return;
  c.Expect(view->isPlatformTypeSupported(kPlatformTypeHWND) == kResultOk, "\"HWND\" is supported");
  c.Expect(view->isPlatformTypeSupported(kPlatformTypeNSView) == kResultFalse, "\"NSView\" is not");
  HostPlugFrame frame;
  c.Expect(view->setFrame(&frame) == kResultTrue, "setFrame answers true");

  const double scale = options.expectedScale;
  const int width = static_cast<int>(464 * scale), height = static_cast<int>(480 * scale);
  // A type other than a window handle opens nothing.
  c.Expect(view->attached(window.Handle(), kPlatformTypeNSView) == kResultFalse, "attached with \"NSView\" answers false");
  c.Expect(ChildWindowCount(window.Handle()) == 0, "attached with \"NSView\" opens no window");
  c.Expect(view->attached(window.Handle(), kPlatformTypeHWND) == kResultOk, "attached with \"HWND\" answers ok");
  std::string className;
  int childWidth = 0, childHeight = 0;
  void* child = FirstChildWindow(window.Handle(), &className, &childWidth, &childHeight);
  if (HasWindows()) {
    c.Expect(child != nullptr && className == "IPlugWndClass", "the editor opens one \"IPlugWndClass\" child");
    c.Expect(childWidth == width && childHeight == height,
             "the child is " + std::to_string(width) + " x " + std::to_string(height) + " (is " +
                 std::to_string(childWidth) + " x " + std::to_string(childHeight) + ")");
  }
  ViewRect size;
  c.Expect(view->getSize(&size) == kResultOk && size.left == 0 && size.top == 0 && size.right == width &&
               size.bottom == height,
           "getSize answers (0, 0, " + std::to_string(width) + ", " + std::to_string(height) + ")");
  c.Expect(view->getSize(nullptr) == kInvalidArgument, "getSize(null) is an invalid argument");
  c.Expect(view->onSize(nullptr) == kResultOk, "onSize(null) answers ok");
  ViewRect hostSize(0, 0, width, height);
  c.Expect(view->onSize(&hostSize) == kResultOk, "an unasked onSize answers ok");

  if (HasWindows() && child) {
    handler.mCalls.clear();
    if (scale == 1.0) {
      ClickWindow(child, 193, 146);
      c.Expect(handler.CallKinds() == "bpe" && handler.mCalls[0].id == kModeII && handler.mCalls[1].id == kModeII &&
                   handler.mCalls[1].value == 1.0 && handler.mCalls[2].id == kModeII,
               "a click at (193, 146) sends beginEdit(5), performEdit(5, 1.0), endEdit(5)");
      ExpectCleanLedger(c, handler, "a click on \"Mode II\"");
      handler.mCalls.clear();
      ClickWindow(child, 42, 204);
      bool input = false;
      for (const auto& call : handler.mCalls) input |= call.kind == 'p' && call.id == kInput && call.value == 0.5;
      c.Expect(input, "a click at (42, 204) sends performEdit(1, 0.5)");
      ExpectCleanLedger(c, handler, "a click on the \"Input\" fader");
      handler.mCalls.clear();
      ClickWindow(child, 330, 280, true);
      const std::string kinds = handler.CallKinds();
      c.Expect(kinds.size() >= 2 && kinds[0] == 'm' && handler.mCalls[0].id == kDryWet &&
                   handler.mCalls[0].view == view && kinds[1] == 'u' && kinds.find('b') == std::string::npos,
               "a right press on \"Dry/Wet\" asks for the view's context menu of parameter 3 and pops it up, no beginEdit");
      c.Expect(handler.mOpenMenus == 0, "the context menu is given back");
      ExpectCleanLedger(c, handler, "a right press on \"Dry/Wet\"");
      ClickWindow(child, 330, 280, true);
      c.Expect(handler.mGestures.Untouched(), "a right press on \"Dry/Wet\" neither begins nor ends a gesture");
    } else {
      const double before = controller->getParamNormalized(kModeII);
      ClickWindow(child, 289, 219);
      c.Expect(controller->getParamNormalized(kModeII) != before, "a press at device (289, 219) toggles \"Mode II\"");
      ExpectCleanLedger(c, handler, "a scaled click on \"Mode II\"");
    }
    CheckContextMenuPosition(c, handler, child, scale);
  }

  if (HasWindows() && child && scale == 1.0) {
    Processing processing(plug);
    const WindowPixels before = Shot(child);
    HostParameterChanges changes;
    changes.Add(kDryWet, 1.0);
    processing.Run({}, Processing::kFrames, &changes);
    const WindowPixels knob = Shot(child);
    c.Expect(knob.width == 464 && !SameArea(before, knob, kDryWetKnob),
             "a \"Dry/Wet\" point of 1.0 in process() repaints the knob");
    processing.Run(Sine(44100, 0.5), 22016);
    const WindowPixels loud = Shot(child);
    c.Expect(!SameArea(knob, loud, kInputMeter) && !SameArea(knob, loud, kOutputMeter),
             "half a second at -6 dBFS moves both meters");

    if (!options.background.empty()) {
      LICE_IBitmap* background = LICE_ReadPNGFile(options.background.c_str());
      if (c.Expect(background && background->PixelWidth() == 464 && background->PixelHeight() == 480,
                   "the background image reads")) {
        int differing = 0;
        for (int y = 0; y < 480; ++y) {
          for (int x = 0; x < 464; ++x) {
            bool inControl = false;
            for (const Rect& r : kControlRects) inControl |= r.Contains(x, y);
            if (inControl) continue;
            const uint32_t expected = background->Pixels()[y * background->RowSpan() + x] & 0x00FFFFFFu;
            differing += loud.At(x, y) != expected;
          }
        }
        c.Expect(differing == 0, "outside every control the editor shows the background image (" +
                                     std::to_string(differing) + " pixels differ)");
      }
      delete background;
    }
    processing.Run({}, 44032);
    const WindowPixels quiet = Shot(child);
    c.Expect(SameArea(knob, quiet, kInputMeter) && SameArea(knob, quiet, kOutputMeter),
             "a second of silence returns the meters");
    CheckTextEntry(c, plug, handler, processing, child);
    CheckCaptureLoss(c, handler, child, otherWindow.Handle());
    CheckPastedText(c, plug, handler, child);
    CheckEditsWithoutDrag(c, plug, handler, child);
  }

  c.Expect(view->removed() == kResultOk, "removed answers ok");
  ExpectCleanLedger(c, handler, "closing the view");
  c.Expect(ChildWindowCount(window.Handle()) == 0, "removed closes the editor window");
  c.Expect(view->release() == 0, "releasing the view gives its reference back");
}

// Two views: closing the first leaves the second its window and the menus.
void CheckTwoViews(Checker& c, HostedPlugin& plug, HostComponentHandler& handler, HostWindows& windows,
                   double scale) {
  if (!HasWindows()) return;
  IPlugView* first = plug.Controller()->createView(Vst::ViewType::kEditor);
  IPlugView* second = plug.Controller()->createView(Vst::ViewType::kEditor);
  HostWindow& windowA = windows.a;
  HostWindow& windowB = windows.b;
  first->attached(windowA.Handle(), kPlatformTypeHWND);
  second->attached(windowB.Handle(), kPlatformTypeHWND);
  first->removed();
  first->release();
  void* child = FirstChildWindow(windowB.Handle());
  c.Expect(child != nullptr, "after the first of two views is removed the second keeps its editor window");
  handler.mCalls.clear();
  // On "Dry/Wet", in device pixels.
  if (child) ClickWindow(child, static_cast<int>(330 * scale), static_cast<int>(280 * scale), true);
  c.Expect(!handler.mCalls.empty() && handler.mCalls[0].kind == 'm' && handler.mCalls[0].view == second,
           "the second view gets the context menu");
  second->removed();
  second->release();
  ExpectCleanLedger(c, handler, "two views");
}

// A second of the test signal through the plug-in with its editor open, then
// the editor's window as a PNG file.
void WriteScreenshot(Checker& c, HostedPlugin& plug, const std::string& path, HostWindow& window) {
  IPlugView* view = plug.Controller()->createView(Vst::ViewType::kEditor);
  view->attached(window.Handle(), kPlatformTypeHWND);
  {
    Processing processing(plug);
    const AudioData signal = MakeTestSignal(44100, 1.0);
    processing.Run(signal.samples[0], signal.Frames());
  }
  PumpMessages(200);
  c.Expect(CaptureWindowPng(FirstChildWindow(window.Handle()), path), "the editor's screenshot is written to " + path);
  view->removed();
  view->release();
}

}  // namespace

int RunEditorChecks(const PluginModule& module, const EditorOptions& options) {
  Checker c(options.verbose);
  if (!c.Expect(module.Ok(), "the bundle holds a module exporting GetPluginFactory, InitDll and ExitDll " + module.Error()))
    return c.Failures();
  module.InitDll()();
  IPluginFactory* factory = module.GetFactory()();
  HostApplication host("VST3 Test Host");
  HostComponentHandler handler;
  {
    HostedPlugin plug(factory);
    if (c.Expect(plug.Ok() && plug.Initialize(&host), "the plug-in initialises")) {
      plug.Controller()->setComponentHandler(&handler);
      HostWindows windows;
      CheckOneView(c, plug, handler, options, windows.a, windows.b);
      CheckTwoViews(c, plug, handler, windows, options.expectedScale);
      // The screenshot shows a fresh instance, untouched by the checks.
      if (!options.screenshot.empty() && HasWindows()) {
        HostedPlugin fresh(factory);
        if (c.Expect(fresh.Ok() && fresh.Initialize(&host), "a second instance initialises"))
          WriteScreenshot(c, fresh, options.screenshot, windows.a);
      }
    }
  }
  c.Expect(handler.References() == 1, "every reference on the component handler was given back");
  if (factory) factory->release();
  module.ExitDll()();
  std::printf("%d failure(s)\n", c.Failures());
  return c.Failures();
}

}  // namespace vst3host
}  // namespace vo
