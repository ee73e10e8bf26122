"""The main window's status bar as the user sees it: the state and the time
drawn legibly in the bitmap font, checked on the screen against reference
images, with the bar's window text as a second witness."""

import os
import re
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "playback"))

import open_support  # noqa: E402
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
# The time pane in its default layout: elapsed ( -remaining ) / total.
TIME = re.compile(r"(\d+):(\d\d)\s+\(\s*-(\d+):(\d\d)\s*\)\s+/\s+(\d+):(\d\d)")
# A settings version above the current one: no start notice in the bar.
QUIET_VERSION = "90691"
# Long enough that a loaded machine still finds the clip playing after the
# state pane has been grabbed and the clock has moved on.
CLIP_SECONDS = 20


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

    def wait_clock(self, seconds):
        """The first status text at or past the elapsed time; a loaded
        machine may read the bar less often than once a second."""
        deadline = time.monotonic() + 15
        text = ""
        while time.monotonic() < deadline:
            text = play_support.status(self)
            m = TIME.search(text)
            if m and int(m.group(1)) * 60 + int(m.group(2)) >= seconds:
                return text
            time.sleep(0.1)
        self.fail("the clock never reached %d s; last %r" % (seconds, text))

    def test_without_a_file_the_bar_reads_no_file(self):
        proc = self.start()
        play_support.wait_status(self, r"^NO    FILE\s*$")
        shot = screen.grab_settled(os.path.join(self.box.dir, "nofile.png"), self.bar())
        screen.check_reference(self, shot, REF_NO_FILE, most=20)
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_playing_shows_the_state_and_a_running_time_up_to_the_total(self):
        clip = play_support.clip(CLIP_SECONDS)
        write_ini(self.box.ini, {"Main": {"Ver": QUIET_VERSION, "Rpt": "0,1"}})
        proc = self.box.start(zvtest.winpath(clip))
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        texts = [play_support.wait_status(self, r"^PLAYING\r*\n.*\n\d+:\d\d")]
        # The state pane, left of the middle: "PLAYING" as in the reference.
        # The bar is read afresh for each grab: under load the window may
        # still be taking the video's size.
        def state():
            rect = self.bar()
            shot = screen.grab(os.path.join(self.box.dir, "t1.png"), *rect)
            return screen.crop(shot, os.path.join(self.box.dir, "state.png"), 0, 0,
                               STATE_WIDTH, rect[3])
        screen.wait_reference(self, state, REF_PLAYING, most=20)
        first_sec = play_support.elapsed(self)
        rect = self.bar()
        left, top, width, height = rect
        first = screen.grab(os.path.join(self.box.dir, "t1.png"), *rect)

        # The time pane, right of the middle, changes as the clock runs.
        texts.append(self.wait_clock(first_sec + 2))
        second = screen.grab(os.path.join(self.box.dir, "t2.png"), *rect)
        t1, t2 = (screen.crop(p, p + ".time.png", width - TIME_WIDTH, 0, TIME_WIDTH, height)
                  for p in (first, second))
        self.assertGreater(len(screen.colours(t1)), 2, "no time drawn on the bar")
        self.assertGreater(screen.differing_pixels(t1, t2), 10, "the shown time stood still")

        # Every time shown adds up, and the end shows the total.
        end = "0:%02d   ( -0:00 )  /  0:%02d" % (CLIP_SECONDS, CLIP_SECONDS)
        texts += open_support.watch_status_closely(self, end, (CLIP_SECONDS + 4) * 1000)
        for text in texts:
            m = TIME.search(text)
            self.assertIsNotNone(m, text)
            elapsed, rest, total = (int(m.group(i)) * 60 + int(m.group(i + 1)) for i in (1, 3, 5))
            self.assertEqual(total, CLIP_SECONDS, text)
            self.assertEqual(elapsed + rest, total, text)
        self.assertIn(end, texts[-1])
        self.box.close(proc)

if __name__ == "__main__":
    zvtest.main()
