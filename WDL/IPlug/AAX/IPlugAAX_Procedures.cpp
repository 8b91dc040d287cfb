// The three procedures the effect description registers, for the plug-in
// of this deliverable.

#include "IPlugAAX_Procedures.h"

#include "IPlugAAX_Create.h"
#include "VimbraOndelino.h"

namespace {
IPlugAAX* CreateVimbraOndelino() { return CreatePluginInstance(); }
}  // namespace

IACFUnknown* CreateEffectParameters() { return CreateEffectParametersWith(&CreateVimbraOndelino); }

// The editor object joins with the editor framework; until then the host
// gets no GUI object.
IACFUnknown* CreateEffectGUI() { return nullptr; }

void ProcessContexts(AAX_RenderContext* const* first, AAX_RenderContext* const* end) {
  ProcessRenderContexts(first, end);
}
