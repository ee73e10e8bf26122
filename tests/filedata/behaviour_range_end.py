"""Play ranges in the real player, reached from outside by "-RNG": a stored
[RANGE] of the clip's information file, or bounds given on the command
line, become the active range; playback pauses where the range ends with
"PLAY RANGE : END POS" when the range repeat mode is OFF, and plays the
range again with "PLAY RANGE : REPEAT" when it is ON."""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "engine"))

import play_support as ps  # noqa: E402
from play_support import engine_media  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, winpath  # noqa: E402

MEDIA = os.path.join(engine_media.MEDIA, "play-ranges")
SECONDS = 8
END_POS = r"PLAY\s+RANGE : END\s+POS"
REPEAT = r"PLAY\s+RANGE : REPEAT"


def clip(name):
    return ps.container_clip("avi", SECONDS, MEDIA, name)


def write_ranges(media, ranges):
    """The information file beside media with the ranges, UTF-16 with its BOM."""
    def t(ms):
        return "%02d:%02d:%06.3f" % (ms // 3600000, ms // 60000 % 60, ms % 60000 / 1000)
    lines = ["[ZENTAVIO_FILEINFO]", "FMT=100", "LEN=" + t(SECONDS * 1000), "[RANGE]"]
    lines += ["%d=%s-%s" % (i + 1, t(a), t(b)) for i, (a, b) in enumerate(ranges)]
    with open(media + ".zvinf", "wb") as f:
        f.write(b"\xff\xfe" + "\r\n".join(lines + [""]).encode("utf-16-le"))


class PlayRangeTest(BehaviourTest):
    def play(self, media, rng, range_repeat):
        ps.settings(self.box, repeat=0, keep_awake=0, countdown=0,
                    extra={"Main": {"Rpt": "0,%d" % range_repeat}})
        self.box.start("-RNG", rng, winpath(media))
        self.assertIsNotNone(self.box.wait_window())

    def assert_paused_near(self, end_ms):
        pause = ps.wait_trace(self, self.box, "pause", timeout=20)
        # The stop timer reports within a few ms; the pause itself lands
        # a little later under a loaded Wine.
        self.assertGreaterEqual(pause["ms"], end_ms - 150)
        self.assertLess(pause["ms"], end_ms + 700)
        self.assertEqual(pause["started"], 0)

    def test_stored_range_pauses_at_its_end(self):
        media = clip("stored.avi")
        write_ranges(media, [(2000, 5000), (6000, 7000)])
        self.play(media, "0", 0)
        ps.wait_status(self, END_POS, timeout=25)
        self.assert_paused_near(5000)
        # The time pane, a second witness, stands at the range's end.
        self.assertIn(ps.elapsed(self), (4, 5))

    def test_bounds_from_the_command_line_pause_at_their_end(self):
        media = clip("bounds.avi")
        self.play(media, "1000-3000", 0)
        ps.wait_status(self, END_POS, timeout=25)
        self.assert_paused_near(3000)

    def test_range_repeat_on_plays_the_range_again(self):
        media = clip("repeat.avi")
        write_ranges(media, [(1000, 3000)])
        self.play(media, "0", 1)
        ps.wait_status(self, REPEAT, timeout=25)
        # Back at the range's start and still playing, well before the file's end.
        self.assertLessEqual(ps.elapsed(self), 2)
        self.assertEqual([t for t in ps.traces(self.box) if t["cause"] == "pause"], [])


if __name__ == "__main__":
    zvtest.main()
