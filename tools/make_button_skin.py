#!/usr/bin/python3
"""Draws the built-in control-button strips into src/resources:
ButtonSkin.png (resource 164) and ButtonExtra.png (resource 171).

Needs Debian's python3 with python3-pil; the build does not run it: the PNGs
are kept in the repository. Run it again only to change them.

ButtonSkin.png is one row of 48 x 48 cells drawn for a 200 % display, dark
grey glyphs on a transparent ground (the program whitens them on a dark face
colour). Cells: 0 launcher, 1 play, 2 pause, 3 power saving (on), 4 previous,
5 rewind, 6 fast forward, 7 next, 8 options, 9 playlist, 10-11 topmost off/on,
12 rate, 13-17 repeat modes, 18 menu, 19 favorites, 20 timer, 21 jump list,
22 capture, 23-26 power saving frames, 27-28 volume on/muted, 29-35 spare,
36-41 custom buttons 1 to 6.
ButtonExtra.png holds two cells of the overflow button: closed and open.
"""

import os

from PIL import Image, ImageDraw, ImageFont

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "resources")
CELL = 48
COUNT = 42
INK = (48, 48, 48, 255)
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def tri(d, x, y, w, h, right=True):
    if right:
        d.polygon([(x, y), (x + w, y + h / 2), (x, y + h)], fill=INK)
    else:
        d.polygon([(x + w, y), (x, y + h / 2), (x + w, y + h)], fill=INK)


def play(d):
    tri(d, 16, 12, 20, 24)


def pause(d):
    d.rectangle([15, 12, 21, 36], fill=INK)
    d.rectangle([27, 12, 33, 36], fill=INK)


def launcher(d):
    for gx in (0, 1):
        for gy in (0, 1):
            d.rectangle([12 + gx * 13, 12 + gy * 13, 22 + gx * 13, 22 + gy * 13], fill=INK)


def previous(d):
    d.rectangle([12, 13, 16, 35], fill=INK)
    tri(d, 17, 13, 18, 22, right=False)


def nxt(d):
    tri(d, 13, 13, 18, 22)
    d.rectangle([32, 13, 36, 35], fill=INK)


def rewind(d):
    tri(d, 8, 14, 16, 20, right=False)
    tri(d, 24, 14, 16, 20, right=False)


def forward(d):
    tri(d, 8, 14, 16, 20)
    tri(d, 24, 14, 16, 20)


def options(d):
    d.ellipse([12, 12, 36, 36], outline=INK, width=5)
    for (x, y) in ((24, 9), (24, 39), (9, 24), (39, 24)):
        d.rectangle([x - 3, y - 3, x + 3, y + 3], fill=INK)
    d.ellipse([20, 20, 28, 28], fill=INK)


def playlist(d):
    for i in range(4):
        d.rectangle([12, 13 + i * 6, 36 - (8 if i == 3 else 0), 15 + i * 6], fill=INK)
    tri(d, 30, 30, 8, 10)


def pin(d, on):
    d.rectangle([18, 10, 30, 22], outline=INK, width=3, fill=INK if on else None)
    d.rectangle([13, 22, 35, 25], fill=INK)
    d.rectangle([23, 25, 25, 38], fill=INK)


def text(d, s, size=18):
    font = ImageFont.truetype(FONT, size)
    box = d.textbbox((0, 0), s, font=font)
    w, h = box[2] - box[0], box[3] - box[1]
    d.text(((CELL - w) / 2 - box[0], (CELL - h) / 2 - box[1]), s, font=font, fill=INK)


def repeat(d, mode):
    d.arc([10, 12, 38, 36], 200, 160, fill=INK, width=4)
    tri(d, 32, 26, 8, 10)
    marks = ["", "1", "A", "C", "S"]
    if marks[mode]:
        font = ImageFont.truetype(FONT, 12)
        d.text((20, 17), marks[mode], font=font, fill=INK)


def menu(d):
    for i in range(3):
        d.rectangle([12, 14 + i * 9, 36, 18 + i * 9], fill=INK)


def star(d):
    import math
    pts = []
    for i in range(10):
        r = 14 if i % 2 == 0 else 6
        a = math.pi / 2 + i * math.pi / 5
        pts.append((24 + r * math.cos(a), 25 - r * math.sin(a)))
    d.polygon(pts, fill=INK)


def timer(d):
    d.ellipse([11, 11, 37, 37], outline=INK, width=4)
    d.line([24, 24, 24, 15], fill=INK, width=3)
    d.line([24, 24, 31, 27], fill=INK, width=3)


def jumplist(d):
    for gx in range(3):
        for gy in range(3):
            d.rectangle([11 + gx * 9, 11 + gy * 9, 17 + gx * 9, 17 + gy * 9], fill=INK)


def capture(d):
    d.rectangle([10, 17, 38, 36], outline=INK, width=3)
    d.rectangle([18, 12, 30, 17], fill=INK)
    d.ellipse([19, 21, 29, 31], outline=INK, width=3)


def power(d, step):
    d.arc([12, 12, 36, 36], 300, 240, fill=INK, width=4)
    d.line([24, 9, 24, 24], fill=INK, width=4)
    if step:
        d.rectangle([34, 34 - step * 3, 38, 38], fill=INK)


def speaker(d, muted):
    d.rectangle([10, 19, 17, 29], fill=INK)
    d.polygon([(17, 19), (26, 11), (26, 37), (17, 29)], fill=INK)
    if muted:
        d.line([30, 18, 38, 30], fill=INK, width=3)
        d.line([38, 18, 30, 30], fill=INK, width=3)
    else:
        d.arc([22, 16, 34, 32], 300, 60, fill=INK, width=3)
        d.arc([22, 10, 40, 38], 300, 60, fill=INK, width=3)


def rate(d):
    text(d, "x1", 18)


def draw_strip():
    cells = {
        0: launcher, 1: play, 2: pause, 3: lambda d: power(d, 4), 4: previous, 5: rewind,
        6: forward, 7: nxt, 8: options, 9: playlist, 10: lambda d: pin(d, False),
        11: lambda d: pin(d, True), 12: rate, 18: menu, 19: star, 20: timer, 21: jumplist,
        22: capture, 27: lambda d: speaker(d, False), 28: lambda d: speaker(d, True),
    }
    for m in range(5):
        cells[13 + m] = lambda d, m=m: repeat(d, m)
    for s in range(4):
        cells[23 + s] = lambda d, s=s: power(d, s)
    for c in range(6):
        cells[36 + c] = lambda d, c=c: text(d, str(c + 1), 22)
    strip = Image.new("RGBA", (CELL * COUNT, CELL), (0, 0, 0, 0))
    for index, draw in cells.items():
        cell = Image.new("RGBA", (CELL, CELL), (0, 0, 0, 0))
        draw(ImageDraw.Draw(cell))
        strip.paste(cell, (index * CELL, 0))
    strip.save(os.path.join(OUT, "ButtonSkin.png"))


def draw_extra():
    strip = Image.new("RGBA", (CELL * 2, CELL), (0, 0, 0, 0))
    for index in range(2):
        cell = Image.new("RGBA", (CELL, CELL), (0, 0, 0, 0))
        d = ImageDraw.Draw(cell)
        tri(d, 17, 14, 14, 20, right=index == 0)
        strip.paste(cell, (index * CELL, 0))
    strip.save(os.path.join(OUT, "ButtonExtra.png"))


if __name__ == "__main__":
    draw_strip()
    draw_extra()
