"""The real pointer on the seek bar of a video-only clip: a topmost layered
popup above the bar, centred on the pointer inside the video area, says
"LOADING..." while the preview player opens the clip, then shows the frame
with the time label; it hides 3000 ms after the last request (2500 ms
without a frame), and the same time asked twice seeks once. The middle
button switches the frame preview off for the run; with [Ctrl] "SbTip" 1
the popup holds the label alone."""

import os
import re
import shutil
import time

import play_support as ps
import screen
from screen import PARKED, xdotool
import zvtest
from zvtest import BehaviourTest, probe, winpath

REF = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ref")
SEEK_BAR = 33070
VIDEO_AREA = int(ps.open_support.VIDEO_WINDOW_ID)
LOG_LINE = re.compile(r"PREVIEW : (\w+)(.*)")


def bars_clip():
    """Ten minutes of still colour bars, video only (MJPEG in an AVI)."""
    out = os.path.join(ps.engine_media.MEDIA, "preview-bars600.avi")
    if not os.path.exists(out):
        os.makedirs(ps.engine_media.MEDIA, exist_ok=True)
        ps.engine_media._ffmpeg(out, "-f", "lavfi", "-i",
                                "smptebars=size=320x180:rate=2:duration=600",
                                *ps.engine_media.MJPEG)
    return out


def preview_lines(box):
    """The preview's trace lines so far: (word, rest) pairs."""
    if not os.path.exists(box.log):
        return []
    with open(box.log, encoding="utf-8-sig", errors="replace") as f:
        return [m.groups() for m in map(LOG_LINE.search, f) if m]


def ticks(lines, word):
    return [int(re.search(r"tick=(\d+)", rest).group(1)) for w, rest in lines if w == word]


def wait_line(test, word, after=0, timeout=15.0):
    """The lines once one of the word stands past the first `after`."""
    found = zvtest.wait_for(
        lambda: [l for l in preview_lines(test.box)[after:] if l[0] == word], timeout)
    test.assertTrue(found, "no %r line after %d: %r" % (word, after,
                                                        preview_lines(test.box)[after:]))
    return preview_lines(test.box)


def popup(timeout=5.0):
    """The shown layered popup of the main window: (left, top, right,
    bottom, facts text), or None."""
    def shown():
        code, out = probe("owned", "ZENTAVIO")
        for line in out.splitlines() if code == 0 else []:
            if "layered=1" in line:
                rect = tuple(int(v) for v in line.split("rect=")[1].split()[0].split(","))
                if rect[2] > rect[0]:
                    return rect + (line,)
        return None
    return zvtest.wait_for(shown, timeout)


class PreviewCase(BehaviourTest):
    SB_TIP = "7"
    # An opacity of 0 and the smallest height above the largest: repaired.
    DETAILS = "100,0,30,300,100"

    def setUp(self):
        super().setUp()
        if not shutil.which("xdotool") or not shutil.which("import"):
            self.skipTest("no xdotool or ImageMagick")
        ps.settings(self.box, repeat=1, keep_awake=0,
                    extra={"Main": {"Pos": "100,100,855,555"},
                           "Ctrl": {"SbTip": self.SB_TIP, "SbTipDtl": self.DETAILS}})
        xdotool("mousemove", *PARKED)
        self.proc = self.box.start(winpath(bars_clip()))
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win, "no main window")
        ps.wait_status(self, r"PLAYING")
        self.bar = screen.child_rect(self.win, SEEK_BAR)
        self.assertIsNotNone(self.bar)
        # Three quarters along the bar, where the thumb of the first
        # seconds is not.
        left, top, width, height = self.bar
        self.at = (left + width * 3 // 4, top + height // 2)

    def hover(self, dx=0):
        xdotool("mousemove", self.at[0] + dx, self.at[1])

    def check_place(self, rect):
        left, top, right, bottom, facts = rect
        self.assertIn("topmost=1", facts)
        self.assertEqual(bottom, self.bar[1] - 4, facts)
        self.assertLessEqual(abs((left + right) / 2 - self.at[0]), 1, facts)
        video = screen.child_rect(self.win, VIDEO_AREA)
        self.assertGreaterEqual(left, video[0] + 2, (facts, video))
        self.assertLessEqual(right, video[0] + video[2] - 2, (facts, video))

    def shot(self, rect, name, ref):
        left, top, right, bottom = rect[:4]
        path = screen.grab_settled(os.path.join(self.box.dir, name),
                                   (left, top, right - left, bottom - top))
        screen.check_reference(self, path, os.path.join(REF, ref), most=30, fuzz="10%")

    def check_hide(self, after, hold_ms):
        """Once the popup has faded out: the last request held it for
        hold_ms, and its fade-out began no sooner (a loaded machine may
        run the timer late)."""
        lines = wait_line(self, "hidden", after, timeout=10)[after:]
        holds = [rest for word, rest in lines if word == "hold"]
        self.assertIn(" ms=%d " % hold_ms, holds[-1] + " ", lines)
        waited = ticks(lines, "hide")[-1] - ticks(lines, "hold")[-1]
        self.assertTrue(hold_ms <= waited <= hold_ms + 1000, lines)


class FramePreview(PreviewCase):
    def test_frame_popup_places_hides_and_seeks_once_per_time(self):
        self.hover()
        lines = wait_line(self, "opened")
        words = [w for w, _ in lines]
        self.assertIn("loading", words[:words.index("opened")], words)
        lines = wait_line(self, "seek")
        rect = popup()
        self.assertIsNotNone(rect, "no popup")
        self.check_place(rect)
        # Colour bars under the time label; the frame is 30 % of the video
        # area's height, the border 2 pixels.
        self.shot(rect, "frame.png", "seek_preview_frame.png")
        self.assertGreaterEqual(rect[3] - rect[1], 100 + 4)
        self.check_hide(0, 3000)
        self.assertIsNone(popup(0.5))
        # Nearly the same place again (Wine sends no move for a return to
        # the very pixel it left from): the same snapped time, shown again
        # without a second seek.
        seeks = ticks(preview_lines(self.box), "seek")
        self.assertEqual(len(seeks), 1, preview_lines(self.box))
        after = len(preview_lines(self.box))
        xdotool("mousemove", *PARKED)
        wait_line(self, "leave", after)
        self.hover(dx=-1)
        wait_line(self, "shown", after)
        self.assertIsNotNone(popup())
        self.assertEqual(len(ticks(preview_lines(self.box), "seek")), 1)
        # The middle button: frames off for this run, the popup goes, and
        # the next hover shows the label alone.
        after = len(preview_lines(self.box))
        xdotool("click", "2")
        ps.wait_status(self, r"SEEKBAR\s+PREVIEW : OFF")
        wait_line(self, "hidden", after)
        after = len(preview_lines(self.box))
        self.hover(dx=-40)
        lines = wait_line(self, "shown", after)
        self.assertIn("frame=0", [r for w, r in lines[after:] if w == "shown"][-1])
        xdotool("click", "2")
        ps.wait_status(self, r"SEEKBAR\s+PREVIEW : ON\s+\(DEF\)")
        xdotool("mousemove", *PARKED)
        self.assertEqual(self.box.close(self.proc)[0], 0)


class LabelOnly(PreviewCase):
    SB_TIP = "1"
    DETAILS = "100,100,30,100,300"

    def test_label_alone_without_the_frame_bit(self):
        self.hover()
        wait_line(self, "shown")
        rect = popup()
        self.assertIsNotNone(rect, "no popup")
        self.check_place(rect)
        self.shot(rect, "label.png", "seek_preview_label.png")
        self.check_hide(0, 2500)
        words = [w for w, _ in preview_lines(self.box)]
        self.assertNotIn("open", words)
        self.assertNotIn("seek", words)
        xdotool("mousemove", *PARKED)
        self.assertEqual(self.box.close(self.proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
