#include "IGraphicsWin.h"
#include "ModuleInstance.h"
#include "PlatformEditor.h"

IGraphics* CreatePlatformEditor(IPlugBase* plug, int width, int height, int fps) {
  auto* editor = new IGraphicsWin(plug, width, height, fps);
  // The images are resources of the module DllMain recorded.
  editor->SetModuleInstance(static_cast<HINSTANCE>(gModuleInstance));
  return editor;
}
