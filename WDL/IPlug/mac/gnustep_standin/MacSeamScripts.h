#pragma once
// Test control of the platform seams on GNUstep: the drawing context that
// stands for the window's, and the answers of the modal runs. Editor thread.

#include "MacPlatformSeams.h"

#include <string>

// The context drawRect: draws into (not retained; null: none).
void MacSeamSetDrawingContext(CGContextRef context);
// Chooses the item of a context menu (nil: the menu closes without a choice).
void MacSeamScriptMenuChoice(NSMenuItem* (*choose)(NSMenu* menu));
// The next file panels' result and chosen path; what the last one was given.
void MacSeamScriptFilePanel(NSInteger result, const char* path);
struct MacSeamPanelCall
{
  bool open = false;
  std::string dir, name, types;  // types joined by blanks
};
MacSeamPanelCall MacSeamLastFilePanel();
// The workspace's answer to opening a URL, and the last URL given ("" none).
void MacSeamScriptOpenURL(BOOL answer);
std::string MacSeamLastOpenedURL();
// The system version file (default: the platform's path).
void MacSeamSetSystemVersionPath(const char* path);
