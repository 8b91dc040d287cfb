#pragma once
// Linux stand-in for the CoreText calls of the macOS drawing emulation:
// fonts with deterministic metrics, lines and frames of attributed text, and
// drawing of a line as ink boxes. See MacosStandin.h for the rules.

#include <CoreGraphics/CoreGraphics.h>

typedef const struct StandinFont* CTFontRef;
typedef const struct StandinLine* CTLineRef;
typedef const struct StandinFramesetter* CTFramesetterRef;
typedef const struct StandinFrame* CTFrameRef;

extern "C" {
extern const CFStringRef kCTFontAttributeName;
extern const CFStringRef kCTForegroundColorAttributeName;

// Null when the name is null or font creation was made to fail; unknown
// names give the default face.
CTFontRef CTFontCreateWithName(CFStringRef name, CGFloat size, const CGAffineTransform* matrix);
CFStringRef CTFontCopyPostScriptName(CTFontRef font);
CGFloat CTFontGetAscent(CTFontRef font);
CGFloat CTFontGetDescent(CTFontRef font);
CGFloat CTFontGetLeading(CTFontRef font);
CTLineRef CTLineCreateWithAttributedString(CFAttributedStringRef text);
// Answers the width; ascent, descent and leading of the line's font.
double CTLineGetTypographicBounds(CTLineRef line, CGFloat* ascent, CGFloat* descent, CGFloat* leading);
// Draws at the context's text position through text matrix x CTM.
void CTLineDraw(CTLineRef line, CGContextRef context);
CTFramesetterRef CTFramesetterCreateWithAttributedString(CFAttributedStringRef text);
CTFrameRef CTFramesetterCreateFrame(CTFramesetterRef framesetter, CFRange range, CGPathRef path,
                                    CFDictionaryRef frameAttributes);
// The frame's lines (owned by the frame), one per line feed-separated part.
CFArrayRef CTFrameGetLines(CTFrameRef frame);
}
