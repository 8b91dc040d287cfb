#pragma once
// The small records that the editor, its controls and the platform views exchange.

#include "IBitmapStrip.h"
#include "IBlendSpec.h"
#include "IColor.h"
#include "IMouseKeys.h"
#include "IPopupMenu.h"
#include "IRECT.h"
#include "IText.h"
