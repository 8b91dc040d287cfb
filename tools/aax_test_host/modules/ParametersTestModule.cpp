// The module the test host loads to check typed host parameters and the
// effect-parameters base through the host's slot tables: the library's
// entry points, a stand-in effect description, and a hook that creates the
// test effect-parameters object as the creation procedure would.

#include "AAX_Exports.h"
#include "AAX_RegisterPlugin.h"
#include "TestEffectParameters.h"

// Registration is not what this module is for: describe nothing.
AAX_ResultCode DescribeEffect(AAX_ICollection*) { return AAX_SUCCESS; }

// A new effect-parameters object with count 0, handed out as the interface
// the host calls; see TestEffectParameters for the variants.
AAX_EXPORT void* VoTest_CreateEffectParameters(int32_t variant) {
  AAX_IEffectParameters* effect = new TestEffectParameters(variant);
  return effect;
}
