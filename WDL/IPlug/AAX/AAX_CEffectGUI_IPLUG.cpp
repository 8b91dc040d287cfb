#include "AAX_CEffectGUI_IPLUG.h"

#include "AAX_CIPlugParameters.h"
#include "IGraphics.h"
#include "IPlugBase.h"

AAX_CEffectGUI_IPLUG::~AAX_CEffectGUI_IPLUG() {
  if (GetViewContainer()) CloseEditor();
}

AAX_ResultCode AAX_CEffectGUI_IPLUG::EditorSize(AAX_Point* size) {
  if (!mEditor || !size) return AAX_SUCCESS;
  const IDeviceSize device = mEditor->DeviceSize();
  size->horz = static_cast<float>(device.w);
  size->vert = static_cast<float>(device.h);
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectGUI_IPLUG::UnbindGuiController() {
  const AAX_ResultCode result = AAX_CEffectGUI::UnbindGuiController();
  mEditor = nullptr;
  return result;
}

AAX_ResultCode AAX_CEffectGUI_IPLUG::AttachViewContainer(IACFUnknown* viewUnknown) {
  // The base deletes the old container before OpenEditorInView runs, and
  // that stops early for a container without a native view: forgotten here,
  // the old one is never reached through the editor after it is gone.
  if (mEditor) mEditor->SetViewContainer(nullptr);
  return AAX_CEffectGUI::AttachViewContainer(viewUnknown);
}

void AAX_CEffectGUI_IPLUG::TakePluginGraphics() {
  mEditor = nullptr;
  // A host may answer with an object of its own (or another module's):
  // only an instance of this module is known to have an editor to take.
  AAX_CIPlugParameters* instance = AAX_CIPlugParameters::FindLiveInstance(GetEffectParameters());
  if (auto* plug = dynamic_cast<IPlugBase*>(instance)) mEditor = plug->GetGUI();
}

void* AAX_CEffectGUI_IPLUG::OpenEditorInView() {
  void* nativeView = GetNativeView();
  if (!nativeView || !mEditor) return nativeView;
  mEditor->SetViewContainer(GetViewContainer());
  return mEditor->AttachToParentWindow(nativeView);
}

void AAX_CEffectGUI_IPLUG::CloseEditor() {
  if (!mEditor) return;
  mEditor->DetachView();
  // The container is deleted after this; neither resizes nor clicks may
  // reach it through the editor any more.
  mEditor->SetViewContainer(nullptr);
}
