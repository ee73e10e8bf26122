"""Panning a video larger than its area with a real left drag, in full screen
and in a maximised window: the picture follows the pointer, stops at the
video's edges, and with "SzPau" playback holds still for the pan. One
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
from zvtest import probe, write_ini  # noqa: E402

FULL = "ZENTAVIO_FULLSCREEN"
REF = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ref")
SHOTS = os.path.join(zvtest.BIN, "..", "screenshots")
FULL_STATUS = 32876
WM_SYSCOMMAND, SC_MAXIMIZE = 0x112, 0xF030
# testsrc at 320x240: the rainbow band runs across rows 180..210, under a
# black bar at the left edge (columns 0..40).
BAND_TOP = 180
CLIP_W, CLIP_H = 320, 240


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def wait_for(what, timeout=20.0):
    end = time.monotonic() + timeout
    while True:
        value = what()
        if value or time.monotonic() > end:
            return value
        time.sleep(0.1)


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


def band_top(path, x):
    """The first row of the column at x that is lit (the rainbow band), or
    None when the whole column is dark."""
    for row, value in enumerate(column(path, x)):
        if value > 150:
            return row
    return None


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

    def like_reference(self, shot, reference):
        """The shot scaled down matches the reference, leaving the moving
        counter some room."""
        small = shot + ".small.png"
        subprocess.run(["convert", shot, "-resize", "64x36!", small], check=True)
        screen.check_reference(self, small, os.path.join(REF, reference), most=150, fuzz="20%")

    def state(self):
        code, out = zvtest.run_to_file(os.path.join(zvtest.BIN, "ScreenProbe.exe"), "text",
                                       str(FULL_STATUS))
        return out if code == 0 else ""

    def wait_state(self, pattern):
        text = wait_for(lambda: re.search(pattern, self.state()) and self.state(), 10)
        self.assertTrue(text, "the state never read %r: %r" % (pattern, self.state()))

    def test_a_left_drag_pans_the_filled_video_up_to_its_edges(self):
        if not shutil.which("import") or not shutil.which("xdotool"):
            self.skipTest("no ImageMagick or xdotool")
        began = time.monotonic()
        # A 4:3 picture filling a 16:9 screen is cropped top and bottom.
        clip = open_support.clip(60, "fspan43.avi", size="%dx%d" % (CLIP_W, CLIP_H))
        xdotool("mousemove", 960, 540)
        write_ini(self.box.ini, {
            "Main": {"Ver": "90690", "Pos": "100,100,640,400"},
            "Common": {"SzPau": "1", "FsSnap": "0"},
            "Fullscr": {"St": "1", "Mon": "0", "Fade": "0,7,5", "Ctrl": "0,0", "Clip": "1"},
        })
        proc = self.box.start(zvtest.winpath(clip))
        self.assertTrue(self.box.wait_window(timeout_ms=30000), "no main window")
        code, out = zvtest.run_to_file(os.path.join(zvtest.BIN, "ScreenProbe.exe"), "window", FULL)
        full = tuple(int(v) for v in re.search(r"rect=(\S+)", out).group(1).split(","))
        fw, fh = full[2] - full[0], full[3] - full[1]
        scale = fw / CLIP_W
        video_h = round(CLIP_H * scale)
        centred = (fh - video_h + 1) // 2
        edge_x = full[0] + round(5 * scale)
        self.wait_state(r"PLAYING")

        def band():
            return band_top(self.shot("column.png", (edge_x, full[1], edge_x + 1, full[3])), 0)

        # Filled and centred: the band lies where the crop puts it.
        at = wait_for(lambda: band() == centred + round(BAND_TOP * scale) and band(), 10)
        self.assertEqual(at, centred + round(BAND_TOP * scale), "not filled and centred")
        self.like_reference(self.shot("centred.png", full), "pan_centred_small.png")

        # A drag of 100 px down moves the picture 100 px down; playback holds.
        x, y = full[0] + fw // 2, full[1] + 500
        xdotool("mousemove", x, y, "mousedown", 1)
        for step in range(1, 11):
            xdotool("mousemove", x, y + 10 * step)
        # A paused picture is drawn from whole source rows: one row is
        # `scale` screen pixels.
        near = lambda want: (lambda: (lambda b: b is not None and abs(b - want) <= scale and b)(
            band()))
        moved = wait_for(near(at + 100), 5)
        self.assertTrue(moved, "the picture did not follow the drag: %r" % (band(),))
        self.wait_state(r"PAUSED")

        # Further down the video's top edge stops at the screen's: no black
        # gap opens above it.
        xdotool("mousemove", x, y + 350)
        self.assertTrue(wait_for(lambda: band() is None, 5),
                        "the band did not leave the screen: %r" % (band(),))
        top = self.shot("top.png", full)
        self.assertGreater(brightness(top, 300, 0, fw - 400, 4), 0.3, "a gap opened above")
        self.like_reference(top, "pan_top_small.png")

        # And up past the other edge: the bottom stays covered.
        xdotool("mousemove", x, y - 300)
        edge = fh - video_h
        moved = wait_for(near(edge + round(BAND_TOP * scale)), 5)
        self.assertTrue(moved, "not at the bottom edge: %r" % (band(),))
        bottom = self.shot("bottom.png", full)
        self.assertGreater(brightness(bottom, 300, fh - 4, fw - 400, 4), 0.3, "a gap opened below")
        self.like_reference(bottom, "pan_bottom_small.png")
        self.wait_state(r"PAUSED")

        # The release resumes playback.
        xdotool("mouseup", 1)
        self.wait_state(r"PLAYING")
        self.box.close(proc)
        print("pan checks took %.1f s" % (time.monotonic() - began))


if __name__ == "__main__":
    zvtest.main()
