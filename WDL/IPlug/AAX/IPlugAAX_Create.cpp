#include "IPlugAAX_Create.h"

#include "AAX_Trace.h"

#include <exception>

IACFUnknown* CreateEffectParametersWith(IPlugAAX* (*factory)()) {
  if (!factory) return nullptr;
  try {
    IPlugAAX* plug = factory();
    if (!plug) return nullptr;
    AAX_IEffectParameters* effect = plug;
    return effect;
  } catch (const std::exception& error) {
    TraceToHost(kAAX_TraceError, "CreateEffectParameters exception caught: %s", error.what());
  } catch (...) {
    TraceToHost(kAAX_TraceError, "CreateEffectParameters exception caught: unknown");
  }
  return nullptr;
}
