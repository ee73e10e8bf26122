"""A real click at the middle of the seek bar of a 60 s clip: the player
seeks near 30 s, says where in percent on the status bar, and the time pane
and the seek bar's thumb move there. A press on a chapter mark of the bar
(from the clip's .zvinf) jumps to that chapter's start, pausing first with
Shift held."""

import os
import re
import shutil

import play_support as ps
import screen
from screen import PARKED, xdotool
import zvtest
from zvtest import BehaviourTest, winpath
from behaviour_control_bar import SEEK_BAR, shot, thumb_column

REF = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ref")


def mark_runs(path):
    """The (first, last) columns of the chapter marks in a seek-bar shot:
    short runs in its middle row darker than the channel around them."""
    grey = screen.grey_row(path, 0.5)
    channel = max(set(grey), key=grey.count)
    runs = []
    for x, v in enumerate(grey):
        if v >= channel - 20:
            continue
        if runs and runs[-1][1] == x - 1:
            runs[-1][1] = x
        else:
            runs.append([x, x])
    return [tuple(r) for r in runs if r[1] - r[0] < 4]


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
        # Playback goes on: the thumb stands where the time pane says, read
        # before and after the grab, which a loaded machine may take seconds for.
        before = ps.elapsed(self)
        at, bar = thumb_column(shot(self, SEEK_BAR, "seek50.png", settled=False))
        after = ps.elapsed(self)
        self.assertGreaterEqual(at / bar, before / 60.0 - 0.05, (before, after))
        self.assertLessEqual(at / bar, (after + 1) / 60.0 + 0.05, (before, after))
        code, _ = self.box.close(self.proc)
        self.assertEqual(code, 0)


class ChapterMarkPress(BehaviourTest):
    def setUp(self):
        super().setUp()
        if not shutil.which("xdotool") or not shutil.which("import"):
            self.skipTest("no xdotool or ImageMagick")
        ps.settings(self.box, repeat=1, keep_awake=0,
                    extra={"Main": {"Pos": "100,100,855,555"}})
        clip = ps.container_clip("avi", 60, os.path.join(ps.engine_media.MEDIA, "seek-marks"),
                                 "marks60.avi")
        ps.write_zvinf(clip, [0, 20000, 40000], [], 60000)
        xdotool("mousemove", *PARKED)
        self.proc = self.box.start(winpath(clip))
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win, "no main window")
        ps.wait_status(self, r"PLAYING")

    def test_a_press_on_a_chapter_mark_jumps_to_the_chapter_start(self):
        # The middle half of the bar, where the marks of 20 s and 40 s stand
        # and the thumb of the first seconds does not.
        left, top, width, height = screen.child_rect(self.win, SEEK_BAR)
        rect = (left + width // 4, top, width // 2, height)
        marks = screen.grab_settled(os.path.join(self.box.dir, "marks.png"), rect)
        runs = mark_runs(marks)
        self.assertEqual(len(runs), 2, runs)
        for (first, last), want in zip(runs, (20, 40)):
            self.assertAlmostEqual((rect[0] + (first + last) / 2 - left) / width, want / 60,
                                   delta=0.02)
        screen.check_reference(self, marks, os.path.join(REF, "seek_bar_marks.png"), most=10,
                               fuzz="8%")
        # A pixel left of a mark still hits it, though the bar's value there
        # lies before the chapter: the press lands on the start itself.
        for (first, _), shift, text, seconds in ((runs[0], True, "02", 20),
                                                 (runs[1], False, "03", 40)):
            with self.subTest(chapter=text):
                press = ["mousemove", rect[0] + first - 1, top + height // 2, "click", 1]
                xdotool(*(["keydown", "shift"] + press + ["keyup", "shift"] if shift else press))
                xdotool("mousemove", *PARKED)
                ps.wait_status(self, r"CHAPTER\s+:\s+%s" % text)
                # Paused by the first press, so the time pane stays put.
                ps.wait_status(self, r"PAUSED")
                self.assertTrue(zvtest.wait_for(lambda: ps.elapsed(self) == seconds, 5),
                                ps.status(self))
        self.assertEqual(self.box.close(self.proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
