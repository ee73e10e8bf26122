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

OPEN_ERROR = r"FILE    OPEN    ERROR  :  %02d"
COUNT_ERROR = r"FILE    OPEN    ERROR    :    %d    FILES"
E1001 = r"E1001 : OpenFile \(0x([0-9A-F]{8})\) / \[(\d+)/(\d+)\] (.*)"


def broken(folder, name, kind):
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        if kind == "random":
            f.write(os.urandom(50000))
    return path


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
        s.wait_log(self, self.box, E1001)
        time.sleep(2)
        self.assertEqual(len(re.findall(E1001, s.log_text(self.box))), 1)
        self.assertRegex(s.status(self), r"(NO|READY)    FILE")
        self.assertEqual(self.box.close(proc)[0], 0)


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
