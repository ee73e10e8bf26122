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

ZVINF = ("[ZENTAVIO_FILEINFO]\r\nFMT=100\r\n[CHAPTER]\r\n1=00:00:00.000\r\n"
         "2=00:00:04.000,Second\r\n")


class ChapterTracking(BehaviourTest):
    def test_crossing_a_chapter_start_shows_its_number(self):
        s.settings(self.box)
        media = os.path.join(self.box.dir, "chapters.avi")
        shutil.copy(s.clip(6), media)
        with open(media + ".zvinf", "wb") as f:
            f.write(b"\xff\xfe" + ZVINF.encode("utf-16-le"))
        proc = self.box.start(winpath(media))
        self.assertIsNotNone(self.box.wait_window())
        seen = s.watch_status_closely(self, "CHAPTER   :   02")
        # The file's start is chapter 1, which is not announced.
        self.assertFalse([t for t in seen if "CHAPTER   :   01" in t], seen)
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
