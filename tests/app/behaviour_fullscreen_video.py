"""The video of a playing clip in full screen, back in the window and in a
maximised window, seen on the screen: the picture fills the rectangle fitted
to the area and the rest stays black. One player start for all of it."""

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
VIDEO = open_support.VIDEO_WINDOW_ID
REF = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ref")
SHOTS = os.path.join(zvtest.BIN, "..", "screenshots")
WM_SYSCOMMAND, SC_MAXIMIZE = 0x112, 0xF030


def video_rect(cls):
    """The video window's rectangle in the client of the first visible
    window of the class, or None while it is hidden."""
    code, out = probe("child", cls, VIDEO)
    if code != 0 or "visible=1" not in out:
        return None
    return tuple(int(v) for v in re.search(r"rect=(\S+)", out).group(1).split(","))


def fitted(area_w, area_h, video_w, video_h):
    """The rectangle a video fitted into an area takes, centred."""
    if video_w * area_h > area_w * video_h:
        w, h = area_w, round(area_w * video_h / video_w)
    else:
        w, h = round(area_h * video_w / video_h), area_h
    left, top = (area_w - w + 1) // 2, (area_h - h + 1) // 2
    return left, top, left + w, top + h


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def colours(path):
    return screen.colours(path)


def shrunk(path, out, size="64x48!"):
    """The shot scaled down: the picture's structure without the moving
    counter's detail."""
    subprocess.run(["convert", path, "-resize", size, out], check=True)
    return out


class FullScreenVideoTest(zvtest.BehaviourTest):
    def shot(self, name, rect):
        """Grabs rect; the shots stay in the build folder to be looked at."""
        os.makedirs(SHOTS, exist_ok=True)
        path = os.path.join(SHOTS, "fullscreen_video_" + name)
        return screen.grab(path, rect[0], rect[1], rect[2] - rect[0], rect[3] - rect[1])

    def assert_picture(self, name, rect, reference):
        """The screen over rect shows the test pattern: many colours, and
        the layout of the reference (scaled down, with tolerance for the
        moving parts). A frame or two may pass before a moved video shows."""
        ref = os.path.join(REF, reference)

        def settled():
            shot = self.shot(name, rect)
            if len(colours(shot)) <= 50:
                return None
            return 0 <= screen.differing_pixels(shrunk(shot, shot + ".small.png"), ref,
                                                "20%") <= 600
        zvtest.wait_for(settled, 5)
        shot = self.shot(name, rect)
        self.assertGreater(len(colours(shot)), 50, "no picture in %r" % (rect,))
        small = shrunk(shot, shot + ".small.png")
        screen.check_reference(self, small, ref, most=600, fuzz="20%")

    def assert_black(self, name, rect):
        shot = self.shot(name, rect)
        result = subprocess.run(["convert", shot, "-format", "%[fx:maxima]", "info:"],
                                capture_output=True, text=True, check=True)
        self.assertLess(float(result.stdout), 0.1, "not black: %r" % (rect,))

    def test_full_screen_window_and_maximised_show_the_fitted_video(self):
        if not shutil.which("import") or not shutil.which("xdotool"):
            self.skipTest("no ImageMagick or xdotool")
        began = time.monotonic()
        # A 4:3 picture leaves black bars at the sides of a 16:9 screen.
        clip = open_support.clip(30, "fsvideo43.avi", size="320x240")
        xdotool("mousemove", 960, 540)
        write_ini(self.box.ini, {
            "Main": {"Ver": "90690", "Pos": "100,100,640,400"},
            "Fullscr": {"St": "1", "Mon": "0", "Fade": "0,7,5", "Ctrl": "0,0"},
        })
        proc = self.box.start(zvtest.winpath(clip))
        self.assertTrue(self.box.wait_window(timeout_ms=30000), "no main window")
        code, out = zvtest.run_to_file(os.path.join(zvtest.BIN, "ScreenProbe.exe"), "window", FULL)
        full = tuple(int(v) for v in re.search(r"rect=(\S+)", out).group(1).split(","))
        fw, fh = full[2] - full[0], full[3] - full[1]

        # Full screen: the video window is in the full-screen window, fitted.
        expected = fitted(fw, fh, 320, 240)
        rect = zvtest.wait_for(lambda: video_rect(FULL) == expected and video_rect(FULL))
        self.assertEqual(rect, expected, "video in full screen: %r" % (video_rect(FULL),))
        self.assert_picture("full.png", tuple(v + o for v, o in zip(rect, full[:2] * 2)),
                            "fullscreen_video_small.png")
        self.assert_black("full_bar.png", (full[0], full[1] + 100, full[0] + rect[0] - 2,
                                           full[3] - 100))

        # Leaving by the title bar's close button: back in the window, at its size.
        # Over the black bar: the video window does not pass the pointer on.
        xdotool("mousemove", 100, 300, "mousemove", 100, 3, "mousemove", 101, 4)
        title = screen.title_overlay(full[1])
        self.assertTrue(title, "the title overlay did not show")
        title_h = title[3] - title[1]
        xdotool("mousemove", full[2] - title_h, full[1] + title_h // 2, "click", 1)
        rect = zvtest.wait_for(lambda: video_rect("ZENTAVIO"))
        self.assertTrue(rect, "the video did not come back to the main window: %r %r %r %s" % (
            zvtest.run_to_file(os.path.join(zvtest.BIN, "ScreenProbe.exe"), "window", FULL),
            probe("child", "ZENTAVIO", VIDEO), proc.poll(), self.box.output(proc)[-3000:]))
        win = self.box.wait_window()
        area_w, area_h = (int(v) for v in win["client"].split(","))
        # The window kept its size; the video is fitted into its video area
        # (the client less the bottom panel), centred.
        w, h = rect[2] - rect[0], rect[3] - rect[1]
        self.assertAlmostEqual(w / h, 4 / 3, delta=0.02, msg="video in the window %r" % (rect,))
        self.assertTrue(w == area_w or rect[1] == 0, "not fitted: %r in %d" % (rect, area_w))
        self.assertLessEqual(abs(rect[0] - (area_w - rect[2])), 1, "not centred: %r" % (rect,))
        sx, sy, sw, sh = screen.child_rect(win, VIDEO)
        self.assert_picture("window.png", (sx, sy, sx + sw, sy + sh), "fullscreen_video_small.png")

        # Maximised: the video fitted into the larger area, centred.
        probe("post", "ZENTAVIO", str(WM_SYSCOMMAND), str(SC_MAXIMIZE), "0")
        grown = zvtest.wait_for(lambda: (video_rect("ZENTAVIO") or (0, 0, 0, 0))[3] > rect[3] + 100
                         and video_rect("ZENTAVIO"))
        self.assertTrue(grown, "maximising did not refit the video: %r" % (video_rect("ZENTAVIO"),))
        win = self.box.wait_window()
        sx, sy, sw, sh = screen.child_rect(win, VIDEO)
        self.assertAlmostEqual(sw / sh, 4 / 3, delta=0.02)
        self.assert_picture("maximised.png", (sx, sy, sx + sw, sy + sh),
                            "fullscreen_video_small.png")
        self.box.close(proc)
        print("fullscreen video checks took %.1f s" % (time.monotonic() - began))


if __name__ == "__main__":
    zvtest.main()
