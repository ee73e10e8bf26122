#!/usr/bin/python3
"""Draws the two icon strips of the popup menus into src/resources:
MenuIcons.png (check marks, radio buttons, arrows, grips and level-bar ends)
and MenuItemIcons.png (the item icons: cell n is item image n, and cell 45
the program's mark). Square 32 px cells in one row, drawn for a 200 %
display, black with alpha, so that the menu manager can recolour them by
their alpha.

Needs Debian's python3 with python3-pil; the build does not run it: the PNGs
it makes are kept in the repository. Run it again only to change them.
"""

import math
import os

from PIL import Image, ImageDraw

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "resources")
CELL = 32
SS = 8  # supersampling
INK = (0, 0, 0, 255)
CLEAR = (0, 0, 0, 0)  # cuts a shape out of what is drawn


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


# ---- item icons ---------------------------------------------------------
# Cell n of MenuItemIcons.png is the item image number n that menu items ask
# for; numbers no item uses stay empty. Filled shapes with cut-outs (drawn in
# CLEAR) read best at 16 px, where the strip is shown at 65 % alpha.


def stroke(d, pts, w, ink=INK):
    """A polyline with round ends and joints."""
    d.line([(px(x), px(y)) for x, y in pts], fill=ink, width=int(px(w)), joint="curve")
    r = px(w) / 2
    for x, y in pts:
        d.ellipse([px(x) - r, px(y) - r, px(x) + r, px(y) + r], fill=ink)


def poly(d, pts, ink=INK):
    d.polygon([(px(x), px(y)) for x, y in pts], fill=ink)


def rect(d, l, t, r, b, radius=0, ink=INK):
    d.rounded_rectangle([px(l), px(t), px(r), px(b)], radius=px(radius), fill=ink)


def disc(d, cx, cy, r, ink=INK):
    d.ellipse([px(cx - r), px(cy - r), px(cx + r), px(cy + r)], fill=ink)


def ring(d, cx, cy, r, w, ink=INK):
    """A circle line of width w centred on radius r."""
    o = r + w / 2
    d.ellipse([px(cx - o), px(cy - o), px(cx + o), px(cy + o)], outline=ink, width=int(px(w)))


def head(d, tip, degrees, size=6.0, ink=INK):
    """An arrowhead with its tip at tip, pointing along degrees (0 right,
    90 down)."""
    a = math.radians(degrees)
    ux, uy = math.cos(a), math.sin(a)
    bx, by = tip[0] - ux * size, tip[1] - uy * size
    half = size * 0.62
    poly(d, [tip, (bx - uy * half, by + ux * half), (bx + uy * half, by - ux * half)], ink)


def arrow(d, a, b, w=2.6, size=6.5, ink=INK):
    """A line from a to an arrowhead with its tip at b."""
    degrees = math.degrees(math.atan2(b[1] - a[1], b[0] - a[0]))
    k = (size * 0.7) / math.hypot(b[0] - a[0], b[1] - a[1])
    stroke(d, [a, (b[0] + (a[0] - b[0]) * k, b[1] + (a[1] - b[1]) * k)], w, ink)
    head(d, b, degrees, size, ink)


def rotated(pts, degrees, cx=16, cy=16):
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in pts]


def badge(d, glyph, cx=24, cy=24, r=7.5):
    """Clears a round corner for a small glyph drawn around (cx, cy)."""
    disc(d, cx, cy, r, CLEAR)
    glyph(d, cx, cy)


def badge_plus(d, cx, cy):
    stroke(d, [(cx - 4, cy), (cx + 4, cy)], 2.6)
    stroke(d, [(cx, cy - 4), (cx, cy + 4)], 2.6)


# -- playback


def play(d):
    d.polygon([(px(10), px(7)), (px(25), px(16)), (px(10), px(25))], fill=INK)


def pause(d):
    d.rectangle([px(9), px(8), px(14), px(24)], fill=INK)
    d.rectangle([px(18), px(8), px(23), px(24)], fill=INK)


def add(d):
    stroke(d, [(16, 6), (16, 26)], 4.4)
    stroke(d, [(6, 16), (26, 16)], 4.4)


def delete(d):
    stroke(d, [(8.5, 8.5), (23.5, 23.5)], 4.2)
    stroke(d, [(23.5, 8.5), (8.5, 23.5)], 4.2)


def rate(d):
    # A speed gauge.
    d.arc([px(4), px(8), px(28), px(32)], 180, 360, fill=INK, width=int(px(2.6)))
    disc(d, 5.3, 20, 1.3)
    disc(d, 26.7, 20, 1.3)
    stroke(d, [(16, 20), (22.5, 12.5)], 2.6)
    disc(d, 16, 20, 3.2)


# -- files and folders


def folder(d):
    d.polygon([(px(5), px(9)), (px(13), px(9)), (px(15), px(12)), (px(27), px(12)),
               (px(27), px(25)), (px(5), px(25))], fill=INK)


def document(d):
    d.polygon([(px(8), px(5)), (px(19), px(5)), (px(25), px(11)), (px(25), px(27)),
               (px(8), px(27))], fill=INK)


def submenu_tree(d):
    rect(d, 5, 4.5, 13.5, 11.5, 1.5)
    stroke(d, [(9, 11), (9, 23.5), (14, 23.5)], 2.4)
    stroke(d, [(9, 16.5), (14, 16.5)], 2.4)
    rect(d, 15.5, 13.5, 27.5, 19.5, 1.5)
    rect(d, 15.5, 20.5, 27.5, 26.5, 1.5)


def open_folder(d):
    poly(d, [(4, 7), (12, 7), (14.5, 10), (25, 10), (25, 25), (4, 25)])
    poly(d, [(8.2, 13.3), (31, 13.3), (26.5, 27), (2.2, 27)], CLEAR)
    poly(d, [(9.6, 15), (29, 15), (24.6, 25), (4, 25)])


def play_folder(d):
    folder(d)
    poly(d, [(13, 14.5), (20.5, 18.5), (13, 22.5)], CLEAR)


def media_file(d):
    document(d)
    poly(d, [(12.5, 13), (21, 18.5), (12.5, 24)], CLEAR)


def playlist_file(d):
    document(d)
    for y, r in ((13, 21.5), (17.5, 21.5), (22, 18)):
        rect(d, 11.5, y, r, y + 2.2, 0, CLEAR)


def bookmark_file(d):
    document(d)
    poly(d, [(11.5, 9), (17.5, 9), (17.5, 22), (14.5, 18.8), (11.5, 22)], CLEAR)


def resume_file(d):
    # A file that keeps play positions: a clock face in a document.
    document(d)
    disc(d, 16.5, 18.5, 6, CLEAR)
    stroke(d, [(16.5, 15), (16.5, 18.5), (19.3, 18.5)], 1.8)


def file_menu(d):
    # The file menu: an outlined document, set apart from the file kinds.
    stroke(d, [(18.5, 4.5), (8, 4.5), (8, 27.5), (25, 27.5), (25, 11), (18.5, 4.5)], 2.4)
    poly(d, [(17.3, 4.5), (25, 12.2), (17.3, 12.2)])


def wrench(d):
    disc(d, 21, 11, 7)
    disc(d, 23.5, 8.5, 3.2, CLEAR)
    poly(d, rotated([(21.3, 4.5), (25.7, 4.5), (25.7, 1), (21.3, 1)], 45, 23.5, 8.5), CLEAR)
    poly(d, [(21.5, 6.2), (28.5, -0.8), (32.8, 3.5), (25.8, 10.5)], CLEAR)
    stroke(d, [(18, 14), (7.5, 24.5)], 5.2)


def copy(d):
    box(d, 5, 4, 19, 20, 2.4, 2)
    rect(d, 10, 9, 29, 29, 3.5, CLEAR)
    rect(d, 12.5, 11.5, 27, 27, 2)


def convert(d):
    arrow(d, (6, 11), (27, 11))
    arrow(d, (26, 21), (5, 21))


def search(d):
    ring(d, 13.5, 13.5, 7.2, 2.8)
    stroke(d, [(19.5, 19.5), (26, 26)], 4.4)


def sort(d):
    arrow(d, (9, 5), (9, 28), 2.6, 7)
    for y, r in ((7, 27), (13, 24), (19, 21), (25, 18)):
        stroke(d, [(15, y), (r, y)], 2.6)


# -- streams


def video_stream(d):
    rect(d, 4, 5, 28, 27, 1.5)
    for y in (8.5, 13.5, 18.5, 23.5):
        rect(d, 6, y - 1.5, 8.6, y + 1.5, 0, CLEAR)
        rect(d, 23.4, y - 1.5, 26, y + 1.5, 0, CLEAR)
    rect(d, 11, 7.5, 21, 24.5, 1, CLEAR)


def audio_stream(d):
    d.ellipse([px(5.6), px(20.2), px(14.2), px(27)], fill=INK)
    d.ellipse([px(17.6), px(17.2), px(26.2), px(24)], fill=INK)
    rect(d, 11.8, 9, 14.2, 23.5)
    rect(d, 23.8, 6, 26.2, 20.5)
    poly(d, [(11.8, 9), (26.2, 6), (26.2, 10.5), (11.8, 13.5)])


def subtitle_stream(d):
    rect(d, 3.5, 6.5, 28.5, 25.5, 3)
    for l, r, y in ((8, 16.5, 15), (18.5, 24, 15), (8, 12.5, 19.5), (14.5, 24, 19.5)):
        rect(d, l, y, r, y + 2.5, 0, CLEAR)


def other_stream(d):
    box(d, 4, 4, 28, 28, 2.4, 4)
    for x in (10.5, 16, 21.5):
        disc(d, x, 16, 2.2)


def layers(d):
    poly(d, [(16, 4.5), (28, 10.5), (16, 16.5), (4, 10.5)])
    stroke(d, [(5, 16), (16, 21.5), (27, 16)], 2.4)
    stroke(d, [(5, 21.5), (16, 27), (27, 21.5)], 2.4)


# -- repeat


def straight(d):
    arrow(d, (5, 16), (27, 16), 2.6, 7)


def loop(d):
    stroke(d, [(5.5, 17), (5.5, 7.5), (20, 7.5)], 2.6)
    head(d, (27, 7.5), 0, 7)
    stroke(d, [(26.5, 15), (26.5, 24.5), (12, 24.5)], 2.6)
    head(d, (5, 24.5), 180, 7)


def loop_one(d):
    loop(d)
    stroke(d, [(13.8, 14), (16.4, 12.3), (16.4, 20)], 2.4)


def loop_chapter(d):
    loop(d)
    rect(d, 10, 12.5, 15, 19.5, 0.8)
    rect(d, 17, 12.5, 22, 19.5, 0.8)


def loop_file(d):
    loop(d)
    poly(d, [(12.2, 11.5), (17.8, 11.5), (20.3, 14), (20.3, 20.5), (12.2, 20.5)])


def loop_all(d):
    loop(d)
    for x in (10.5, 16, 21.5):
        disc(d, x, 16, 2)


def shuffle(d):
    stroke(d, [(5, 10), (10, 10), (18.5, 22), (21, 22)], 2.6)
    head(d, (27, 22), 0, 6.5)
    stroke(d, [(5, 22), (10, 22), (18.5, 10), (21, 10)], 2.6)
    head(d, (27, 10), 0, 6.5)


# -- lists of files


def recent(d):
    cx, cy, r = 17, 16, 10
    d.arc([px(cx - r - 1.3), px(cy - r - 1.3), px(cx + r + 1.3), px(cy + r + 1.3)], -140, 160,
          fill=INK, width=int(px(2.6)))
    a = math.radians(160)
    disc(d, cx + r * math.cos(a), cy + r * math.sin(a), 1.3)
    a = math.radians(-140)
    head(d, (cx + r * math.cos(a) - 2.5, cy + r * math.sin(a) + 4.5), 120, 6.5)
    stroke(d, [(17, 10.5), (17, 16), (21, 19)], 2.4)


def most_played(d):
    rect(d, 4.5, 18, 10, 27, 1)
    rect(d, 13.25, 11.5, 18.75, 27, 1)
    rect(d, 22, 5, 27.5, 27, 1)


def star(d):
    pts = []
    for i in range(10):
        r = 11 if i % 2 == 0 else 4.6
        a = -math.pi / 2 + i * math.pi / 5
        pts.append((px(16 + r * math.cos(a)), px(17 + r * math.sin(a))))
    d.polygon(pts, fill=INK)


def playlist(d):
    for y, r in ((7, 27), (13, 27), (19, 15), (25, 15)):
        stroke(d, [(5, y), (r, y)], 2.6)
    poly(d, [(19, 16.5), (27.5, 21.5), (19, 26.5)])


# -- tools and views


def video_size(d):
    box(d, 3.5, 6.5, 28.5, 25.5, 2.4, 2)
    stroke(d, [(12.5, 19.5), (19.5, 12.5)], 2.2)
    head(d, (9.5, 22.5), 135, 5.5)
    head(d, (22.5, 9.5), -45, 5.5)


def camera(d):
    rect(d, 3.5, 10, 28.5, 26.5, 3)
    poly(d, [(10.5, 10.5), (12.5, 6.5), (19.5, 6.5), (21.5, 10.5)])
    disc(d, 16, 18.2, 6, CLEAR)
    disc(d, 16, 18.2, 3.6)


def stopwatch(d, cx=16, cy=18, r=9.5):
    ring(d, cx, cy, r, 2.4)
    rect(d, cx - 2.5, cy - r - 5.8, cx + 2.5, cy - r - 2.8, 1)
    stroke(d, [(cx, cy - r - 3), (cx, cy - r)], 2.4)


def timer(d):
    stopwatch(d)
    stroke(d, [(16, 12), (16, 18)], 2.4)
    disc(d, 16, 18, 2)
    stroke(d, [(23.5, 9.5), (25, 8)], 2.4)


def gear(d):
    pts = []
    teeth = 8
    for i in range(teeth * 4):
        a = 2 * math.pi * (i - 1.5) / (teeth * 4)
        r = 12.5 if i % 4 in (1, 2) else 9.5
        pts.append((16 + r * math.cos(a), 16 + r * math.sin(a)))
    poly(d, pts)
    disc(d, 16, 16, 4.2, CLEAR)


def chapter(d):
    # The parts of a seek bar, with marks at their starts.
    rect(d, 4, 20, 28, 25.5, 2)
    for x in (7.5, 16, 24.5):
        poly(d, [(x - 3.6, 7.5), (x + 3.6, 7.5), (x, 16.5)])


def play_range(d):
    stroke(d, [(10, 7), (6, 7), (6, 25), (10, 25)], 2.4)
    stroke(d, [(22, 7), (26, 7), (26, 25), (22, 25)], 2.4)
    rect(d, 10.5, 13, 21.5, 19, 1)


def marker(d):
    disc(d, 16, 12.5, 8)
    poly(d, [(9.2, 16.8), (22.8, 16.8), (16, 28.5)])
    disc(d, 16, 12.5, 3, CLEAR)


PIN = [(11, 4), (21, 4), (21, 7), (19.5, 7), (20.5, 16), (24, 19), (8, 19), (11.5, 16),
       (12.5, 7), (11, 7)]


def pin_loose(d):
    poly(d, rotated(PIN, 40))
    stroke(d, rotated([(16, 19), (16, 28)], 40), 2.2)


def pin_fixed(d):
    poly(d, PIN)
    stroke(d, [(16, 19), (16, 28)], 2.2)


def monitor(d, filled):
    if filled:
        rect(d, 3.5, 5, 28.5, 22, 2)
    else:
        box(d, 3.5, 5, 28.5, 22, 2.4, 2)
    stroke(d, [(16, 22), (16, 26.5)], 2.4)
    stroke(d, [(10.5, 27), (21.5, 27)], 2.4)


def moon(d, ink):
    disc(d, 16, 13.5, 5, ink)
    disc(d, 18.8, 11.3, 4.2, CLEAR if ink == INK else INK)


def bolt(d, ink):
    poly(d, [(18, 7.3), (11.3, 14.6), (15.3, 14.6), (14, 20), (20.7, 12.4), (16.7, 12.4)], ink)


def monitor_may_sleep(d):
    monitor(d, False)
    moon(d, INK)


def monitor_kept_on(d):
    monitor(d, False)
    bolt(d, INK)


def monitor_may_sleep_inverted(d):
    monitor(d, True)
    disc(d, 16, 13.5, 5, CLEAR)
    disc(d, 18.8, 11.3, 4.2, INK)


def monitor_kept_on_inverted(d):
    monitor(d, True)
    bolt(d, CLEAR)


def audio_device(d):
    rect(d, 7.5, 3.5, 24.5, 28.5, 3)
    disc(d, 16, 19.5, 5.8, CLEAR)
    disc(d, 16, 19.5, 2.4)
    disc(d, 16, 9.5, 2.4, CLEAR)


def volume(d):
    poly(d, [(3, 12), (8, 12), (14, 7), (14, 25), (8, 20), (3, 20)])
    for r in (5, 10):
        o = r + 1.2
        d.arc([px(15 - o), px(16 - o), px(15 + o), px(16 + o)], -48, 48, fill=INK,
              width=int(px(2.4)))


def chip(d):
    rect(d, 9, 8, 23, 24, 2)
    for y in (11.5, 16, 20.5):
        stroke(d, [(4.5, y), (7.5, y)], 2.2)
        stroke(d, [(24.5, y), (27.5, y)], 2.2)
    disc(d, 12.5, 11.5, 1.4, CLEAR)


def info(d):
    disc(d, 16, 16, 12)
    disc(d, 16, 9.5, 2.1, CLEAR)
    rect(d, 14.2, 13.5, 17.8, 24, 0.8, CLEAR)


def grid(d):
    for i in range(3):
        for j in range(3):
            x, y = 4 + i * 8.5, 4 + j * 8.5
            rect(d, x, y, x + 7, y + 7, 1)


def three_tiles(d):
    rect(d, 4, 4, 14.5, 14.5, 1.5)
    rect(d, 17.5, 4, 28, 14.5, 1.5)
    rect(d, 4, 17.5, 14.5, 28, 1.5)


def grid_create(d):
    three_tiles(d)
    stroke(d, [(22.75, 17.5), (22.75, 28)], 3)
    stroke(d, [(17.5, 22.75), (28, 22.75)], 3)


def grid_edit(d):
    three_tiles(d)
    stroke(d, [(21, 24.5), (27.5, 18)], 3.6)
    poly(d, [(17, 28.5), (18.6, 23.2), (22.3, 26.9)])


# -- video size presets


def one_to_one(d):
    box(d, 3.5, 6.5, 28.5, 25.5, 2.2, 2)
    for x in (11, 21):
        stroke(d, [(x - 2.2, 12.4), (x, 11), (x, 21)], 2.2)
    disc(d, 16, 13.6, 1.5)
    disc(d, 16, 18.6, 1.5)


def percent(d):
    ring(d, 9.5, 9.5, 3.6, 2.4)
    ring(d, 22.5, 22.5, 3.6, 2.4)
    stroke(d, [(24, 6.5), (8, 25.5)], 2.6)


def width(d):
    stroke(d, [(4.5, 8), (4.5, 24)], 2.4)
    stroke(d, [(27.5, 8), (27.5, 24)], 2.4)
    stroke(d, [(12, 16), (20, 16)], 2.4)
    head(d, (8, 16), 180, 6)
    head(d, (24, 16), 0, 6)


def height(d):
    stroke(d, [(8, 4.5), (24, 4.5)], 2.4)
    stroke(d, [(8, 27.5), (24, 27.5)], 2.4)
    stroke(d, [(16, 12), (16, 20)], 2.4)
    head(d, (16, 8), 270, 6)
    head(d, (16, 24), 90, 6)


def width_height(d):
    box(d, 3.5, 3.5, 28.5, 28.5, 2.4, 2)
    stroke(d, [(11, 16), (21, 16)], 2.2)
    head(d, (7.5, 16), 180, 5)
    head(d, (24.5, 16), 0, 5)
    stroke(d, [(16, 11), (16, 21)], 2.2)
    head(d, (16, 7.5), 270, 5)
    head(d, (16, 24.5), 90, 5)


def pixel_area(d):
    for i in range(4):
        for j in range(4):
            x, y = 4 + i * 6.25, 4 + j * 6.25
            rect(d, x, y, x + 4.5, y + 4.5, 0.8)


def corners(d):
    for pts in (((5, 12), (5, 5), (12, 5)), ((20, 5), (27, 5), (27, 12)),
                ((27, 20), (27, 27), (20, 27)), ((12, 27), (5, 27), (5, 20))):
        stroke(d, pts, 2.8)


def window_size(d):
    box(d, 3.5, 5.5, 28.5, 26.5, 2.4, 2)
    rect(d, 3.5, 5.5, 28.5, 11, 2)
    stroke(d, [(20.5, 23.5), (25, 19)], 2)
    stroke(d, [(24.5, 23.5), (25, 23)], 2)


# -- options pages


def general(d):
    for y, knob in ((8, 20), (16, 11), (24, 18)):
        stroke(d, [(5, y), (27, y)], 2.2)
        disc(d, knob, y, 3.4)


def floppy(d):
    poly(d, [(4, 4), (23, 4), (28, 9), (28, 28), (4, 28)])
    rect(d, 9.5, 4, 21, 11.5, 0, CLEAR)
    rect(d, 16.5, 5.5, 19.3, 10, 0)
    rect(d, 8.5, 16.5, 23.5, 24.5, 1, CLEAR)


def funnel(d):
    poly(d, [(4, 5), (28, 5), (19, 16.5), (19, 25), (13, 28.5), (13, 16.5)])


def picture(d):
    box(d, 3.5, 5.5, 28.5, 26.5, 2.4, 2)
    poly(d, [(6.5, 24), (13, 15), (18, 21), (21, 17.5), (25.5, 24)])
    disc(d, 21.5, 11, 2.6)


def control_bar(d):
    box(d, 3.5, 6, 28.5, 26, 2.4, 2)
    rect(d, 3.5, 18.5, 28.5, 26, 2)
    poly(d, [(7, 20.2), (11, 22.25), (7, 24.3)], CLEAR)
    rect(d, 13.5, 21.3, 25, 23.2, 0.9, CLEAR)


def menu(d):
    rect(d, 5, 4, 27, 28, 2.5)
    for y in (9.5, 16, 22.5):
        stroke(d, [(9.5, y), (18.5, y)], 2.4, CLEAR)
    stroke(d, [(21.5, 13.5), (23.5, 16), (21.5, 18.5)], 1.8, CLEAR)


def osd(d):
    box(d, 3.5, 5.5, 28.5, 26.5, 2.4, 2)
    rect(d, 7.5, 9.5, 20, 12.5, 0.8)
    rect(d, 7.5, 14.5, 15, 17.5, 0.8)


def keyboard(d):
    rect(d, 2.5, 8, 29.5, 24, 2.5)
    for x in (5, 10, 15, 20, 25):
        rect(d, x, 10.5, x + 2.8, 13.3, 0, CLEAR)
    for x in (7.5, 12.5, 17.5, 22.5):
        rect(d, x, 15, x + 2.8, 17.8, 0, CLEAR)
    rect(d, 9, 19.5, 23, 21.8, 0, CLEAR)


def contrast(d):
    ring(d, 16, 16, 11, 2.4)
    d.pieslice([px(5), px(5), px(27), px(27)], 90, 270, fill=INK)


def info_page(d):
    rect(d, 5, 5, 27, 27, 3.5)
    disc(d, 16, 10, 2, CLEAR)
    rect(d, 14.3, 13.5, 17.7, 23, 0.8, CLEAR)


def fullscreen_page(d):
    corners(d)
    rect(d, 9.5, 10.5, 22.5, 21.5, 1)


# -- timers (a stopwatch holding what the timer does)


def timer_off(d):
    stopwatch(d)
    rect(d, 12.7, 14.7, 19.3, 21.3, 1)


def timer_on(d):
    stopwatch(d)
    poly(d, [(13.5, 13.8), (21.2, 18), (13.5, 22.2)])


def timer_off_longer(d):
    stopwatch(d, 14, 16.5, 8.5)
    rect(d, 11.2, 13.7, 16.8, 19.3, 0.8)
    badge(d, badge_plus)


def timer_on_longer(d):
    stopwatch(d, 14, 16.5, 8.5)
    poly(d, [(11.8, 12.8), (18.3, 16.5), (11.8, 20.2)])
    badge(d, badge_plus)


def timer_cancel(d):
    stopwatch(d)
    stroke(d, [(13, 15), (19, 21)], 2.4)
    stroke(d, [(19, 15), (13, 21)], 2.4)


def app_mark(d):
    box(d, 4, 4, 28, 28, 2.4, 6)
    d.polygon([(px(12), px(10)), (px(23), px(16)), (px(12), px(22))], fill=INK)


# Cell 45 is the program's mark, made into the icon of dialog captions; the
# rename items show it too. Options pages show 80 + their icon.
APP_MARK_CELL = 45
ITEMS = {
    1: play,  # playing track or chapter, play this block or item
    2: pause,  # the playing track or chapter while paused or stopped
    4: add,  # add a chapter, range, marker, file, folder or favorite
    6: delete,  # delete an entry; quit
    7: rate,  # playback rate
    10: submenu_tree,  # a favorites submenu, a folder of folders
    11: open_folder,  # an expanded favorites folder
    12: play_folder,  # a folder that plays its files
    13: media_file,
    14: playlist_file,
    15: bookmark_file,
    16: document,  # any other file
    17: resume_file,  # resume positions kept in a list file
    20: video_stream,
    21: audio_stream,
    22: subtitle_stream,
    23: other_stream,
    25: straight,  # repeat off
    26: loop,  # repeat on
    27: loop_one,  # repeat one file
    28: loop_chapter,  # repeat a chapter
    29: shuffle,
    30: recent,  # recently opened files
    31: most_played,  # files played longest
    32: star,  # favorites
    33: playlist,
    37: loop_file,  # play ranges repeat within the file
    38: loop_all,  # play ranges repeat across all files
    40: file_menu,
    41: wrench,  # file tools
    42: copy,  # copy a name, path or picture
    43: video_size,
    44: layers,  # streams
    45: app_mark,  # also rename
    46: convert,  # play folder and expand folder into each other
    47: camera,  # still-image capture
    48: timer,
    49: gear,  # settings, options window
    50: chapter,
    51: play_range,
    52: marker,
    53: pin_loose,  # always on top, off
    54: pin_fixed,  # always on top, on
    55: monitor_may_sleep,
    56: monitor_kept_on,
    57: audio_device,  # audio device, input balance
    58: volume,
    59: chip,  # a filter of the graph
    60: sort,
    61: search,  # look for files in a folder
    62: info,  # version information
    65: monitor_may_sleep_inverted,  # the same, setting inverted for now
    66: monitor_kept_on_inverted,
    68: grid_create,  # make a jump list
    69: grid_edit,  # edit the jump list
    70: one_to_one,  # the video's own size
    71: percent,  # size presets: zoom percentage
    72: width,
    73: height,
    74: width_height,
    75: pixel_area,
    76: corners,  # full screen
    77: window_size,
    80: general,  # options pages: general
    81: floppy,  # files and saving
    82: funnel,  # filters
    83: grid,  # jump list
    84: picture,  # capture
    85: control_bar,  # control
    86: menu,
    87: osd,
    88: keyboard,  # function bindings
    89: contrast,  # picture properties
    90: info_page,
    91: fullscreen_page,
    93: timer_off,
    94: timer_on,
    95: timer_off_longer,
    96: timer_on_longer,
    97: timer_cancel,
}


def blank(d):
    pass


ITEM_CELLS = [ITEMS.get(n, blank) for n in range(max(ITEMS) + 1)]


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
