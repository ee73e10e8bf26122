"""Opening a path whose file has moved, found again through the file-move
history ([FileMove], on with [Common] MvLog): a missing path opens its new
place, a shortcut to it asks first and is rewritten on Yes; and shortcuts
that lead nowhere end as a missing file."""

import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import open_support as osup  # noqa: E402
import zvtest  # noqa: E402
from path_support import NOT_FOUND, link_target, make_link  # noqa: E402
from zvtest import BehaviourTest, probe, winpath  # noqa: E402

MOVED = "OPEN    MOVED    FILE"


class OpenMoved(BehaviourTest):
    def setUp(self):
        super().setUp()
        # The clip lived in old/ and was moved to new/, as the history says.
        self.old = os.path.join(self.box.dir, "old")
        self.new = os.path.join(self.box.dir, "new")
        os.makedirs(self.new)
        self.clip = shutil.copy(osup.clip(10), os.path.join(self.new, "clip.avi"))
        self.gone = os.path.join(self.old, "clip.avi")
        osup.settings(self.box, extra={
            "Common": {"MvLog": "8"},
            "FileMove": {"Count": "1", "0": "%s/%s" % (winpath(self.old), winpath(self.new))},
        })

    def shortcut_to_moved_clip(self):
        """A shortcut made while the clip was in old/, then the clip moved."""
        os.makedirs(self.old)
        shutil.move(self.clip, self.gone)
        link = os.path.join(self.box.dir, "clip.lnk")
        make_link(self, link, winpath(self.gone))
        shutil.move(self.gone, self.clip)
        os.rmdir(self.old)
        return link

    def test_a_missing_path_opens_where_the_history_moved_it(self):
        proc = self.box.start(winpath(self.gone))
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        seen = osup.watch_status_closely(self, "PLAYING")
        self.assertTrue(any(MOVED in t for t in seen), seen)
        self.assertIn("clip.avi", osup.title())
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_a_shortcut_to_a_moved_file_is_rewritten_on_yes(self):
        link = self.shortcut_to_moved_clip()
        proc = self.box.start(winpath(link))
        code, text = probe("answer", "ZENTAVIO", "yes", "20000")
        self.assertEqual(code, 0, "no question box")
        self.assertIn("変更前 [%s]" % winpath(self.gone), text)
        self.assertIn("変更後 [%s]" % winpath(self.clip), text)
        osup.watch_status(self, r"PLAYING")
        self.assertIn("clip.avi", osup.title())
        self.assertEqual(link_target(link).lower(), winpath(self.clip).lower())
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_a_shortcut_to_a_moved_file_opens_nothing_on_no(self):
        link = self.shortcut_to_moved_clip()
        proc = self.box.start(winpath(link))
        code, _ = probe("answer", "ZENTAVIO", "no", "20000")
        self.assertEqual(code, 0, "no question box")
        # Nothing is left loading once the question is answered.
        osup.watch_status(self, r"NO    FILE")
        self.assertNotIn("clip.avi", osup.title())
        self.assertEqual(link_target(link).lower(), winpath(self.gone).lower())
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_shortcuts_that_lead_nowhere_end_as_a_missing_file(self):
        # Two shortcuts naming each other, and one with an empty target.
        first = os.path.join(self.box.dir, "first.lnk")
        second = os.path.join(self.box.dir, "second.lnk")
        open(first, "wb").close()
        make_link(self, second, winpath(first))
        make_link(self, first, winpath(second))
        empty = os.path.join(self.box.dir, "empty.lnk")
        make_link(self, empty, "")
        for link in (first, empty):
            with self.subTest(link=os.path.basename(link)):
                proc = self.box.start(winpath(link))
                self.assertIsNotNone(self.box.wait_window(), "no main window")
                osup.watch_status(self, NOT_FOUND)
                self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
