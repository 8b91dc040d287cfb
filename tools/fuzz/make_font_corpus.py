#!/usr/bin/env python3
"""Writes the seed corpus of font_fuzz: real texts (ASCII labels, multi-byte
UTF-8, line feeds, "&" sequences) with each font flag and the text flags, at
the editor's heights and a few tall ones. Each seed is the fuzzer's 16
settings bytes followed by the text (see font_fuzz.cpp for the layout).

    python3 tools/fuzz/make_font_corpus.py [folder]   (default: seeds_font/ here)
"""
import os
import sys

# Font flags (lice_font.h).
VERTICAL, TURN_CCW, PRERENDER, SOFTEN, INVERT = 0x1, 0x2, 0x4, 0x10, 0x20
MONO, SHADOW, OUTLINE, NATIVE_OK = 0x40, 0x80, 0x100, 0x400
# Pre-rendering is kept only with this bit of the second font-flag byte.
PRERENDER_GATE = 0x8000
# Text flags of the native glyph source and the macOS form.
MEASURE, VCENTER, CENTER, BOTTOM, RIGHT, SINGLELINE, NOPREFIX, NOCLIP = 0x1, 0x2, 0x4, 0x10, 0x20, 0x40, 0x80, 0x100
# Settings byte 5.
FORE_ALPHA, NEVER_NATIVE, OPAQUE, SYS_BITMAP = 0x1, 0x2, 0x4, 0x8


def height_byte(height):
    """The settings byte that gives a line height (see FontSize)."""
    tall = {64: 251, 128: 252, 255: 253, 256: 254, 300: 255}
    return tall[height] if height in tall else height - 1


def seed(text, height=12, font=0, flags=0, extra=0, count=None, rect=(2, 3, 60, 40), blend=0, opacity=0):
    """One input: settings, then the text (bytes or str)."""
    data = text.encode("utf-8") if isinstance(text, str) else text
    x, y, w, h = rect
    settings = bytes([
        height_byte(height), font & 0xFF, (font >> 8) & 0xFF, flags & 0xFF, (flags >> 8) & 0xFF, extra,
        0xFF if count is None else count, x & 0xFF, y & 0xFF, w, h * 2,
        0xE0, 0xC8, 0xFF, blend, opacity])
    return settings + data


SEEDS = {
    # The editor's labels and value texts.
    "label": seed("Dry/Wet", flags=CENTER | VCENTER),
    "value": seed("-12.0 dB", font=NATIVE_OK, flags=CENTER),
    "rate": seed("0.85 Hz", height=9, flags=RIGHT | BOTTOM),
    "mode": seed("Mode II", height=16, font=NATIVE_OK, extra=SYS_BITMAP),
    "hiss": seed("Analog Hiss", height=24, extra=OPAQUE),
    "measure": seed("Oversample", flags=MEASURE),
    # Line feeds, carriage returns, single-line layout.
    "lines": seed("Chorus\nDepth\nRate", flags=VCENTER),
    "lines_single": seed("Chorus\nDepth", flags=SINGLELINE | CENTER),
    "crlf": seed("one\r\ntwo\rthree", font=NATIVE_OK),
    "trailing_lf": seed("ab\n", flags=BOTTOM, extra=OPAQUE),
    # "&" sequences, with and without the prefix rule.
    "amp_double": seed("a&&b"),
    "amp_prefix": seed("&File &Edit", font=NATIVE_OK),
    "amp_noprefix": seed("Rock & Roll", flags=NOPREFIX),
    "amp_cr_lf": seed("a&\rb a&\nb", font=NATIVE_OK),
    "amp_end": seed("trailing&", count=9),
    # Multi-byte UTF-8, whole, cut by the count and malformed.
    "utf8_latin": seed("Ünïcødé façade", font=SOFTEN),
    "utf8_euro": seed("€ 12,50 — ±3 dB", font=NATIVE_OK, flags=CENTER),
    "utf8_cjk": seed("日本語のテキスト", height=20),
    "utf8_emoji": seed("chorus 😀 ok", font=MONO, extra=NEVER_NATIVE),
    "utf8_greek": seed("Ελληνικά κείμενα", font=PRERENDER | PRERENDER_GATE),
    "utf8_cut": seed("€€€", count=4),
    "utf8_bad": seed(b"ok \xc3\x28 \xe2\x82 \xff\xfe end"),
    # Each glyph effect.
    "vertical": seed("Vertical", font=VERTICAL),
    "vertical_ccw": seed("Upwards", font=VERTICAL | TURN_CCW, flags=RIGHT),
    "prerender": seed("ASCII only: é", font=PRERENDER | PRERENDER_GATE, height=12),
    "invert": seed("Inverted", font=INVERT, blend=0x81, opacity=1),
    "shadow": seed("Shadow", font=SHADOW, extra=FORE_ALPHA),
    "outline": seed("Outline", font=OUTLINE, blend=3, opacity=5),
    "mono_noclip": seed("No clip at all", font=MONO, flags=NOCLIP, rect=(-5, -4, 30, 10)),
    # Tall fonts: glyph-drawn up to 255, native-only above.
    "tall_64": seed("Tall", height=64),
    "tall_255": seed("Wg", height=255, extra=NEVER_NATIVE),
    "tall_256": seed("Native", height=256, font=NATIVE_OK),
    "tall_300": seed("Big\ntext", height=300),
    # A long paragraph, as a tooltip or a message might be.
    "long": seed("The chorus doubles the voice with slowly moving copies; depth sets how far they move, "
                 "rate how fast. Mode II adds a second pair & the hiss of the old circuit.\n"
                 "Dry/Wet mixes the result.", flags=SINGLELINE, height=10),
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                                "seeds_font")
    os.makedirs(folder, exist_ok=True)
    for name, data in SEEDS.items():
        assert len(data) <= 256, name  # the fuzzer's -max_len
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    print(f"wrote {len(SEEDS)} seeds to {folder}")


if __name__ == "__main__":
    main()
