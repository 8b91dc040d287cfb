// The stand-in's images, data providers, main display and cursor, the
// no-copy string and the scripted alert.

#include "StandinObjects.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace
{
std::atomic<unsigned long> alertResponse{kCFUserNotificationDefaultResponse};
std::atomic<size_t> displayHeight{900};
std::atomic<bool> displayHasColorSpace{true};
std::atomic<bool> cursorHidden{false};
constexpr CGDirectDisplayID kMainDisplay = 1;
}  // namespace

void StandinScriptAlertResponse(unsigned long response) { alertResponse = response; }
void StandinSetDisplayHeight(size_t pixels) { displayHeight = pixels; }
void StandinSetDisplayHasColorSpace(bool has) { displayHasColorSpace = has; }
bool StandinCursorHidden() { return cursorHidden; }

CFStringRef CFStringCreateWithCStringNoCopy(CFAllocatorRef, const char* text, CFStringEncoding encoding,
                                            CFAllocatorRef)
{
  StandinRecord("CFStringCreateWithCStringNoCopy", {double(encoding)}, text ? text : "");
  if (!text) return nullptr;
  if (encoding != kCFStringEncodingMacRoman) return CFStringCreateWithCString(nullptr, text, encoding);
  auto* s = new StandinString;
  for (const char* p = text; *p; ++p)
  {
    const char32_t code = static_cast<unsigned char>(*p);
    s->codes.push_back(code);
    if (code < 0x80)
      s->utf8 += *p;
    else
    {
      s->utf8 += char(0xC0 | (code >> 6));
      s->utf8 += char(0x80 | (code & 0x3F));
    }
  }
  return s;
}

int32_t CFUserNotificationDisplayAlert(CFTimeInterval timeout, CFOptionFlags flags, CFURLRef, CFURLRef, CFURLRef,
                                       CFStringRef alertHeader, CFStringRef alertMessage,
                                       CFStringRef defaultButtonTitle, CFStringRef alternateButtonTitle,
                                       CFStringRef otherButtonTitle, CFOptionFlags* responseFlags)
{
  StandinRecord("CFUserNotificationDisplayAlert", {timeout, double(flags)},
                StandinStringText(alertHeader) + "|" + StandinStringText(alertMessage) + "|" +
                    StandinStringText(defaultButtonTitle) + "|" + StandinStringText(alternateButtonTitle) + "|" +
                    StandinStringText(otherButtonTitle));
  if (responseFlags) *responseFlags = alertResponse;
  return 0;
}

CGDataProvider::~CGDataProvider()
{
  if (releaseData) releaseData(info, data, size);
}

CGImage::~CGImage() { StandinRelease(provider); }

CGDataProviderRef CGDataProviderCreateWithData(void* info, const void* data, size_t size,
                                               CGDataProviderReleaseDataCallback releaseData)
{
  StandinRecord("CGDataProviderCreateWithData", {double(size)});
  auto* provider = new CGDataProvider;
  provider->info = info;
  provider->data = static_cast<const unsigned char*>(data);
  provider->size = data ? size : 0;
  provider->releaseData = releaseData;
  return provider;
}

void CGDataProviderRelease(CGDataProviderRef provider)
{
  StandinRecord("CGDataProviderRelease");
  StandinRelease(provider);
}

CGImageRef CGImageCreate(size_t width, size_t height, size_t bitsPerComponent, size_t bitsPerPixel,
                         size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo info, CGDataProviderRef provider,
                         const CGFloat*, bool shouldInterpolate, CGColorRenderingIntent intent)
{
  StandinRecord("CGImageCreate", {double(width), double(height), double(bitsPerComponent), double(bitsPerPixel),
                                  double(bytesPerRow), double(info), double(shouldInterpolate), double(intent)});
  if (!provider || !space || bitsPerComponent != 8 || bitsPerPixel != 32 || info != kCGImageAlphaNoneSkipFirst ||
      width < 1 || height < 1 || width > (1u << 30) || height > (1u << 30) || bytesPerRow < 4 * width ||
      provider->size / bytesPerRow < height)
    return nullptr;
  auto* image = new CGImage;
  image->width = width;
  image->height = height;
  image->bytesPerRow = bytesPerRow;
  image->provider = StandinRetained(provider);
  return image;
}

void CGImageRelease(CGImageRef image)
{
  StandinRecord("CGImageRelease");
  StandinRelease(image);
}

void CGContextDrawImage(CGContextRef context, CGRect r, CGImageRef image)
{
  StandinRecord("CGContextDrawImage", {r.origin.x, r.origin.y, r.size.width, r.size.height});
  if (!context || context->type != StandinType::Context || !image) return;
  const CGAffineTransform& m = context->state.ctm;
  double lo[2] = {INFINITY, INFINITY}, hi[2] = {-INFINITY, -INFINITY};
  for (double x : {r.origin.x, r.origin.x + r.size.width})
    for (double y : {r.origin.y, r.origin.y + r.size.height})
    {
      const double dx = m.a * x + m.c * y + m.tx, dy = m.b * x + m.d * y + m.ty;
      lo[0] = std::min(lo[0], dx), hi[0] = std::max(hi[0], dx);
      lo[1] = std::min(lo[1], dy), hi[1] = std::max(hi[1], dy);
    }
  if (!(hi[0] > lo[0] && hi[1] > lo[1])) return;
  const double* clip = context->state.clip;
  const long px0 = std::max(0L, long(std::ceil(std::max(lo[0], clip[0]) - 0.5)));
  const long px1 = std::min(context->width, long(std::ceil(std::min(hi[0], clip[2]) - 0.5)));
  const long py0 = std::max(0L, long(std::ceil(std::max(lo[1], clip[1]) - 0.5)));
  const long py1 = std::min(context->height, long(std::ceil(std::min(hi[1], clip[3]) - 0.5)));
  const double sx = double(image->width) / (hi[0] - lo[0]), sy = double(image->height) / (hi[1] - lo[1]);
  for (long py = py0; py < py1; ++py)
  {
    // Pixel centres pick the image pixel under them; image row 0 is at the top.
    const long row = std::min(long(image->height) - 1, long((hi[1] - (py + 0.5)) * sy));
    const unsigned char* src = image->provider->data + size_t(row) * image->bytesPerRow;
    unsigned char* dst = context->data + (context->height - 1 - py) * context->bytesPerRow;
    for (long px = px0; px < px1; ++px)
    {
      const long column = std::min(long(image->width) - 1, long((px + 0.5 - lo[0]) * sx));
      std::copy(src + column * 4 + 1, src + column * 4 + 4, dst + px * 4 + 1);
    }
  }
}

CGSize CGContextConvertSizeToDeviceSpace(CGContextRef context, CGSize size)
{
  StandinRecord("CGContextConvertSizeToDeviceSpace", {size.width, size.height});
  if (!context || context->type != StandinType::Context) return size;
  const CGAffineTransform& m = context->state.ctm;
  return CGSize{std::fabs(m.a * size.width + m.c * size.height), std::fabs(m.b * size.width + m.d * size.height)};
}

void CGColorSpaceRelease(CGColorSpaceRef space)
{
  StandinRecord("CGColorSpaceRelease");
  StandinRelease(space);
}

CGDirectDisplayID CGMainDisplayID(void) { return kMainDisplay; }

CGColorSpaceRef CGDisplayCopyColorSpace(CGDirectDisplayID display)
{
  StandinRecord("CGDisplayCopyColorSpace", {double(display)});
  return displayHasColorSpace ? new CGColorSpace : nullptr;
}

CGError CGDisplayHideCursor(CGDirectDisplayID display)
{
  StandinRecord("CGDisplayHideCursor", {double(display)});
  cursorHidden = true;
  return 0;
}

CGError CGDisplayShowCursor(CGDirectDisplayID display)
{
  StandinRecord("CGDisplayShowCursor", {double(display)});
  cursorHidden = false;
  return 0;
}

CGError CGDisplayMoveCursorToPoint(CGDirectDisplayID display, CGPoint point)
{
  StandinRecord("CGDisplayMoveCursorToPoint", {double(display), point.x, point.y});
  return 0;
}

size_t CGDisplayPixelsHigh(CGDirectDisplayID display) { return displayHeight; }
