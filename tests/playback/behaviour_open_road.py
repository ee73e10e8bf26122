"""The open road with the real Zentavio.exe: a file named on the command
line, or handed over by a second start, goes into the playlist and plays."""

import os
import re
import time

import zvtest
from zvtest import BehaviourTest, probe, read_ini, winpath
import open_support as s

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


if __name__ == "__main__":
    zvtest.main()
