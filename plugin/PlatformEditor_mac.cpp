#include "IGraphicsMac.h"
#include "PlatformEditor.h"

IGraphics* CreatePlatformEditor(IPlugBase* plug, int width, int height, int fps) {
  auto* editor = new IGraphicsMac(plug, width, height, fps);
  // The editor finds its images as files in the bundle of this identifier.
  editor->SetBundleID(VO_PLUGIN_BUNDLE_ID);
  return editor;
}
