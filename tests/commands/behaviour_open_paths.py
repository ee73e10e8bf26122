"""Paths of every kind opened from the command line: media files, lists,
folders, shortcuts, bookmarks and jump lists, pictures, and the failures
shown on the status bar and logged."""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import open_support as osup  # noqa: E402
import zvtest  # noqa: E402
from path_support import NOT_FOUND, make_jpeg, make_link, jump_list_text, watch_titles  # noqa: E402
from zvtest import BehaviourTest, winpath  # noqa: E402


LIST_ERROR = r"ERROR : OPEN PLAYLISTFILE"


class OpenPaths(BehaviourTest):
    def setUp(self):
        super().setUp()
        osup.settings(self.box, extra={"Common": {"MvLog": "8"}})
        self.media = os.path.join(self.box.dir, "media")
        os.makedirs(self.media)
        self.clip = shutil.copy(osup.clip(10), os.path.join(self.media, "clip.avi"))

    def open(self, path, wait_title=None):
        proc = self.box.start(path)
        # A loaded machine can take a while to start a second player in a row.
        if self.box.wait_window(timeout_ms=30000) is None:
            state = proc.poll()
            self.fail("no main window (exit %r): %s" % (state, self.box.output(proc)[-3000:]
                                                        if state is not None else ""))
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
        # A long clip and a place far into it: the place the bookmark opens
        # at stands apart from any time a loaded machine takes to read it.
        clip = shutil.copy(osup.clip(60), os.path.join(self.media, "long.avi"))
        mark = os.path.join(self.box.dir, "mark.zvbm")
        make_jpeg(self, mark + ".jpg", "[ZENTAVIO_IMGDATA]\nFMT=100\n[BOOKMARK]\nFILE=%s\n"
                  "POS=30000\n" % winpath(clip))
        os.rename(mark + ".jpg", mark)
        began = time.monotonic()
        proc = self.open(winpath(mark), "long.avi")
        text = osup.watch_status(self, r"\n\d+:\d\d\s+\(")[-1]
        m = re.search(r"\n(\d+):(\d\d)\s+\(", text)
        at = int(m.group(1)) * 60 + int(m.group(2))
        self.assertGreaterEqual(at, 29, text)
        self.assertLessEqual(at, 31 + time.monotonic() - began, text)
        self.box.close(proc)

        for name, comment in (("plain.jpg", None), ("junk.jpg", "x" * 16000)):
            picture = os.path.join(self.box.dir, name)
            make_jpeg(self, picture, comment)
            proc = self.open(winpath(picture), name)
            self.box.close(proc)

    def test_hls_list_plays_its_segments_in_order(self):
        hls = os.path.join(self.box.dir, "hls")
        os.makedirs(hls)
        subprocess.run(["ffmpeg", "-loglevel", "error", "-i", osup.clip(6), "-c", "copy", "-f",
                        "segment", "-segment_time", "2", "-segment_list", "x.m3u8",
                        "-segment_list_type", "m3u8", "seg%03d.avi"], cwd=hls, check=True)
        # Each title from the first on: a segment lasts 2 s.
        proc = self.open(winpath(os.path.join(hls, "x.m3u8")))
        titles = [t for t in watch_titles(self, "seg002.avi") if "seg" in t]
        self.assertEqual(titles, ["[%d/3] seg00%d.avi - ZENTAVIO" % (i + 1, i) for i in range(3)])
        # Closed while the duration scan may still probe the segments.
        code, out = self.box.close(proc)
        self.assertEqual(code, 0, out[-3000:])

    def test_jump_lists_open_their_media_stopped_or_show_as_a_picture(self):
        # Each name the player takes for a jump list, with the media beside it.
        for name in ("clip.avi.zvjl", "clip.avi.zvjl.jpg", "clip.avi.jpg"):
            with self.subTest(jump_list=name):
                path = os.path.join(self.media, name)
                make_jpeg(self, path, jump_list_text())
                proc = self.open(winpath(path), "clip.avi")
                # Opened "stopped": loaded and paused at its start.
                text = osup.watch_status(self, r"PAUSED")[-1]
                self.assertIn("0:00", text)
                self.assertEqual(self.box.close(proc)[0], 0)
                os.remove(path)

        gone = os.path.join(self.box.dir, "gone.avi.zvjl")
        make_jpeg(self, gone, jump_list_text())
        proc = self.box.start(winpath(gone))
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        seen = osup.watch_status_closely(self, "NO    TARGET    FILE")
        self.assertFalse(any(re.search(r"PLAYING|PAUSED", t) for t in seen), seen)
        self.assertIn("gone.avi.zvjl", osup.title())
        self.assertEqual(self.box.close(proc)[0], 0)

    def test_failures(self):
        proc = self.open(winpath(os.path.join(self.box.dir, "gone.avi")))
        osup.watch_status(self, NOT_FOUND)
        self.box.close(proc)

        # A list of a format this build does not read, and an HLS master list
        # naming only variant lists: neither gives a track.
        old = os.path.join(self.box.dir, "old.zvpl")
        with open(old, "wb") as f:
            f.write(b"\xff\xfe" + "[ZENTAVIO_PLAYLIST]\r\nFMT=110\r\n".encode("utf-16-le"))
        master = os.path.join(self.box.dir, "master.m3u8")
        with open(master, "w", newline="\n") as f:
            f.write("#EXTM3U\n#EXT-X-STREAM-INF:BANDWIDTH=800000,RESOLUTION=160x90\n"
                    "low/x.m3u8\n#EXT-X-STREAM-INF:BANDWIDTH=1600000\nhigh/x.m3u8\n")
        for path in (old, master):
            with self.subTest(list=os.path.basename(path)):
                proc = self.open(winpath(path))
                osup.watch_status(self, LIST_ERROR)
                osup.wait_log(self, self.box,
                              r"E1004 : .* \"%s\"" % re.escape(winpath(path)))
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
        osup.watch_status(self, NOT_FOUND)
        self.assertEqual(self.box.close(proc)[0], 0)

if __name__ == "__main__":
    zvtest.main()
