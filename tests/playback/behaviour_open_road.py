"""The open road with the real Zentavio.exe: a file named on the command
line, or handed over by a second start, goes into the playlist and plays."""

import os
import re
import time

import zvtest
from zvtest import BehaviourTest, probe, read_ini, winpath
import open_support as s
import play_support as ps
import screen

TIME = re.compile(r"(\d+):(\d\d)   \( -\d+:\d\d \)  /  0:04")


def elapsed(text):
    m = TIME.search(text)
    return int(m.group(1)) * 60 + int(m.group(2)) if m else -1


class CommandLineOpen(BehaviourTest):
    def play_clip(self, thread):
        s.settings(self.box, thread=thread)
        path = s.clip(4)
        proc = self.box.start(winpath(path))
        self.assertIsNotNone(self.box.wait_window())
        # Watched from inside one process: the loading state can be short.
        seen = s.watch_status_closely(self, "PLAYING")
        first = elapsed(seen[-1])
        time.sleep(2.2)
        later = elapsed(s.status(self))
        result = ([t.split("\r")[0] for t in seen], s.title(), first, later)
        self.assertEqual(self.box.close(proc)[0], 0)
        return result

    def test_clip_loads_then_plays_alike_with_and_without_the_open_thread(self):
        for thread in (0, 1):
            with self.subTest(thread=thread):
                states, title, first, later = self.play_clip(thread)
                # The state pane goes from loading straight to playing.
                self.assertEqual(states[-1], "PLAYING")
                self.assertTrue(all(t in ("LOADING ...", "NO    FILE") for t in states[:-1]),
                                states)
                self.assertIn("LOADING ...", states)
                self.assertEqual(title, "open4.avi - ZENTAVIO")
                self.assertGreaterEqual(first, 0)
                self.assertGreaterEqual(later - first, 1)

    def video_rect(self):
        code, out = probe("child", "ZENTAVIO", s.VIDEO_WINDOW_ID)
        self.assertEqual(code, 0)
        visible, rect = re.match(r"visible=(\d) rect=(.*)", out.strip()).groups()
        self.assertEqual(visible, "1")
        left, top, right, bottom = map(int, rect.split(","))
        # The 160x90 clip keeps its shape in whatever size the window gives it.
        self.assertAlmostEqual((right - left) / (bottom - top), 16 / 9, delta=0.05)
        return right - left

    def test_video_window_shows_the_picture_in_its_shape(self):
        s.settings(self.box)
        proc = self.box.start(winpath(s.clip(4)))
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, r"PLAYING")
        self.assertGreater(self.video_rect(), 100)
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_audio_only_file_hides_the_video_window_and_plays(self):
        s.settings(self.box)
        proc = self.box.start(winpath(s.tone(4)))
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, r"PLAYING")
        self.assertEqual(s.title(), "tone4.wav - ZENTAVIO")
        code, out = probe("child", "ZENTAVIO", s.VIDEO_WINDOW_ID)
        self.assertEqual(code, 0)
        self.assertTrue(out.startswith("visible=0"), out)
        self.assertEqual(self.box.close(proc)[0], 0)


class FreshMachine(BehaviourTest):
    def test_default_renderer_of_a_fresh_settings_file_shows_the_picture_under_wine(self):
        # Large enough that the window takes the clip's size, above its least.
        clip = winpath(s.clip(6, "open640.avi", size="640x360"))
        proc = self.box.start(clip)
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, r"PLAYING")
        time.sleep(1)
        colours = s.video_colours(self)
        self.assertEqual(self.box.close(proc)[0], 0)
        # The test pattern has many colours; a black or missing picture one.
        self.assertGreater(colours, 4)
        sections, _ = read_ini(self.box.ini)
        self.assertEqual(sections["Common"]["Video"], "2")
        # The next start opens the window at the size it took for this clip:
        # no resize comes, and the picture still takes its place.
        proc = self.box.start(clip)
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, r"PLAYING")
        time.sleep(1)
        colours = s.video_colours(self)
        self.assertEqual(self.box.close(proc)[0], 0)
        self.assertGreater(colours, 4)


class SecondStart(BehaviourTest):
    def test_path_handed_over_by_a_second_start_replaces_the_playing_file(self):
        s.settings(self.box)
        first = s.clip(4)
        second = os.path.join(self.box.dir, "second.avi")
        with open(s.clip(4), "rb") as f, open(second, "wb") as g:
            g.write(f.read())
        proc = self.box.start(winpath(first))
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, r"PLAYING")
        line = '"%s" "%s"' % (winpath(self.box.exe), winpath(second))
        self.assertEqual(probe("copydata", "ZENTAVIO", "line", line)[0], 0)
        deadline = time.monotonic() + 10
        while s.title() != "second.avi - ZENTAVIO" and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertEqual(s.title(), "second.avi - ZENTAVIO", s.log_text(self.box))
        s.watch_status(self, r"PLAYING")
        self.assertEqual(self.box.close(proc)[0], 0)


SEEK_BAR = 33070
WS_EX_TOPMOST = 0x8
VIDEO = int(s.VIDEO_WINDOW_ID)
HERE = os.path.dirname(os.path.abspath(__file__))
REF = os.path.join(HERE, "ref")
SOURCE_DLL = os.path.join(zvtest.BIN, "TestSourceFilter.dll")
# A registered filter that takes no input, so the build cannot route the
# file's streams through it: "File Source (Async.)".
READER = "{E436EBB5-524F-11CE-9F53-0020AF0BA770}"
# Wine's splitters give no chapters of a container (no IAMExtendedSeeking),
# so the file is a description our test source plays: a white picture and
# markers at 10, 14 and 17 s, which the engine takes as chapters (with one
# at 0 before them).
MARKED = ("ZVSRC\nduration %d\npicture 320 180 FFFFFF 25\n"
          "stream video 0 0 1 Video\nstream audio 1033 1 1 Sound\n"
          "marker 10 B\nmarker 14 C\nmarker 17 D\n")


def register(dll, on=True):
    args = ["regsvr32", "/s"] + ([] if on else ["/u"]) + [winpath(dll)]
    return zvtest.wine(args, timeout=60).returncode


class MarksAndBars(BehaviourTest):
    """A file with chapters of its own, [Filter] and [Osc] settings, and what
    the screen shows of them as the file opens, plays, pauses and closes."""

    def setUp(self):
        super().setUp()
        self.assertEqual(register(SOURCE_DLL), 0)
        self.addCleanup(register, SOURCE_DLL, False)

    def start(self, seconds, **sections):
        sections.setdefault("Main", {})["Test"] = "1"
        s.settings(self.box, extra=sections)
        clip = os.path.join(self.box.dir, "marks.zvsrc")
        with open(clip, "w") as f:
            f.write(MARKED % seconds)
        proc = self.box.start(winpath(clip))
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win)
        s.watch_status(self, r"PLAYING")
        return proc

    def top_strip(self, name):
        """Inside the top sixth of the video window, where the title bar
        shows; a few pixels in, clear of the frame."""
        x, y, w, h = screen.child_rect(self.win, VIDEO)
        path = os.path.join(self.box.dir, name)
        rect = (x + 8, y + 8, w - 16, h * 15 // 100 - 16)
        self.strip_rect = rect
        return screen.grab(path, *rect), rect

    def wait_strip(self, name, white, timeout=8.0):
        """Grabs the strip until it is all white (bars hidden) or not."""
        deadline = time.monotonic() + timeout
        while True:
            path, rect = self.top_strip(name)
            if (screen.colours(path) == {"FFFFFF"}) == white or time.monotonic() > deadline:
                if not white:  # shown: once its fade-in has ended
                    path = screen.grab_settled(path, rect)
                return path
            time.sleep(0.2)

    def topmost(self, wanted, timeout=3.0):
        """Whether the main window is always on top, read until as wanted."""
        deadline = time.monotonic() + timeout
        while True:
            code, out = probe("wait", "ZENTAVIO", "2000")
            self.assertEqual(code, 0)
            on = bool(int(zvtest.parse_window(out)["exstyle"], 16) & WS_EX_TOPMOST)
            if on == wanted or time.monotonic() > deadline:
                return on
            time.sleep(0.1)

    def test_open_shows_chapters_title_bars_and_takes_the_filter_list(self):
        # Always on top while playing, with no tool window shown: the main
        # window owns its tooltips, which Wine's SetWindowPos trips over.
        proc = self.start(20, Osc={"Mode": "1"}, Main={"Top": "1"}, Common={"PlyTop": "1"},
                          Filter={"Count": "1", "0": "1,0,User Reader," + READER})
        # Mode 1: the title bar over the video, with the file's name.
        strip = self.wait_strip("title.png", False)
        title_ref = os.path.join(REF, "open_bars_title.png")
        screen.check_reference(self, strip, title_ref, most=200, fuzz="8%")
        # The user's filter went into the graph under its own name.
        chapters, filters = s.wait_log(self, self.box, r"OPEN : chapters=(\d+) filters=(.*)")[0]
        self.assertIn("User Reader", filters.split("|"))
        self.assertEqual(chapters, "4")
        # The chapters the file carries (0, 10, 14 and 17 of 20 s) mark the
        # seek bar. Its top rows are left out (the window's place is read a
        # pixel or two high, as for the strip), and so is the thumb's part,
        # which moves. Each mark is 6 pixels.
        x, y, w, h = screen.child_rect(self.win, SEEK_BAR)
        seek = screen.grab(os.path.join(self.box.dir, "seek.png"), x, y + 4, w, h - 4)
        thumbless = screen.blank_out(seek, seek, [(0, 0, w * 30 // 100, h - 4)])
        screen.check_reference(self, thumbless, os.path.join(REF, "seek_bar_chapters.png"),
                               most=3, fuzz="8%")
        self.assertTrue(self.topmost(True))
        # Closing the file (a second start hands over a file that does not
        # open) takes the bars away and the main window off the top.
        missing = os.path.join(self.box.dir, "missing.avi")
        line = '"%s" "%s"' % (winpath(self.box.exe), winpath(missing))
        self.assertEqual(probe("copydata", "ZENTAVIO", "line", line)[0], 0)
        s.watch_status(self, r"(READY|NO)    FILE")
        self.assertFalse(self.topmost(False))
        code, out = zvtest.run_to_file(os.path.join(zvtest.BIN, "ScreenProbe.exe"),
                                       "window", "ZvOsdBars")
        self.assertEqual((code, out.split()[0]), (0, "visible=0"), out)
        closed = screen.grab(os.path.join(self.box.dir, "closed.png"), *self.strip_rect)
        # Without the title (the area's own painting is not this test's).
        self.assertGreater(screen.differing_pixels(closed, title_ref, "8%"), 500)
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_auto_bars_hide_while_playing_and_stay_while_paused(self):
        # Mode 2, "TmOpen" 300: the bars of the open show, then hide after 3 s
        # (long enough for the first grab to find them on a loaded machine).
        proc = self.start(30, Osc={"Mode": "2", "TmOpen": "300"})
        began = time.monotonic()
        self.assertNotEqual(screen.colours(self.wait_strip("opened.png", False)), {"FFFFFF"})
        strip = self.wait_strip("playing.png", True)
        self.assertEqual(screen.colours(strip), {"FFFFFF"})
        self.assertGreater(time.monotonic() - began, 1.0)
        after = len(ps.traces(self.box))
        ps.button(ps.PLAY_BUTTON)
        ps.wait_trace(self, self.box, "pause", after)
        paused = self.wait_strip("paused.png", False)
        screen.check_reference(self, paused, os.path.join(REF, "open_bars_title.png"),
                               most=200, fuzz="8%")
        after = len(ps.traces(self.box))
        ps.button(ps.PLAY_BUTTON)
        ps.wait_trace(self, self.box, "play", after)
        self.assertEqual(screen.colours(self.wait_strip("again.png", True)), {"FFFFFF"})
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
