// The macOS editor view: attaching and detaching the Cocoa view, presenting
// the back buffer and the editor's calls that go through the view.

#include "IGraphicsMac.h"

#include "IGraphicsCocoa.h"
#include "MacPlatformSeams.h"

#include "IControl.h"
#include "lice_png.h"
#include "lice_mem_bitmap.h"
#include "lice_sys_bitmap.h"

#include <cmath>
#include <cstdint>
#include <cstring>

MacViewRect ToMacViewRect(const IRECT& r, int scaledHeight)
{
  return MacViewRect{double(r.L), double(scaledHeight - r.B - 1), double(r.R - r.L + 1), double(r.B - r.T + 1)};
}

namespace
{
NSRect ToNSRect(const IRECT& r, int scaledHeight)
{
  const MacViewRect v = ToMacViewRect(r, scaledHeight);
  return NSMakeRect(v.x, v.y, v.w, v.h);
}
}  // namespace

IGraphicsMac::IGraphicsMac(IPlugBase* plug, int width, int height, int fps) : IGraphics(plug, width, height, fps)
{
  NSApplicationLoad();
}

IGraphicsMac::~IGraphicsMac()
{
  // The plug-in deletes its editor while it goes: no gesture end reaches it.
  mGesture.Forget();
  DetachView();
  if (mColorSpace) CGColorSpaceRelease(mColorSpace);
  mDoubled.Resize(0, true);
}

bool IGraphicsMac::PaintDirtyArea(IRECT*)
{
  if (!mView || !mBackBuffer) return false;
  CGContextRef context = MacSeamDrawingContext();
  if (!context) return false;
  if (!mColorSpace)
  {
    if (GetMacOSVersion() >= 0x1070) mColorSpace = CGDisplayCopyColorSpace(CGMainDisplayID());
    if (!mColorSpace) mColorSpace = CGColorSpaceCreateDeviceRGB();
  }

  const unsigned char* pixels = reinterpret_cast<const unsigned char*>(mBackBuffer->Pixels());
  int span = mBackBuffer->RowSpan(), width = mBackBuffer->PixelWidth(), height = mBackBuffer->PixelHeight();
  if (!pixels || width < 1 || height < 1) return true;

  // A device space that doubles user space (a high-resolution display) gets
  // the back buffer pixel-doubled, so it stays sharp.
  if (CGContextConvertSizeToDeviceSpace(context, CGSizeMake(1, 1)).width > 1.9)
  {
    const int span2 = (2 * width + 3) & ~3;
    const int64_t bytes = int64_t(height) * span2 * 8 + 32;
    if (bytes <= INT32_MAX && mDoubled.Resize(int(bytes), false) && mDoubled.GetSize() == int(bytes))
    {
      auto* out = reinterpret_cast<uint32_t*>((reinterpret_cast<uintptr_t>(mDoubled.Get()) + 31) & ~uintptr_t(31));
      const auto* in = reinterpret_cast<const uint32_t*>(pixels);
      for (int y = 0; y < height; ++y)
      {
        uint32_t* row = out + int64_t(2 * y) * span2;
        for (int x = 0; x < width; ++x) row[2 * x] = row[2 * x + 1] = in[int64_t(y) * span + x];
        std::memcpy(row + span2, row, size_t(span2) * 4);
      }
      pixels = reinterpret_cast<const unsigned char*>(out);
      width *= 2;
      height *= 2;
      span = span2;
    }
  }

  CGDataProviderRef provider = CGDataProviderCreateWithData(nullptr, pixels, size_t(span) * 4 * height, nullptr);
  CGImageRef image = CGImageCreate(width, height, 8, 32, size_t(span) * 4, mColorSpace, kCGImageAlphaNoneSkipFirst,
                                   provider, nullptr, false, kCGRenderingIntentDefault);
  CGDataProviderRelease(provider);
  if (image)
  {
    const double scale = GetDisplayScale();
    CGContextDrawImage(context, CGRectMake(0, 0, int(scale * Width()), int(scale * Height())), image);
    CGImageRelease(image);
  }
  return true;
}

bool IGraphicsMac::MeasureTextRect(IText* text, const char* str, IRECT* rect)
{
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  const bool measured = DrawTextInRect(text, str, rect, true);
  [pool release];
  return measured;
}

void IGraphicsMac::CancelTextEntry()
{
  if (mView) [mView endUserInput];
}

void IGraphicsMac::ResizeEditor(int w, int h)
{
  const double scale = GetDisplayScale();
  if (w == int(scale * Width()) && h == int(scale * Height())) return;
  IGraphics::ResizeEditor(w, h);
  if (mView) [mView setFrameSize:NSMakeSize(w, h)];
}

IPopupMenu* IGraphicsMac::CreateIPopupMenu(IPopupMenu* menu, IRECT* rect)
{
  ReleasePointerCapture();
  if (!mView || !menu || !rect) return nullptr;
  return [mView createIPopupMenu:menu :ToNSRect(*rect, ScaledHeight())];
}

void IGraphicsMac::CreateTextEntry(IControl* control, IText* text, IRECT* rect, const char* str,
                                   IPlugParameter* param)
{
  if (!mView || !text || !rect) return;
  [mView createTextEntry:control :param :text :str :ToNSRect(*rect, ScaledHeight())];
}

bool IGraphicsMac::PromptForColor(IColor* color, const char* title)
{
  if (!mView || !color) return false;
  return [mView PromptForColor:color];
}

void* IGraphicsMac::AttachToParentWindow(void* parent)
{
  DetachView();
  mView = [[IGraphicsCocoa_vVimbraOndelino_aax alloc] initWithIGraphics:this];
  if (parent) [static_cast<NSView*>(parent) addSubview:mView];
  RefreshTooltips();
  return mView;
}

void IGraphicsMac::OpenInOwnWindow(void* hostWindow)
{
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  NSWindow* host = MacSeamWrapHostWindow(hostWindow);
  [host setCanHide:YES];
  [host setReleasedWhenClosed:YES];
  const NSRect frame = host ? [host frame] : NSMakeRect(0, 0, 0, 0);
  const double scale = GetDisplayScale();
  const int w = int(scale * Width());
  const int xOffset = w < frame.size.width ? int(std::floor((frame.size.width - w) * 0.5)) : 0;
  NSWindow* child = [[CustomCocoaWindow_vVimbraOndelino_aax alloc]
      initWithContentRect:NSMakeRect(frame.origin.x + xOffset, frame.origin.y, w, int(scale * Height()))
                styleMask:NSBorderlessWindowMask
                  backing:NSBackingStoreBuffered
                    defer:NO];
  [child setOpaque:YES];
  [child setCanHide:YES];
  [child setHasShadow:NO];
  [child setReleasedWhenClosed:YES];
  AttachToParentWindow([child contentView]);
  [host addChildWindow:child ordered:NSWindowAbove];
  [host orderFront:nil];
  [host display];
  [child performSelector:@selector(orderFront:) withObject:nil afterDelay:0.05];
  mHostWindow = host;
  [pool release];
}

void IGraphicsMac::CloseOwnWindow()
{
  // Without the window OpenInOwnWindow stored, or without its child, there
  // is nothing of ours to close.
  NSWindow* host = mHostWindow;
  if (!host) return;
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  NSArray* children = [host childWindows];
  NSWindow* child = [children count] ? [children objectAtIndex:0] : nil;
  DetachView();
  if (child)
  {
    // A child closed within the raise's delay must not come back; the
    // pending raise also holds the window.
    [NSObject cancelPreviousPerformRequestsWithTarget:child selector:@selector(orderFront:) object:nil];
    [child orderOut:nil];
    [host orderOut:nil];
    [child close];
    [host removeChildWindow:child];
    [host close];
    mHostWindow = nullptr;
  }
  [pool release];
}

void IGraphicsMac::DetachView()
{
  IGraphicsCocoa_vVimbraOndelino_aax* view = mView;
  if (!view) return;
  [view removeAllToolTips];
  [view killTimer];
  mView = nullptr;
  // No release reaches a closed view: a press's gesture ends here.
  ReleasePointerCapture();
  EndMouseGesture();
  if ([view graphics] == this)
  {
    [view clearGraphics];
    [view removeFromSuperview];
  }
  // The reference AttachToParentWindow made goes with the pool, after the
  // view's own removal has run.
  [view autorelease];
}

void IGraphicsMac::RefreshTooltips()
{
  if (!mView || !TooltipsEnabled()) return;
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  [mView removeAllToolTips];
  for (int i = 0; i < NControls(); ++i)
  {
    IControl* control = GetControl(i);
    IRECT target = control->GetTargetRect();
    if (control->GetTooltip() && control->GetTooltip()[0] && !control->IsHidden() && !target.IsEmpty())
      [mView registerToolTip:&target];
  }
  [pool release];
}

LICE_IBitmap* IGraphicsMac::LoadBitmapResource(int, const char* name) { return FindBundlePng(GetBundleID(), name); }

LICE_MemBitmap* IGraphicsMac::FindBundlePng(const char* identifier, const char* name)
{
  if (!name) return nullptr;
  const char* dot = std::strrchr(name, '.');
  if (strcasecmp(dot ? dot + 1 : name, "png") != 0) return nullptr;
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  NSBundle* bundle = [NSBundle bundleWithIdentifier:[NSString stringWithUTF8String:identifier ? identifier : ""]];
  NSString* resource = [[[NSString stringWithUTF8String:name] lastPathComponent] stringByDeletingPathExtension];
  NSString* path = [bundle pathForResource:resource ofType:@"png"];
  LICE_MemBitmap* bitmap = nullptr;
  // The file system's own spelling of the path (any characters), not the
  // legacy C-string encoding.
  const char* file = path ? [path fileSystemRepresentation] : nullptr;
  if (file && file[0])
  {
    bitmap = new LICE_MemBitmap;
    if (!LICE_ReadPNGFile(file, bitmap))
    {
      delete bitmap;
      bitmap = nullptr;
    }
  }
  [pool release];
  return bitmap;
}
