#pragma once
// Linux stand-in for the CoreGraphics calls of the macOS drawing emulation:
// bitmap contexts over caller memory (8 bits per component, 32 bits per
// pixel, first byte skipped, then red, green, blue), their graphics state,
// rectangle fills, colours and rectangle paths. Device space has its origin
// at the bottom-left corner with y growing upwards, as on the platform.
// Written from what the emulation needs; see MacosStandin.h for the rules of
// the drawing and for the live-object counts and call recorder.
//
// The tags of the context, image and colour types are the platform's, so
// that GNUstep's headers, which name the same tags, include beside these.

#include <CoreFoundation/CoreFoundation.h>

#include <cstddef>
#include <cstdint>

typedef double CGFloat;

struct CGPoint
{
  CGFloat x;
  CGFloat y;
};
struct CGSize
{
  CGFloat width;
  CGFloat height;
};
struct CGRect
{
  CGPoint origin;
  CGSize size;
};
// x' = a x + c y + tx, y' = b x + d y + ty.
struct CGAffineTransform
{
  CGFloat a, b, c, d, tx, ty;
};

typedef struct CGContext* CGContextRef;
typedef struct CGColor* CGColorRef;
typedef struct CGColorSpace* CGColorSpaceRef;
typedef const struct CGPath* CGPathRef;
typedef uint32_t CGBitmapInfo;
typedef struct CGImage* CGImageRef;
typedef struct CGDataProvider* CGDataProviderRef;
typedef void (*CGDataProviderReleaseDataCallback)(void* info, const void* data, size_t size);
typedef uint32_t CGDirectDisplayID;
typedef int32_t CGError;
typedef int32_t CGColorRenderingIntent;
enum : CGColorRenderingIntent
{
  kCGRenderingIntentDefault = 0
};

enum : uint32_t
{
  kCGImageAlphaNoneSkipFirst = 6
};

inline CGSize CGSizeMake(CGFloat width, CGFloat height) { return CGSize{width, height}; }
inline CGRect CGRectMake(CGFloat x, CGFloat y, CGFloat width, CGFloat height)
{
  return CGRect{{x, y}, {width, height}};
}

extern "C" {
CGColorSpaceRef CGColorSpaceCreateDeviceRGB(void);
// Null unless 8 bits per component, info kCGImageAlphaNoneSkipFirst (the
// default byte order), data given, sizes positive and bytesPerRow at least
// 4 x width.
CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent,
                                   size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo info);
void CGContextRelease(CGContextRef context);
void CGContextTranslateCTM(CGContextRef context, CGFloat tx, CGFloat ty);
void CGContextScaleCTM(CGContextRef context, CGFloat sx, CGFloat sy);
// The saved state holds the CTM, the clip, the text matrix, the anti-alias
// switch and the fill colour.
void CGContextSaveGState(CGContextRef context);
void CGContextRestoreGState(CGContextRef context);
void CGContextSetTextMatrix(CGContextRef context, CGAffineTransform matrix);
void CGContextSetTextPosition(CGContextRef context, CGFloat x, CGFloat y);
void CGContextClipToRect(CGContextRef context, CGRect rect);
void CGContextSetShouldAntialias(CGContextRef context, bool shouldAntialias);
void CGContextSetFillColorWithColor(CGContextRef context, CGColorRef color);
void CGContextFillRect(CGContextRef context, CGRect rect);
// components: red, green, blue, alpha (0 to 1).
CGColorRef CGColorCreate(CGColorSpaceRef space, const CGFloat* components);
void CGColorRelease(CGColorRef color);
// Images: a provider over caller memory (not copied; the callback runs when
// the provider goes), an image over a provider (the same pixel layout as the
// bitmap contexts), drawn into a user-space rectangle with nearest-pixel
// sampling; image row 0 is the top of the rectangle (device y grows upwards).
CGDataProviderRef CGDataProviderCreateWithData(void* info, const void* data, size_t size,
                                               CGDataProviderReleaseDataCallback releaseData);
void CGDataProviderRelease(CGDataProviderRef provider);
// Null unless 8 bits per component, 32 per pixel, info kCGImageAlphaNoneSkipFirst,
// bytesPerRow at least 4 x width and the provider holding height x bytesPerRow.
CGImageRef CGImageCreate(size_t width, size_t height, size_t bitsPerComponent, size_t bitsPerPixel,
                         size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo info, CGDataProviderRef provider,
                         const CGFloat* decode, bool shouldInterpolate, CGColorRenderingIntent intent);
void CGImageRelease(CGImageRef image);
void CGContextDrawImage(CGContextRef context, CGRect rect, CGImageRef image);
// The size through the context's transform (absolute values).
CGSize CGContextConvertSizeToDeviceSpace(CGContextRef context, CGSize size);
void CGColorSpaceRelease(CGColorSpaceRef space);

// The display: a stand-in main display (see MacosStandin.h for its height and
// cursor state).
CGDirectDisplayID CGMainDisplayID(void);
// A new device colour space, or null while a test says the display has none.
CGColorSpaceRef CGDisplayCopyColorSpace(CGDirectDisplayID display);
CGError CGDisplayHideCursor(CGDirectDisplayID display);
CGError CGDisplayShowCursor(CGDirectDisplayID display);
CGError CGDisplayMoveCursorToPoint(CGDirectDisplayID display, CGPoint point);
size_t CGDisplayPixelsHigh(CGDirectDisplayID display);

CGPathRef CGPathCreateWithRect(CGRect rect, const CGAffineTransform* transform);
void CGPathRelease(CGPathRef path);
}
