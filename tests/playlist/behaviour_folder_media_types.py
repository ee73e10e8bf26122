"""A folder given on the command line becomes a playlist of the files whose
extensions are playable: built-in ones, the user's extra ones from [Main]
"SptExt", never excluded or unknown ones."""

import os
import re
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import open_support as s  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, winpath  # noqa: E402

E1001 = r"E1001 : OpenFile \(0x([0-9A-F]{8})\) / \[(\d+)/(\d+)\] (.*)"


def media_folder(box):
    """a.avi broken, b.xyz a good clip, c.txt and d.exe good clips too."""
    folder = os.path.join(box.dir, "media")
    os.makedirs(folder)
    with open(os.path.join(folder, "a.avi"), "wb") as f:
        f.write(os.urandom(20000))
    good = s.clip(3)
    for name in ("b.xyz", "c.txt", "d.exe"):
        shutil.copy(good, os.path.join(folder, name))
    return folder


class FolderKinds(BehaviourTest):
    def test_user_extension_joins_the_list_and_plays(self):
        s.settings(self.box, extra={"Main": {"SptExt": "xyz:"}})
        folder = media_folder(self.box)
        proc = self.box.start(winpath(folder))
        self.assertIsNotNone(self.box.wait_window())
        s.watch_status(self, r"PLAYING")
        lines = re.findall(E1001, s.log_text(self.box))
        self.assertEqual(len(lines), 1, lines)
        self.assertEqual(lines[0][2], "2")  # a.avi and b.xyz; not c.txt or d.exe
        self.assertTrue(lines[0][3].strip().endswith("a.avi"))
        self.assertIn("b.xyz", s.title())
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_without_the_user_extension_only_the_built_in_one_is_listed(self):
        s.settings(self.box)
        folder = media_folder(self.box)
        proc = self.box.start(winpath(folder))
        self.assertIsNotNone(self.box.wait_window())
        lines = s.wait_log(self, self.box, E1001)
        s.watch_status(self, r"(NO|READY)    FILE")
        self.assertEqual(len(lines), 1, lines)
        self.assertEqual(lines[0][1:3], ("1", "1"))
        self.assertEqual(s.title(), "ZENTAVIO")
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
