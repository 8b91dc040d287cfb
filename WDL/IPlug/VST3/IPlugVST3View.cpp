#include "IPlugVST3View.h"

#include <cstring>

#include "IGraphics.h"
#include "IPlugVST3.h"

using namespace Steinberg;

namespace {
constexpr const char* kPlatformTypeHWND = "HWND";

bool IsHWND(FIDString type) { return type && std::strcmp(type, kPlatformTypeHWND) == 0; }
}  // namespace

IPlugVST3View::IPlugVST3View(IPlugVST3* plug) : mPlug(plug) { mPlug->addRef(); }

IPlugVST3View::~IPlugVST3View() {
  mPlug->ForgetView(this);
  mPlug->release();
}

tresult PLUGIN_API IPlugVST3View::isPlatformTypeSupported(FIDString type) {
  if (!mPlug->GetGUI()) return kResultFalse;
  return IsHWND(type) ? kResultOk : kResultFalse;
}

tresult PLUGIN_API IPlugVST3View::attached(void* parent, FIDString type) {
  IGraphics* editor = mPlug->GetGUI();
  if (!editor) return kResultFalse;
  // Only a host window can hold the editor; hosts pass only a type the view
  // said it supports, so any other opens nothing and says so.
  if (!IsHWND(type)) return kResultFalse;
  CPluginView::attached(parent, type);
  editor->AttachToParentWindow(parent);
  mPlug->SetEditorView(this);
  mPlug->OnEditorOpened();
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3View::removed() {
  if (IGraphics* editor = mPlug->GetGUI()) {
    mPlug->OnEditorClosed();
    // A second view may have taken the editor window into its host window
    // since this one opened it; closing this view must not destroy the
    // window the other shows.
    if (mPlug->EditorView() == this) {
      editor->DetachView();
      mPlug->SetEditorView(nullptr);
    }
  }
  return CPluginView::removed();
}

tresult PLUGIN_API IPlugVST3View::getSize(ViewRect* size) {
  IGraphics* editor = mPlug->GetGUI();
  if (!editor) return kResultFalse;
  if (!size) return kInvalidArgument;
  const IDeviceSize device = editor->DeviceSize();
  size->left = 0;
  size->top = 0;
  size->right = device.w;
  size->bottom = device.h;
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3View::onSize(ViewRect* newSize) {
  if (!newSize) return kResultOk;
  rect = *newSize;
  if (mResizePending) {
    mResizePending = false;
    mPlug->OnEditorResized();
  }
  return kResultOk;
}

bool IPlugVST3View::RequestResize(int width, int height) {
  if (!plugFrame) return false;
  mResizePending = true;
  ViewRect wanted(0, 0, width, height);
  plugFrame->resizeView(this, &wanted);
  return true;
}
