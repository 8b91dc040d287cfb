// The host's windows for the Cocoa editor: the parent a macOS host hands the
// plug-in is an NSView, here the content view of a borderless window, and
// the editor's view is its subview. No pixels are read back and no input is
// sent (HasWindows answers false); the scenarios that need them run where
// the host has real windows.

#include "HostWindowing.h"

#include "MacPlatform.h"

namespace vo {

namespace {
NSView* View(void* handle) { return static_cast<NSView*>(handle); }
}  // namespace

HostWindow::HostWindow(int width, int height) {
  NSApplicationLoad();
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  NSWindow* window = [[NSWindow alloc] initWithContentRect:NSMakeRect(0, 0, width, height)
                                                 styleMask:NSBorderlessWindowMask
                                                   backing:NSBackingStoreBuffered
                                                     defer:YES];
  [window setReleasedWhenClosed:NO];
  mHandle = [[window contentView] retain];
  [pool release];
}

HostWindow::~HostWindow() {
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  NSWindow* window = [View(mHandle) window];
  [View(mHandle) release];
  [window close];
  [window release];
  [pool release];
}

HostEventScope::HostEventScope() : mPool([[NSAutoreleasePool alloc] init]) {}

HostEventScope::~HostEventScope() { [static_cast<NSAutoreleasePool*>(mPool) release]; }

bool HasWindows() { return false; }

bool FindsChildWindows() { return true; }

void* FirstChildWindow(void* parent, std::string* className, int* width, int* height) {
  NSArray* subviews = parent ? [View(parent) subviews] : nil;
  NSView* child = [subviews count] ? [subviews objectAtIndex:0] : nil;
  if (className) *className = child ? [NSStringFromClass([child class]) UTF8String] : "";
  const NSSize size = child ? [child frame].size : NSMakeSize(0, 0);
  if (width) *width = static_cast<int>(size.width);
  if (height) *height = static_cast<int>(size.height);
  return child;
}

int ChildWindowCount(void* parent) { return parent ? static_cast<int>([[View(parent) subviews] count]) : 0; }

void* ParentWindow(void* window) { return window ? [View(window) superview] : nullptr; }

void PumpMessages(int milliseconds) {
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  [[NSRunLoop currentRunLoop] runUntilDate:[NSDate dateWithTimeIntervalSinceNow:milliseconds / 1000.0]];
  [pool release];
}

}  // namespace vo
