// The platform seams on macOS.

#include "MacPlatformSeams.h"

#include <Carbon/Carbon.h>

CGContextRef MacSeamDrawingContext()
{
  NSGraphicsContext* current = [NSGraphicsContext currentContext];
  if (!current) return nullptr;
  // Re-wrapped flipped, as the back buffer's presentation expects.
  NSGraphicsContext* flipped = [NSGraphicsContext graphicsContextWithGraphicsPort:[current graphicsPort] flipped:YES];
  return static_cast<CGContextRef>([flipped graphicsPort]);
}

NSString* MacSeamTimerRunLoopMode() { return (NSString*)kCFRunLoopCommonModes; }

NSWindow* MacSeamWrapHostWindow(void* hostWindow)
{
  if (!hostWindow) return nil;
  return [[NSWindow alloc] initWithWindowRef:hostWindow];
}

void MacSeamPopUpMenu(NSMenu* menu, NSEvent* event, NSView* view)
{
  [NSMenu popUpContextMenu:menu withEvent:event forView:view];
}

NSInteger MacSeamRunFilePanel(NSSavePanel* panel, NSString* dir, NSString* name, NSArray* types, NSString** chosen)
{
  NSInteger result = types ? [(NSOpenPanel*)panel runModalForDirectory:dir file:name types:types]
                           : [panel runModalForDirectory:dir file:name];
  if (result == NSOKButton && chosen) *chosen = [panel filename];
  return result;
}

BOOL MacSeamOpenURL(NSURL* url) { return [[NSWorkspace sharedWorkspace] openURL:url]; }

const char* MacSeamSystemVersionPath() { return "/System/Library/CoreServices/SystemVersion.plist"; }

bool MacSeamAddSubviewRemovesFirst() { return false; }
