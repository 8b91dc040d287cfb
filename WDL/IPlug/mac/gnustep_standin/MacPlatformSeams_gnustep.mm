// The platform seams on GNUstep: the drawing context is a stand-in bitmap
// context a test installs, the timer runs in the default mode (GNUstep fires
// common-mode timers only there), the host window is an NSWindow, and modal
// runs answer what the test scripted.

#include "MacSeamScripts.h"

namespace
{
CGContextRef drawingContext;
NSMenuItem* (*menuChoice)(NSMenu*);
NSInteger panelResult = NSCancelButton;
std::string panelPath;
MacSeamPanelCall lastPanel;
BOOL openURLAnswer = YES;
std::string lastURL;
std::string versionPath = "/System/Library/CoreServices/SystemVersion.plist";

std::string Utf8(NSString* s) { return s ? std::string([s UTF8String]) : std::string(); }
}  // namespace

void MacSeamSetDrawingContext(CGContextRef context) { drawingContext = context; }
void MacSeamScriptMenuChoice(NSMenuItem* (*choose)(NSMenu*)) { menuChoice = choose; }
void MacSeamScriptFilePanel(NSInteger result, const char* path)
{
  panelResult = result;
  panelPath = path ? path : "";
}
MacSeamPanelCall MacSeamLastFilePanel() { return lastPanel; }
void MacSeamScriptOpenURL(BOOL answer) { openURLAnswer = answer; }
std::string MacSeamLastOpenedURL() { return lastURL; }
void MacSeamSetSystemVersionPath(const char* path) { versionPath = path ? path : ""; }

CGContextRef MacSeamDrawingContext() { return drawingContext; }

NSString* MacSeamTimerRunLoopMode() { return NSDefaultRunLoopMode; }

NSWindow* MacSeamWrapHostWindow(void* hostWindow) { return [static_cast<NSWindow*>(hostWindow) retain]; }

void MacSeamPopUpMenu(NSMenu* menu, NSEvent* event, NSView* view)
{
  NSMenuItem* item = menuChoice ? menuChoice(menu) : nil;
  if (item && [item isEnabled]) [NSApp sendAction:[item action] to:[item target] from:item];
}

NSInteger MacSeamRunFilePanel(NSSavePanel* panel, NSString* dir, NSString* name, NSArray* types, NSString** chosen)
{
  lastPanel = MacSeamPanelCall();
  lastPanel.open = types != nil;
  lastPanel.dir = Utf8(dir);
  lastPanel.name = Utf8(name);
  lastPanel.types = Utf8([types componentsJoinedByString:@" "]);
  if (panelResult == NSOKButton && chosen) *chosen = [NSString stringWithUTF8String:panelPath.c_str()];
  return panelResult;
}

BOOL MacSeamOpenURL(NSURL* url)
{
  lastURL = Utf8([url absoluteString]);
  return openURLAnswer;
}

const char* MacSeamSystemVersionPath() { return versionPath.c_str(); }

bool MacSeamAddSubviewRemovesFirst() { return true; }
