"""What the tests of real keys and buttons share: typing through xdotool,
giving the main window the keyboard, and reading what the player shows and
logs."""

import os
import re
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import play_support as ps  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from screen import PARKED, xdotool  # noqa: E402
from zvtest import probe, winpath  # noqa: E402

VIDEO_WINDOW = "32871"


def key(*names):
    xdotool("key", "--delay", "60", *names)


class KeyPlayer:
    """Mixed into a BehaviourTest whose start sets self.win."""

    def open_playing(self, target):
        """Starts the player on target, waits for it to play and gives it
        the keyboard."""
        xdotool("mousemove", *PARKED)
        self.proc = self.box.start(winpath(target))
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win, "no main window")
        ps.wait_status(self, r"PLAYING")
        self.focus()

    def focus(self):
        code, out = probe("wait", "ZENTAVIO", "2000")
        self.assertEqual(code, 0)
        self.win = zvtest.parse_window(out)
        left, top = (int(v) for v in self.win["rect"].split(",")[:2])
        # A click on the title bar gives the window the keyboard.
        xdotool("mousemove", left + 300, top + 12, "click", 1)
        xdotool("mousemove", *PARKED)
        time.sleep(0.3)

    def calls(self):
        return re.findall(r"CALL : (\S+)", ps.open_support.log_text(self.box))

    def wait_call(self, prefix, timeout=10.0):
        found = zvtest.wait_for(lambda: any(c.startswith(prefix) for c in self.calls()), timeout)
        self.assertTrue(found, "no %r among %r" % (prefix, self.calls()[-8:]))

    def video_height(self):
        code, out = probe("child", "ZENTAVIO", VIDEO_WINDOW)
        self.assertEqual(code, 0)
        l, t, r, b = (int(v) for v in out.split("rect=")[1].split(","))
        return b - t

    def video_point(self):
        left, top, width, height = screen.child_rect(self.win, VIDEO_WINDOW)
        return left + width // 2, top + height // 2
