"""Where and how an opened file starts: the position and start state given
on the command line, and an entry number past the list."""

import re
import time

import zvtest
from zvtest import BehaviourTest, winpath
import open_support as s

TIME = re.compile(r"(\d+):(\d\d)   \( -\d+:\d\d \)  /  0:06")


def elapsed(text):
    m = TIME.search(text)
    return int(m.group(1)) * 60 + int(m.group(2)) if m else -1


class StartPosition(BehaviourTest):
    def start(self, *args):
        s.settings(self.box)
        proc = self.box.start(winpath(s.clip(6)), *args)
        self.assertIsNotNone(self.box.wait_window())
        return proc

    def test_positions_and_start_states(self):
        rows = (
            (["-POS", "3"], r"PLAYING", 3),
            (["-POS", "99"], r"PLAYING", 0),  # past the end: from the start
            (["-POS", "3", "-PAU"], r"PAUSED", 3),
        )
        for args, state, at in rows:
            with self.subTest(args=args):
                proc = self.start(*args)
                seen = s.watch_status(self, state)
                self.assertIn(elapsed(seen[-1]), (at, at + 1), seen[-1])
                self.assertEqual(self.box.close(proc)[0], 0)

    def test_entry_past_the_list_is_logged_and_the_first_one_opens(self):
        proc = self.start("-POS", "5,1")
        s.watch_status(self, r"PLAYING")
        self.assertEqual(s.wait_log(self, self.box, r"E1009 : ResumeInfo / FileCount=(\d+) Index=(\d+)"),
                         [("1", "5")])
        self.assertEqual(s.title(), "open6.avi - ZENTAVIO")
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()


class AutoStop(BehaviourTest):
    """Another instance announcing its start of playback while this one is
    still starting up: this one's own file ends up paused."""

    def test_notice_during_start_up_leaves_the_file_paused(self):
        for thread in (0, 1):
            with self.subTest(thread=thread):
                s.settings(self.box, thread=thread)
                proc = self.box.start(winpath(s.clip(6)))
                # The notice goes out as soon as the main window exists.
                deadline = time.monotonic() + 10
                while zvtest.probe("post", "ZENTAVIO", "Zentavio_NotifyMessage", "6")[0] != 0:
                    self.assertLess(time.monotonic(), deadline, "no main window")
                seen = s.watch_status(self, r"AUTO STOP")
                s.watch_status(self, r"^PAUSED")
                self.assertNotIn("PLAYING\r", "".join(seen[-1:]))
                self.assertEqual(self.box.close(proc)[0], 0)
