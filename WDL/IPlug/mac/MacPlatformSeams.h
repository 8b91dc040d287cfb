#pragma once
// The few places where the editor's view cannot reach the platform the same
// way on macOS and on GNUstep go through these calls: one definition for
// macOS (MacPlatformSeams_macos.mm) and one for GNUstep on Linux
// (gnustep_standin/MacPlatformSeams_gnustep.mm), where modal runs answer what
// a test scripted. Editor thread; no lock.

#include "MacPlatform.h"

// The CoreGraphics context that drawRect: draws into, or null.
CGContextRef MacSeamDrawingContext();
// The run-loop mode of the redraw timer.
NSString* MacSeamTimerRunLoopMode();
// A retained NSWindow wrapping the host's window (a Carbon window on macOS),
// or nil when there is none.
NSWindow* MacSeamWrapHostWindow(void* hostWindow);
// Shows menu as a context menu for view; returns when it closes, after the
// chosen item (if any) has sent its action.
void MacSeamPopUpMenu(NSMenu* menu, NSEvent* event, NSView* view);
// Runs a save panel (types nil) or an open panel modally at dir with a
// default name; answers the panel's result and, on 1 (OK), the chosen path.
NSInteger MacSeamRunFilePanel(NSSavePanel* panel, NSString* dir, NSString* name, NSArray* types, NSString** chosen);
// What the workspace answers to opening url.
BOOL MacSeamOpenURL(NSURL* url);
// The system version file.
const char* MacSeamSystemVersionPath();
// True where addSubview: sends removeFromSuperview to a view that has no
// superview yet (the view must not detach its editor then).
bool MacSeamAddSubviewRemovesFirst();
