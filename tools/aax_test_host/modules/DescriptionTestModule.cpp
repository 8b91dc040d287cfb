// The module the test host loads to check the effect description: the
// library's seven entry points with the plug-in's own description (its
// procedures are the stand-ins), and test hooks that run the description
// with other settings and reach the description proxies from outside.

#include "AAX_Exception.h"
#include "AAX_Exports.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"
#include "AAX_VCollection.h"
#include "IPlugAAX_Describe.h"
#include "IPlugAAX_Procedures.h"

#include <cstdint>

namespace {

// Runs body over a collection made over the host unknown, as registration
// does; nothing escapes into the host.
template <class Body>
int32_t WithCollection(void* hostUnknown, Body body) {
  try {
    AAX_VCollection collection(static_cast<IACFUnknown*>(hostUnknown));
    return body(collection);
  } catch (const AAX::Exception::ResultError& error) {
    return error.Result();
  } catch (...) {
    return AAX_ERROR_UNKNOWN_EXCEPTION;
  }
}

}  // namespace

// Present only in this module: the description scenarios run against it.
AAX_EXPORT int32_t VoTest_DescriptionModule() { return 1; }

// The addresses of the three registered procedures: procedure 0, procedure
// 1 and the native process procedure.
AAX_EXPORT void VoTest_Procedures(void** procedures) {
  procedures[0] = reinterpret_cast<void*>(&CreateEffectParameters);
  procedures[1] = reinterpret_cast<void*>(&CreateEffectGUI);
  procedures[2] = reinterpret_cast<void*>(&ProcessContexts);
}

AAX_EXPORT uint32_t VoTest_StemFormatForChannels(int32_t channels) {
  return StemFormatForChannels(channels);
}

// The plug-in's description with other effect names and channel
// configurations (and, when noSecondType is set, without second type
// identifiers).
AAX_EXPORT int32_t VoTest_DescribeWith(void* hostUnknown, const char* effectNames,
                                       const char* configurations, int32_t noSecondType) {
  static const uint32_t kNone[] = {kNoSecondTypeId, kNoSecondTypeId};
  DescriptionSettings settings = PluginDescriptionSettings();
  settings.effectNames = effectNames;
  settings.channelConfigurations = configurations;
  if (noSecondType) settings.secondTypeIds = kNone;
  return WithCollection(hostUnknown, [&](AAX_VCollection& collection) {
    return DescribeEffectWith(&collection, settings);
  });
}

// Pointer properties on a component's property map: stores 36 to 42 (36 is
// the native process procedure, the others 1000 + id), reads them back into
// readBack[0..6], tries 43 (its result in *refused), then registers the
// process procedures the map names into ids (capacity entries).
AAX_EXPORT int32_t VoTest_PointerProperties(void* hostUnknown, int64_t* readBack,
                                            int32_t* refused, uint32_t* ids, int32_t capacity) {
  return WithCollection(hostUnknown, [&](AAX_VCollection& collection) -> int32_t {
    AAX_IComponentDescriptor* component =
        collection.CreateEffectDescriptor()->CreateComponentDescriptor();
    AAX_IPropertyMap* properties = component->CreatePropertyMap();
    if (!properties) return AAX_ERROR_NULL_OBJECT;
    properties->SetPropertyValue(AAX_eProperty_PlugInID_Native, 0x45464E31);  // 'EFN1'
    for (int32_t id = 36; id <= 42; ++id) {
      const int64_t value = id == AAX_eProperty_NativeProcessProc
                                ? static_cast<int64_t>(reinterpret_cast<intptr_t>(&ProcessContexts))
                                : 1000 + id;
      properties->StorePointerValue(id, value);
    }
    for (int32_t id = 36; id <= 42; ++id)
      if (!properties->ReadPointerValue(id, &readBack[id - 36])) readBack[id - 36] = -1;
    *refused = properties->StorePointerValue(43, 1043);
    return component->AddProcessProcedures(properties, ids, capacity);
  });
}
