// The emulation's platform calls on macOS, through AppKit and Foundation.
// Manual reference counting: the answers are retained for the caller.

#import <AppKit/AppKit.h>

#include "GDIEmulationPlatform.h"

CTFontRef GDIEmu_CreateLabelFont(CGFloat size)
{
  NSFont* font = [NSFont labelFontOfSize:size];
  // CoreText accepts an NSFont wherever it takes a font.
  return (CTFontRef)[font retain];
}

CFStringRef GDIEmu_CopyPostScriptName(CFStringRef name)
{
  NSFont* font = [NSFont fontWithName:(NSString*)name size:10.0];
  return font ? CTFontCopyPostScriptName((CTFontRef)font) : nullptr;
}

double GDIEmu_FoundationVersion() { return NSFoundationVersionNumber; }
