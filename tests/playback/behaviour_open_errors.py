"""Failed opens with the real Zentavio.exe: broken files, the walk on to the
next entry and its limit, and paths that are hard to open."""

import os
import re
import shutil
import tempfile
import time

import zvtest
from zvtest import BehaviourTest, probe, winpath
import open_support as s
import screen

HERE = os.path.dirname(os.path.abspath(__file__))
REF_OPEN_ERROR = os.path.join(HERE, "..", "app", "ref", "status_open_error.png")
# The same report while the path handed over waits as the file to play.
REF_OPEN_ERROR_READY = os.path.join(HERE, "..", "app", "ref", "status_open_error_ready.png")


def check_bar(test, box, reference):
    """The status bar on screen against a reference image."""
    rect = screen.child_rect(box.wait_window(), int(s.STATUS_BAR_ID))
    test.assertIsNotNone(rect, "the status bar is not shown")
    shot = screen.grab_settled(os.path.join(box.dir, "bar.png"), rect)
    screen.check_reference(test, shot, reference, most=20)

OPEN_ERROR = r"FILE    OPEN    ERROR  :  %02d"
COUNT_ERROR = r"FILE    OPEN    ERROR    :    %d    FILES"
E1001 = r"E1001 : OpenFile \(0x([0-9A-F]{8})\) / \[(\d+)/(\d+)\] (.*)"


NOT_FOUND = r"FILE    NOT    FOUND"


def broken(folder, name, kind, size=50000):
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        if kind == "random":
            f.write(os.urandom(size))
        elif kind == "mkv":
            # A Matroska signature, then nothing a splitter can follow.
            f.write(b"\x1a\x45\xdf\xa3" + os.urandom(size))
    return path


def holds(test, pattern, seconds=2.0):
    """The status text read again and again for the given time: every read
    holds the pattern (the message stays long enough to read)."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        text = s.status(test)
        test.assertRegex(text, pattern)
        time.sleep(0.1)


def hand_over(test, box, path):
    """Hands a path to the running player as a second start would; the
    second start must come back at once."""
    code, seconds = box.run(winpath(path) if os.path.exists(path) else path, timeout=20)
    test.assertEqual(code, 0)
    test.assertLess(seconds, 3.0, "the hand-over of %s was held" % path)


class BrokenFiles(BehaviourTest):
    def test_zero_byte_and_random_files_fail_with_message_and_log_line(self):
        folder = tempfile.mkdtemp(dir=self.box.dir)
        for kind in ("zero", "random"):
            with self.subTest(kind=kind):
                s.settings(self.box)
                path = broken(folder, kind + ".avi", kind)
                proc = self.box.start(winpath(path))
                self.assertIsNotNone(self.box.wait_window())
                s.watch_status(self, COUNT_ERROR % 1)
                lines = s.wait_log(self, self.box, E1001)
                hr, entry, count, logged = lines[0]
                self.assertTrue(int(hr, 16) & 0x80000000, hr)
                self.assertEqual((entry, count), ("1", "1"))
                self.assertEqual(logged.strip(), winpath(path))
                self.assertRegex(s.status(self), r"(NO|READY)    FILE")
                self.assertEqual(s.title(), "ZENTAVIO")
                code, _ = self.box.close(proc)
                self.assertEqual(code, 0)
                os.remove(self.box.log)

    def test_failed_threaded_open_is_logged_and_not_retried(self):
        s.settings(self.box, thread=1)
        folder = tempfile.mkdtemp(dir=self.box.dir)
        for name in ("a.avi", "b.avi"):
            broken(folder, name, "zero")
        proc = self.box.start(winpath(folder))
        self.assertIsNotNone(self.box.wait_window())
        # Told on screen as on the UI thread, though not walked on.
        s.watch_status(self, OPEN_ERROR % 1)
        holds(self, OPEN_ERROR % 1, 1.5)
        s.wait_log(self, self.box, E1001)
        time.sleep(1)
        self.assertEqual(len(re.findall(E1001, s.log_text(self.box))), 1)
        self.assertRegex(s.status(self), r"(NO|READY)    FILE")
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_close_during_threaded_open_waits_for_it_and_ends_cleanly(self):
        # Closed as soon as the window shows: the open still runs on its
        # thread and updates the title and the status bar while the close
        # waits for it.
        s.settings(self.box, thread=1)
        path = broken(self.box.dir, "slow.avi", "random")
        proc = self.box.start(winpath(path))
        self.assertIsNotNone(self.box.wait_window())
        began = time.monotonic()
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)
        self.assertLess(time.monotonic() - began, 10.0)
        log = s.log_text(self.box)
        self.assertNotIn("the file-open thread runs after", log)
        # The open that was running finished before the player ended.
        self.assertRegex(log, E1001)


class FailureShown(BehaviourTest):
    """A failed open leaves its message on screen long enough to read, for
    every kind of broken file, also on a first start."""

    def test_first_start_shows_the_failure_not_the_create_notice(self):
        path = broken(self.box.dir, "first.avi", "random")
        proc = self.box.start(winpath(path))
        self.assertIsNotNone(self.box.wait_window())
        seen = s.watch_status(self, COUNT_ERROR % 1)
        # On screen: the state and the message legible in the bar.
        check_bar(self, self.box, REF_OPEN_ERROR)
        holds(self, COUNT_ERROR % 1)
        self.assertTrue(os.path.exists(self.box.ini), "no settings file was made")
        self.assertFalse(any("CREATE INIFILE" in t for t in seen), seen)
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_each_broken_file_shows_its_message(self):
        s.settings(self.box, extra={"Common": {"Mlt": "0"}})
        folder = tempfile.mkdtemp(dir=self.box.dir)
        good = os.path.join(folder, "good.avi")
        shutil.copy(s.clip(3), good)
        proc = self.box.start(winpath(good))
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, r"PLAYING")
        # The audio-only extension takes the engine's other open flags.
        cases = (("zero.avi", "zero"), ("random.avi", "random"), ("fake.mkv", "mkv"),
                 ("zero.mp3", "zero"))
        for name, kind in cases:
            with self.subTest(name=name):
                path = broken(folder, name, kind)
                hand_over(self, self.box, path)
                s.watch_status(self, COUNT_ERROR % 1)
                check_bar(self, self.box, REF_OPEN_ERROR_READY)
                holds(self, COUNT_ERROR % 1)
                logged = [p.strip() for _, _, _, p in re.findall(E1001, s.log_text(self.box))]
                self.assertIn(winpath(path), logged)
                # Back to a playing file, so the next message is a new one.
                hand_over(self, self.box, good)
                s.watch_status(self, r"PLAYING")
        self.assertEqual(self.box.close(proc)[0], 0)


class DevicePaths(BehaviourTest):
    """Paths that name a device are refused as missing before anything reads
    them: a serial port's read blocks for good."""

    def test_devices_are_reported_missing_at_once(self):
        s.settings(self.box, extra={"Common": {"Mlt": "0"}})
        began = time.monotonic()
        proc = self.box.start("COM1")
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, NOT_FOUND, timeout=5)
        self.assertLess(time.monotonic() - began, 8)
        good = os.path.join(self.box.dir, "good.avi")
        shutil.copy(s.clip(3), good)
        # The other reserved names are the unit test's; here each form of path.
        for device in ("NUL", r"\\.\pipe\zv-test", r"\\.\COM1",
                       winpath(os.path.join(self.box.dir, "nul.avi"))):
            with self.subTest(device=device):
                hand_over(self, self.box, good)
                s.watch_status(self, r"PLAYING")
                hand_over(self, self.box, device)
                began = time.monotonic()
                s.watch_status(self, NOT_FOUND, timeout=3)
                # A read of the status bar itself takes a few tenths here.
                self.assertLess(time.monotonic() - began, 2.0)
                self.assertEqual(s.title(), "ZENTAVIO")
        self.assertEqual(self.box.close(proc)[0], 0)


class ManyFailures(BehaviourTest):
    def test_window_answers_and_closes_during_a_long_walk(self):
        s.settings(self.box)
        folder = tempfile.mkdtemp(dir=self.box.dir)
        for i in range(300):
            broken(folder, "f%03d.avi" % i, "random", 2000)
        proc = self.box.start(winpath(folder))
        self.assertIsNotNone(self.box.wait_window())
        # Any entry's report: under load the walk may be well on its way.
        s.watch_status(self, r"FILE    OPEN    ERROR  :  \d\d")
        # Each read waits for the window to answer; the walk takes ~15 s.
        began = time.monotonic()
        s.status(self)
        self.assertLess(time.monotonic() - began, 3.0, "the window did not answer")
        began = time.monotonic()
        probe("close", "ZENTAVIO")
        proc.communicate(timeout=60)
        self.assertLess(time.monotonic() - began, 3.0, "the close waited for the walk")
        self.assertEqual(proc.returncode, 0)
        entries = [int(e) for _, e, _, _ in re.findall(E1001, s.log_text(self.box))]
        self.assertLess(len(entries), 300, "the walk went on after the close")
        self.assertEqual(entries, list(range(1, len(entries) + 1)))


class SkipOnError(BehaviourTest):
    """A folder of three broken files: each is tried by the repeat mode until
    the count of entries is reached, then the walk stops."""

    def run_folder(self, repeat):
        s.settings(self.box, repeat=repeat)
        folder = tempfile.mkdtemp(dir=self.box.dir)
        for name in ("a.avi", "b.avi", "c.avi"):
            broken(folder, name, "zero")
        proc = self.box.start(winpath(folder))
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, COUNT_ERROR % 3)
        time.sleep(2)  # nothing further is tried
        entries = [int(e) for _, e, n, _ in re.findall(E1001, s.log_text(self.box))]
        self.assertEqual(self.box.close(proc)[0], 0)
        return entries

    def test_repeat_modes_walk_then_stop_at_the_count(self):
        for repeat, expected in ((0, [1, 2, 3]), (1, [1, 2, 3]), (2, [1, 1, 1])):
            with self.subTest(repeat=repeat):
                self.assertEqual(self.run_folder(repeat), expected)
                if os.path.exists(self.box.log):
                    os.remove(self.box.log)

    def test_walk_passes_a_broken_entry_and_plays_the_next(self):
        s.settings(self.box)
        folder = tempfile.mkdtemp(dir=self.box.dir)
        broken(folder, "a.avi", "random")
        shutil.copy(s.clip(3), os.path.join(folder, "b.avi"))
        proc = self.box.start(winpath(folder))
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, r"PLAYING")
        self.assertEqual(s.title(), "[2/2] b.avi - ZENTAVIO")
        self.assertEqual([e for _, e, _, _ in re.findall(E1001, s.log_text(self.box))], ["1"])
        self.assertEqual(self.box.close(proc)[0], 0)


class HardPaths(BehaviourTest):
    def test_file_deleted_after_it_was_added_fails_cleanly(self):
        s.settings(self.box, repeat=0)
        folder = tempfile.mkdtemp(dir=self.box.dir)
        first = os.path.join(folder, "a.avi")
        gone = os.path.join(folder, "b.avi")
        shutil.copy(s.clip(2), first)
        shutil.copy(s.clip(2), gone)
        proc = self.box.start(winpath(folder))
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, r"PLAYING")
        os.remove(gone)
        lines = s.wait_log(self, self.box, E1001, timeout=20)
        self.assertEqual(lines[0][1:3], ("2", "2"))
        self.assertEqual(lines[0][3].strip(), winpath(gone))
        code, _ = probe("wait", "ZENTAVIO", "2000")
        self.assertEqual(code, 0, "the player went away")
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_japanese_name_plays_with_its_name_in_the_title(self):
        s.settings(self.box)
        path = os.path.join(self.box.dir, "動画テスト.avi")
        shutil.copy(s.clip(3), path)
        proc = self.box.start(winpath(path))
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, r"PLAYING")
        self.assertEqual(s.title(), "動画テスト.avi - ZENTAVIO")
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_path_of_260_characters_opens_or_fails_cleanly(self):
        s.settings(self.box)
        base = winpath(self.box.dir) + "\\"
        # Windows path of exactly 260 characters: folder levels, then the name.
        folder = self.box.dir
        while len(winpath(folder)) < 260 - 60:
            folder = os.path.join(folder, "d" * 40)
        name = "n" * (260 - len(winpath(folder)) - 1 - 4) + ".avi"
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, name)
        shutil.copy(s.clip(2), path)
        self.assertEqual(len(winpath(path)), 260)
        self.assertTrue(winpath(path).startswith(base))
        proc = self.box.start(winpath(path))
        self.assertIsNotNone(self.box.wait_window())
        seen = s.watch_status(self, r"PLAYING|ERROR|NOT    FOUND")
        self.assertRegex(seen[-1], r"PLAYING|ERROR|NOT    FOUND")
        code, _ = probe("wait", "ZENTAVIO", "2000")
        self.assertEqual(code, 0, "the player went away")
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
