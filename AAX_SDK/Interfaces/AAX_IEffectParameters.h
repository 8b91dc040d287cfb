#pragma once
// The interface through which the host holds a plug-in's data model; the
// library's effect-parameters base implements it. It adds nothing to the
// host's table, so a pointer to it is what the host calls.

#include "AAX_IACFEffectParameters.h"

class AAX_IEffectParameters : public AAX_IACFEffectParameters_V4 {
protected:
  ~AAX_IEffectParameters() = default;
};
