#!/usr/bin/python3
"""Draws the glyph atlases of the on-screen bitmap font from DejaVu Sans Bold
(Debian's fonts-dejavu-core, Bitstream Vera licence) into
src/resources/BmpFont{1,2,3}.png.

Needs Debian's python3 with python3-pil, and fonts-dejavu-core; the build does not run it: the
PNGs it makes are kept in the repository. Run it again only to change them.

Atlas layout: every glyph stands side by side in one strip; the blue byte of
each pixel is the glyph's coverage (white on black); the bottom row holds the
character code of each column (0 for none), so a run of equal codes is one
glyph. The atlases are drawn for a 200 % display; variant n is n times as tall.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "resources")
# Glyph height (without the code row) of variant 1 at 200 %: variant 2, the
# default, then fits the 15-pixel status bar at 100 % (12 pixels tall).
BASE_HEIGHT = 12
NARROW_BLANK = 0x60  # drawn as nothing, a narrow advance
BACK_STEP = 0x40  # handled by the drawing code, needs no glyph


def pick_font(height):
    """The largest font size whose ascent and descent fit the glyph height."""
    size = height
    while size > 1:
        font = ImageFont.truetype(FONT, size)
        ascent, descent = font.getmetrics()
        if ascent + descent <= height:
            return font
        size -= 1
    sys.exit("no font size fits %d pixels" % height)


def glyph(font, height, code, factor):
    """The coverage image of one character, as wide as its advance."""
    if code == NARROW_BLANK:
        return Image.new("L", (factor, height), 0)
    ch = chr(code)
    advance = round(font.getlength(ch))
    left, _, right, _ = font.getbbox(ch)
    # The box holds the advance and any ink that leans out of it.
    x0 = min(0, left)
    width = max(advance, right) - x0
    img = Image.new("L", (max(width, 1), height), 0)
    ImageDraw.Draw(img).text((-x0, 0), ch, font=font, fill=255)
    return img


def atlas(factor):
    height = BASE_HEIGHT * factor
    font = pick_font(height)
    glyphs = [(c, glyph(font, height, c, factor)) for c in range(32, 127) if c != BACK_STEP]
    width = sum(g.width for _, g in glyphs)
    out = Image.new("RGB", (width, height + 1), (0, 0, 0))
    x = 0
    for code, g in glyphs:
        rgb = Image.merge("RGB", (g, g, g))
        out.paste(rgb, (x, 0))
        for i in range(g.width):
            out.putpixel((x + i, height), (code, code, code))
        x += g.width
    return out


def main():
    for factor in (1, 2, 3):
        path = os.path.normpath(os.path.join(OUT, "BmpFont%d.png" % factor))
        atlas(factor).save(path, optimize=True)
        print(path)


if __name__ == "__main__":
    main()
