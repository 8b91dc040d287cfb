#include "AAX_Exports.h"

#include "AAX_GuardedCall.h"
#include "AAX_RegisterPlugin.h"
#include "AAX_Trace.h"
#include "CACFUnknown.h"

// Out pointers come from the host: a null one is never written through.

AAX_ResultCode ACFStartup(IACFUnknown* hostUnknown) {
  return AAX_CallGuarded([&] { return SetHostServices(hostUnknown); });
}

AAX_ResultCode ACFRegisterPlugin(IACFUnknown* hostUnknown, IACFUnknown** pluginDefinition) {
  return AAX_CallGuarded([&] { return AAXRegisterPlugin(hostUnknown, pluginDefinition); });
}

AAX_ResultCode ACFRegisterComponent(IACFUnknown*, uint32_t, IACFUnknown** component) {
  return AAX_CallGuarded([&] {
    if (component) *component = nullptr;
    return AAX_SUCCESS;
  });
}

AAX_ResultCode ACFGetClassFactory(IACFUnknown*, const AAX_GUID*, const AAX_GUID*, void** factory) {
  return AAX_CallGuarded([&] {
    if (factory) *factory = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
  });
}

AAX_ResultCode ACFCanUnloadNow(IACFUnknown*) {
  return AAX_CallGuarded([] { return static_cast<AAX_ResultCode>(ACFModuleObjectCount.load()); });
}

AAX_ResultCode ACFShutdown(IACFUnknown*) {
  return AAX_CallGuarded([] { return SetHostServices(nullptr); });
}

AAX_ResultCode ACFGetSDKVersion(uint64_t* version) {
  return AAX_CallGuarded([&] {
    if (!version) return AAX_ERROR_NULL_ARGUMENT;
    *version = kAAX_SDKVersion;
    return AAX_SUCCESS;
  });
}
