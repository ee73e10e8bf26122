"""Paths of every kind opened from the command line: media files, lists,
folders, shortcuts, bookmarks and jump lists, pictures, and the failures
shown on the status bar and logged."""

import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import open_support as osup  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, winpath  # noqa: E402


def status_text(test):
    """The status bar with its back-quotes read as blanks."""
    return osup.status(test).replace("`", " ")


def make_link(test, link, target):
    code, _ = zvtest.run_to_file(os.path.join(zvtest.BIN, "LinkTool.exe"), winpath(link),
                                 target)
    test.assertEqual(code, 0, "no shortcut made")


def make_jpeg(test, path, comment=None):
    """A small JPEG; with a comment, that text as its EXIF UserComment."""
    if not shutil.which("convert") or not shutil.which("exiftool"):
        test.skipTest("ImageMagick and exiftool make the pictures")
    subprocess.run(["convert", "-size", "64x36", "xc:#3060a0", path], check=True)
    if comment is not None:
        subprocess.run(["exiftool", "-q", "-overwrite_original", "-UserComment=" + comment, path],
                       check=True)


class OpenPaths(BehaviourTest):
    def setUp(self):
        super().setUp()
        osup.settings(self.box, extra={"Common": {"MvLog": "8"}})
        self.media = os.path.join(self.box.dir, "media")
        os.makedirs(self.media)
        self.clip = shutil.copy(osup.clip(10), os.path.join(self.media, "clip.avi"))

    def open(self, path, wait_title=None):
        proc = self.box.start(path)
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        if wait_title:
            title = zvtest.wait_for(lambda: wait_title in osup.title() and osup.title())
            self.assertTrue(title, "title never named %r: %r" % (wait_title, osup.title()))
        return proc

    def test_media_list_folder_and_shortcuts(self):
        listed = os.path.join(self.media, "list.zvpl")
        with open(listed, "wb") as f:
            text = "[ZENTAVIO_PLAYLIST]\r\nFMT=100\r\nCOUNT=1\r\n[TRACK_1]\r\nPATH=%s\r\n" % (
                winpath(self.clip))
            f.write(b"\xff\xfe" + text.encode("utf-16-le"))
        link = os.path.join(self.box.dir, "clip.lnk")
        make_link(self, link, winpath(self.clip))
        folder_link = os.path.join(self.box.dir, "media.lnk")
        make_link(self, folder_link, winpath(self.media))
        for path in (self.clip, listed, self.media, link, folder_link):
            proc = self.open(winpath(path), "clip.avi")
            self.assertEqual(self.box.close(proc)[0], 0)

    def test_bookmark_and_pictures(self):
        mark = os.path.join(self.box.dir, "mark.zvbm")
        make_jpeg(self, mark + ".jpg", "[ZENTAVIO_IMGDATA]\nFMT=100\n[BOOKMARK]\nFILE=%s\n"
                  "POS=5000\n" % winpath(self.clip))
        os.rename(mark + ".jpg", mark)
        proc = self.open(winpath(mark), "clip.avi")
        osup.watch_status(self, r"0:0[45]")
        self.box.close(proc)

        for name, comment in (("plain.jpg", None), ("junk.jpg", "x" * 16000)):
            picture = os.path.join(self.box.dir, name)
            make_jpeg(self, picture, comment)
            proc = self.open(winpath(picture), name)
            self.box.close(proc)

    def test_failures(self):
        proc = self.open(winpath(os.path.join(self.box.dir, "gone.avi")))
        zvtest.wait_for(lambda: "FILE NOT FOUND" in status_text(self))
        self.assertIn("FILE NOT FOUND", status_text(self))
        self.box.close(proc)

        old = os.path.join(self.box.dir, "old.zvpl")
        with open(old, "wb") as f:
            f.write(b"\xff\xfe" + "[ZENTAVIO_PLAYLIST]\r\nFMT=110\r\n".encode("utf-16-le"))
        proc = self.open(winpath(old))
        osup.wait_log(self, self.box, r"E1004 : .* \"%s\"" % winpath(old).replace("\\", r"\\"))
        self.box.close(proc)

        empty = os.path.join(self.box.dir, "empty")
        os.makedirs(empty)
        proc = self.open(winpath(empty))
        osup.wait_log(self, self.box, r"E1003 : ")
        self.box.close(proc)

        loop = os.path.join(self.box.dir, "loop.lnk")
        open(loop, "wb").close()
        make_link(self, loop, winpath(loop))
        proc = self.open(winpath(loop))
        zvtest.wait_for(lambda: "FILE NOT FOUND" in status_text(self))
        self.assertEqual(self.box.close(proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
