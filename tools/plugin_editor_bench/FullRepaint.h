#pragma once
// One full repaint of the plug-in's own editor (its real images, controls
// and texts): every control marked as an audio block marks them, then the
// whole editor painted into its back buffer. Shared by the benchmark
// front ends.

#include <memory>

#include "IGraphics.h"
#include "VimbraOndelino.h"

class FullRepaint {
 public:
  FullRepaint() : mPlug(CreatePluginInstance()) {}
  bool Ok() const { return mPlug && mPlug->GetGUI(); }
  void Run() {
    IGraphics* editor = mPlug->GetGUI();
    editor->MarkAllControlsChanged();
    IRECT all(0, 0, editor->Width(), editor->Height());
    editor->Paint(&all);
  }

 private:
  std::unique_ptr<VimbraOndelino> mPlug;
};
