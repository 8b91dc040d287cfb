#pragma once
// The control family.

#include "IBitmapControl.h"
#include "IControl.h"
#include "IFaderControl.h"
#include "IKnobControl.h"
#include "IKnobMultiControlText.h"
#include "ISwitchControl.h"
#include "ITextControl.h"
