"""Files dropped on the main window from an X drag source (XDND, which Wine
hands over as WM_DROPFILES): several replace the list sorted by name and the
first plays, one list file opens as a list, Ctrl adds through the playlist
window; a missing file, a path too long to hold and more files than the list
takes are told on the status bar."""

import os
import re
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import open_support as osup  # noqa: E402
import zvtest  # noqa: E402
from drop_files import drop  # noqa: E402
from path_support import NOT_FOUND  # noqa: E402
from zvtest import BehaviourTest, winpath  # noqa: E402

PLAYLIST = "ZENTAVIO_PLAYLIST"
TRACKS = 1401


def row_names():
    rows = zvtest.list_rows(PLAYLIST, TRACKS) or []
    return [re.sub(r"^\s*\d+[.,]?\s*", "", r["texts"][0]).strip() for r in rows]


class FileDrops(BehaviourTest):
    def setUp(self):
        super().setUp()
        osup.settings(self.box, extra={
            "Main": {"List": "3"},
            "Playlist": {"Atc": "0", "Pos": "1300,100,280,420,100"}})
        self.media = os.path.join(self.box.dir, "media")
        os.makedirs(self.media)
        for name in ("c", "a", "b"):
            shutil.copy(osup.clip(10), os.path.join(self.media, name + ".avi"))
        self.proc = self.box.start()
        win = self.box.wait_window()
        self.assertIsNotNone(win, "no main window")
        self.assertIsNotNone(self.box.wait_window(PLAYLIST), "no playlist window")
        left, top, right, bottom = (int(v) for v in win["rect"].split(","))
        self.point = ((left + right) // 2, (top + bottom) // 2)

    def drop(self, paths, ctrl=False):
        self.assertEqual(drop(*self.point, paths, ctrl=ctrl), 0, "the drop was not taken")

    def wait_title(self, text):
        seen = zvtest.wait_for(lambda: text in osup.title())
        self.assertTrue(seen, "title never read %r: %r" % (text, osup.title()))

    def wait_rows(self, names):
        self.assertTrue(zvtest.wait_for(lambda: row_names() == names),
                        "rows %r, not %r" % (row_names(), names))

    def test_drops_replace_open_and_add(self):
        media = lambda name: os.path.join(self.media, name)  # noqa: E731
        self.drop([media("c.avi"), media("a.avi"), media("b.avi")])
        self.wait_title("[1/3] a.avi - ")
        self.wait_rows(["a.avi", "b.avi", "c.avi"])
        osup.watch_status(self, r"PLAYING")

        listed = media("list.m3u")
        with open(listed, "w", newline="\r\n") as f:
            f.write("#EXTM3U\n#EXTINF:10,c\n%s\n#EXTINF:10,b\n%s\n"
                    % (winpath(media("c.avi")), winpath(media("b.avi"))))
        self.drop([listed])
        self.wait_title("[1/2] c.avi - ")

        # Ctrl: the playlist window adds; the playing file stays.
        self.drop([media("a.avi")], ctrl=True)
        self.wait_rows(["c", "b", "a.avi"])  # the list names its entries
        self.assertIn("] c.avi - ", osup.title())

    def test_refused_drops(self):
        self.drop([os.path.join(self.media, "gone.avi")])
        osup.watch_status(self, NOT_FOUND)

        # 300 characters in all: Linux holds it, a Windows path buffer not.
        deep = os.path.join(self.media, "d" * 150)
        os.makedirs(deep)
        long_path = os.path.join(deep, "e" * (295 - len(winpath(deep))) + ".avi")
        shutil.copy(osup.clip(10), long_path)
        self.assertEqual(len(winpath(long_path)), 300)
        self.drop([long_path])
        osup.watch_status(self, NOT_FOUND)
        osup.wait_log(self, self.box, r"E1013 : .*\(300 ")
        self.assertNotIn("eeee", osup.title())

        # 1500 files: the first 1000 by drop order make the list, sorted.
        many = os.path.join(self.box.dir, "many")
        os.makedirs(many)
        paths = [os.path.join(many, "m%04d.avi" % i) for i in range(1500)]
        shutil.copy(osup.clip(10), paths[0])
        for p in paths[1:]:
            open(p, "wb").close()
        self.drop(list(reversed(paths[:1000])) + paths[1000:])
        self.wait_title("[1/1000] m0000.avi - ")
        osup.watch_status(self, r"ERR \(MAX\)")
        osup.wait_log(self, self.box, r"E1010 : ")
        self.assertEqual(self.box.close(self.proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
