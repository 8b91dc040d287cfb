// The plug-in's editor: size, images, the controls bound to the twelve
// parameters, the two VU meters and the version label, and the meter display
// that shows the audio callback's levels.

#include "VimbraOndelino.h"

#include "IControls.h"
#include "IGraphics.h"
#include "MeterScale.h"
#include "PlatformEditor.h"
#include "resource.h"

namespace {

constexpr int kEditorWidth = 464;
constexpr int kEditorHeight = 480;
constexpr int kEditorFrameRate = 0;  // the editor's default, 25 a second
constexpr int kFaderLength = 248;
constexpr const char* kVersionText = "v1.2.0";

// The knob labels' and the version label's text style.
IText LabelTextStyle() {
  return IText(12, IColor(255, 220, 220, 220), "Arial", IText::kStyleNormal, IText::kAlignCenter, 0,
               IText::kQualityDefault, IColor(255, 255, 255, 255), IColor(255, 0, 0, 0));
}

}  // namespace

void VimbraOndelino::BuildEditor() {
  IGraphics* editor = CreatePlatformEditor(this, kEditorWidth, kEditorHeight, kEditorFrameRate);
  if (!editor) return;
  editor->AttachBackground(BG_ID, BG_FN);
  const IBitmapStrip knob = editor->LoadBitmapStrip(KNOB_ID, KNOB_FN, KNOB_FRAMES);
  const IBitmapStrip toggle = editor->LoadBitmapStrip(SWITCH_ID, SWITCH_FN, SWITCH_FRAMES);
  const IBitmapStrip modeI = editor->LoadBitmapStrip(BUTTON1_ID, BUTTON1_FN, BUTTON_FRAMES);
  const IBitmapStrip modeII = editor->LoadBitmapStrip(BUTTON2_ID, BUTTON2_FN, BUTTON_FRAMES);
  const IBitmapStrip meter = editor->LoadBitmapStrip(VUMETER_ID, VUMETER_FN, VUMETER_FRAMES);
  const IBitmapStrip handle = editor->LoadBitmapStrip(FADER_HANDLE_ID, FADER_HANDLE_FN, FADER_HANDLE_FRAMES);
  const IText text = LabelTextStyle();

  // Controls 1 to 15, after the background (control 0).
  const struct {
    int x, y, param;
  } knobs[] = {{100, 252, kModeIRate}, {166, 252, kModeIIRate}, {233, 252, kModeBothRate},
               {305, 252, kDryWet},    {305, 135, kWide}};
  for (const auto& k : knobs) {
    editor->AttachControl(new IKnobMultiControlText(this, k.x, k.y, k.param, &knob, &text, true,
                                                    IKnobMultiControlText::kBelow, 0));
  }
  editor->AttachControl(new ISwitchControl(this, 94, 128, kModeI, &modeI, IBlendSpec(0, 1.0f)));
  editor->AttachControl(new ISwitchControl(this, 160, 128, kModeII, &modeII));
  editor->AttachControl(new ISwitchControl(this, 117, 358, kAnalogEmu, &toggle));
  editor->AttachControl(new ISwitchControl(this, 208, 358, kAnalogHiss, &toggle));
  editor->AttachControl(new ISwitchControl(this, 303, 358, kOversample, &toggle));
  editor->AttachControl(
      new IFaderControl(this, 16, 80, kFaderLength, kInput, &handle, IFaderControl::kVertical, false));
  editor->AttachControl(
      new IFaderControl(this, 395, 80, kFaderLength, kOutput, &handle, IFaderControl::kVertical, false));
  mInMeterControl = editor->AttachControl(new IBitmapControl(this, 29, 345, -1, &meter));
  mOutMeterControl = editor->AttachControl(new IBitmapControl(this, 408, 345, -1, &meter));
  editor->AttachControl(new ITextControl(this, IRECT(314, 433, 356, 444), text, kVersionText));

  ConnectGraphics(editor);
}

void VimbraOndelino::ShowMeters() {
  IGraphics* editor = GetGUI();
  if (!editor) return;
  editor->SetControlValueFromPlug(mInMeterControl, MeterValueOfLevel(mInMeterLevel));
  editor->SetControlValueFromPlug(mOutMeterControl, MeterValueOfLevel(mOutMeterLevel));
  editor->MarkAllControlsChanged();
}
