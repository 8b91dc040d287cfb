#include "EditorWinFixture.h"

#include "IBitmapControl.h"
#include "IGraphics.h"
#include "IKnobMultiControlText.h"
#include "IPlugParameter.h"
#include "ModuleInstance.h"
#include "lice_draw.h"
#include "lice_sys_bitmap.h"
#include "WinRedrawTimer.h"
#include "resource.h"

namespace vo {

const IRECT EditorWinTest::kKnobProbeRect(40, 40, 140, 140);
const IRECT EditorWinTest::kFreeProbeRect(200, 40, 260, 100);
const IRECT EditorWinTest::kSwitchProbeRect(300, 300, 360, 360);

ProbeControl::ProbeControl(IPlugBase* plug, const IRECT& rect, int paramIdx) : IControl(plug, rect, paramIdx) {}

LICE_Pixel ProbeControl::ColourFor(double value) {
  const int level = static_cast<int>(value * 255.0 + 0.5);
  return LICE_RGBA(level, 64, 255 - level, 255);
}

bool ProbeControl::Render(IGraphics* graphics) {
  const IRECT clip = mRect.Intersect(graphics->GetDrawRect());
  LICE_FillArea(graphics->GetBackBuffer(), clip.L, clip.T, clip.W(), clip.H(), ColourFor(GetValue()), 1.0f, 0);
  return true;
}

void ProbeControl::HandleMouseDown(int x, int y, IMouseKeys* keys) {
  downs.push_back(POINT{x, y});
  IControl::HandleMouseDown(x, y, keys);
}

void ProbeControl::HandleMouseDrag(int x, int y, int dX, int dY, IMouseKeys* keys) {
  // Down by the control's height lowers the value by one.
  SetValue(GetValue() - static_cast<double>(dY) / mRect.H());
  MarkChanged(true);
}

bool ProbeControl::HandleKey(int x, int y, int keyCode) {
  keys.push_back(keyCode);
  return true;
}

void EditorWinTest::OpenEditor(double scale, int fps, bool withControls) {
  gModuleInstance = GetModuleHandleA(nullptr);
  host = std::make_unique<HostWindow>();
  plug = std::make_unique<TestPlug>();
  plug->GetParam(0)->SetUpDouble("Depth", 5.0, 0.0, 10.0, 0.01);
  plug->GetParam(1)->SetUpBool("Active", false);
  editor = new ScaledGraphicsWin(plug.get(), 464, 480, fps, scale);
  if (withControls) {
    editor->AttachBackground(BG_ID, BG_FN);
    knobProbe = new ProbeControl(plug.get(), kKnobProbeRect, 0);
    freeProbe = new ProbeControl(plug.get(), kFreeProbeRect, -1);
    switchProbe = new ProbeControl(plug.get(), kSwitchProbeRect, 1);
    editor->AttachControl(knobProbe);
    editor->AttachControl(freeProbe);
    editor->AttachControl(switchProbe);
    IBitmapStrip knob = editor->LoadBitmapStrip(KNOB_ID, KNOB_FN, KNOB_FRAMES);
    IText style(12, IColor(255, 230, 230, 230));
    editor->AttachControl(new IKnobMultiControlText(plug.get(), 300, 135, 0, &knob, &style, false, 0, 0));
  }
  plug->ConnectGraphics(editor);
  ASSERT_NE(editor->AttachToParentWindow(host->Handle()), nullptr);
  PumpMessages();
}

void EditorWinTest::TearDown() {
  if (editor) editor->DetachView();
  plug.reset();  // deletes the editor
  host.reset();
  PumpMessages();
}

void EditorWinTest::Mouse(UINT message, WPARAM keys, int x, int y) {
  SendMessageA(Window(), message, keys, MAKELPARAM(x, y));
}

void EditorWinTest::Tick() { SendMessageA(Window(), WM_TIMER, kRedrawTimerId, 0); }

}  // namespace vo
