#pragma once
// A switch that steps through its strip's frames on each click: values 0,
// 1/(N-1), ..., 1, then back to 0 (a one-frame strip toggles 0 and 1).
//
// Threads: editor thread; a step reports through MarkChanged(true), which
// takes the plug-in mutex inside IPlugBase::SetParameterFromGUI.

#include "IBitmapControl.h"

class ISwitchControl : public IBitmapControl {
 public:
  ISwitchControl(IPlugBase* plug, int x, int y, int paramIdx, const IBitmapStrip* strip,
                 const IBlendSpec& blend = IBlendSpec());

  // Right button: text entry, value unchanged; otherwise one step. Either
  // way the value is reported to the plug-in.
  void HandleMouseDown(int x, int y, IMouseKeys* keys) override;
  // A second step.
  void HandleDoubleClick(int x, int y, IMouseKeys* keys) override;
};
