#!/usr/bin/python3
"""Draws the two icon strips of the popup menus into src/resources:
MenuIcons.png (check marks, radio buttons, arrows, grips and level-bar ends)
and MenuItemIcons.png (a few item icons and, in cell 45, the program's mark). Square 32 px cells drawn for a
200 % display, black with alpha, so that the menu manager can recolour them
by their alpha.

Needs Debian's python3 with python3-pil; the build does not run it: the PNGs
it makes are kept in the repository. Run it again only to change them.
"""

import os

from PIL import Image, ImageDraw

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "resources")
CELL = 32
SS = 8  # supersampling
INK = (0, 0, 0, 255)


def px(v):
    return v * SS


def line(d, pts, w):
    d.line([(px(x), px(y)) for x, y in pts], fill=INK, width=int(px(w)), joint="curve")
    for x, y in (pts[0], pts[-1]):
        r = px(w) / 2
        d.ellipse([px(x) - r, px(y) - r, px(x) + r, px(y) + r], fill=INK)


def box(d, l, t, r, b, w, radius):
    d.rounded_rectangle([px(l), px(t), px(r), px(b)], radius=px(radius), outline=INK,
                        width=int(px(w)))


def circle(d, cx, cy, r, w=None):
    rect = [px(cx - r), px(cy - r), px(cx + r), px(cy + r)]
    if w is None:
        d.ellipse(rect, fill=INK)
    else:
        d.ellipse(rect, outline=INK, width=int(px(w)))


def check(d):
    line(d, [(9, 16.5), (14, 21.5), (23.5, 10.5)], 2.6)


def chevron_right(d, cx):
    line(d, [(cx - 3, 9.5), (cx + 3.5, 16), (cx - 3, 22.5)], 2.4)


def chevron_down(d):
    line(d, [(9.5, 13), (16, 19.5), (22.5, 13)], 2.4)


def chevron_up(d):
    line(d, [(9.5, 19), (16, 12.5), (22.5, 19)], 2.4)


MENU_CELLS = [
    lambda d: (box(d, 6, 6, 26, 26, 2, 4), check(d)),  # 0 checked check box
    lambda d: box(d, 6, 6, 26, 26, 2, 4),  # 1 unchecked check box
    lambda d: (circle(d, 16, 16, 10, 2), circle(d, 16, 16, 5)),  # 2 checked radio
    lambda d: circle(d, 16, 16, 10, 2),  # 3 unchecked radio
    lambda d: chevron_right(d, 15),  # 4 submenu arrow
    lambda d: (line(d, [(6, 6), (6, 26)], 1.6), chevron_right(d, 18)),  # 5 split part
    lambda d: (line(d, [(10, 10), (22, 22)], 2.6), line(d, [(22, 10), (10, 22)], 2.6)),  # 6
    lambda d: [circle(d, x, y, 2.2) for x in (12, 20) for y in (9, 16, 23)],  # 7 drag grip
    check,  # 8 plain check
    chevron_up,  # 9 expander, expanded
    chevron_down,  # 10 expander, collapsed
    lambda d: (line(d, [(9, 16), (23, 16)], 2.6), line(d, [(16, 9), (16, 23)], 2.6)),  # 11 +
    lambda d: line(d, [(9, 16), (23, 16)], 2.6),  # 12 -
    lambda d: [circle(d, x, 16, 2.2) for x in (9, 16, 23)],  # 13 context menu
    lambda d: d.polygon([(px(10), px(9)), (px(22), px(16)), (px(10), px(23))], fill=INK),  # 14
]


def play(d):
    d.polygon([(px(10), px(7)), (px(25), px(16)), (px(10), px(25))], fill=INK)


def pause(d):
    d.rectangle([px(9), px(8), px(14), px(24)], fill=INK)
    d.rectangle([px(18), px(8), px(23), px(24)], fill=INK)


def stop(d):
    d.rounded_rectangle([px(9), px(9), px(23), px(23)], radius=px(2), fill=INK)


def folder(d):
    d.polygon([(px(5), px(9)), (px(13), px(9)), (px(15), px(12)), (px(27), px(12)),
               (px(27), px(25)), (px(5), px(25))], fill=INK)


def document(d):
    d.polygon([(px(8), px(5)), (px(19), px(5)), (px(25), px(11)), (px(25), px(27)),
               (px(8), px(27))], fill=INK)


def star(d):
    import math
    pts = []
    for i in range(10):
        r = 11 if i % 2 == 0 else 4.6
        a = -math.pi / 2 + i * math.pi / 5
        pts.append((px(16 + r * math.cos(a)), px(17 + r * math.sin(a))))
    d.polygon(pts, fill=INK)


def gear(d):
    circle(d, 16, 16, 9)
    for x, y in ((16, 5), (16, 27), (5, 16), (27, 16)):
        circle(d, x, y, 3)


def speaker(d):
    d.polygon([(px(6), px(12)), (px(11), px(12)), (px(17), px(7)), (px(17), px(25)),
               (px(11), px(20)), (px(6), px(20))], fill=INK)
    d.arc([px(14), px(10), px(26), px(22)], -50, 50, fill=INK, width=int(px(2)))


def app_mark(d):
    box(d, 4, 4, 28, 28, 2.4, 6)
    d.polygon([(px(12), px(10)), (px(23), px(16)), (px(12), px(22))], fill=INK)


def blank(d):
    pass


# Cell 45 is the program's mark, made into the icon of dialog captions; the
# cells before it are free for later item icons.
APP_MARK_CELL = 45
ITEM_CELLS = [play, pause, stop, folder, document, star, gear, speaker]
ITEM_CELLS += [blank] * (APP_MARK_CELL - len(ITEM_CELLS)) + [app_mark]


def strip(cells, name):
    img = Image.new("RGBA", (CELL * len(cells) * SS, CELL * SS), (0, 0, 0, 0))
    for i, draw in enumerate(cells):
        cell = Image.new("RGBA", (CELL * SS, CELL * SS), (0, 0, 0, 0))
        draw(ImageDraw.Draw(cell))
        img.paste(cell, (i * CELL * SS, 0))
    img = img.resize((CELL * len(cells), CELL), Image.LANCZOS)
    img.save(os.path.join(OUT, name), optimize=True)


def main():
    strip(MENU_CELLS, "MenuIcons.png")
    strip(ITEM_CELLS, "MenuItemIcons.png")


if __name__ == "__main__":
    main()
