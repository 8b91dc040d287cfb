#include "HostEditorInput.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "HostDesktop.h"
#include "HostWindowing.h"


using namespace Steinberg;

namespace vo {
namespace vst3host {
namespace {

constexpr Vst::ParamID kDryWet = 3;
// Virtual keys: Return, control, shift, Insert.
constexpr int kReturnKey = 0x0D;
constexpr int kControlKey = 0x11, kShiftKey = 0x10, kInsertKey = 0x2D;

bool AllFor(const HostComponentHandler& handler, Vst::ParamID id) {
  for (const auto& call : handler.mCalls)
    if (call.id != static_cast<int32>(id)) return false;
  return true;
}

}  // namespace

void CheckCaptureLoss(Checker& c, HostComponentHandler& handler, void* child, void* otherWindow) {
  handler.mCalls.clear();
  // Up the middle of the knob.
  PressAndDragWindow(child, 337, 294, 337, 270);
  const std::string dragged = handler.CallKinds();
  c.Expect(dragged.size() >= 2 && dragged[0] == 'b' && dragged.back() == 'p' && AllFor(handler, kDryWet),
           "a drag on \"Dry/Wet\" sends beginEdit(3) and its values (sent " + dragged + ")");
  TakeMouseCapture(otherWindow);
  const std::string taken = handler.CallKinds();
  c.Expect(taken == dragged + "e" && AllFor(handler, kDryWet) && handler.mGestures.Problems().empty(),
           "another window taking the mouse ends the drag's gesture at once with endEdit(3) (sent " + taken +
               ")" + handler.GestureProblemText());
  c.Expect(CaptureWindow() == otherWindow, "the other window holds the mouse");
  ReleaseMouseCapture();
  PostRelease(child, 337, 270);
  PumpMessages(60);
  c.Expect(handler.CallKinds() == taken && handler.mGestures.Problems().empty(),
           "the release after it sends nothing (sent " + handler.CallKinds() + ")");
}

void CheckContextMenuPosition(Checker& c, HostComponentHandler& handler, void* child, double scale) {
  const int x = static_cast<int>(std::lround(330 * scale)), y = static_cast<int>(std::lround(280 * scale));
  handler.mCalls.clear();
  ClickWindow(child, x, y, true);
  const HostComponentHandler::Call* popup = nullptr;
  for (const auto& call : handler.mCalls)
    if (call.kind == 'u') popup = &call;
  const std::string at = popup ? std::to_string(popup->id) + ", " + std::to_string(static_cast<int>(popup->value))
                               : std::string("nowhere");
  c.Expect(popup && std::abs(popup->id - x) <= 1 && std::fabs(popup->value - y) <= 1.0,
           "a right press at view pixel (" + std::to_string(x) + ", " + std::to_string(y) +
               ") pops the host's menu up there (at " + at + ")");
}

void CheckPastedText(Checker& c, HostedPlugin& plug, HostComponentHandler& handler, void* child) {
  Vst::IEditController* controller = plug.Controller();
  // A box opened on the value text, emptied.
  auto openEmptyBox = [&]() { return OpenEmptiedTextBox(child, 337, 328); };
  struct Path {
    const char* what;
    std::function<void(void* box)> paste;
  };
  const std::vector<Path> paths = {
      {"ctrl+V", [](void*) { SendKeyChord(kControlKey, 'V'); }},
      {"shift+Insert", [](void*) { SendKeyChord(kShiftKey, kInsertKey); }},
      {"WM_PASTE", [](void* box) { PostPaste(box); }},
      {"the box's menu", [](void* box) { PostContextMenuChoice(box, 'p'); }},
  };
  for (const Path& path : paths) {
    for (const char* refused : {"abc", " 30", "1e2"}) {
      void* box = openEmptyBox();
      if (!c.Expect(box != nullptr, std::string("a click on the value text opens an empty box (") + path.what + ")"))
        return;
      c.Expect(SetClipboardText(refused), "the clipboard takes text");
      path.paste(box);
      PumpMessages(200);
      const std::string shown = WindowText(box);
      c.Expect(shown.empty(), std::string("pasting \"") + refused + "\" by " + path.what +
                                  " leaves the box empty (shows \"" + shown + "\")");
      CancelTextBox(box);
    }
  }
  const double before = controller->getParamNormalized(kDryWet);
  for (const Path& path : paths) {
    void* box = openEmptyBox();
    if (!c.Expect(box != nullptr, std::string("a click on the value text opens an empty box (") + path.what + ")"))
      return;
    SetClipboardText("30");
    path.paste(box);
    PumpMessages(200);
    const std::string shown = WindowText(box);
    c.Expect(shown == "30", std::string("pasting \"30\" by ") + path.what + " shows \"30\" (shows \"" + shown + "\")");
    CancelTextBox(box);
  }
  c.Expect(controller->getParamNormalized(kDryWet) == before, "cancelled boxes leave \"Dry/Wet\" as it was");

  handler.mCalls.clear();
  void* box = openEmptyBox();
  if (!c.Expect(box != nullptr, "a click on the value text opens an empty box")) return;
  SetClipboardText("30");
  SendKeyChord(kControlKey, 'V');
  PumpMessages(100);
  PostKey(kReturnKey);
  PumpMessages(150);
  Vst::String128 display = {};
  controller->getParamStringByValue(kDryWet, controller->getParamNormalized(kDryWet), display);
  const std::string text = ToUtf8(display);
  c.Expect(std::fabs(controller->getParamNormalized(kDryWet) - 0.30) < 1e-9 && text == "30",
           "pasting \"30\" and Return set \"Dry/Wet\" to 30 % (reads \"" + text + "\")");
  c.Expect(handler.CallKinds() == "bebpe" && AllFor(handler, kDryWet),
           "the box's press and the commit are two gestures of \"Dry/Wet\" (sent " + handler.CallKinds() + ")");
  c.Expect(handler.mGestures.Problems().empty(), "pasting leaves every gesture closed:" + handler.GestureProblemText());
}

}  // namespace vst3host
}  // namespace vo
