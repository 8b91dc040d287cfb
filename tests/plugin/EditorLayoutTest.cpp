// The plug-in's editor: its controls, where they sit, what they are bound
// to, the meter display at the end of every block, and clicks reaching the
// host. Natively the editor runs on the headless view with the real images.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "IControls.h"
#include "IGraphics.h"
#include "IMouseKeys.h"
#include "MeterScale.h"
#include "PluginTestUtil.h"

using namespace vo_test;

namespace {

std::string Text(const IRECT& r) {
  return "{" + std::to_string(r.L) + "," + std::to_string(r.T) + "," + std::to_string(r.R) + "," +
         std::to_string(r.B) + "}";
}

// A plug-in whose editor could not be made.
class EditorlessOndelino : public VimbraOndelino {
 public:
  EditorlessOndelino() {
    delete mGraphics;
    mGraphics = nullptr;
  }
};

Stereo Sine(size_t frames, double amplitude) {
  Stereo in(frames);
  for (size_t i = 0; i < frames; ++i)
    in.l[i] = in.r[i] = static_cast<float>(amplitude * std::sin(2.0 * 3.141592653589793 * 1000.0 * i / 44100.0));
  return in;
}

}  // namespace

TEST(PluginEditor, FifteenControlsOverTheBackground) {
  auto plug = MakePlugin();
  IGraphics* editor = plug->GetGUI();
  ASSERT_NE(nullptr, editor);
  EXPECT_EQ(464, editor->Width());
  EXPECT_EQ(480, editor->Height());
  EXPECT_EQ(25, editor->FPS());
  ASSERT_EQ(16, editor->NControls());
  EXPECT_EQ("{0,0,464,480}", Text(editor->GetControl(0)->GetRect()));
  EXPECT_EQ(-1, editor->GetControl(0)->ParamIdx());

  EXPECT_EQ(13, plug->InputMeterControl());
  EXPECT_EQ(14, plug->OutputMeterControl());
  EXPECT_EQ("{29,345,56,455}", Text(editor->GetControl(13)->GetRect()));
  EXPECT_EQ("{408,345,435,455}", Text(editor->GetControl(14)->GetRect()));
  auto* version = dynamic_cast<ITextControl*>(editor->GetControl(15));
  ASSERT_NE(nullptr, version);
  EXPECT_STREQ("v1.2.0", version->GetTextString());
  EXPECT_EQ("{314,433,356,444}", Text(version->GetRect()));

  auto* wide = dynamic_cast<IKnobMultiControlText*>(editor->GetControl(5));
  ASSERT_NE(nullptr, wide);
  EXPECT_EQ("{305,203,369,219}", Text(wide->GetTextRect()));
  EXPECT_EQ("{305,135,369,219}", Text(wide->GetTargetRect()));
  EXPECT_EQ("{94,128,160,164}", Text(editor->GetControl(6)->GetRect()));
  EXPECT_EQ(0, editor->GetControl(6)->GetBlend().mMethod);
  EXPECT_FLOAT_EQ(1.0f, editor->GetControl(6)->GetBlend().mWeight);
  auto* input = dynamic_cast<IFaderControl*>(editor->GetControl(11));
  ASSERT_NE(nullptr, input);
  EXPECT_EQ("{16,80,69,328}", Text(input->GetRect()));
  EXPECT_EQ("{16,142,69,170}", Text(input->GetHandleRect()));  // "Input" at 0 dB
}

TEST(PluginEditor, ControlsAreBoundToTheParametersInTableOrder) {
  auto plug = MakePlugin();
  IGraphics* editor = plug->GetGUI();
  const int params[16] = {-1,
                          VimbraOndelino::kModeIRate, VimbraOndelino::kModeIIRate,
                          VimbraOndelino::kModeBothRate, VimbraOndelino::kDryWet, VimbraOndelino::kWide,
                          VimbraOndelino::kModeI, VimbraOndelino::kModeII, VimbraOndelino::kAnalogEmu,
                          VimbraOndelino::kAnalogHiss, VimbraOndelino::kOversample,
                          VimbraOndelino::kInput, VimbraOndelino::kOutput, -1, -1, -1};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(params[i], editor->GetControl(i)->ParamIdx()) << i;
  for (int i = 1; i <= 5; ++i) EXPECT_NE(nullptr, dynamic_cast<IKnobMultiControlText*>(editor->GetControl(i)));
  for (int i = 6; i <= 10; ++i) EXPECT_NE(nullptr, dynamic_cast<ISwitchControl*>(editor->GetControl(i)));
  // Every control shows its parameter's value from the start.
  EXPECT_DOUBLE_EQ(plug->GetParam(VimbraOndelino::kDryWet)->CurrentNormalized(),
                   editor->GetControl(4)->GetValue());
  EXPECT_DOUBLE_EQ(1.0, editor->GetControl(6)->GetValue());  // "Mode I" on

  const IText& style = *editor->GetControl(15)->GetText();
  EXPECT_STREQ("Arial", style.mFace);
  EXPECT_EQ(12, style.mSize);
  EXPECT_EQ(IColor(255, 220, 220, 220), style.mColor);
  EXPECT_EQ(IColor(255, 255, 255, 255), style.mEntryBackground);
  EXPECT_EQ(IColor(255, 0, 0, 0), style.mEntryForeground);
  EXPECT_EQ(IText::kAlignCenter, style.mAlign);
}

// At the end of every block the meters show the input level, then the
// output level, and every control is marked for redraw.
TEST(PluginEditor, EveryBlockShowsBothMetersAndMarksEveryControl) {
  auto plug = MakePlugin();
  Prepare(*plug);
  MakeDeterministic(*plug);
  IGraphics* editor = plug->GetGUI();
  IRECT all(0, 0, 464, 480);
  editor->Paint(&all);
  IRECT dirty;
  EXPECT_FALSE(editor->CollectDirtyArea(&dirty));

  RunBlocks(*plug, Sine(43 * 512, 0.5), 512);  // -6 dBFS for half a second
  EXPECT_GT(plug->InputMeterLevel(), 0.0);
  EXPECT_DOUBLE_EQ(MeterValueOfLevel(plug->InputMeterLevel()), editor->GetControl(13)->GetValue());
  EXPECT_DOUBLE_EQ(MeterValueOfLevel(plug->OutputMeterLevel()), editor->GetControl(14)->GetValue());
  EXPECT_GT(editor->GetControl(13)->GetValue(), 0.5);
  EXPECT_GT(editor->GetControl(14)->GetValue(), 0.0);
  dirty = IRECT();
  EXPECT_TRUE(editor->CollectDirtyArea(&dirty));
  EXPECT_EQ("{0,0,464,480}", Text(dirty));

  RunBlocks(*plug, Stereo(86 * 512), 512);  // a second of silence
  EXPECT_EQ(0.0, editor->GetControl(13)->GetValue());
  EXPECT_EQ(0.0, editor->GetControl(14)->GetValue());
}

TEST(PluginEditor, WithoutAnEditorTheSamplesAreTheSame) {
  auto plug = MakePlugin();
  EditorlessOndelino bare;
  for (VimbraOndelino* p : {plug.get(), static_cast<VimbraOndelino*>(&bare)}) {
    Prepare(*p);
    MakeDeterministic(*p);
  }
  const Stereo in = Sine(4096, 0.5);
  const Stereo withEditor = RunBlocks(*plug, in, 512);
  const Stereo without = RunBlocks(bare, in, 512);
  EXPECT_EQ(withEditor.l, without.l);
  EXPECT_EQ(withEditor.r, without.r);
  EXPECT_GT(bare.InputMeterLevel(), 0.0);
}

// A press on "Input" half-way down its travel asks for 0.5 within a gesture.
TEST(PluginEditor, AClickOnTheInputFaderReachesTheHost) {
  auto plug = MakePlugin();
  IGraphics* editor = plug->GetGUI();
  IMouseKeys left;
  left.L = true;
  editor->MouseDown(42, 204, &left);
  editor->MouseUp(42, 204, &left);
  ASSERT_EQ(3u, plug->hostCalls.size());
  EXPECT_EQ(HostlessWrapper::HostCall::kBegin, plug->hostCalls[0].kind);
  EXPECT_EQ(VimbraOndelino::kInput, plug->hostCalls[1].index);
  EXPECT_DOUBLE_EQ(0.5, plug->hostCalls[1].value);
  EXPECT_EQ(HostlessWrapper::HostCall::kEnd, plug->hostCalls[2].kind);
  EXPECT_DOUBLE_EQ(0.5, plug->GetParam(VimbraOndelino::kInput)->CurrentNormalized());
}
