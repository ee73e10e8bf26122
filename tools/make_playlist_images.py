#!/usr/bin/python3
"""Draws the playlist window's two image strips into src/resources:
PlaylistChecks.png (the row images of the lists: 0 checked box, 1 unchecked
box, 2 range being played, 3 range, 4 playing, 5 paused or not started) and
PlaylistIcons.png (nine cells; 6 chapters, 7 ranges and 8 markers are the
tab icons, the cells before them stay transparent for other users of the
strip). Square 32 px cells drawn for a 200 % display.

Needs Debian's python3 with python3-pil; the build does not run it: the PNGs
it makes are kept in the repository. Run it again only to change them.
"""

# Cells, supersampling and the strip writer are the menu icons' own.
from make_menu_icons import INK, blank, px, strip
BOX = (96, 96, 96, 255)
BOX_FACE = (255, 255, 255, 255)
CHECK = (24, 112, 208, 255)
PLAY = (32, 150, 64, 255)
PAUSE = (200, 130, 20, 255)
RANGE = (128, 128, 128, 255)


def poly(d, pts, colour):
    d.polygon([(px(x), px(y)) for x, y in pts], fill=colour)


def line(d, pts, w, colour):
    d.line([(px(x), px(y)) for x, y in pts], fill=colour, width=int(px(w)), joint="curve")
    for x, y in (pts[0], pts[-1]):
        r = px(w) / 2
        d.ellipse([px(x) - r, px(y) - r, px(x) + r, px(y) + r], fill=colour)


def rect(d, l, t, r, b, colour, radius=0.0, outline=None, width=0):
    d.rounded_rectangle([px(l), px(t), px(r), px(b)], radius=px(radius), fill=colour,
                        outline=outline, width=int(px(width)))


def box(d):
    rect(d, 7, 7, 25, 25, BOX_FACE, 3, BOX, 2)


def checked(d):
    box(d)
    line(d, [(10.5, 16.5), (14.5, 20.5), (21.5, 11.5)], 2.8, CHECK)


def range_mark(colour, filled):
    def draw(d):
        # A bar between two brackets: the stretch of the track a range plays.
        line(d, [(9, 9), (6, 9), (6, 23), (9, 23)], 2.2, colour)
        line(d, [(23, 9), (26, 9), (26, 23), (23, 23)], 2.2, colour)
        if filled:
            poly(d, [(11, 10), (22, 16), (11, 22)], colour)
        else:
            rect(d, 11, 14.5, 21, 17.5, colour, 1.5)
    return draw


def playing(d):
    poly(d, [(10, 7), (25, 16), (10, 25)], PLAY)


def paused(d):
    rect(d, 9, 8, 14, 24, PAUSE, 1)
    rect(d, 18, 8, 23, 24, PAUSE, 1)


def chapters(d):
    # A film strip cut into parts.
    for y in (6, 14, 22):
        rect(d, 11, y, 27, y + 5, INK, 1.2)
        rect(d, 5, y, 8.5, y + 5, INK, 1.2)


def ranges(d):
    line(d, [(5, 16), (27, 16)], 2.0, INK)
    rect(d, 11, 12, 21, 20, INK, 1.5)
    line(d, [(5, 9), (5, 23)], 2.4, INK)
    line(d, [(27, 9), (27, 23)], 2.4, INK)


def markers(d):
    # A pin on a line.
    line(d, [(4, 26), (28, 26)], 2.0, INK)
    line(d, [(16, 14), (16, 25)], 2.2, INK)
    d.ellipse([px(10), px(3), px(22), px(15)], fill=INK)


CHECK_CELLS = [checked, box, range_mark(PLAY, True), range_mark(RANGE, False), playing, paused]
TAB_ICON_FIRST = 6
ICON_CELLS = [blank] * TAB_ICON_FIRST + [chapters, ranges, markers]


def main():
    strip(CHECK_CELLS, "PlaylistChecks.png")
    strip(ICON_CELLS, "PlaylistIcons.png")


if __name__ == "__main__":
    main()
