#include "AAX_RegisterPlugin.h"

#include "AAX_CheckedResult.h"
#include "AAX_Exception.h"
#include "AAX_InterfaceIds.h"
#include "AAX_Trace.h"
#include "AAX_VCollection.h"

#include <exception>
#include <memory>

AAX_ResultCode AAXRegisterPlugin(IACFUnknown* hostUnknown, IACFUnknown** out) {
  static const char* const kCaught = "AAXRegisterPlugin exception caught: %s";
  // A failed registration leaves the host no stale pointer either.
  if (out) *out = nullptr;
  std::unique_ptr<AAX_VCollection> collection;
  try {
    collection.reset(new AAX_VCollection(hostUnknown));
    AAX_CheckedResult result = DescribeEffect(collection.get());

    void* answer = nullptr;
    IACFUnknown* hostCollection = collection->HostCollection();
    const AAX_ResultCode queried =
        hostCollection ? hostCollection->QueryInterface(AAX_IID_PluginDefinition, &answer)
                       : AAX_ERROR_NULL_OBJECT;
    if (queried != ACF_OK) {
      result = AAX_ERROR_NULL_OBJECT;
    } else if (out) {
      *out = static_cast<IACFUnknown*>(answer);
    } else if (answer) {
      static_cast<IACFUnknown*>(answer)->Release();  // nowhere to hand it
    }
    collection.reset();
    return AAX_SUCCESS;
  } catch (const AAX::Exception::ResultError& error) {
    collection.reset();
    TraceToHost(kAAX_TraceError, kCaught, error.What().c_str());
    return error.Result();
  } catch (const AAX::Exception::Any& error) {
    collection.reset();
    TraceToHost(kAAX_TraceError, kCaught, error.What().c_str());
    return AAX_ERROR_UNKNOWN_EXCEPTION;
  } catch (const std::exception& error) {
    collection.reset();
    TraceToHost(kAAX_TraceError, kCaught, error.what());
    return AAX_ERROR_UNKNOWN_EXCEPTION;
  } catch (...) {
    collection.reset();
    TraceToHost(kAAX_TraceError, "AAXRegisterPlugin exception caught: unknown");
    return AAX_ERROR_UNKNOWN_EXCEPTION;
  }
}
