"""Previous and next on the control bar of the real player, clicked with
xdotool: a click steps by file (within 2.5 s of the start back to the
previous file, later back to the start; next on the last entry in repeat
OFF pauses at its end, again restarts the list with "REPEAT"), a right
click skips to the chapters and markers of the file's .zvinf. The end of
stream in SHUFFLE follows the shuffle order and says where it stands; in
repeat OFF it passes over an entry the folder's resume record unchecks."""

import os
import re
import shutil
import sys
import time

import open_support
import play_support as ps
from play_support import engine_media
import screen
import zvtest
from zvtest import BehaviourTest, winpath

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "playlist"))
sys.path.insert(0, os.path.join(HERE, "..", "filedata"))
import shuffle_reference  # noqa: E402
from behaviour_resume import key_of  # noqa: E402

MEDIA = os.path.join(engine_media.MEDIA, "track-nav")
PREV, NEXT = 32971, 32974


def folder_of(name, count, seconds):
    """A folder of count AVI clips that sort in order."""
    folder = os.path.join(MEDIA, name)
    for i in range(count):
        ps.container_clip("avi", seconds, folder, "%d-clip.avi" % (i + 1))
    return folder


def plays(box, after=0):
    return [t["track"] for t in ps.traces(box)[after:] if t["cause"] == "play"]


class NavTest(BehaviourTest):
    def setUp(self):
        super().setUp()
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool for real input")

    def begin(self, target, repeat):
        ps.settings(self.box, repeat=repeat, keep_awake=0, countdown=0)
        proc = self.box.start(winpath(target))
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win, "no main window")
        ps.wait_trace(self, self.box, "play", timeout=20)
        return proc

    def click(self, cid, button=1):
        screen.click_child(self, self.win, cid, 0.5, button)

    def click_and_trace(self, cid, cause, track):
        """Clicks and waits for the trace of the cause on the track."""
        after = len(ps.traces(self.box))
        self.click(cid)
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            for t in ps.traces(self.box)[after:]:
                if t["cause"] == cause and t["track"] == track:
                    return t
            time.sleep(0.05)
        self.fail("no %r on track %d; have %r; status %r" % (cause, track, ps.traces(self.box)[after:],
                                                              ps.status(self)))

    def wait_elapsed(self, test, timeout=15.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if test(ps.elapsed(self)):
                return
            time.sleep(0.1)
        self.fail("time pane %r" % ps.status(self))


class PreviousAndNext(NavTest):
    def test_clicks_follow_the_2500_ms_rule_and_the_last_entry_pauses_then_restarts(self):
        proc = self.begin(folder_of("three8", 3, 8), repeat=0)
        self.click_and_trace(NEXT, "play", 1)
        # Within 2.5 s of its start previous opens the file before.
        self.click_and_trace(PREV, "play", 0)
        # Later it goes back to the start of the same file.
        self.wait_elapsed(lambda s: s >= 3)
        n = len(ps.traces(self.box))
        self.click(PREV)
        self.wait_elapsed(lambda s: s < 2)
        self.assertEqual(plays(self.box, n), [])
        # At the first entry in repeat OFF: back to 0 and paused.
        paused = self.click_and_trace(PREV, "pause", 0)
        self.assertEqual(paused["started"], 0)

        self.click_and_trace(NEXT, "play", 1)
        self.click_and_trace(NEXT, "play", 2)
        # Next on the last entry pauses at its end; again, the list restarts.
        self.click_and_trace(NEXT, "pause", 2)
        self.wait_elapsed(lambda s: s >= 7)
        self.click_and_trace(NEXT, "play", 0)
        ps.wait_status(self, r"REPEAT")
        self.box.close(proc)


class SkipPoints(NavTest):
    def test_right_clicks_skip_to_markers_and_chapters_and_go_on_after_a_landing(self):
        media = ps.container_clip("avi", 12, os.path.join(MEDIA, "points"), "points12.avi")
        ps.write_zvinf(media, [0, 6000], [3000, 9000], 12000)
        proc = self.begin(media, repeat=0)
        # Paused, the position is where each skip landed, whatever the
        # time between the clicks.
        self.click_and_trace(ps.PLAY_BUTTON, "pause", 0)
        for cid, text in [(NEXT, r"POS\s+:\s+MARKER\s+1"), (NEXT, r"POS\s+:\s+CHAPTER\s+2"),
                          (NEXT, r"POS\s+:\s+MARKER\s+2"), (PREV, r"POS\s+:\s+CHAPTER\s+2")]:
            with self.subTest(text=text):
                self.click(cid, button=3)
                ps.wait_status(self, text, timeout=5)
        self.assertEqual(ps.elapsed(self), 6)
        self.box.close(proc)


class ShuffleEnd(NavTest):
    def test_the_end_of_each_file_follows_the_shuffle_order(self):
        folder = folder_of("four2", 4, 2)
        proc = self.begin(folder, repeat=4)
        # A folder's list path ends in its separator.
        order = shuffle_reference.build(4, shuffle_reference.seed_of(winpath(folder) + "\\"))
        place = order.index(0)
        for _ in range(2):
            place += 1
            track = order[place]
            text = ps.wait_status(self, r"SHUFFLE\s+:\s+%02d\s+\(\d+\s*,\s*\d+\)" % (track + 1),
                                  timeout=20)
            m = re.search(r"\((\d+)\s*,\s*(\d+)\)", text)
            self.assertEqual((int(m.group(1)), int(m.group(2))), (place // 4 + 1, place % 4 + 1))
        self.box.close(proc)


class UncheckedEnd(NavTest):
    def test_the_end_of_a_file_passes_over_an_unchecked_entry(self):
        folder = folder_of("three2", 3, 2)
        # The folder's record: entry 1 at 0 s, check boxes on and entry 2
        # unchecked (bit 1 of the tracks' digits).
        with open(os.path.join(self.box.dir, "Resume.dat"), "w", newline="\r\n") as f:
            f.write("[ZENTAVIO_RESUME]\n%s=0,1,2\n" % key_of(os.path.basename(folder)))
        proc = self.begin(folder, repeat=0)
        titles = []

        def at_third():
            title = open_support.title()
            if title and title not in titles:
                titles.append(title)
            return "3-clip.avi" in title
        self.assertTrue(zvtest.wait_for(at_third, timeout=20), titles)
        self.assertIn("1-clip.avi", titles[0])
        # No checked entry follows in repeat OFF: held at the end.
        held = ps.wait_trace(self, self.box, "hold", timeout=15)
        self.assertEqual((held["track"], held["held"]), (2, 1))
        self.assertEqual(plays(self.box), [0, 2])
        self.assertFalse([t for t in titles if "2-clip.avi" in t], titles)
        self.box.close(proc)


if __name__ == "__main__":
    zvtest.main()
