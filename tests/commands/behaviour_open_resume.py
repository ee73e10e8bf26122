"""The resume record applied when a path opens: a file's position less the
rewind, a folder's entry, check states and shuffle pass, and a record that
names an entry past the list."""

import os
import re
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playlist"))

import open_support as osup  # noqa: E402
import play_support as ps  # noqa: E402
import shuffle_reference  # noqa: E402
import zvtest  # noqa: E402
from path_support import write_resume  # noqa: E402
from zvtest import BehaviourTest, winpath  # noqa: E402

PLAYLIST = "ZENTAVIO_PLAYLIST"
TRACK_LIST_ID = 1401
SHUFFLE = 4


def shown_seconds(text):
    """The elapsed seconds of the time pane in a status text."""
    m = re.search(r"(\d+):(\d\d)", text.split("\n", 1)[-1])
    return int(m.group(1)) * 60 + int(m.group(2)) if m else None


class OpenResume(BehaviourTest):
    def start(self, path, records, repeat=1):
        # The playlist window shows at start; traces and errors are logged.
        ps.settings(self.box, repeat=repeat,
                    extra={"Main": {"List": "3", "ErrLog": "1"}, "Common": {"RptMenu": "0"}})
        write_resume(self.box, records)
        proc = self.box.start(winpath(path))
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        # The time pane as playing begins, watched closely: a later look
        # would find it moved on.
        self.started = osup.watch_status_closely(self, "PLAYING")[-1]
        return proc

    def folder(self, count):
        folder = os.path.join(self.box.dir, "four")
        os.makedirs(folder, exist_ok=True)
        for i in range(count):
            shutil.copy(osup.clip(10), os.path.join(folder, "%d.avi" % (i + 1)))
        return folder

    def test_a_file_opens_at_its_position_less_the_rewind(self):
        clip = shutil.copy(osup.clip(30), os.path.join(self.box.dir, "long.avi"))
        # 10 s less the default 1.5 s; 1 s less 1.5 s is below 0.
        for stored, shown in (("10", (8, 9)), ("1", (0, 1))):
            with self.subTest(stored=stored):
                proc = self.start(clip, {"long.avi": stored})
                self.assertIn(shown_seconds(self.started), shown, self.started)
                self.assertEqual(self.box.close(proc)[0], 0)

    def test_a_folder_takes_its_entry_check_states_and_shuffle_pass(self):
        folder = self.folder(4)
        # Resumed near the end of the first entry of the second pass, with
        # an entry unchecked that is neither that one nor the next: the
        # file's end steps on within that pass, where a list started afresh
        # would be in the first (or at the first place of the second).
        order = shuffle_reference.build(4, shuffle_reference.seed_of(winpath(folder) + "\\"))
        track, following = order[4], order[5]
        unchecked = min(set(range(4)) - {track, following})
        value = "9,%d/2,%X" % (track + 1, 1 << unchecked)
        proc = self.start(folder, {"four": value}, repeat=SHUFFLE)
        self.assertEqual(ps.wait_trace(self, self.box, "play")["track"], track)
        checks = [2] * 4
        checks[unchecked] = 1
        rows = zvtest.wait_for(
            lambda: (lambda r: r if r and [x["check"] for x in r] == checks else None)(
                zvtest.list_rows(PLAYLIST, TRACK_LIST_ID)))
        self.assertIsNotNone(rows, zvtest.list_rows(PLAYLIST, TRACK_LIST_ID))
        text = ps.wait_status(self, r"SHUFFLE\s+:\s+\d+", timeout=20)
        self.assertRegex(text, r"SHUFFLE\s+:\s+%02d\s+\(2\s*,\s*2\)" % (following + 1),
                         (order, unchecked))
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_an_entry_past_the_list_is_logged_and_the_list_starts_anew(self):
        folder = self.folder(3)
        proc = self.start(folder, {"four": "5,9"})
        osup.wait_log(self, self.box, r"E1009 : ResumeInfo / FileCount=3 Index=9")
        self.assertIn("[1/3] 1.avi", osup.title())
        self.assertIn(shown_seconds(self.started), (0, 1), self.started)
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
