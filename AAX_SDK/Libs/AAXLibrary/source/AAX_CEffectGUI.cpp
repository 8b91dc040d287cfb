#include "AAX_CEffectGUI.h"

#include "AAX_CString.h"
#include "AAX_InterfaceIds.h"
#include "AAX_TracedCall.h"
#include "AAX_VController.h"
#include "AAX_VTransport.h"
#include "AAX_VViewContainer.h"

AAX_CEffectGUI::AAX_CEffectGUI() = default;

AAX_CEffectGUI::~AAX_CEffectGUI() { ReleaseBinding(); }

AAX_ResultCode AAX_CEffectGUI::InternalQueryInterface(const AAX_GUID& iid, void** out) {
  if (iid == AAX_IID_EffectGUI) return AnswerInterface(out);
  return CACFUnknown::InternalQueryInterface(iid, out);
}

AAX_ResultCode AAX_CEffectGUI::BindGuiController(IACFUnknown* controllerUnknown) {
  // Binding again without unbinding would otherwise leak the first
  // binding's proxies and its reference to the instance.
  if (mController || mEffectParameters || mTransport) UnbindGuiController();
  // The controller proxy throws when the host has no object factory; the
  // host must get a result, not an exception.
  return AAX_CallReleasingOnException(
      "AAX_CEffectGUI::BindGuiController", [&] { return BindProxies(controllerUnknown); },
      [&] { ReleaseBinding(); });
}

AAX_ResultCode AAX_CEffectGUI::BindProxies(IACFUnknown* controllerUnknown) {
  mController.reset(new AAX_VController(controllerUnknown));
  if (!controllerUnknown) return AAX_ERROR_NOT_INITIALIZED;
  // The host answers with the instance's effect-parameters interface; a
  // refusal leaves it null, and the subclass must expect that.
  mEffectParameters.QueryFrom(controllerUnknown, AAX_IID_EffectParameters);
  mTransport.reset(new AAX_VTransport(controllerUnknown));
  TakePluginGraphics();
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectGUI::UnbindGuiController() {
  if (mViewContainer) AttachViewContainer(nullptr);
  ReleaseBinding();
  return AAX_SUCCESS;
}

void AAX_CEffectGUI::ReleaseBinding() {
  mViewContainer.reset();
  mEffectParameters.Reset();
  mController.reset();
  mTransport.reset();
}

AAX_ResultCode AAX_CEffectGUI::AttachViewContainer(IACFUnknown* viewUnknown) {
  if (!viewUnknown) {
    CloseEditor();
    mViewContainer.reset();
    return AAX_SUCCESS;
  }
  // The old container goes only once the new one has replaced it.
  std::unique_ptr<AAX_VViewContainer> old(mViewContainer.release());
  mViewContainer.reset(new AAX_VViewContainer(viewUnknown));
  old.reset();
  OpenEditorInView();
  UpdateAllParameters();
  return AAX_SUCCESS;
}

void AAX_CEffectGUI::UpdateAllParameters() {
  if (!mEffectParameters) return;
  int32_t count = 0;
  if (mEffectParameters->CountParameters(&count) != AAX_SUCCESS) return;
  for (int32_t index = 0; index < count; ++index) {
    AAX_CString id;
    if (mEffectParameters->ParameterIdAt(index, &id) == AAX_SUCCESS) ParameterUpdated(id.Get());
  }
}

AAX_IViewContainer* AAX_CEffectGUI::GetViewContainer() const { return mViewContainer.get(); }

void* AAX_CEffectGUI::GetNativeView() const {
  return mViewContainer ? mViewContainer->QueryNativeView() : nullptr;
}

AAX_ITransport* AAX_CEffectGUI::Transport() const { return mTransport.get(); }
