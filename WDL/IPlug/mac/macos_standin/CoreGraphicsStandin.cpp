// The stand-in's CoreGraphics calls: bitmap contexts and their state,
// fills, colours and rectangle paths.

#include "StandinObjects.h"

#include <algorithm>
#include <cmath>

namespace
{
bool Usable(CGContextRef context) { return context && context->type == StandinType::Context; }

// Clamps to 0 to 1; NaN counts as 0.
double Unit(double v) { return v > 0 ? (v < 1 ? v : 1) : 0; }
}  // namespace

CGAffineTransform StandinConcat(const CGAffineTransform& m, const CGAffineTransform& n)
{
  return CGAffineTransform{m.a * n.a + m.b * n.c,         m.a * n.b + m.b * n.d,
                           m.c * n.a + m.d * n.c,         m.c * n.b + m.d * n.d,
                           m.tx * n.a + m.ty * n.c + n.tx, m.tx * n.b + m.ty * n.d + n.ty};
}

CGContext::~CGContext() { StandinRelease(space); }

void CGContext::PaintDeviceBox(double x0, double y0, double x1, double y1, const CGFloat* rgba)
{
  const double* clip = state.clip;
  x0 = std::max(x0, clip[0]);
  y0 = std::max(y0, clip[1]);
  x1 = std::min(x1, clip[2]);
  y1 = std::min(y1, clip[3]);
  if (!(x0 < x1 && y0 < y1)) return;
  const long px0 = std::max(0L, long(std::floor(x0))), px1 = std::min(width, long(std::ceil(x1)));
  const long py0 = std::max(0L, long(std::floor(y0))), py1 = std::min(height, long(std::ceil(y1)));
  const double alpha = Unit(rgba[3]);
  for (long py = py0; py < py1; ++py)
  {
    const double coverY = std::min(y1, double(py + 1)) - std::max(y0, double(py));
    // Device row 0 is the bottom row, the last one in memory.
    unsigned char* row = data + (height - 1 - py) * bytesPerRow;
    for (long px = px0; px < px1; ++px)
    {
      double cover = coverY * (std::min(x1, double(px + 1)) - std::max(x0, double(px)));
      if (!state.antialias) cover = cover >= 0.5 ? 1 : 0;
      const double weight = cover * alpha;
      if (weight <= 0) continue;
      unsigned char* pixel = row + px * 4;
      for (int c = 0; c < 3; ++c)
      {
        const double value = pixel[1 + c] * (1 - weight) + 255.0 * Unit(rgba[c]) * weight;
        pixel[1 + c] = static_cast<unsigned char>(std::lround(value));
      }
    }
  }
}

void CGContext::PaintBox(const CGAffineTransform& m, double x0, double y0, double x1, double y1, const CGFloat* rgba)
{
  // The bounding box of the mapped corners: exact for the axis-aligned
  // transforms the emulation uses.
  double lo[2] = {INFINITY, INFINITY}, hi[2] = {-INFINITY, -INFINITY};
  for (double x : {x0, x1})
    for (double y : {y0, y1})
    {
      const double dx = m.a * x + m.c * y + m.tx, dy = m.b * x + m.d * y + m.ty;
      lo[0] = std::min(lo[0], dx), hi[0] = std::max(hi[0], dx);
      lo[1] = std::min(lo[1], dy), hi[1] = std::max(hi[1], dy);
    }
  PaintDeviceBox(lo[0], lo[1], hi[0], hi[1], rgba);
}

CGColorSpaceRef CGColorSpaceCreateDeviceRGB(void)
{
  StandinRecord("CGColorSpaceCreateDeviceRGB");
  return new CGColorSpace;
}

CGContextRef CGBitmapContextCreate(void* data, size_t width, size_t height, size_t bitsPerComponent,
                                   size_t bytesPerRow, CGColorSpaceRef space, CGBitmapInfo info)
{
  StandinRecord("CGBitmapContextCreate", {double(width), double(height), double(bitsPerComponent),
                                          double(bytesPerRow), double(info)});
  if (StandinContextCreationFails() || !data || !space || bitsPerComponent != 8 ||
      info != kCGImageAlphaNoneSkipFirst || width < 1 || height < 1 || width > (1u << 30) ||
      height > (1u << 30) || bytesPerRow < 4 * width)
    return nullptr;
  auto* context = new CGContext;
  context->data = static_cast<unsigned char*>(data);
  context->width = long(width);
  context->height = long(height);
  context->bytesPerRow = long(bytesPerRow);
  context->space = StandinRetained(space);
  context->state.clip[2] = double(width);
  context->state.clip[3] = double(height);
  return context;
}

void CGContextRelease(CGContextRef context)
{
  StandinRecord("CGContextRelease");
  StandinRelease(context);
}

void CGContextTranslateCTM(CGContextRef context, CGFloat tx, CGFloat ty)
{
  StandinRecord("CGContextTranslateCTM", {tx, ty});
  if (Usable(context)) context->state.ctm = StandinConcat(CGAffineTransform{1, 0, 0, 1, tx, ty}, context->state.ctm);
}

void CGContextScaleCTM(CGContextRef context, CGFloat sx, CGFloat sy)
{
  StandinRecord("CGContextScaleCTM", {sx, sy});
  if (Usable(context)) context->state.ctm = StandinConcat(CGAffineTransform{sx, 0, 0, sy, 0, 0}, context->state.ctm);
}

void CGContextSaveGState(CGContextRef context)
{
  StandinRecord("CGContextSaveGState");
  if (Usable(context)) context->saved.push_back(context->state);
}

void CGContextRestoreGState(CGContextRef context)
{
  StandinRecord("CGContextRestoreGState");
  if (!Usable(context) || context->saved.empty()) return;
  context->state = context->saved.back();
  context->saved.pop_back();
}

void CGContextSetTextMatrix(CGContextRef context, CGAffineTransform m)
{
  StandinRecord("CGContextSetTextMatrix", {m.a, m.b, m.c, m.d, m.tx, m.ty});
  if (Usable(context)) context->state.textMatrix = m;
}

void CGContextSetTextPosition(CGContextRef context, CGFloat x, CGFloat y)
{
  StandinRecord("CGContextSetTextPosition", {x, y});
  if (!Usable(context)) return;
  context->state.textMatrix.tx = x;
  context->state.textMatrix.ty = y;
}

void CGContextClipToRect(CGContextRef context, CGRect r)
{
  StandinRecord("CGContextClipToRect", {r.origin.x, r.origin.y, r.size.width, r.size.height});
  if (!Usable(context)) return;
  const CGAffineTransform& m = context->state.ctm;
  double* clip = context->state.clip;
  double lo[2] = {INFINITY, INFINITY}, hi[2] = {-INFINITY, -INFINITY};
  for (double x : {r.origin.x, r.origin.x + r.size.width})
    for (double y : {r.origin.y, r.origin.y + r.size.height})
    {
      const double dx = m.a * x + m.c * y + m.tx, dy = m.b * x + m.d * y + m.ty;
      lo[0] = std::min(lo[0], dx), hi[0] = std::max(hi[0], dx);
      lo[1] = std::min(lo[1], dy), hi[1] = std::max(hi[1], dy);
    }
  clip[0] = std::max(clip[0], lo[0]);
  clip[1] = std::max(clip[1], lo[1]);
  clip[2] = std::min(clip[2], hi[0]);
  clip[3] = std::min(clip[3], hi[1]);
}

void CGContextSetShouldAntialias(CGContextRef context, bool shouldAntialias)
{
  StandinRecord("CGContextSetShouldAntialias", {double(shouldAntialias)});
  if (Usable(context)) context->state.antialias = shouldAntialias;
}

void CGContextSetFillColorWithColor(CGContextRef context, CGColorRef color)
{
  StandinRecord("CGContextSetFillColorWithColor");
  if (Usable(context) && color) std::copy(color->components, color->components + 4, context->state.fill);
}

void CGContextFillRect(CGContextRef context, CGRect r)
{
  StandinRecord("CGContextFillRect", {r.origin.x, r.origin.y, r.size.width, r.size.height});
  if (!Usable(context)) return;
  context->PaintBox(context->state.ctm, r.origin.x, r.origin.y, r.origin.x + r.size.width,
                    r.origin.y + r.size.height, context->state.fill);
}

CGColorRef CGColorCreate(CGColorSpaceRef space, const CGFloat* components)
{
  StandinRecord("CGColorCreate", components ? std::vector<double>(components, components + 4) : std::vector<double>());
  if (!space || !components) return nullptr;
  auto* color = new CGColor;
  std::copy(components, components + 4, color->components);
  return color;
}

void CGColorRelease(CGColorRef color)
{
  StandinRecord("CGColorRelease");
  StandinRelease(color);
}

CGPathRef CGPathCreateWithRect(CGRect rect, const CGAffineTransform* transform)
{
  StandinRecord("CGPathCreateWithRect", {rect.origin.x, rect.origin.y, rect.size.width, rect.size.height});
  auto* path = new CGPath;
  path->rect = rect;
  return path;
}

void CGPathRelease(CGPathRef path)
{
  StandinRecord("CGPathRelease");
  StandinRelease(path);
}
