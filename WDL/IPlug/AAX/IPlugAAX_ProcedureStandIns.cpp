// Stand-ins for the three procedures of the effect description, for modules
// that are described without the AAX wrapper (the description's tests).
// The wrapper's own definitions replace this file in the deliverable.

#include "IPlugAAX_Procedures.h"

IACFUnknown* CreateEffectParameters() { return nullptr; }

IACFUnknown* CreateEffectGUI() { return nullptr; }

void ProcessContexts(AAX_RenderContext* const*, AAX_RenderContext* const*) {}
