"""A folder of WAVs of known lengths gets every track's duration from the
background scan without playing them; with [Main] "Test" the trace shows
one progress notice per scanned track and one done."""

import os
import re
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import open_support as s  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, winpath  # noqa: E402

LENGTHS = {"a.wav": 2, "b.wav": 3, "c.wav": 4, "d.wav": 5}


class DurationScan(BehaviourTest):
    def test_every_track_gets_its_length_without_playing(self):
        s.settings(self.box, extra={"Main": {"Test": "1"}})
        folder = os.path.join(self.box.dir, "media")
        os.makedirs(folder)
        for name, seconds in LENGTHS.items():
            shutil.copy(s.tone(seconds), os.path.join(folder, name))
        proc = self.box.start(winpath(folder))
        self.assertIsNotNone(self.box.wait_window())
        s.wait_log(self, self.box, r"SCAN : done", timeout=30)
        log = s.log_text(self.box)
        # a.wav plays and knows its length; the scan reads the other three.
        found = {int(i): int(ms) for i, ms in re.findall(r"SCAN : track (\d+) ms=(\d+)", log)}
        self.assertEqual(sorted(found), [1, 2, 3], log[-2000:])
        self.assertEqual(len(re.findall(r"SCAN : progress", log)), 3)
        self.assertEqual(len(re.findall(r"SCAN : done", log)), 1)
        self.assertEqual(self.box.close(proc)[0], 0)
        # The probe adds only the source filter, which for a WAV knows no
        # length until a splitter is joined to it.
        with self.subTest("lengths"):
            lengths = list(LENGTHS.values())
            self.assertEqual({i: round(ms / 1000) for i, ms in found.items()},
                             {i: lengths[i] for i in found})


if __name__ == "__main__":
    zvtest.main()
