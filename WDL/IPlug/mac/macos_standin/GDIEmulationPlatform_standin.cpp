// The emulation's platform calls on the Linux stand-in: the label font is a
// stand-in font, installed fonts are the registered faces, and the
// Foundation version is the one a test sets.

#include "GDIEmulationPlatform.h"
#include "MacosStandin.h"

CTFontRef GDIEmu_CreateLabelFont(CGFloat size)
{
  CFStringRef name = CFStringCreateWithCString(kCFAllocatorDefault, "System Label", kCFStringEncodingUTF8);
  CTFontRef font = CTFontCreateWithName(name, size, nullptr);
  CFRelease(name);
  return font;
}

CFStringRef GDIEmu_CopyPostScriptName(CFStringRef name)
{
  if (!name || !StandinFaceIsRegistered(StandinStringText(name))) return nullptr;
  CTFontRef font = CTFontCreateWithName(name, 10.0, nullptr);
  if (!font) return nullptr;
  CFStringRef postScriptName = CTFontCopyPostScriptName(font);
  CFRelease(font);
  return postScriptName;
}

double GDIEmu_FoundationVersion() { return StandinFoundationVersion(); }
