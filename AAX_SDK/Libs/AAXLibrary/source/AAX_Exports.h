#pragma once
// The seven entry points through which an AAX host loads the module,
// exported under their plain names. Called on the host's threads; they take
// no lock; registration and start-up allocate.

#include "AAX_GUID.h"
#include "AAX_Result.h"

#include <cstdint>

class IACFUnknown;

#if defined(_WIN32)
#define AAX_EXPORT extern "C" __declspec(dllexport)
#else
#define AAX_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// Host start-up: creates the global host-services proxy (a second start-up
// keeps the first). Further arguments a host passes are ignored. 0.
AAX_EXPORT AAX_ResultCode ACFStartup(IACFUnknown* hostUnknown);
// Describes the effect to the host; the host's registration interface goes
// to pluginDefinition.
AAX_EXPORT AAX_ResultCode ACFRegisterPlugin(IACFUnknown* hostUnknown,
                                            IACFUnknown** pluginDefinition);
// No components are registered this way: writes null, 0.
AAX_EXPORT AAX_ResultCode ACFRegisterComponent(IACFUnknown* hostUnknown, uint32_t index,
                                               IACFUnknown** component);
// There is no class factory: writes null, -20009.
AAX_EXPORT AAX_ResultCode ACFGetClassFactory(IACFUnknown* hostUnknown, const AAX_GUID* classId,
                                             const AAX_GUID* iid, void** factory);
// The number of live library objects: 0 when the module may be unloaded.
AAX_EXPORT AAX_ResultCode ACFCanUnloadNow(IACFUnknown* hostUnknown);
// Host shut-down: deletes the host-services proxy. 0.
AAX_EXPORT AAX_ResultCode ACFShutdown(IACFUnknown* hostUnknown);
// Writes the library's SDK version word; 0.
AAX_EXPORT AAX_ResultCode ACFGetSDKVersion(uint64_t* version);

constexpr uint64_t kAAX_SDKVersion = 0x0000020300D5E5B4ull;
