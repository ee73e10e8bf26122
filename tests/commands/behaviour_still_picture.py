"""A plain JPEG opened from the command line is drawn in the video area,
scaled into the rectangle a video of its size would take, with "PICTURE" on
the status bar. The main window is compared with a reference image and the
two halves of the picture are checked for their colours."""

import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "playback"))

import open_support as osup  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, winpath  # noqa: E402

STATUS_BAR = 32873
CONTROL_PANEL = 32869
RED, BLUE = "FF0000", "0000FF"


def make_halves(path):
    """320x180: the left half pure red, the right half pure blue."""
    subprocess.run(["convert", "-size", "160x180", "xc:#ff0000", "-size", "160x180",
                    "xc:#0000ff", "+append", "-quality", "100", "-strip", path], check=True)


def pixel(path, x, y):
    out = subprocess.run(["convert", path, "-crop", "1x1+%d+%d" % (x, y), "+repage", "txt:"],
                         capture_output=True, text=True, check=True).stdout
    return out.splitlines()[1].split("#")[1][:6].upper()


def near(colour, want, slack=24):
    return all(abs(int(colour[i:i + 2], 16) - int(want[i:i + 2], 16)) <= slack
               for i in (0, 2, 4))


class StillPicture(BehaviourTest):
    def test_a_plain_jpeg_fills_the_video_area(self):
        if not shutil.which("convert"):
            self.skipTest("ImageMagick makes the picture")
        osup.settings(self.box)
        # The pointer away from the window: no hover state in the shot.
        subprocess.run(["xdotool", "mousemove", "1900", "1060"], check=False)
        picture = os.path.join(self.box.dir, "halves.jpg")
        make_halves(picture)
        proc = self.box.start(winpath(picture))
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        osup.watch_status(self, r"PICTURE")

        win = self.box.wait_window()
        left, top = screen.client_origin(win)
        width, height = (int(v) for v in win["client"].split(","))
        panel = screen.child_rect(win, CONTROL_PANEL)
        self.assertIsNotNone(panel, "no control panel")
        area_h = panel[1] - top
        # [Common] "OpSize" 3 keeps the window's area: a 16:9 picture is
        # stretched over the whole 16:9 video area.
        self.assertAlmostEqual(width / area_h, 16 / 9, delta=0.02)

        # Up to the status bar: its middle pane may still hold a start-up
        # notice. Its state pane is shot on its own.
        status = screen.child_rect(win, STATUS_BAR)
        self.assertIsNotNone(status, "no status bar")
        shot = screen.grab_settled(os.path.join(self.box.dir, "main.png"),
                                   (left, top, width, status[1] - top))
        for fx, fy, want in ((0.03, 0.05, RED), (0.45, 0.5, RED), (0.25, 0.95, RED),
                             (0.55, 0.5, BLUE), (0.97, 0.05, BLUE), (0.75, 0.95, BLUE)):
            x, y = int(width * fx), int(area_h * fy)
            colour = pixel(shot, x, y)
            self.assertTrue(near(colour, want), "(%d,%d) is %s, not %s" % (x, y, colour, want))
        screen.check_reference(self, shot, os.path.join(HERE, "ref", "still_picture_main.png"),
                               most=40)
        state = screen.grab_settled(os.path.join(self.box.dir, "state.png"),
                                    (status[0], status[1], 96, status[3]))
        screen.check_reference(self, state, os.path.join(HERE, "ref", "still_picture_state.png"),
                               most=10)
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
