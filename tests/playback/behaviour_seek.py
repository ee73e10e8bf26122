"""A real click at the middle of the seek bar of a 60 s clip: the player
seeks near 30 s, says where in percent on the status bar, and the time pane
and the seek bar's thumb move there."""

import os
import re
import shutil

import play_support as ps
import screen
from screen import PARKED, xdotool
import zvtest
from zvtest import BehaviourTest, winpath
from behaviour_control_bar import SEEK_BAR, shot, thumb_column


class Seek(BehaviourTest):
    def setUp(self):
        super().setUp()
        if not shutil.which("xdotool") or not shutil.which("import"):
            self.skipTest("no xdotool or ImageMagick")
        ps.settings(self.box, repeat=1, keep_awake=0,
                    extra={"Main": {"Pos": "100,100,855,555"}})
        xdotool("mousemove", *PARKED)
        self.proc = self.box.start(winpath(ps.clip(60, "seek60.avi")))
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win, "no main window")
        ps.wait_status(self, r"PLAYING")

    def test_a_click_at_half_the_bar_seeks_to_half_the_clip(self):
        self.assertLess(ps.elapsed(self), 20)
        left, top, width, height = screen.child_rect(self.win, SEEK_BAR)
        xdotool("mousemove", left + width // 2, top + height // 2, "click", 1)
        xdotool("mousemove", *PARKED)
        # Back-quotes read as blanks: "POS : 50.0 %", with the series total.
        text = ps.wait_status(self, r"POS : \d+\.\d %")
        percent = float(re.search(r"POS : (\d+\.\d) %", text).group(1))
        self.assertAlmostEqual(percent, 50.0, delta=4.0, msg=text)
        moved = zvtest.wait_for(lambda: 27 <= ps.elapsed(self) <= 34, timeout=10)
        self.assertTrue(moved, "the time pane shows %d s" % ps.elapsed(self))
        # Playback goes on: the thumb stands where the time pane says.
        now = ps.elapsed(self)
        at, bar = thumb_column(shot(self, SEEK_BAR, "seek50.png", settled=False))
        self.assertAlmostEqual(at / bar, now / 60.0, delta=0.05)
        code, _ = self.box.close(self.proc)
        self.assertEqual(code, 0)


if __name__ == "__main__":
    zvtest.main()
