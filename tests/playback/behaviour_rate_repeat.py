"""The repeat button and the play button's rate toggle under real pointer
input, and the pause colour of the bars: the repeat texts cycle on the
status bar and [Main] "Rpt" follows them at exit; a middle click on the
play button toggles the rate between the preset and 100 %; with [Ctrl]
"PauClr" a paused file's seek bar and status bar take the pause colour
(screenshot crops compared with references in tests/playback/ref that were
looked at). Wine's SetRate changes nothing, so the rate is seen in its
texts and the INI, not in speed. Values of [Main] "Rpt" and "RateRng"
out of their ranges read as the defaults."""

import os
import shutil

import play_support as ps
import screen
from screen import PARKED, xdotool
import zvtest
from zvtest import BehaviourTest, read_ini, winpath

HERE = os.path.dirname(os.path.abspath(__file__))
REF = os.path.join(HERE, "ref")
PLAY, REPEAT = 32970, 32979
SEEK_BAR, STATUS_BAR = 33070, 32873
# Play (slot code 2) and repeat (0x15) on the button row.
BUTTON_ORDER = "02FF15"


class RateRepeat(BehaviourTest):
    def setUp(self):
        super().setUp()
        if not shutil.which("xdotool") or not shutil.which("import"):
            self.skipTest("no xdotool or ImageMagick")
        ps.settings(self.box, repeat=1, keep_awake=0,
                    extra={"Main": {"Pos": "100,100,855,555", "LtRate": "150", "HdBtn": "0"},
                           "Ctrl": {"BtnOdr": BUTTON_ORDER, "PauClr": "1"}})
        self.clip = ps.clip(60, "rate60.avi")
        xdotool("mousemove", *PARKED)
        self.proc = self.box.start(winpath(self.clip))
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win, "no main window")
        ps.wait_status(self, r"PLAYING")

    def click(self, cid, fraction=0.5, button=1):
        screen.click_child(self, self.win, cid, fraction, button)

    def crop(self, cid, name, left, right):
        """A settled screenshot of the part of a child window between the
        fractions left and right of its width, without its edges."""
        x, y, width, height = screen.child_rect(self.win, cid)
        rect = (x + int(width * left), y + 2, int(width * (right - left)), height - 4)
        return screen.grab_settled(os.path.join(self.box.dir, name), rect)

    def check(self, shot, ref_name):
        screen.check_reference(self, shot, os.path.join(REF, ref_name), most=20, fuzz="8%")

    def test_repeat_clicks_rate_toggle_and_pause_colour(self):
        # Each click steps the mode on and says it; from SHUFFLE it wraps.
        for mode, text in ((2, "REPEAT : FILE"), (3, "REPEAT : CHAPTER"),
                           (4, "REPEAT : SHUFFLE"), (0, "REPEAT : OFF")):
            self.click(REPEAT)
            ps.wait_status(self, text.replace(" ", " +"))

        # The play button's middle click toggles the preset rate and 100 %.
        self.click(PLAY, button=2)
        ps.wait_status(self, r"RATE : \*1\.50")
        self.click(PLAY, button=2)
        ps.wait_status(self, r"RATE : \*1\.00 +\(DEF\)")

        # Playing, the bars keep their normal colour; paused, the pause one.
        self.click(SEEK_BAR, 0.5)
        ps.wait_status(self, r"PLAYING")
        playing_seek = self.crop(SEEK_BAR, "seek-playing.png", 0.05, 0.40)
        playing_status = self.crop(STATUS_BAR, "status-playing.png", 0.12, 0.25)
        self.click(PLAY)
        ps.wait_status(self, r"PAUSED")
        paused_seek = self.crop(SEEK_BAR, "seek-paused.png", 0.05, 0.40)
        paused_status = self.crop(STATUS_BAR, "status-paused.png", 0.12, 0.25)
        self.check(playing_seek, "rate_seek_playing.png")
        self.check(paused_seek, "rate_seek_paused.png")
        self.check(playing_status, "rate_status_playing.png")
        self.check(paused_status, "rate_status_paused.png")

        code, _ = self.box.close(self.proc)
        self.assertEqual(code, 0)
        sections, _ = read_ini(self.box.ini)
        self.assertEqual(sections["Main"]["Rpt"], "0,1")
        self.assertEqual(sections["Main"]["LtRate"], "150")


class OutOfRangeSettings(BehaviourTest):
    def setUp(self):
        super().setUp()
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool for real input")
        self.clip = ps.clip(60, "rate60.avi")

    def start(self, main):
        main = dict({"Pos": "100,100,855,555", "HdBtn": "0"}, **main)
        ps.settings(self.box, repeat=1, keep_awake=0,
                    extra={"Main": main, "Ctrl": {"BtnOdr": BUTTON_ORDER}})
        xdotool("mousemove", *PARKED)
        proc = self.box.start(winpath(self.clip))
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win, "no main window")
        ps.wait_status(self, r"PLAYING")
        return proc

    def toggle_rate(self):
        """The middle click on play goes to the preset 150 % and back; limits
        taken as they stand would clamp the preset away."""
        screen.click_child(self, self.win, PLAY, button=2)
        ps.wait_status(self, r"RATE : \*1\.50")
        screen.click_child(self, self.win, PLAY, button=2)
        ps.wait_status(self, r"RATE : \*1\.00 +\(DEF\)")

    def test_bad_repeat_and_rate_limits_read_as_the_defaults(self):
        # Repeat 9 reads as ON: the click goes on to FILE and is saved so.
        proc = self.start({"Rpt": "9,9", "RateRng": "0,0"})
        screen.click_child(self, self.win, REPEAT)
        ps.wait_status(self, r"REPEAT +: +FILE")
        self.toggle_rate()
        self.assertEqual(self.box.close(proc)[0], 0)
        sections, _ = read_ini(self.box.ini)
        self.assertEqual(sections["Main"]["Rpt"], "2,1")
        # A minimum above the maximum.
        proc = self.start({"RateRng": "500,10"})
        self.toggle_rate()
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
