"""Panning a video larger than its area with a real left drag, in full screen:
a right drag first zooms the fitted video past the screen, then the picture
follows the pointer, stops at the video's edges, holds playback still for
the pan with "SzPau", and keeps the panned part once playing again. One
player start for all of it."""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import open_support  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from zvtest import write_ini  # noqa: E402

FULL = "ZENTAVIO_FULLSCREEN"
REF = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ref")
SHOTS = os.path.join(zvtest.BIN, "..", "screenshots")
FULL_STATUS = 32876
# testsrc at 320x240: the rainbow band runs across rows 180..210, over a
# black bar at the left edge (columns 0..20) and a white one at the right
# (columns 300..320).
CLIP_W, CLIP_H = 320, 240
SMALL_H = 36


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def column(path, x):
    """The brightness (0..765) of each pixel of one column of an image."""
    out = subprocess.run(["convert", path, "-crop", "1x100000+%d+0" % x, "+repage", "txt:-"],
                         capture_output=True, text=True, check=True).stdout
    values = []
    for line in out.splitlines()[1:]:
        m = re.search(r"\((\d+),(\d+),(\d+)", line)
        if m:
            values.append(sum(int(v) for v in m.groups()))
    return values


def band_top(path, x, white=False):
    """The first row of the column at x where the rainbow band begins: the
    first lit row of a dark column (the black bar at the left), or the first
    row below white of a white one (the bar at the right); None when the
    column shows no band."""
    for row, value in enumerate(column(path, x)):
        if (value < 600) if white else (value > 150):
            return row
    return None


def first_lit(path, y):
    """The first lit column of one row of an image, or -1."""
    out = subprocess.run(["convert", path, "-crop", "100000x1+0+%d" % y, "+repage", "txt:-"],
                         capture_output=True, text=True, check=True).stdout
    for line in out.splitlines()[1:]:
        m = re.match(r"(\d+),\d+:.*?\((\d+),(\d+),(\d+)", line)
        if m and sum(int(v) for v in m.groups()[1:]) > 150:
            return int(m.group(1))
    return -1


def band_rows(path, x):
    """The first and last lit rows of a dark column, or None."""
    lit = [row for row, value in enumerate(column(path, x)) if value > 150]
    return (lit[0], lit[-1]) if lit else None


def brightness(path, left, top, width, height):
    """The mean brightness (0..1) of a part of an image."""
    out = subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (width, height, left, top),
                          "+repage", "-colorspace", "gray", "-format", "%[fx:mean]", "info:"],
                         capture_output=True, text=True, check=True).stdout
    return float(out)


class FullScreenPanTest(zvtest.BehaviourTest):
    def shot(self, name, rect):
        os.makedirs(SHOTS, exist_ok=True)
        path = os.path.join(SHOTS, "pan_" + name)
        return screen.grab(path, rect[0], rect[1], rect[2] - rect[0], rect[3] - rect[1])

    def like_reference(self, shot, reference, band=None):
        """The shot scaled down matches the reference, leaving the moving
        counter some room; band (its first and last screen rows) is left
        aside, as its colours run."""
        small = shot + ".small.png"
        subprocess.run(["convert", shot, "-resize", "64x36!", small], check=True)
        reference = os.path.join(REF, reference)
        if band and not os.environ.get("ZV_SAVE_REF"):
            rows = int(SMALL_H * band[0] / self.height) - 1, int(SMALL_H * band[1] / self.height) + 1
            aside = [(0, rows[0], 64, rows[1] - rows[0] + 1)]
            small = screen.blank_out(small, small, aside)
            reference = screen.blank_out(reference, shot + ".ref.png", aside)
        screen.check_reference(self, small, reference, most=150, fuzz="20%")

    def state(self):
        code, out = zvtest.run_to_file(os.path.join(zvtest.BIN, "ScreenProbe.exe"), "text",
                                       str(FULL_STATUS))
        return out if code == 0 else ""

    def wait_state(self, pattern):
        text = zvtest.wait_for(lambda: re.search(pattern, self.state()) and self.state(), 10)
        self.assertTrue(text, "the state never read %r: %r" % (pattern, self.state()))

    def test_a_video_zoomed_past_the_screen_pans_up_to_its_edges_and_holds(self):
        if not shutil.which("import") or not shutil.which("xdotool"):
            self.skipTest("no ImageMagick or xdotool")
        began = time.monotonic()
        clip = open_support.clip(60, "fspan43.avi", size="%dx%d" % (CLIP_W, CLIP_H))
        xdotool("mousemove", 960, 540)
        write_ini(self.box.ini, {
            "Main": {"Ver": "90690", "Pos": "100,100,640,400"},
            "Common": {"SzPau": "1", "FsSnap": "0", "DrgSize": "2"},
            "Fullscr": {"St": "1", "Mon": "0", "Fade": "0,7,5", "Ctrl": "0,0", "Clip": "0"},
        })
        proc = self.box.start(zvtest.winpath(clip))
        self.assertTrue(self.box.wait_window(timeout_ms=30000), "no main window")
        code, out = zvtest.run_to_file(os.path.join(zvtest.BIN, "ScreenProbe.exe"), "window", FULL)
        full = tuple(int(v) for v in re.search(r"rect=(\S+)", out).group(1).split(","))
        fw, fh = full[2] - full[0], full[3] - full[1]
        self.height = fh
        self.wait_state(r"PLAYING")

        def shot_full(name):
            return self.shot(name, full)

        def col(x, white=False):
            return band_top(self.shot("column.png", (full[0] + x, full[1], full[0] + x + 1,
                                                     full[3])), 0, white)

        # Fitted: a 4:3 picture on a 16:9 screen leaves the right edge dark.
        self.assertTrue(zvtest.wait_for(lambda: brightness(shot_full("fit.png"), fw - 4, 0, 4, fh) < 0.05,
                                 10), "the fitted video reaches the right edge")

        # A right drag upward makes the video taller than the screen: past the
        # screen's height the zoom grows faster, beyond filling its width.
        cx, cy = full[0] + fw // 2, full[1] + 800
        xdotool("mousemove", cx, cy, "mousedown", 3)
        for step in range(1, 9):
            xdotool("mousemove", cx, cy - 50 * step)
        xdotool("mouseup", 3)
        self.assertTrue(zvtest.wait_for(lambda: brightness(shot_full("big.png"), fw - 4, 0, 4, fh) > 0.5,
                                 10), "the video did not grow past the screen's width")
        self.like_reference(shot_full("centred.png"), "pan_centred_small.png",
                            (fh * 3 // 4, fh))

        # A left drag to the right stops at the video's left edge (the band
        # reaches the screen's left column: no gap), height unchanged.
        x, y = full[0] + fw // 2, full[1] + fh // 2
        xdotool("mousemove", x, y, "mousedown", 1)
        for step in range(1, 9):
            xdotool("mousemove", x + 50 * step, y)

        def black_bar():
            # Inside the black bar only the band is lit, in one run of rows.
            rows = band_rows(self.shot("column.png", (full[0] + 100, full[1], full[0] + 101,
                                                      full[3])), 0)
            lit = rows and band_top(self.shot("edge.png", (full[0], full[1] + rows[0],
                                                           full[0] + 1, full[1] + rows[1] + 1)), 0)
            return rows if rows and rows[1] - rows[0] < fh // 3 and lit == 0 else None

        rows = zvtest.wait_for(black_bar, 5)
        self.assertTrue(rows, "the left edge did not reach the screen's")
        self.wait_state(r"PAUSED")
        # Still centred vertically, the band's top row (180 of 240) gives the
        # zoom; the top edge below checks it.
        zoom = (rows[0] - fh / 2) / 60.0
        video_h = 240 * zoom
        self.assertGreater(video_h, fh, "not taller than the screen: %r" % (rows,))
        self.assertGreater(320 * zoom, fw, "not wider than the screen: %r" % (rows,))

        # A paused picture is drawn from whole source rows, so a row found
        # is off by up to a zoom's worth; derived from the zoom, by two.
        def near(want, white=False, slack=1):
            def check():
                b = col(fw - 5, True) if white else col(20)
                return b is not None and abs(b - want) <= slack * zoom + 1 and b
            return check

        # Down by 100 px: the picture follows.
        xdotool("mousemove", x + 400, y + 100)
        self.assertTrue(zvtest.wait_for(near(rows[0] + 100), 5),
                        "the picture did not follow the drag: %r" % (col(20),))

        # Far down: the top edge stops at the screen's, no gap above; the
        # black bar's end on the top rows (column 40) tells both edges.
        xdotool("mousemove", x + 400, y + 440)

        def bar_end():
            return first_lit(self.shot("row.png", (full[0], full[1] + 30, full[2],
                                                   full[1] + 31)), 0)
        at = zvtest.wait_for(lambda: col(20) is None and abs(bar_end() - 40 * zoom) <= 2 * zoom + 1,
                      5)
        self.assertTrue(at, "not at the top left corner: %r, %r" % (col(20), bar_end()))
        corner = shot_full("top_left.png")
        self.assertGreater(brightness(corner, 300, 0, fw - 400, 4), 0.3, "a gap opened above")
        self.like_reference(corner, "pan_top_left_small.png")

        # Far up and left: the bottom right corner, both sides covered.
        bottom = fh - video_h + 180 * zoom
        xdotool("mousemove", x - 400, y - 440)
        self.assertTrue(zvtest.wait_for(near(bottom, True, 2), 5),
                        "not at the bottom edge: %r, not %r" % (col(fw - 5, True), bottom))
        corner = shot_full("bottom_right.png")
        self.assertGreater(brightness(corner, 300, fh - 4, fw - 400, 4), 0.3, "a gap opened below")
        self.assertGreater(brightness(corner, fw - 4, 0, 4, fh // 2), 0.5, "a gap opened right")
        self.like_reference(corner, "pan_bottom_right_small.png", (bottom, bottom + 30 * zoom))
        self.wait_state(r"PAUSED")

        # The release resumes playback, and the running picture keeps the
        # panned part.
        xdotool("mouseup", 1)
        self.wait_state(r"PLAYING")
        held = zvtest.wait_for(near(bottom, True, 2), 5)
        self.assertTrue(held, "the running picture left the panned part: %r" % (col(fw - 5, True),))
        self.like_reference(shot_full("released.png"), "pan_bottom_right_small.png",
                            (bottom, bottom + 30 * zoom))
        self.box.close(proc)
        print("pan checks took %.1f s" % (time.monotonic() - began))


if __name__ == "__main__":
    zvtest.main()
