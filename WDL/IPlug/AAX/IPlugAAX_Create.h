#pragma once
// Creating a plug-in instance for an AAX host.

#include "IPlugAAX.h"

// Procedure 0's body: makes an instance with factory and hands the host its
// effect-parameters interface with count 0. Nothing the construction throws
// reaches the host: it answers null instead, as for a factory that answers
// null. Host's thread; allocates.
IACFUnknown* CreateEffectParametersWith(IPlugAAX* (*factory)());
