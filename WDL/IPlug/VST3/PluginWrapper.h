#pragma once
// The format wrapper the plug-in class derives from in the VST3 deliverable.
// Its constructor takes the IPlugBase arguments without the API id (the
// wrapper supplies it), then optionally the side-chain channel count.

#include "IPlugVST3.h"

using PluginWrapper = IPlugVST3;
