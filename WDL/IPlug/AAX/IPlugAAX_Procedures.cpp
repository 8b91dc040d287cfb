// The three procedures the effect description registers, for the plug-in
// of this deliverable.

#include "IPlugAAX_Procedures.h"

#include "AAX_CEffectGUI_IPLUG.h"
#include "ChannelIOSpec.h"
#include "IPlugAAX_Create.h"
#include "PluginIdentity.h"
#include "VimbraOndelino.h"

#include <new>

namespace {
IPlugAAX* CreateVimbraOndelino() { return CreatePluginInstance(); }

// The output buffers the host hands over whichever channel configuration it
// renders: a context without an instance gets silence in these. Worked out
// when the module loads, so that the audio thread allocates nothing.
const int kOutputsOfEveryConfiguration = FewestOutputs(kPluginChannelIO);
}  // namespace

IACFUnknown* CreateEffectParameters() { return CreateEffectParametersWith(&CreateVimbraOndelino); }

IACFUnknown* CreateEffectGUI() {
  // No exception may reach the host: an object that cannot be made is null.
  AAX_CEffectGUI_IPLUG* gui = new (std::nothrow) AAX_CEffectGUI_IPLUG;
  if (!gui) return nullptr;
  AAX_IEffectGUI* face = gui;
  return face;
}

void ProcessContexts(AAX_RenderContext* const* first, AAX_RenderContext* const* end) {
  ProcessRenderContexts(first, end, kOutputsOfEveryConfiguration);
}
