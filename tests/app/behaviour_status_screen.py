"""The main window's status bar as the user sees it: the state and the time
drawn legibly in the bitmap font, checked on the screen against reference
images, with the bar's window text as a second witness."""

import os
import re
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "playback"))

import play_support  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, write_ini  # noqa: E402

STATUS_BAR_ID = 32873
REF_NO_FILE = os.path.join(HERE, "ref", "status_no_file.png")
REF_PLAYING = os.path.join(HERE, "ref", "status_playing_state.png")
# The parts of the bar that hold the state and the time.
STATE_WIDTH = 120
TIME_WIDTH = 200
# A settings version above the current one: no start notice in the bar.
QUIET_VERSION = "90691"


class StatusBarOnScreen(BehaviourTest):
    def start(self, *args):
        write_ini(self.box.ini, {"Main": {"Ver": QUIET_VERSION}})
        proc = self.box.start(*args)
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        return proc

    def bar(self):
        # Read afresh: the window takes the video's size once it opens.
        win = self.box.wait_window()
        rect = screen.child_rect(win, STATUS_BAR_ID)
        self.assertIsNotNone(rect, "the status bar is not shown")
        return rect

    def test_without_a_file_the_bar_reads_no_file(self):
        proc = self.start()
        play_support.wait_status(self, r"^NO    FILE\s*$")
        shot = screen.grab_settled(os.path.join(self.box.dir, "nofile.png"), self.bar())
        screen.check_reference(self, shot, REF_NO_FILE, most=20)
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_playing_shows_the_state_and_a_running_time(self):
        clip = play_support.clip(12)
        proc = self.start(zvtest.winpath(clip))
        play_support.wait_status(self, r"^PLAYING\r*\n.*\n\d+:\d\d")
        first_sec = play_support.elapsed(self)
        rect = self.bar()
        left, top, width, height = rect
        first = screen.grab(os.path.join(self.box.dir, "t1.png"), *rect)

        # The state pane, left of the middle: "PLAYING" as in the reference.
        state = screen.crop(first, os.path.join(self.box.dir, "state.png"), 0, 0, STATE_WIDTH,
                            height)
        screen.check_reference(self, state, REF_PLAYING, most=20)

        # The time pane, right of the middle, changes as the clock runs.
        deadline = time.monotonic() + 8
        while play_support.elapsed(self) < first_sec + 2 and time.monotonic() < deadline:
            time.sleep(0.1)
        second = screen.grab(os.path.join(self.box.dir, "t2.png"), *rect)
        text = play_support.status(self)
        self.assertRegex(text, r"^PLAYING\r*\n")
        self.assertGreaterEqual(play_support.elapsed(self), first_sec + 2, text)
        t1, t2 = (screen.crop(p, p + ".time.png", width - TIME_WIDTH, 0, TIME_WIDTH, height)
                  for p in (first, second))
        self.assertGreater(len(screen.colours(t1)), 2, "no time drawn on the bar")
        self.assertGreater(screen.differing_pixels(t1, t2), 10, "the shown time stood still")
        self.assertRegex(text.split("\n")[-1], r"\d+:\d\d")
        self.box.close(proc)


if __name__ == "__main__":
    zvtest.main()
