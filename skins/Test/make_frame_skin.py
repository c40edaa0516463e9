#!/usr/bin/env python3
"""Draws the pictures of frame.ini, the test skin that covers every frame key
and caption button: a frame with a caption band, a rounded mask, a roll-up
picture and mask, caption-button looks and a glow. Run it in this folder."""
import struct

W, H = 220, 120           # frame picture
CAP = 28                  # caption band height (client top)
BORDER = 5


def write_bmp(name, w, h, pixel):
    row = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for x in range(w):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + bytes(row - len(line))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(name, 'wb') as f:
        f.write(header + info + data)


def lerp(a, b, t):
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


TOP, BOTTOM = (36, 78, 150), (70, 120, 196)
EDGE, LIGHT, CLIENT = (40, 84, 156), (150, 185, 235), (236, 238, 244)

# Normal looks of the picture buttons, drawn into the frame where they sit.
BUTTONS = {  # name: (left, glyph)
    'close': (196, 'x'), 'max': (176, 'box'), 'min': (156, 'bar'), 'rollup': (136, 'up'),
}
BTN_TOP, BTN = 5, 18


def glyph_on(kind, x, y):
    """True where the glyph of kind covers cell pixel (x, y) of an 18x18 cell."""
    if kind == 'x':
        return 5 <= x <= 12 and 5 <= y <= 12 and (abs(x - y) <= 0 or abs(x + y - 17) <= 0 or abs(x - y) == 1 or abs(x + y - 17) == 1)
    if kind == 'box':
        return 4 <= x <= 13 and 4 <= y <= 13 and (x in (4, 13) or y in (4, 5, 13))
    if kind == 'bar':
        return 4 <= x <= 13 and 11 <= y <= 13
    if kind == 'up':
        return 6 <= y <= 11 and abs(x - 8.5) <= (y - 6) + 0.5
    if kind == 'down':
        return 6 <= y <= 11 and abs(x - 8.5) <= (11 - y) + 0.5
    if kind == 'restore':
        a = 6 <= x <= 13 and 3 <= y <= 9 and (x in (6, 13) or y in (3, 4, 9))
        b = 3 <= x <= 10 and 7 <= y <= 14 and (x in (3, 10) or y in (7, 8, 14))
        return a or b
    return False


def button_pixel(kind, look, x, y):
    fill = {'normal': (58, 104, 182), 'hot': (96, 150, 230), 'down': (28, 60, 120)}[look]
    if x in (0, BTN - 1) or y in (0, BTN - 1):
        return (20, 44, 96)
    return (255, 255, 255) if glyph_on(kind, x, y) else fill


def frame_pixel(x, y):
    if y < CAP:
        c = lerp(TOP, BOTTOM, y / CAP)
        if y == 0 or x == 0 or x == W - 1:
            c = LIGHT
        for name, (left, kind) in BUTTONS.items():
            if left <= x < left + BTN and BTN_TOP <= y < BTN_TOP + BTN:
                return button_pixel(kind, 'normal', x - left, y - BTN_TOP)
        return c
    if BORDER <= x < W - BORDER and y < H - BORDER:
        return CLIENT
    if x == 0 or x == W - 1 or y == H - 1:
        return LIGHT
    return EDGE


def rounded_mask(w, h, radius, x, y):
    for cx, cy in ((radius, radius), (w - 1 - radius, radius), (radius, h - 1 - radius), (w - 1 - radius, h - 1 - radius)):
        if (x < radius and cx == radius or x > w - 1 - radius and cx == w - 1 - radius) and \
           (y < radius and cy == radius or y > h - 1 - radius and cy == h - 1 - radius):
            if (x - cx) ** 2 + (y - cy) ** 2 > radius * radius:
                return (255, 255, 255)
    return (0, 0, 0)


RH = 32  # roll-up picture: the caption band and a closing border


def rollup_pixel(x, y):
    left = BUTTONS['rollup'][0]
    if left <= x < left + BTN and BTN_TOP <= y < BTN_TOP + BTN:
        return button_pixel('down', 'normal', x - left, y - BTN_TOP)
    for name in ('max', 'min'):  # rolled up, only close and roll-down show
        left = BUTTONS[name][0]
        if left <= x < left + BTN and BTN_TOP <= y < BTN_TOP + BTN:
            return lerp(TOP, BOTTOM, y / CAP)
    if y < CAP:
        return frame_pixel(x, y)
    return LIGHT if y == RH - 1 else EDGE


# Active picture 0: hot and pressed looks of the four picture buttons and the
# restore looks of the maximize button, one 18x18 cell each.
CELLS = [('x', 'close'), ('box', 'max'), ('bar', 'min'), ('up', 'rollup'), ('restore', 'restore'),
         ('down', 'rolldown')]


def buttons_pixel(x, y):
    kind = CELLS[x // BTN][0]
    look = ('normal', 'hot', 'down')[y // BTN]
    return button_pixel(kind, look, x % BTN, y % BTN)


def glow_pixel(x, y):
    return (255, 170, 60)


def glow_mask_pixel(x, y):
    # A soft ring around the button (the glow window lies over it): clear in
    # the middle, brightest 12 pixels out.
    d = ((x - 12.5) ** 2 + (y - 12.5) ** 2) ** 0.5
    v = max(0, int(255 * (1 - abs(d - 11.5) / 2.5))) if d > 9 else 0
    return (v, v, v)


write_bmp('frame2.bmp', W, H, frame_pixel)
write_bmp('frame2mask.bmp', W, H, lambda x, y: rounded_mask(W, H, 6, x, y))
write_bmp('frame2rollup.bmp', W, RH, rollup_pixel)
write_bmp('frame2rollupmask.bmp', W, RH, lambda x, y: rounded_mask(W, RH, 6, x, y))
write_bmp('frame2buttons.bmp', BTN * len(CELLS), BTN * 3, buttons_pixel)
write_bmp('frame2glow.bmp', 26, 26, glow_pixel)
write_bmp('frame2glowmask.bmp', 26, 26, glow_mask_pixel)
