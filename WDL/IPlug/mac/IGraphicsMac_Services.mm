// The macOS editor's platform services: message boxes, folders, file panels,
// links, the clipboard, the cursor during drags and the system version.

#include "IGraphicsMac.h"

#include "IGraphicsCocoa.h"
#include "MacPlatformSeams.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
void SetUtf8(StringBuffer* out, NSString* text) { out->Set(text ? [text UTF8String] : ""); }

NSBundle* BundleWithID(const char* identifier)
{
  return [NSBundle bundleWithIdentifier:[NSString stringWithUTF8String:identifier ? identifier : ""]];
}

void FirstSearchPath(StringBuffer* out, NSSearchPathDirectory directory, NSSearchPathDomainMask domain)
{
  NSArray* paths = NSSearchPathForDirectoriesInDomains(directory, domain, YES);
  if ([paths count]) SetUtf8(out, [paths objectAtIndex:0]);
}

int versionNumber;
void ReadVersion(void*)
{
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  NSDictionary* info =
      [NSDictionary dictionaryWithContentsOfFile:[NSString stringWithUTF8String:MacSeamSystemVersionPath()]];
  id version = [info objectForKey:@"ProductVersion"];
  if ([version isKindOfClass:[NSString class]]) versionNumber = MacOSVersionFromText([version UTF8String]);
  [pool release];
}
}  // namespace

int MacOSVersionFromText(const char* productVersion)
{
  if (!productVersion) return 0;
  std::string text = productVersion;
  size_t dots = 0;
  for (char c : text) dots += c == '.';
  if (dots < 2) text += ".0";
  std::string digits;
  for (char c : text)
    if (c != '.') digits += c;
  return int(std::strtol(digits.c_str(), nullptr, 16));
}

int GetMacOSVersion()
{
  static dispatch_once_t once;
  dispatch_once_f(&once, nullptr, ReadVersion);
  return versionNumber;
}

int IGraphicsMac::ShowMessageBox(const char* text, const char* caption, int type)
{
  enum { kOK = 1, kCancel = 2, kYes = 6, kNo = 7 };
  CFStringRef message = CFStringCreateWithCStringNoCopy(nullptr, text ? text : "", kCFStringEncodingMacRoman, kCFAllocatorNull);
  CFStringRef header = CFStringCreateWithCStringNoCopy(nullptr, caption ? caption : "", kCFStringEncodingMacRoman, kCFAllocatorNull);
  CFStringRef yes = nullptr, no = nullptr, cancel = nullptr;
  // What each button means for this type: default, alternate, other.
  int answers[3] = {kOK, 0, 0};
  if (type == 4 || type == 3)
  {
    yes = CFStringCreateWithCString(nullptr, "Yes", kCFStringEncodingUTF8);
    no = CFStringCreateWithCString(nullptr, "No", kCFStringEncodingUTF8);
    answers[0] = kYes, answers[1] = kNo;
    if (type == 3)
    {
      cancel = CFStringCreateWithCString(nullptr, "Cancel", kCFStringEncodingUTF8);
      answers[2] = kCancel;
    }
  }
  else if (type == 1)
  {
    no = CFStringCreateWithCString(nullptr, "Cancel", kCFStringEncodingUTF8);
    answers[1] = kCancel;
  }
  CFOptionFlags response = kCFUserNotificationCancelResponse;
  CFUserNotificationDisplayAlert(0, kCFUserNotificationNoteAlertLevel, nullptr, nullptr, nullptr, header, message,
                                 yes, no, cancel, &response);
  for (CFStringRef s : {message, header, yes, no, cancel})
    if (s) CFRelease(s);
  return response <= kCFUserNotificationOtherResponse ? answers[response] : 0;
}

void IGraphicsMac::HostExecutablePath(StringBuffer* path)
{
  NSBundle* bundle = BundleWithID(GetBundleID());
  if (bundle) SetUtf8(path, [bundle executablePath]);
}

void IGraphicsMac::ModuleFilePath(StringBuffer* path)
{
  NSBundle* bundle = BundleWithID(GetBundleID());
  if (!bundle) return;
  SetUtf8(path, [[bundle bundlePath] stringByDeletingLastPathComponent]);
  path->Append("/");
}

void IGraphicsMac::DesktopFolderPath(StringBuffer* path) { FirstSearchPath(path, NSDesktopDirectory, NSUserDomainMask); }

void IGraphicsMac::AppDataFolderPath(StringBuffer* path, bool allUsers)
{
  FirstSearchPath(path, NSApplicationSupportDirectory, allUsers ? NSLocalDomainMask : NSUserDomainMask);
}

void IGraphicsMac::SampleFolderPath(StringBuffer* path)
{
  SetUtf8(path, NSHomeDirectory());
  path->Append("/Music");
}

void IGraphicsMac::ShowFileDialog(StringBuffer* file, int action, StringBuffer* dir, const char* extensions)
{
  if (!file) return;
  if (!mView || !dir)
  {
    file->Set("");
    return;
  }
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  NSString* name = [NSString stringWithUTF8String:file->Get() ? file->Get() : ""];
  if (!dir->Get() || !dir->Get()[0]) dir->Set("~/Desktop");
  NSString* start = [NSString stringWithUTF8String:dir->Get()];
  file->Set("");
  NSArray* types = [[NSString stringWithUTF8String:extensions ? extensions : ""] componentsSeparatedByString:@" "];
  NSString* chosen = nil;
  NSInteger result;
  if (action == 1)
  {
    NSSavePanel* panel = [NSSavePanel savePanel];
    [panel setAllowedFileTypes:types];
    [panel setAllowsOtherFileTypes:NO];
    result = MacSeamRunFilePanel(panel, start, name, nil, &chosen);
  }
  else
  {
    NSOpenPanel* panel = [NSOpenPanel openPanel];
    [panel setCanChooseFiles:YES];
    [panel setCanChooseDirectories:NO];
    [panel setResolvesAliases:YES];
    result = MacSeamRunFilePanel(panel, start, name, types, &chosen);
  }
  if (result == NSOKButton && chosen)
  {
    SetUtf8(file, chosen);
    SetUtf8(dir, [chosen stringByDeletingLastPathComponent]);
    dir->Append("/");
  }
  [pool release];
}

bool IGraphicsMac::OpenWebLink(const char* url, const char*, const char*, const char*)
{
  if (!url) return false;
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  NSString* text = [NSString stringWithUTF8String:url];
  NSURL* link = !text ? nil : std::strstr(url, "http") ? [NSURL URLWithString:text] : [NSURL fileURLWithPath:text];
  // Without a URL nothing was opened, so the answer is no.
  const bool opened = link && MacSeamOpenURL(link);
  [pool release];
  return opened;
}

bool IGraphicsMac::ReadClipboardText(StringBuffer* out)
{
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  NSString* text = [[NSPasteboard generalPasteboard] stringForType:NSStringPboardType];
  SetUtf8(out, text);
  [pool release];
  return text != nil;
}

void IGraphicsMac::HideCursorForDrag()
{
  if (mCursorHidden) return;
  if (CGDisplayHideCursor(CGMainDisplayID()) == 0) mCursorHidden = true;
  const NSPoint p = [NSEvent mouseLocation];
  mHiddenCursorX = int(p.x);
  mHiddenCursorY = int(CGDisplayPixelsHigh(CGMainDisplayID()) - p.y);
}

void IGraphicsMac::RestoreCursorAfterDrag()
{
  if (!mCursorHidden) return;
  CGDisplayMoveCursorToPoint(CGMainDisplayID(), CGPoint{double(mHiddenCursorX), double(mHiddenCursorY)});
  if (CGDisplayShowCursor(CGMainDisplayID()) == 0) mCursorHidden = false;
}
