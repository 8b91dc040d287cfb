#include "HeadlessEditorView.h"

#include "lice_png.h"

HeadlessEditorView::HeadlessEditorView(IPlugBase* plug, int width, int height, int fps,
                                       const char* imageRoot)
    : IGraphics(plug, width, height, fps), mImageRoot(imageRoot ? imageRoot : "") {}

void* HeadlessEditorView::AttachToParentWindow(void* parent) {
  mParent = parent;
  return nullptr;
}

LICE_IBitmap* HeadlessEditorView::LoadBitmapResource(int, const char* name) {
  if (!name || !name[0]) return nullptr;
  const std::string path = mImageRoot + "/" + name;
  return LICE_ReadPNGFile(path.c_str());
}
