#pragma once
// The three procedures the effect description registers with the host.
// The deliverable defines them in IPlugAAX_Procedures.cpp; modules described
// without the wrapper (the description's tests) use IPlugAAX_ProcedureStandIns.

#include "AAX_Callbacks.h"

// Procedure 0: a new plug-in instance's effect-parameters interface, with
// count 0 (null when none could be made). Host's thread; allocates.
IACFUnknown* CreateEffectParameters();
// Procedure 1: a new GUI object, with count 0 (null when none could be
// made). Host's thread; allocates.
IACFUnknown* CreateEffectGUI();
// The native process procedure: renders each context of [first, end) whose
// private data names an instance. Host's audio thread; no allocation, takes
// only the plug-in mutex.
void ProcessContexts(AAX_RenderContext* const* first, AAX_RenderContext* const* end);
