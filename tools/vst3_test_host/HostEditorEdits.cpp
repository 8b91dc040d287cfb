#include "HostEditorEdits.h"

#include <cmath>
#include <functional>
#include <string>

#include "Checker.h"
#include "HostDesktop.h"
#include "HostObjects.h"
#include "HostWindowing.h"
#include "HostedPlugin.h"

using namespace Steinberg;

namespace vo {
namespace vst3host {
namespace {

constexpr Vst::ParamID kDryWet = 3, kModeII = 5;
// Editor points: the "Dry/Wet" knob's face and its value text, the "Mode II" switch.
constexpr int kKnobX = 337, kKnobY = 284;
constexpr int kValueTextX = 337, kValueTextY = 328;
constexpr int kModeIIX = 193, kModeIIY = 146;
constexpr int kReturnKey = 0x0D;

bool Near(double a, double b) { return std::fabs(a - b) < 1e-9; }

// One edit: the host receives exactly the calls expected (the ledger's
// transcript: b begin, v value, e end, then the parameter id), its ledger
// stays clean, and the result holds. The ledger then starts afresh.
class EditCheck {
 public:
  EditCheck(Checker& c, HostComponentHandler& handler) : mC(c), mHandler(handler) {}

  void operator()(const std::string& edit, const std::function<void()>& make, const std::string& expectedCalls,
                  const std::function<bool()>& result, const std::string& resultText) {
    mHandler.mGestures.Clear();
    make();
    const std::string calls = mHandler.mGestures.Transcript();
    const std::string problems = mHandler.GestureProblemText();
    mC.Expect(calls == expectedCalls, edit + " sends " + expectedCalls + " (sent: " + calls + ")");
    mC.Expect(problems.empty(), edit + " leaves the gesture ledger clean:" + problems);
    mC.Expect(result(), edit + ": " + resultText);
    mHandler.mGestures.Clear();
  }

 private:
  Checker& mC;
  HostComponentHandler& mHandler;
};

std::string Value(Vst::ParamID id, const char* value) { return "v" + std::to_string(id) + "=" + value; }
std::string Gesture(Vst::ParamID id, const char* value) {
  const std::string n = std::to_string(id);
  return "b" + n + " " + Value(id, value) + " e" + n;
}

}  // namespace

void CheckEditsWithoutDrag(Checker& c, HostedPlugin& plug, HostComponentHandler& handler, void* child) {
  Vst::IEditController* controller = plug.Controller();
  auto value = [controller](Vst::ParamID id) { return controller->getParamNormalized(id); };
  EditCheck check(c, handler);

  check("typing \"20\" and Return in the \"Dry/Wet\" box",
        [&] {
          PostPress(child, kValueTextX, kValueTextY);
          PostRelease(child, kValueTextX, kValueTextY);
          PumpMessages(60);
          PostText("20");
          PostKey(kReturnKey);
          PumpMessages(150);
        },
        "b3 e3 " + Gesture(kDryWet, "0.2"), [&] { return Near(value(kDryWet), 0.2); }, "\"Dry/Wet\" is 20 %");

  // The press re-sends the knob's value inside its gesture; the double
  // click's default comes in a gesture of its own.
  check("a double click on the \"Dry/Wet\" knob", [&] { DoubleClickWindow(child, kKnobX, kKnobY); },
        Gesture(kDryWet, "0.2") + " " + Gesture(kDryWet, "0.5"), [&] { return Near(value(kDryWet), 0.5); },
        "\"Dry/Wet\" is back at its default, 50 %");

  // A double click on a two-frame switch is two steps: the press's own and
  // the double click's, each a whole gesture; the switch ends where it began.
  const double modeII = value(kModeII);
  const char* stepped = modeII < 0.5 ? "1" : "0";
  const char* back = modeII < 0.5 ? "0" : "1";
  const std::string switchCalls = Gesture(kModeII, stepped) + " " + Gesture(kModeII, back);
  check("a double click on \"Mode II\" as the window receives it",
        [&] { DoubleClickWindow(child, kModeIIX, kModeIIY); }, switchCalls,
        [&] { return value(kModeII) == modeII; }, "\"Mode II\" steps twice, back to where it was");
  bool queued = false;
  check("a double click on \"Mode II\" through the input queue",
        [&] {
          queued = InputDoubleClick(child, kModeIIX, kModeIIY);
          PumpMessages(150);
        },
        switchCalls, [&] { return queued && value(kModeII) == modeII && CaptureWindow() == nullptr; },
        "the system takes the input; \"Mode II\" steps twice, back to where it was; no capture left");

  // Less than a notch (30 units, as touchpads send) moves nothing and sends
  // nothing; each notch is a gesture of its own.
  check("three wheel events of 30 units on \"Dry/Wet\"", [&] { WheelWindowBy(child, kKnobX, kKnobY, 30, 3); }, "",
        [&] { return Near(value(kDryWet), 0.5); }, "\"Dry/Wet\" stays at 50 %");
  check("a wheel notch on \"Dry/Wet\" at 50 %", [&] { WheelWindow(child, kKnobX, kKnobY, 1); },
        Gesture(kDryWet, "0.51"), [&] { return Near(value(kDryWet), 0.51); }, "\"Dry/Wet\" is 51 %");
  check("another wheel notch on \"Dry/Wet\"", [&] { WheelWindow(child, kKnobX, kKnobY, 1); },
        Gesture(kDryWet, "0.52"), [&] { return Near(value(kDryWet), 0.52); }, "\"Dry/Wet\" is 52 %");
  check("a double click on the \"Dry/Wet\" knob at 52 %", [&] { DoubleClickWindow(child, kKnobX, kKnobY); },
        Gesture(kDryWet, "0.52") + " " + Gesture(kDryWet, "0.5"), [&] { return Near(value(kDryWet), 0.5); },
        "\"Dry/Wet\" is back at 50 %");
  // A tenth of the step with ctrl: the host is told 50.2 %; the plug-in's
  // parameter keeps whole percents.
  check("two wheel notches with ctrl on \"Dry/Wet\"", [&] { WheelWindow(child, kKnobX, kKnobY, 2, true); },
        Gesture(kDryWet, "0.501") + " " + Gesture(kDryWet, "0.502"), [&] { return Near(value(kDryWet), 0.5); },
        "\"Dry/Wet\" reads 50 % in whole percents");
  // Sixty notches in one event stop at the top, where a notch up sends nothing.
  check("a wheel event of 60 notches on \"Dry/Wet\"", [&] { WheelWindowBy(child, kKnobX, kKnobY, 60 * 120, 1); },
        Gesture(kDryWet, "1"), [&] { return Near(value(kDryWet), 1.0); }, "\"Dry/Wet\" is 100 %");
  check("a wheel notch on \"Dry/Wet\" at 100 %", [&] { WheelWindow(child, kKnobX, kKnobY, 1); }, "",
        [&] { return Near(value(kDryWet), 1.0); }, "\"Dry/Wet\" stays at 100 %");
}

}  // namespace vst3host
}  // namespace vo
