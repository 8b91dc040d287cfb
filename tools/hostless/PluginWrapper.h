#pragma once
// The plug-in's base class in builds without a host format.
#include "HostlessWrapper.h"
using PluginWrapper = HostlessWrapper;
