#include "HeadlessEditorView.h"
#include "PlatformEditor.h"

IGraphics* CreatePlatformEditor(IPlugBase* plug, int width, int height, int fps) {
  // The plug-in's images as files; the folder is fixed when the build is
  // configured.
  return new HeadlessEditorView(plug, width, height, fps, VO_PLUGIN_IMAGE_ROOT);
}
