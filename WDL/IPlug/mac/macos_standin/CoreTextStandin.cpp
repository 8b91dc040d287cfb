// The stand-in's CoreText calls: fonts with the metrics of their face,
// lines and frames, and ink-box drawing of a line.

#include "StandinObjects.h"

namespace
{
// The attribute names: constants that retain and release leave alone.
struct AttributeName : StandinString
{
  explicit AttributeName(const char* name) : StandinString(false)
  {
    utf8 = name;
    StandinDecodeUtf8(name, codes);
    immortal = true;
  }
};

const StandinFont* AsFont(CTFontRef font) { return font && font->type == StandinType::Font ? font : nullptr; }

StandinLine* MakeLine(const std::vector<char32_t>& codes, const StandinFont* font, const CGColor* color)
{
  auto* line = new StandinLine;
  line->codes = codes;
  line->font = font ? StandinRetained(font) : nullptr;
  line->color = color ? StandinRetained(color) : nullptr;
  return line;
}
}  // namespace

static const AttributeName fontAttributeName("NSFont");
static const AttributeName foregroundColorAttributeName("CTForegroundColor");
const CFStringRef kCTFontAttributeName = &fontAttributeName;
const CFStringRef kCTForegroundColorAttributeName = &foregroundColorAttributeName;

CTFontRef CTFontCreateWithName(CFStringRef name, CGFloat size, const CGAffineTransform* matrix)
{
  StandinRecord("CTFontCreateWithName", {size}, StandinStringText(name));
  if (!name || StandinFontCreationFails()) return nullptr;
  auto* font = new StandinFont;
  font->face = StandinFaceFor(name->utf8);
  font->size = size;
  return font;
}

CFStringRef CTFontCopyPostScriptName(CTFontRef font)
{
  StandinRecord("CTFontCopyPostScriptName");
  if (!AsFont(font)) return nullptr;
  return CFStringCreateWithCString(kCFAllocatorDefault, font->face.postScriptName.c_str(), kCFStringEncodingUTF8);
}

CGFloat CTFontGetAscent(CTFontRef font)
{
  StandinRecord("CTFontGetAscent");
  return AsFont(font) ? font->face.ascent * font->size : 0;
}

CGFloat CTFontGetDescent(CTFontRef font)
{
  StandinRecord("CTFontGetDescent");
  return AsFont(font) ? font->face.descent * font->size : 0;
}

CGFloat CTFontGetLeading(CTFontRef font)
{
  StandinRecord("CTFontGetLeading");
  return AsFont(font) ? font->face.leading * font->size : 0;
}

StandinLine::~StandinLine()
{
  StandinRelease(font);
  StandinRelease(color);
}

double StandinLine::Width() const { return font ? double(codes.size()) * font->face.advance * font->size : 0; }

CTLineRef CTLineCreateWithAttributedString(CFAttributedStringRef text)
{
  StandinRecord("CTLineCreateWithAttributedString");
  if (!text || text->type != StandinType::AttributedString) return nullptr;
  return MakeLine(text->codes, text->font, text->color);
}

double CTLineGetTypographicBounds(CTLineRef line, CGFloat* ascent, CGFloat* descent, CGFloat* leading)
{
  StandinRecord("CTLineGetTypographicBounds");
  const StandinFont* font = line ? line->font : nullptr;
  if (ascent) *ascent = font ? font->face.ascent * font->size : 0;
  if (descent) *descent = font ? font->face.descent * font->size : 0;
  if (leading) *leading = font ? font->face.leading * font->size : 0;
  return line ? line->Width() : 0;
}

void CTLineDraw(CTLineRef line, CGContextRef context)
{
  StandinRecord("CTLineDraw");
  if (!line || !line->font || !context || context->type != StandinType::Context) return;
  static const CGFloat black[4] = {0, 0, 0, 1};
  const CGFloat* color = line->color ? line->color->components : black;
  const double advance = line->font->face.advance * line->font->size;
  const double ascent = line->font->face.ascent * line->font->size;
  const CGAffineTransform toDevice = StandinConcat(context->state.textMatrix, context->state.ctm);
  double pen = 0;
  for (char32_t code : line->codes)
  {
    // Codes from U+0080 get lower boxes, so that such codes tell apart.
    const double top = code < 0x80 ? ascent : ascent * (1 - (code % 4) / 8.0);
    if (code > 0x20) context->PaintBox(toDevice, pen, 0, pen + advance, top, color);
    pen += advance;
  }
}

StandinFramesetter::~StandinFramesetter() { StandinRelease(text); }

CTFramesetterRef CTFramesetterCreateWithAttributedString(CFAttributedStringRef text)
{
  StandinRecord("CTFramesetterCreateWithAttributedString");
  if (!text || text->type != StandinType::AttributedString) return nullptr;
  auto* framesetter = new StandinFramesetter;
  framesetter->text = StandinRetained(text);
  return framesetter;
}

StandinFrame::~StandinFrame() { StandinRelease(lines); }

CTFrameRef CTFramesetterCreateFrame(CTFramesetterRef framesetter, CFRange range, CGPathRef path,
                                    CFDictionaryRef frameAttributes)
{
  StandinRecord("CTFramesetterCreateFrame", {double(range.location), double(range.length)});
  if (!framesetter || !path) return nullptr;
  const StandinAttributedString* text = framesetter->text;
  auto* lines = new StandinArray;
  std::vector<char32_t> part;
  for (size_t i = 0; i <= text->codes.size(); ++i)
  {
    if (i == text->codes.size() || text->codes[i] == U'\n')
    {
      if (i < text->codes.size() || !part.empty()) lines->items.push_back(MakeLine(part, text->font, text->color));
      part.clear();
    }
    else
      part.push_back(text->codes[i]);
  }
  auto* frame = new StandinFrame;
  frame->lines = lines;
  return frame;
}

CFArrayRef CTFrameGetLines(CTFrameRef frame)
{
  StandinRecord("CTFrameGetLines");
  return frame ? frame->lines : nullptr;
}
