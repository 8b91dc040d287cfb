// The SDK copy we build against defines the interface ids of every interface
// except the two of the editor view; they are defined here, once.
#include "pluginterfaces/gui/iplugview.h"

namespace Steinberg {
DEF_CLASS_IID(IPlugView)
DEF_CLASS_IID(IPlugFrame)
}  // namespace Steinberg
