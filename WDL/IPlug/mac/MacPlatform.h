#pragma once
// AppKit, the CoreGraphics family and dispatch_once_f for the editor's macOS
// sources. On macOS these are the system's; on Linux, GNUstep's AppKit, our
// CoreGraphics stand-in and the additions GNUstep lacks (gnustep_standin/).
// Objective-C++ only.

#import <AppKit/AppKit.h>
#include <CoreGraphics/CoreGraphics.h>
#include <CoreFoundation/CoreFoundation.h>

#ifdef __APPLE__
#include <dispatch/dispatch.h>
#else
#include "GNUstepAdditions.h"
#endif
