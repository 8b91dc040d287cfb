#!/usr/bin/python3
"""Draws the editor's seven images into plugin/resources/img/.

The editor is 464 x 480 pixels; the controls sit at fixed positions (see the
plug-in's editor layout), so every coordinate below is chosen to put artwork
under a control:

  knobs (64 x 64)          Mode I Rate (100, 252), Mode II Rate (166, 252),
                           Mode I+II Rate (233, 252), Dry/Wet (305, 252),
                           Wide (305, 135); value text 4 px below each knob
  mode buttons (66 x 36)   Mode I (94, 128), Mode II (160, 128)
  switches (48 x 24)       Analog Emu. (117, 358), Analog Hiss (208, 358),
                           Oversample (303, 358)
  fader handles (53 x 28)  Input (16, 80), Output (395, 80), travel 248 px
  VU meters (27 x 110)     input (29, 345), output (408, 345)
  version label            {314, 433, 356, 444}

Strips stack their frames vertically. Everything is drawn four times larger
and scaled down for smooth edges; the noise is seeded, so running the script
again gives the same files. Needs python3-pil and the DejaVu fonts
(fonts-dejavu-core, fonts-dejavu-extra).

Usage: make_images.py [output folder]
"""

import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SS = 4  # supersampling factor
FONT_DIR = "/usr/share/fonts/truetype/dejavu"

WIDTH, HEIGHT = 464, 480
KNOB = 64
KNOB_FRAMES = 200
BUTTON_W, BUTTON_H = 66, 36
SWITCH_W, SWITCH_H = 48, 24
HANDLE_W, HANDLE_H = 53, 28
FADER_LEN = 248
METER_W, METER_H = 27, 110
METER_FRAMES = 6

KNOBS = {  # top-left corner -> label
    (100, 252): "RATE I",
    (166, 252): "RATE II",
    (233, 252): "RATE I+II",
    (305, 252): "DRY/WET",
    (305, 135): "WIDE",
}
SWITCHES = {(117, 358): "ANALOG EMU.", (208, 358): "ANALOG HISS", (303, 358): "OVERSAMPLE"}
FADERS = {(16, 80): "INPUT", (395, 80): "OUTPUT"}
METERS = [(29, 345), (408, 345)]
BUTTONS_AT = (94, 128)  # Mode I; Mode II follows at + BUTTON_W
PANEL_L, PANEL_R = 89, 375  # the centre panel, leaving room for the fader scales

# Palette: charcoal panel, light grey print, amber light.
PANEL_TOP = (47, 51, 57)
PANEL_BOTTOM = (27, 29, 33)
HEADER_TOP = (56, 61, 68)
HEADER_BOTTOM = (37, 40, 45)
INSET = (19, 21, 24)
PRINT = (178, 184, 192)
PRINT_DIM = (118, 124, 132)
AMBER = (255, 163, 40)
AMBER_LIGHT = (255, 206, 130)
BLACKISH = (9, 10, 11)


def font(name, size):
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


LABEL_FONT = font("DejaVuSansCondensed-Bold.ttf", 10)
SCALE_FONT = font("DejaVuSansCondensed.ttf", 8)


def gradient(size, top, bottom):
    """A vertical gradient from top to bottom colour, RGBA."""
    w, h = size
    mask = Image.linear_gradient("L").resize((w, h), Image.BICUBIC)
    return Image.composite(Image.new("RGBA", size, bottom + (255,)), Image.new("RGBA", size, top + (255,)), mask)


def shrink(img, size):
    """Scales a supersampled RGBA drawing down with premultiplied alpha."""
    return img.convert("RGBa").resize(size, Image.LANCZOS).convert("RGBA")


def ss_layer(size):
    return Image.new("RGBA", (size[0] * SS, size[1] * SS), (0, 0, 0, 0))


def s(*values):
    """Scales coordinates into the supersampled space."""
    return [v * SS for v in values]


def circle_mask(canvas_size, cx, cy, r):
    mask = Image.new("L", canvas_size, 0)
    ImageDraw.Draw(mask).ellipse([cx - r, cy - r, cx + r, cy + r], fill=255)
    return mask


def half_rounded(draw, box, radius, fill, rounded_left):
    """A rectangle rounded on its left or its right side only."""
    x0, y0, x1, y1 = box
    draw.rounded_rectangle(box, radius=radius, fill=fill)
    mid = (x0 + x1) / 2
    draw.rectangle([mid, y0, x1, y1] if rounded_left else [x0, y0, mid, y1], fill=fill)


def paste_masked(dst, src, mask):
    dst.paste(src, (0, 0), mask)


def text_width(text, fnt, spacing=0.0):
    return sum(fnt.getlength(c) for c in text) + spacing * (len(text) - 1)


def draw_text(img, centre_x, top, text, fnt, fill, spacing=0.0, shadow=True):
    """Centred, letter-spaced text with an engraved shadow below."""
    d = ImageDraw.Draw(img)
    x = centre_x - text_width(text, fnt, spacing) / 2
    for c in text:
        if shadow:
            d.text((round(x), top + 1), c, font=fnt, fill=(0, 0, 0, 150))
        d.text((round(x), top), c, font=fnt, fill=fill)
        x += fnt.getlength(c) + spacing


def seeded_noise(size, sigma, seed, streak=1):
    """Grey noise around 128; streak > 1 stretches it horizontally (brushed)."""
    rnd = random.Random(seed)
    w, h = max(1, size[0] // streak), size[1]
    data = bytes(max(0, min(255, int(round(rnd.gauss(128, sigma))))) for _ in range(w * h))
    noise = Image.frombytes("L", (w, h), data)
    return noise.resize(size, Image.BICUBIC) if streak > 1 else noise


def add_noise(img, noise):
    """Adds (noise - 128) to every colour channel."""
    r, g, b, a = img.split()
    r, g, b = (ImageChops.add(c, noise, 1.0, -128) for c in (r, g, b))
    return Image.merge("RGBA", (r, g, b, a))


def screw(layer, cx, cy):
    """A countersunk screw head at (cx, cy), drawn into a supersampled layer."""
    d = ImageDraw.Draw(layer)
    r = 5 * SS
    cx, cy = cx * SS, cy * SS
    d.ellipse([cx - r - SS, cy - r - SS, cx + r + SS, cy + r + SS], fill=(14, 15, 17, 255))
    head = gradient((2 * r, 2 * r), (150, 155, 162), (60, 64, 70))
    layer.paste(head, (cx - r, cy - r), circle_mask((2 * r, 2 * r), r, r, r))
    a = math.radians(35)
    dx, dy = math.cos(a) * (r - SS), math.sin(a) * (r - SS)
    d.line([cx - dx, cy - dy, cx + dx, cy + dy], fill=(30, 32, 36, 255), width=int(1.6 * SS))


# ---------------------------------------------------------------- background

def fader_y(db):
    """Centre of the handle for a gain in dB (-30 to +12, linear travel)."""
    n = (db + 30.0) / 42.0
    return 80 + HANDLE_H / 2 + (FADER_LEN - HANDLE_H) * (1.0 - n)


def knob_scale(layer, cx, cy):
    """Marks at the knob's two ends (7:30 and 4:30) and a dot at its centre
    position (12:00); neighbouring knobs are too close for a full scale."""
    d = ImageDraw.Draw(layer)
    for angle in (135, 405):
        a = math.radians(angle)
        d.line([s(cx + 33.5 * math.cos(a))[0], s(cy + 33.5 * math.sin(a))[0],
                s(cx + 37.5 * math.cos(a))[0], s(cy + 37.5 * math.sin(a))[0]],
               fill=PRINT + (255,), width=int(1.4 * SS))
    r = 1.3
    d.ellipse(s(cx - r, cy - 35 - r, cx + r, cy - 35 + r), fill=PRINT + (255,))


def background():
    img = gradient((WIDTH, HEIGHT), PANEL_TOP, PANEL_BOTTOM)
    img = add_noise(img, seeded_noise((WIDTH, HEIGHT), 3.0, 11, streak=12))

    # Header band with an engraved lower edge.
    header = add_noise(gradient((WIDTH, 70), HEADER_TOP, HEADER_BOTTOM), seeded_noise((WIDTH, 70), 2.5, 12, streak=12))
    img.paste(header, (0, 0))
    d = ImageDraw.Draw(img)
    d.line([0, 70, WIDTH, 70], fill=(72, 77, 85, 255))
    d.line([0, 71, WIDTH, 71], fill=BLACKISH + (255,))
    d.line([0, HEIGHT - 1, WIDTH, HEIGHT - 1], fill=BLACKISH + (255,))

    layer = ss_layer((WIDTH, HEIGHT))
    ld = ImageDraw.Draw(layer)

    # Centre panel: a recessed plate with dark upper and light lower edges.
    ld.rounded_rectangle(s(PANEL_L - 1, 83, PANEL_R + 1, 454), radius=9 * SS, fill=(64, 69, 76, 255))
    ld.rounded_rectangle(s(PANEL_L - 1, 83, PANEL_R, 453), radius=9 * SS, fill=BLACKISH + (255,))
    ld.rounded_rectangle(s(PANEL_L, 84, PANEL_R, 453), radius=8 * SS, fill=INSET + (255,))

    # Wells under the mode buttons and the three switches.
    bx, by = BUTTONS_AT
    ld.rounded_rectangle(s(bx - 3, by - 3, bx + 2 * BUTTON_W + 3, by + BUTTON_H + 3), radius=6 * SS,
                         fill=(8, 9, 10, 255))
    for (x, y) in SWITCHES:
        ld.rounded_rectangle(s(x - 1, y - 1, x + SWITCH_W + 1, y + SWITCH_H + 1), radius=12 * SS,
                             fill=(8, 9, 10, 255))

    # Fader slots with their scales, meter housings.
    for (x, y) in FADERS:
        cx = x + HANDLE_W / 2
        top, bottom = fader_y(12) - 6, fader_y(-30) + 6
        ld.rounded_rectangle(s(cx - 4, top, cx + 4, bottom), radius=3 * SS, fill=(64, 69, 76, 255))
        ld.rounded_rectangle(s(cx - 4, top, cx + 4, bottom - 1), radius=3 * SS, fill=(4, 4, 5, 255))
        for db in (12, 6, 0, -6, -12, -18, -24, -30):
            ty = fader_y(db)
            colour = (AMBER if db == 0 else PRINT_DIM) + (255,)
            for x0, x1 in ((x + 8, x + 18), (x + HANDLE_W - 18, x + HANDLE_W - 8)):
                ld.line(s(x0, ty, x1, ty), fill=colour, width=int(1.2 * SS))
    for (x, y) in METERS:
        ld.rounded_rectangle(s(x - 3, y - 3, x + METER_W + 3, y + METER_H + 3), radius=4 * SS,
                             fill=(64, 69, 76, 255))
        ld.rounded_rectangle(s(x - 3, y - 3, x + METER_W + 3, y + METER_H + 2), radius=4 * SS,
                             fill=(4, 4, 5, 255))

    for (x, y) in KNOBS:
        knob_scale(layer, x + KNOB / 2, y + KNOB / 2)

    for (cx, cy) in ((10, 10), (WIDTH - 10, 10), (10, HEIGHT - 10), (WIDTH - 10, HEIGHT - 10)):
        screw(layer, cx, cy)

    img.alpha_composite(shrink(layer, (WIDTH, HEIGHT)))
    d = ImageDraw.Draw(img)

    # Engraved dividers between the three rows of the centre panel.
    for y in (226, 345, 420):
        d.line([PANEL_L + 12, y, PANEL_R - 12, y], fill=(5, 5, 6, 255))
        d.line([PANEL_L + 12, y + 1, PANEL_R - 12, y + 1], fill=(40, 44, 49, 255))

    # Title: the product name as a two-weight logotype, then the subtitle.
    bold, light = font("DejaVuSans-Bold.ttf", 27), font("DejaVuSans-ExtraLight.ttf", 27)
    first, second = "Vimbra", "Ondelino"
    total = bold.getlength(first) + light.getlength(second)
    x0 = WIDTH / 2 - total / 2
    d.text((round(x0), 14), first, font=bold, fill=(0, 0, 0, 160))
    d.text((round(x0), 13), first, font=bold, fill=(236, 238, 241, 255))
    x1 = x0 + bold.getlength(first)
    d.text((round(x1), 14), second, font=light, fill=(0, 0, 0, 160))
    d.text((round(x1), 13), second, font=light, fill=AMBER + (255,))
    draw_text(img, WIDTH / 2, 49, "STEREO CHORUS", font("DejaVuSansCondensed-Bold.ttf", 9), PRINT_DIM + (255,),
              spacing=3.2)

    # Labels.
    for (x, y), label in KNOBS.items():
        draw_text(img, x + KNOB / 2, y - 21, label, LABEL_FONT, PRINT + (255,), spacing=1.0)
    bx, by = BUTTONS_AT
    draw_text(img, bx + BUTTON_W, by - 20, "CHORUS MODE", LABEL_FONT, PRINT + (255,), spacing=1.0)
    for (x, y), label in SWITCHES.items():
        draw_text(img, x + SWITCH_W / 2, y + SWITCH_H + 7, label, LABEL_FONT, PRINT + (255,), spacing=0.6)
    for (x, y), label in FADERS.items():
        draw_text(img, x + HANDLE_W / 2, y + FADER_LEN + 3, label, LABEL_FONT, PRINT + (255,), spacing=1.0)

    # Fader scales in dB, in the gaps beside the centre panel.
    for (x, y) in FADERS:
        left_side = x < WIDTH / 2
        for db in (12, 6, 0, -6, -12, -18, -24, -30):
            text = ("+%d" % db if db > 0 else "%d" % db).replace("-", "\u2212")
            ty = round(fader_y(db)) - 5
            colour = (AMBER if db == 0 else PRINT_DIM) + (255,)
            w = text_width(text, SCALE_FONT)
            tx = x + HANDLE_W + 3 if left_side else x - 3 - w
            d.text((round(tx), ty), text, font=SCALE_FONT, fill=colour)

    return img.convert("RGB")


# ---------------------------------------------------------------- knob strip

def knob_body():
    """The static part of a knob (shadow, track, body, cap), supersampled."""
    size = KNOB * SS
    c = size / 2
    layer = Image.new("RGBA", (size, size), (0, 0, 0, 0))

    shadow = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    ImageDraw.Draw(shadow).ellipse([c - 23 * SS, c - 21 * SS, c + 23 * SS, c + 25 * SS], fill=(0, 0, 0, 190))
    layer.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(3 * SS)))

    d = ImageDraw.Draw(layer)
    r_track = 27.5 * SS
    d.arc([c - r_track, c - r_track, c + r_track, c + r_track], 135, 405, fill=(6, 6, 7, 255), width=int(4.2 * SS))

    r = 21 * SS
    d.ellipse([c - r - SS, c - r - SS, c + r + SS, c + r + SS], fill=(8, 8, 9, 255))
    body = gradient((size, size), (108, 114, 123), (26, 28, 31))
    paste_masked(layer, body, circle_mask((size, size), c, c, r))

    rc = 17 * SS
    cap = gradient((size, size), (36, 39, 44), (70, 75, 82))
    # Fine concentric machining rings on the cap.
    cd = ImageDraw.Draw(cap)
    rnd = random.Random(5)
    for k in range(0, rc, 3):
        shade = rnd.randint(-7, 7)
        cd.ellipse([c - k, c - k, c + k, c + k], outline=(53 + shade, 57 + shade, 63 + shade, 70), width=1)
    paste_masked(layer, cap, circle_mask((size, size), c, c, rc))
    return layer


def knob_frame(body, value):
    size = KNOB * SS
    c = size / 2
    frame = body.copy()
    end = 135 + 270 * value
    r_track = 27.5 * SS
    if value > 0:
        glow = Image.new("RGBA", (size, size), (0, 0, 0, 0))
        ImageDraw.Draw(glow).arc([c - r_track, c - r_track, c + r_track, c + r_track], 135, end,
                                 fill=AMBER + (200,), width=int(5 * SS))
        frame.alpha_composite(glow.filter(ImageFilter.GaussianBlur(2.5 * SS)))
        ImageDraw.Draw(frame).arc([c - r_track, c - r_track, c + r_track, c + r_track], 135, end,
                                  fill=AMBER + (255,), width=int(2.6 * SS))
    d = ImageDraw.Draw(frame)
    a = math.radians(end)
    x0, y0 = c + 6 * SS * math.cos(a), c + 6 * SS * math.sin(a)
    x1, y1 = c + 16 * SS * math.cos(a), c + 16 * SS * math.sin(a)
    d.line([x0, y0 + SS * 0.7, x1, y1 + SS * 0.7], fill=(0, 0, 0, 140), width=int(2.8 * SS))
    d.line([x0, y0, x1, y1], fill=(244, 244, 242, 255), width=int(2.6 * SS))
    rd = 1.5 * SS
    d.ellipse([x1 - rd, y1 - rd, x1 + rd, y1 + rd], fill=(244, 244, 242, 255))
    return shrink(frame, (KNOB, KNOB))


def knob_strip():
    body = knob_body()
    strip = Image.new("RGBA", (KNOB, KNOB * KNOB_FRAMES), (0, 0, 0, 0))
    for i in range(KNOB_FRAMES):
        strip.paste(knob_frame(body, i / (KNOB_FRAMES - 1)), (0, KNOB * i))
    return strip


# ---------------------------------------------------------------- buttons

def button_frame(label, on, rounded_left):
    w, h = BUTTON_W, BUTTON_H
    layer = ss_layer((w, h))
    d = ImageDraw.Draw(layer)
    radius = 5 * SS
    half_rounded(d, s(0, 0, w, h), radius, (6, 6, 7, 255), rounded_left)
    inner = s(1, 1, w - 1, h - 1) if rounded_left else s(0.5, 1, w - 1, h - 1)
    face_top, face_bottom = ((52, 56, 62), (34, 37, 41)) if on else ((74, 79, 87), (44, 47, 52))
    face = gradient(layer.size, face_top, face_bottom)
    mask = Image.new("L", layer.size, 0)
    half_rounded(ImageDraw.Draw(mask), inner, radius - SS, 255, rounded_left)
    layer.paste(face, (0, 0), mask)
    # Upper highlight edge of the key (pressed keys lose it).
    if not on:
        d.line(s(3, 1.5, w - 3, 1.5), fill=(110, 116, 125, 255), width=SS)
    # The indicator light.
    lx0, lx1, ly = w / 2 - 10, w / 2 + 10, 8
    if on:
        glow = ss_layer((w, h))
        ImageDraw.Draw(glow).rounded_rectangle(s(lx0 - 2, ly - 3, lx1 + 2, ly + 3), radius=3 * SS,
                                               fill=AMBER + (230,))
        layer.alpha_composite(glow.filter(ImageFilter.GaussianBlur(2.5 * SS)))
        d.rounded_rectangle(s(lx0, ly - 1.5, lx1, ly + 1.5), radius=1.5 * SS, fill=AMBER_LIGHT + (255,))
    else:
        d.rounded_rectangle(s(lx0, ly - 1.5, lx1, ly + 1.5), radius=1.5 * SS, fill=(58, 42, 24, 255))
        d.line(s(lx0 + 1, ly + 1.5, lx1 - 1, ly + 1.5), fill=(100, 106, 114, 255), width=SS // 2)
    img = shrink(layer, (w, h))
    draw_text(img, w / 2, 15, label, LABEL_FONT, (AMBER_LIGHT if on else PRINT) + (255,), spacing=1.0)
    return img


def button_strip(label, rounded_left):
    strip = Image.new("RGBA", (BUTTON_W, BUTTON_H * 2), (0, 0, 0, 0))
    strip.paste(button_frame(label, False, rounded_left), (0, 0))
    strip.paste(button_frame(label, True, rounded_left), (0, BUTTON_H))
    return strip


# ---------------------------------------------------------------- switch

def switch_frame(on):
    w, h = SWITCH_W, SWITCH_H
    layer = ss_layer((w, h))
    d = ImageDraw.Draw(layer)
    r = h / 2
    d.rounded_rectangle(s(0, 0, w, h), radius=r * SS, fill=(6, 6, 7, 255))
    track = gradient(layer.size, (70, 44, 14) if on else (17, 18, 20), (150, 92, 22) if on else (30, 32, 35))
    mask = Image.new("L", layer.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle(s(1, 1, w - 1, h - 1), radius=(r - 1) * SS, fill=255)
    layer.paste(track, (0, 0), mask)
    if on:
        glow = ss_layer((w, h))
        ImageDraw.Draw(glow).ellipse(s(8, 6, 20, 18), fill=AMBER + (200,))
        layer.alpha_composite(glow.filter(ImageFilter.GaussianBlur(3 * SS)))
        d.ellipse(s(11, 9, 17, 15), fill=AMBER_LIGHT + (255,))
    else:
        d.ellipse(s(11, 9, 17, 15), fill=(46, 38, 30, 255))
    # The thumb: a metal disc at the left (off) or right (on) end.
    cx = w - r if on else r
    rt = r - 2.5
    shadow = ss_layer((w, h))
    ImageDraw.Draw(shadow).ellipse(s(cx - rt, r - rt + 1.5, cx + rt, r + rt + 1.5), fill=(0, 0, 0, 200))
    layer.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(1.2 * SS)))
    disc = gradient(layer.size, (170, 176, 184), (70, 74, 80))
    layer.paste(disc, (0, 0), circle_mask(layer.size, cx * SS, r * SS, rt * SS))
    cap = gradient(layer.size, (92, 97, 104), (150, 156, 164))
    layer.paste(cap, (0, 0), circle_mask(layer.size, cx * SS, r * SS, (rt - 2.2) * SS))
    return shrink(layer, (w, h))


def switch_strip():
    strip = Image.new("RGBA", (SWITCH_W, SWITCH_H * 2), (0, 0, 0, 0))
    strip.paste(switch_frame(False), (0, 0))
    strip.paste(switch_frame(True), (0, SWITCH_H))
    return strip


# ---------------------------------------------------------------- VU meter

METER_SEGMENTS = [(60, 210, 90), (60, 210, 90), (60, 210, 90), (255, 176, 40), (240, 60, 45)]  # bottom up


def meter_frame(lit):
    w, h = METER_W, METER_H
    layer = ss_layer((w, h))
    d = ImageDraw.Draw(layer)
    d.rectangle(s(0, 0, w, h), fill=(11, 12, 13, 255))
    seg_h, gap, x0, x1 = 16, 5, 4, w - 4
    glow = ss_layer((w, h))
    gd = ImageDraw.Draw(glow)
    for i, colour in enumerate(METER_SEGMENTS):
        bottom = h - 5 - i * (seg_h + gap)
        top = bottom - seg_h
        if i < lit:
            gd.rounded_rectangle(s(x0 - 1, top - 1, x1 + 1, bottom + 1), radius=2 * SS, fill=colour + (170,))
        else:
            dark = tuple(int(c * 0.16) + 8 for c in colour)
            d.rounded_rectangle(s(x0, top, x1, bottom), radius=2 * SS, fill=dark + (255,))
            d.line(s(x0 + 2, top + 1, x1 - 2, top + 1), fill=tuple(int(c * 0.28) + 10 for c in colour) + (255,),
                   width=SS)
    layer.alpha_composite(glow.filter(ImageFilter.GaussianBlur(2.5 * SS)))
    for i, colour in enumerate(METER_SEGMENTS[:lit]):
        bottom = h - 5 - i * (seg_h + gap)
        top = bottom - seg_h
        face = gradient(layer.size, tuple(min(255, c + 60) for c in colour), colour)
        mask = Image.new("L", layer.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle(s(x0, top, x1, bottom), radius=2 * SS, fill=255)
        layer.paste(face, (0, 0), mask)
        d.line(s(x0 + 2, top + 1.5, x1 - 2, top + 1.5), fill=(255, 255, 255, 150), width=SS)
    return shrink(layer, (w, h))


def meter_strip():
    strip = Image.new("RGBA", (METER_W, METER_H * METER_FRAMES), (0, 0, 0, 255))
    for k in range(METER_FRAMES):
        strip.paste(meter_frame(k), (0, METER_H * k))
    return strip


# ---------------------------------------------------------------- fader handle

def fader_handle():
    w, h = HANDLE_W, HANDLE_H
    layer = ss_layer((w, h))
    shadow = ss_layer((w, h))
    ImageDraw.Draw(shadow).rounded_rectangle(s(2, 3, w - 2, h - 0.5), radius=4 * SS, fill=(0, 0, 0, 210))
    layer.alpha_composite(shadow.filter(ImageFilter.GaussianBlur(1.3 * SS)))
    d = ImageDraw.Draw(layer)
    d.rounded_rectangle(s(2, 1, w - 2, h - 2), radius=4 * SS, fill=(6, 6, 7, 255))
    body = gradient(layer.size, (128, 134, 142), (46, 49, 54))
    mask = Image.new("L", layer.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle(s(3, 2, w - 3, h - 3), radius=3 * SS, fill=255)
    layer.paste(body, (0, 0), mask)
    # Grip grooves above and below the centre line.
    for y in (7, 9.5, 17.5, 20):
        d.line(s(8, y, w - 8, y), fill=(30, 32, 36, 255), width=SS)
        d.line(s(8, y + 0.75, w - 8, y + 0.75), fill=(150, 156, 164, 120), width=SS // 2)
    # The centre line marks the value on the scale.
    cy = h / 2 - 0.5
    d.line(s(4, cy, w - 4, cy), fill=(244, 244, 242, 255), width=int(1.6 * SS))
    return shrink(layer, (w, h))


# ---------------------------------------------------------------- main

def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "plugin", "resources", "img")
    os.makedirs(out, exist_ok=True)
    images = {
        "bkg.png": background(),
        "knob.png": knob_strip(),
        "button1.png": button_strip("MODE I", True),
        "button2.png": button_strip("MODE II", False),
        "switch.png": switch_strip(),
        "vumeter.png": meter_strip(),
        "fader-handle.png": fader_handle(),
    }
    for name, img in images.items():
        img.save(os.path.join(out, name), optimize=True)
        print("%-17s %4d x %5d" % (name, img.width, img.height))


if __name__ == "__main__":
    main()
