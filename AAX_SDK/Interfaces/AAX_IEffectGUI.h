#pragma once
// The interface through which the host holds an editor object; the
// library's GUI base implements it. It adds nothing to the host's table, so
// a pointer to it is what the host calls.

#include "AAX_IACFEffectGUI.h"

class AAX_IEffectGUI : public AAX_IACFEffectGUI {
protected:
  ~AAX_IEffectGUI() = default;
};
