// DrawText: lays UTF-8 text out with CoreText in one line or, with line
// feeds, in a frame of lines; measures, aligns, clips and draws it.

#include "GDIEmulationRecords.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
const int kTextBufferSize = 4096;

int32_t Clamp32(int64_t v) { return int32_t(std::min<int64_t>(std::max<int64_t>(v, INT32_MIN), INT32_MAX)); }

// Copies at most kTextBufferSize - 1 bytes of the caller's text: carriage
// returns dropped, line feeds kept (or blanks under DT_SINGLELINE), "&"
// prefixes resolved unless DT_NOPREFIX. The byte after an "&" is copied as it
// is, even a carriage return or line feed. Answers the byte count; multiLine
// tells whether a line feed was kept.
int CopyText(const char* text, int length, int flags, char* buffer, bool& multiLine)
{
  const bool counted = length >= 0;
  int used = 0;
  multiLine = false;
  for (int i = 0; (!counted || i < length) && text[i] && used < kTextBufferSize - 1; ++i)
  {
    char c = text[i];
    if (c == '&' && !(flags & DT_NOPREFIX))
    {
      // The byte after an "&" is taken as it is; an "&" that ends the text
      // or the counted bytes is dropped, never reading past either.
      if ((counted && i + 1 >= length) || !text[i + 1]) break;
      buffer[used++] = text[++i];
      continue;
    }
    if (c == '\r') continue;
    if (c == '\n')
    {
      if (flags & DT_SINGLELINE) c = ' ';
      else multiLine = true;
    }
    buffer[used++] = c;
  }
  buffer[used] = 0;
  return used;
}

// One laid-out line and its vertical metrics.
struct LaidOutLine
{
  CTLineRef line;  // owned by the layout's frame or by the layout
  int width;
  CGFloat ascent, descent, leading;
};

// The text's lines, their widest width and the total height.
class Layout
{
public:
  Layout(CFAttributedStringRef text, bool frameOfLines) : multiLine(frameOfLines)
  {
    if (!multiLine)
    {
      m_ownLine = CTLineCreateWithAttributedString(text);
      if (m_ownLine) Add(m_ownLine);
    }
    else
    {
      m_path = CGPathCreateWithRect(CGRectMake(0, 0, 100000, 100000), nullptr);
      m_framesetter = CTFramesetterCreateWithAttributedString(text);
      if (m_path && m_framesetter) m_frame = CTFramesetterCreateFrame(m_framesetter, CFRangeMake(0, 0), m_path, nullptr);
      CFArrayRef lines = m_frame ? CTFrameGetLines(m_frame) : nullptr;
      const CFIndex count = lines ? CFArrayGetCount(lines) : 0;
      for (CFIndex i = 0; i < count; ++i) Add(static_cast<CTLineRef>(CFArrayGetValueAtIndex(lines, i)));
    }
    if (height) ++height;
  }
  ~Layout()
  {
    if (m_ownLine) CFRelease(m_ownLine);
    if (m_frame) CFRelease(m_frame);
    if (m_framesetter) CFRelease(m_framesetter);
    if (m_path) CGPathRelease(m_path);
  }
  Layout(const Layout&) = delete;
  Layout& operator=(const Layout&) = delete;

  const bool multiLine;  // laid out as a frame of lines
  std::vector<LaidOutLine> lines;
  int width = 0;
  int height = 0;

private:
  void Add(CTLineRef line)
  {
    if (!line) return;
    lines.push_back(LaidOutLine{line, 0, 0, 0, 0});
    LaidOutLine& l = lines.back();
    l.width = int(std::floor(CTLineGetTypographicBounds(line, &l.ascent, &l.descent, &l.leading) + 0.5));
    width = std::max(width, l.width);
    height += int(std::floor(l.ascent + l.descent + l.leading + 1.5));
  }

  CTLineRef m_ownLine = nullptr;
  CGPathRef m_path = nullptr;
  CTFramesetterRef m_framesetter = nullptr;
  CTFrameRef m_frame = nullptr;
};

void Draw(GDIEmu_DC* context, const Layout& layout, const GDIEmu_Rect& rect, int flags)
{
  int64_t x = rect.left, y = rect.top;
  if (flags & DT_RIGHT) x += int64_t(rect.right) - (int64_t(rect.left) + layout.width);
  else if (flags & DT_CENTER) x += (int64_t(rect.right) - rect.left) / 2 - layout.width / 2;
  if (flags & DT_BOTTOM) y += int64_t(rect.bottom) - (int64_t(rect.top) + layout.height);
  else if (flags & DT_VCENTER) y += (int64_t(rect.bottom) - rect.top) / 2 - layout.height / 2;

  CGContextRef cg = context->context;
  CGContextSaveGState(cg);
  // Glyphs stand upright in the flipped context.
  CGContextSetTextMatrix(cg, CGAffineTransform{1, 0, 0, -1, 0, 0});
  if (!(flags & DT_NOCLIP))
    CGContextClipToRect(cg, CGRectMake(rect.left, rect.top, double(rect.right) - rect.left,
                                       double(rect.bottom) - rect.top));
  CGColorRef background = context->backMode == GDIEMU_OPAQUE ? GDIEmu_MakeColor(context->backColor) : nullptr;
  GDIEmu_Object* font = context->selected[GDIEMU_FONT - 1];
  if (GDIEmu_IsLive(font, GDIEMU_FONT) && font->antialiasMode != GDIEMU_ANTIALIAS_KEEP)
    CGContextSetShouldAntialias(cg, font->antialiasMode == GDIEMU_ANTIALIAS_ON);
  if (background) CGContextSetFillColorWithColor(cg, background);

  double lineTop = double(y);
  const size_t count = layout.lines.size();
  for (size_t i = 0; i < count; ++i)
  {
    const LaidOutLine& l = layout.lines[i];
    const CGFloat lineHeight = l.ascent + l.descent + l.leading;
    // A single line's box is the measured one; frame lines get their own,
    // even when the frame holds one line.
    if (background)
      CGContextFillRect(cg, layout.multiLine ? CGRectMake(double(x), lineTop, l.width, lineHeight)
                                             : CGRectMake(double(x), double(y), layout.width, layout.height));
    CGContextSetTextPosition(cg, double(x), lineTop + l.ascent);
    CTLineDraw(l.line, cg);
    lineTop += std::floor(lineHeight + 0.5);
  }
  CGContextRestoreGState(cg);
  if (background) CGColorRelease(background);
}
}  // namespace

int DrawText(GDIEmu_DC* context, const char* text, int length, GDIEmu_Rect* rect, int flags)
{
  if (!GDIEmu_Usable(context) || !text || !rect) return 0;
  char buffer[kTextBufferSize];
  bool multiLine;
  if (!CopyText(text, length, flags, buffer, multiLine)) return 0;
  CFStringRef string = CFStringCreateWithCString(kCFAllocatorDefault, buffer, kCFStringEncodingUTF8);
  if (!string) string = CFStringCreateWithCString(kCFAllocatorDefault, buffer, kCFStringEncodingASCII);
  if (!string) return 0;
  CTFontRef font = GDIEmu_FontOf(context);
  if (!font)
  {
    CFRelease(string);
    return 0;
  }

  const void* keys[2] = {kCTFontAttributeName, kCTForegroundColorAttributeName};
  const void* values[2] = {font, context->foreColorObject};
  CFDictionaryRef attributes = CFDictionaryCreate(kCFAllocatorDefault, keys, values, context->foreColorObject ? 2 : 1,
                                                  &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks);
  CFAttributedStringRef attributed = attributes ? CFAttributedStringCreate(kCFAllocatorDefault, string, attributes) : nullptr;
  int height = 0;
  if (attributed)
  {
    Layout layout(attributed, multiLine);
    height = layout.height;
    if (flags & DT_CALCRECT)
    {
      rect->right = Clamp32(int64_t(rect->left) + layout.width);
      rect->bottom = Clamp32(int64_t(rect->top) + layout.height);
    }
    else
      Draw(context, layout, *rect, flags);
    CFRelease(attributed);
  }
  if (attributes) CFRelease(attributes);
  CFRelease(string);
  return height;
}
