// Binding, lifetime, interface queries and the page table of the
// effect-parameters base. The parameter operations are in
// AAX_CEffectParametersParameters.cpp, the state chunk in
// AAX_CEffectParametersChunks.cpp.

#include "AAX_CEffectParameters.h"

#include "AAX_CString.h"
#include "AAX_InterfaceIds.h"
#include "AAX_TracedCall.h"
#include "AAX_VAutomationDelegate.h"
#include "AAX_VController.h"
#include "AAX_VPageTable.h"
#include "AAX_VTransport.h"

#include <cstring>

AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters() { ReleaseBinding(ProxyOrder::kNewestFirst); }

AAX_ResultCode AAX_CEffectParameters::InternalQueryInterface(const AAX_GUID& iid, void** out) {
  if (iid == AAX_IID_EffectParameters || iid == AAX_IID_EffectParametersV2 ||
      iid == AAX_IID_EffectParametersV3 || iid == AAX_IID_EffectParametersV4)
    return AnswerInterface(out);
  return CACFUnknown::InternalQueryInterface(iid, out);
}

AAX_ResultCode AAX_CEffectParameters::BindController(IACFUnknown* controllerUnknown) {
  // A host binding again without unbinding would otherwise leak the first
  // binding's proxies and host references.
  if (mController) ReleaseBinding();
  return AAX_CallReleasingOnException(
      "AAX_CEffectParameters::BindController", [&] { return BindProxiesAndParameters(controllerUnknown); },
      [&] { ReleaseBinding(); });
}

AAX_ResultCode AAX_CEffectParameters::BindProxiesAndParameters(IACFUnknown* controllerUnknown) {
  // The controller proxy throws when the host has no object factory.
  mController.reset(new AAX_VController(controllerUnknown));
  mAutomationDelegate.reset(new AAX_VAutomationDelegate(controllerUnknown));
  mTransport.reset(new AAX_VTransport(controllerUnknown));
  mParameterTable.SetAutomationDelegate(mAutomationDelegate.get());
  mPacketQueue.SetController(mController.get());
  mPacketQueue.SetOwner(this);

  const AAX_ResultCode setUp = SetUpParameters();
  if (setUp != AAX_SUCCESS) return setUp;

  AAX_CString bypassId;
  GetBypassParameterId(&bypassId);
  mExcludedIds.insert(bypassId.StdString());

  int32_t count = 0;
  CountParameters(&count);
  if (count > 0) {
    const int32_t chunkedParameters = count - static_cast<int32_t>(mExcludedIds.size());
    if (chunkedParameters < 0)
      ReportAssertFailure("AAX_CEffectParameters", 128, "mNumChunkedParameters >= 0", 1);
  }
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::UnbindController() {
  ReleaseBinding();
  return AAX_SUCCESS;
}

void AAX_CEffectParameters::ReleaseBinding(ProxyOrder order) {
  // Parameters detach from the automation delegate as they go, so they go
  // before it; nothing may use the released proxies afterwards.
  mParameterTable.RemoveAll();
  mParameterTable.SetAutomationDelegate(nullptr);
  mPacketQueue.SetController(nullptr);
  if (order == ProxyOrder::kUnbind) {
    mController.reset();
    mAutomationDelegate.reset();
    mTransport.reset();
  } else {
    mTransport.reset();
    mAutomationDelegate.reset();
    mController.reset();
  }
}

AAX_IController* AAX_CEffectParameters::Controller() const { return mController.get(); }

void AAX_CEffectParameters::IncrementChangeCount() {
  mChangeCount = static_cast<int32_t>(static_cast<uint32_t>(mChangeCount) + 1u);
}

AAX_ResultCode AAX_CEffectParameters::OnHostNotification(uint32_t type, const void* data,
                                                         uint32_t) {
  if (type != kAAX_PreviewNotification || !data) return AAX_SUCCESS;
  AAX_IParameter* preview = mParameterTable.Find(kAAX_PreviewId);
  if (!preview) return AAX_SUCCESS;
  uint32_t state = 0;
  std::memcpy(&state, data, sizeof state);  // the host's data need not be aligned
  preview->AssignBool(state != 0);
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CEffectParameters::BuildPageTable(uint32_t first, uint32_t second, IACFUnknown*,
                                                     IACFUnknown* pageTableUnknown) {
  AAX_VPageTable pageTable(pageTableUnknown);
  if (!pageTable.HasV1()) return AAX_SUCCESS;
  return UpdatePageTable(first, second, &pageTable);
}

AAX_ResultCode AAX_CEffectParameters::UpdatePageTable(uint32_t, uint32_t, AAX_IPageTable*) {
  return AAX_ERROR_UNIMPLEMENTED;
}

AAX_ResultCode AAX_CEffectParameters::SetUpParameters() { return AAX_SUCCESS; }
