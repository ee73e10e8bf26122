"""The resume store seen from outside: Resume.dat's keys and values after a
close, the position a reopened file starts at in the time pane, a folder
reopened at the entry after the one finished, the data folder, and the
trim of an over-full store."""

import os
import re
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import open_support as s  # noqa: E402
import play_support as p  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, winpath  # noqa: E402


def crc64_we(data):
    """CRC-64/WE: polynomial 0x42F0E1EBA9EA3693, MSB first, all-ones start
    and final XOR."""
    crc = 0xFFFFFFFFFFFFFFFF
    for byte in data:
        crc ^= byte << 56
        for _ in range(8):
            crc = ((crc << 1) ^ 0x42F0E1EBA9EA3693) if crc & (1 << 63) else crc << 1
            crc &= 0xFFFFFFFFFFFFFFFF
    return crc ^ 0xFFFFFFFFFFFFFFFF


def key_of(name):
    return "%016X" % crc64_we(name.upper().encode("utf-16-le"))


def read_store(path):
    """The [ZENTAVIO_RESUME] keys and values in file order."""
    if not os.path.exists(path):
        return []
    with open(path, "rb") as f:
        raw = f.read()
    text = raw[2:].decode("utf-16-le") if raw[:2] == b"\xff\xfe" else raw.decode("latin-1")
    found, inside = [], False
    for line in text.splitlines():
        if line.startswith("["):
            inside = line.strip().upper() == "[ZENTAVIO_RESUME]"
        elif inside and "=" in line:
            key, value = line.split("=", 1)
            found.append((key.strip(), value.strip()))
    return found


def wait_elapsed(test, seconds, timeout=30.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if p.elapsed(test) >= seconds:
            return
        time.sleep(0.1)
    test.fail("the time pane never reached %d s" % seconds)


class ResumeStore(BehaviourTest):
    def open(self, path, extra=None):
        s.settings(self.box, extra=extra)
        proc = self.box.start(winpath(path))
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, r"PLAYING")
        return proc

    def store(self, folder=None):
        return os.path.join(folder or self.box.dir, "Resume.dat")

    def test_a_played_file_reopens_where_it_was_less_the_rewind(self):
        clip = s.clip(30, "resume30.avi")
        proc = self.open(clip, extra={"Common": {"RsmItvl": "2"}})
        wait_elapsed(self, 8)
        # The auto-save has stored the position while playing.
        saved = dict(read_store(self.store())).get(key_of("resume30.avi"), "0")
        self.assertGreaterEqual(float(saved), 4, read_store(self.store()))
        # Paused first, so that a slow close cannot move the position on.
        p.button(32970)
        p.wait_status(self, r"PAUSED")
        paused_at = p.elapsed(self)
        self.assertEqual(self.box.close(proc)[0], 0)
        records = dict(read_store(self.store()))
        key = key_of("resume30.avi")
        self.assertIn(key, records, read_store(self.store()))
        stored = float(records[key])
        self.assertTrue(7 <= stored and paused_at <= stored < paused_at + 1, records[key])

        proc = self.open(clip)
        at = p.elapsed(self)
        expected = int(stored - 1.5)
        self.assertIn(at, (expected, expected + 1), "stored %s" % records[key])
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_three_seconds_keep_nothing_and_the_close_trims_a_full_store(self):
        # An old store of 200 KB, oldest first; the limit 100 counts as 127 KB.
        # Junk among them: a short key, a line without "=", an over-long value.
        lines = ["[ZENTAVIO_RESUME]", "SHORT=1", "a junk line without equals",
                 "%016X=%s" % (0xFFFFF, "7" * 1000)]
        size, n = sum(len(line) + 2 for line in lines), 0
        while size < 200 * 1024:
            lines.append("%016X=%d.5,%d" % (0x100000 + n, n % 90 + 10, n % 7 + 2))
            size += len(lines[-1]) + 2
            n += 1
        with open(self.store(), "w", newline="\r\n") as f:
            f.write("\n".join(lines) + "\n")
        # A 15 s minimum position: a slow close still ends well below it.
        extra = {"Common": {"MaxRsm": "100", "RsmIgnr": "15,5,15"}}
        proc = self.open(s.clip(30, "resume30.avi"), extra=extra)
        wait_elapsed(self, 3)
        self.assertEqual(self.box.close(proc)[0], 0)
        records = read_store(self.store())
        keys = [k for k, _ in records]
        self.assertNotIn(key_of("resume30.avi"), keys)
        self.assertLessEqual(os.path.getsize(self.store()), 127 * 1024 - 2500)
        # The newest records stay, in their order; the oldest went.
        self.assertEqual(keys[-1], "%016X" % (0x100000 + n - 1))
        self.assertNotIn("%016X" % 0x100000, keys)
        self.assertEqual(keys[1:], sorted(keys[1:]))
        self.assertIn("SHORT", keys)
        self.assertNotIn("%016X" % 0xFFFFF, keys)
        log = s.log_text(self.box)
        self.assertIn("m_Resume_CutDataSize() / Error Key Name=[SHORT] Len=5", log)
        self.assertRegex(log, r"m_Resume_CutDataSize\(\) / FileSize=\d+, Limit=130048, "
                              r"Delete=2500, Target=127548")
        self.assertRegex(log, r"m_Resume_CutDataSize\(\) / FileSize=\d+->\d+\(\d+\), "
                              r"Limit=130048, Target=127548, Delete=\d+\(Key=\d+\)")

    def test_a_folder_finished_in_its_first_entry_reopens_at_the_second(self):
        folder = os.path.join(zvtest.TMP, "resume-folder")
        first = s.clip(8, "a.avi", folder=folder)
        s.clip(8, "b.avi", folder=folder)
        data = os.path.join(self.box.dir, "data")
        os.makedirs(data)
        # Short clips count: a 1 s minimum position, 5 s remaining, 5 s length.
        extra = {"Common": {"RsmIgnr": "1,5,5", "Spf": "1/" + winpath(data)}}
        proc = self.open(os.path.dirname(first), extra=extra)
        self.assertEqual(s.title(), "[1/2] a.avi - ZENTAVIO")
        wait_elapsed(self, 4)
        self.assertEqual(self.box.close(proc)[0], 0)
        self.assertFalse(os.path.exists(self.store()), "the store stayed beside the program")
        self.assertEqual(read_store(self.store(data)), [(key_of("resume-folder"), "-1")])

        proc = self.open(os.path.dirname(first), extra=extra)
        self.assertEqual(s.title(), "[2/2] b.avi - ZENTAVIO")
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_a_folder_setting_without_positions_keeps_none(self):
        clip = s.clip(30, "resume30.avi")
        folder = winpath(os.path.dirname(clip)).rstrip("\\") + "\\"
        proc = self.open(clip, extra={"Rec": {"Count": "1", "0": "2," + folder}})
        wait_elapsed(self, 7)
        self.assertEqual(self.box.close(proc)[0], 0)
        self.assertNotIn(key_of("resume30.avi"), dict(read_store(self.store())))


if __name__ == "__main__":
    zvtest.main()
