#pragma once
// The format wrapper the plug-in class derives from in the AAX deliverables.
// Its constructor takes the IPlugBase arguments without the API id (the
// wrapper supplies it).

#include "IPlugAAX.h"

using PluginWrapper = IPlugAAX;
