"""The current chapter as playback crosses a chapter start: chapters given by
the information file beside a clip (Wine's splitters give none of their
own) reach the engine, and its chapter notice shows the chapter's number."""

import os
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import open_support as s  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, winpath  # noqa: E402

def key_of(name):
    """The resume store's key of a file name: CRC-64/WE of its upper-case
    UTF-16 text."""
    crc = 0xFFFFFFFFFFFFFFFF
    for byte in name.upper().encode("utf-16-le"):
        crc ^= byte << 56
        for _ in range(8):
            crc = ((crc << 1) ^ 0x42F0E1EBA9EA3693) if crc & (1 << 63) else crc << 1
            crc &= 0xFFFFFFFFFFFFFFFF
    return "%016X" % (crc ^ 0xFFFFFFFFFFFFFFFF)


# The open-time messages (of higher priorities) cover the first seconds: the
# chapter starts lie after them.
ZVINF = ("[ZENTAVIO_FILEINFO]\r\nFMT=100\r\n[CHAPTER]\r\n1=00:00:00.000\r\n"
         "2=00:00:04.000,Second\r\n")


CHECKED = ("[ZENTAVIO_FILEINFO]\r\nFMT=100\r\n[CHAPTER]\r\n1=00:00:00.000\r\n"
           "2=00:00:06.000\r\n3=00:00:08.000\r\n")


class ChapterTracking(BehaviourTest):
    def open(self, seconds, zvinf):
        s.settings(self.box)
        media = os.path.join(self.box.dir, "chapters.avi")
        shutil.copy(s.clip(seconds), media)
        with open(media + ".zvinf", "wb") as f:
            f.write(b"\xff\xfe" + zvinf.encode("utf-16-le"))
        return self.box.start(winpath(media))

    def test_crossing_a_chapter_start_shows_its_number(self):
        proc = self.open(6, ZVINF)
        self.assertIsNotNone(self.box.wait_window())
        seen = s.watch_status_closely(self, "CHAPTER   :   02")
        # The file's start is chapter 1, which is not announced.
        self.assertFalse([t for t in seen if "CHAPTER   :   01" in t], seen)
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_an_unchecked_chapter_is_skipped(self):
        # The resume record's check text: every track checked, chapter 2 of
        # the first track unchecked (bit 1).
        with open(os.path.join(self.box.dir, "Resume.dat"), "w", newline="\r\n") as f:
            f.write("[ZENTAVIO_RESUME]\n%s=0,1,0:2\n" % key_of("chapters.avi"))
        proc = self.open(10, CHECKED)
        self.assertIsNotNone(self.box.wait_window())
        seen = s.watch_status_closely(self, "CHAPTER   :   03")
        self.assertFalse([t for t in seen if "CHAPTER   :   02" in t], seen)
        # From 6 s on to 8 s: the unchecked chapter never plays.
        self.assertFalse([t for t in seen if "0:07   (" in t], seen)
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
