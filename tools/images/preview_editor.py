#!/usr/bin/python3
"""Composes the editor from the images in plugin/resources/img/ the way the
editor places its controls, with chosen frames, into one PNG for a look at
the whole layout (value texts are left out).

Usage: preview_editor.py OUTPUT.png [knob value 0-1] [modes on: 0, 1 or 2]
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
IMG = os.path.join(HERE, "..", "..", "plugin", "resources", "img")


def frame(name, frames, k):
    strip = Image.open(os.path.join(IMG, name)).convert("RGBA")
    h = strip.height // frames
    return strip.crop((0, h * k, strip.width, h * (k + 1)))


def main():
    out = sys.argv[1]
    value = float(sys.argv[2]) if len(sys.argv) > 2 else 0.5
    modes = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    editor = Image.open(os.path.join(IMG, "bkg.png")).convert("RGBA")
    knob = frame("knob.png", 200, int(199 * value + 0.5))
    for pos in ((100, 252), (166, 252), (233, 252), (305, 252), (305, 135)):
        editor.alpha_composite(knob, pos)
    editor.alpha_composite(frame("button1.png", 2, 1 if modes >= 1 else 0), (94, 128))
    editor.alpha_composite(frame("button2.png", 2, 1 if modes >= 2 else 0), (160, 128))
    for i, pos in enumerate(((117, 358), (208, 358), (303, 358))):
        editor.alpha_composite(frame("switch.png", 2, (i + modes) % 2), pos)
    handle = frame("fader-handle.png", 1, 0)
    for x in (16, 395):
        editor.alpha_composite(handle, (x, 80 + int((248 - handle.height) * (1 - value))))
    editor.alpha_composite(frame("vumeter.png", 6, 3), (29, 345))
    editor.alpha_composite(frame("vumeter.png", 6, 5), (408, 345))
    d = ImageDraw.Draw(editor)
    f = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 11)
    d.text((335, 438), "v1.2.0", font=f, fill=(220, 220, 220, 255), anchor="mm")
    editor.save(out)


if __name__ == "__main__":
    main()
