"""The open road's file data: a chapter text written by mkvextract is
imported into the information file once; a too-long information path is
refused with the user's box; subtitle files beside the media file reach
the subtitle filter (the engine tests' stand-in, which logs its calls)."""

import os
import re
import shutil
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "engine"))

import open_support  # noqa: E402
import play_support  # noqa: E402
import zvtest  # noqa: E402
from zvtest import probe, winpath  # noqa: E402

SUBTITLE_DLL = os.path.join(zvtest.BIN, "TestSubtitleFilter.dll")
WM_COMMAND = 0x111
IDOK = 1
FFMETADATA = """;FFMETADATA1
[CHAPTER]
TIMEBASE=1/1000
START=0
END=1500
title=Intro
[CHAPTER]
TIMEBASE=1/1000
START=1500
END=3000
title=第二章, 100%
"""


def chapter_text(folder, media):
    """media + ".chapter.txt" as `mkvextract chapters --simple` writes it
    for an mkv that ffmpeg made with the chapters above."""
    meta = os.path.join(folder, "meta.txt")
    with open(meta, "w", encoding="utf-8") as f:
        f.write(FFMETADATA)
    mkv = os.path.join(folder, "chapters.mkv")
    subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                    "testsrc=size=64x48:rate=5:duration=3", "-i", meta, "-map_metadata", "1",
                    "-map_chapters", "1", "-c:v", "mjpeg", mkv], check=True)
    out = media + ".chapter.txt"
    subprocess.run(["mkvextract", mkv, "chapters", "--simple", out], check=True,
                   stdout=subprocess.DEVNULL)
    return out


def read_zvinf(path):
    with open(path, "rb") as f:
        raw = f.read()
    return raw, raw[2:].decode("utf-16-le") if raw[:2] == b"\xff\xfe" else ""


class FileInfoOnOpen(zvtest.BehaviourTest):
    def folder(self, name):
        path = os.path.join(self.box.dir, name)
        os.makedirs(path, exist_ok=True)
        return path

    def test_chapter_text_import_once(self):
        if not shutil.which("mkvextract"):
            self.skipTest("no mkvextract (mkvtoolnix)")
        media = self.folder("media")
        clip = open_support.clip(3, "clip.avi", folder=media)
        text = chapter_text(media, clip)
        play_support.settings(self.box)
        proc = self.box.start(winpath(clip))
        self.assertIsNotNone(self.box.wait_window())
        play_support.wait_status(self, "PLAY|PAUS|STOP")
        self.assertEqual(self.box.close(proc)[0], 0)

        raw, body = read_zvinf(clip + ".zvinf")
        self.assertEqual(raw[:2], b"\xff\xfe")
        lines = body.split("\r\n")
        self.assertEqual(lines[:2], ["[ZENTAVIO_FILEINFO]", "FMT=100"])
        self.assertNotIn("\n", body.replace("\r\n", ""))
        self.assertRegex(body, r"LEN=00:0[23]\.\d{3}\r\n")
        found = re.findall(r"^(\d+)=(\d\d):(\d\d):(\d\d\.\d{3}),?([^\r\n]*)\r?$", body, re.M)
        self.assertEqual([(k, float(s), n) for k, _, _, s, n in found],
                         [("1", 0.0, "Intro"), ("2", 1.5, "第二章%c 100%%")])
        self.assertFalse(os.path.exists(text))
        self.assertTrue(os.path.exists(text + ".bak"))

        # A new text beside the information file is not imported again.
        shutil.copy(text + ".bak", text)
        before = raw
        proc = self.box.start(winpath(clip))
        self.assertIsNotNone(self.box.wait_window())
        play_support.wait_status(self, "PLAY|PAUS|STOP")
        self.assertEqual(self.box.close(proc)[0], 0)
        self.assertEqual(read_zvinf(clip + ".zvinf")[0], before)
        self.assertTrue(os.path.exists(text))

    def refused_with_a_box(self, place, wanted):
        """Starts on a clip with a chapter text whose information file would
        go where the [File] keys say; the box shows the wanted texts,
        playback waits, and the text is kept for a later import."""
        media = self.folder("m")
        clip = open_support.clip(3, "clip.avi", folder=media)
        with open(clip + ".chapter.txt", "w") as f:
            f.write("00:00:00.000 a\n00:00:01.000 b\n")
        play_support.settings(self.box, extra={"File": place})
        proc = self.box.start(winpath(clip))
        code, _ = probe("wait", "#32770", "20000")
        self.assertEqual(code, 0, "no message box")
        texts = [probe("text", "#32770", i) for i in ("65535", "100")]
        text = next((t for c, t in texts if c == 0 and t), "")
        for part in wanted:
            self.assertIn(part, text)
        probe("post", "#32770", str(WM_COMMAND), str(IDOK), "0")
        play_support.wait_status(self, "PAUS|STOP")
        self.assertEqual(self.box.close(proc)[0], 0)
        self.assertTrue(os.path.exists(clip + ".chapter.txt"))

    def test_too_long_information_path_is_refused_with_a_box(self):
        # A central folder whose information path is exactly 260 characters.
        central = self.folder("c")
        need = 260 - len(winpath(central)) - len("\\clip.avi.zvinf")
        deep = os.path.join(central, "d" * (need - 1))
        os.makedirs(deep)
        self.assertEqual(len(winpath(deep) + "\\clip.avi.zvinf"), 260)
        self.refused_with_a_box({"Inf": "2", "InfDir": winpath(deep)},
                                ["指定のファイルパスが長すぎる為", "(260/259)"])

    def test_unwritable_information_folder_is_refused_with_a_box(self):
        # The sub-folder's name is taken by a file, so the folder cannot be
        # made: a place the file cannot be written in (as root no permission
        # bit would do).
        with open(os.path.join(self.folder("m"), "inf"), "w") as f:
            f.write("a file, not a folder")
        self.refused_with_a_box({"Inf": "1", "InfSub": "inf"},
                                ["ファイルを作成する事が出来ません。", "書き込み権限の無いフォルダ"])

    def test_subtitle_files_reach_the_subtitle_filter(self):
        media = self.folder("movies")
        movie = open_support.clip(3, "movie.avi", folder=media)
        subs = self.folder(os.path.join("movies", "subs"))
        srt = "1\n00:00:00,000 --> 00:00:02,000\nhello\n"
        for path in (os.path.join(media, "movie.srt"), os.path.join(subs, "movie.srt")):
            with open(path, "w") as f:
                f.write(srt)
        subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-i", os.path.join(media, "movie.srt"),
                        os.path.join(media, "movie.en.ass")], check=True)
        with open(os.path.join(media, "movie.txt"), "w") as f:
            f.write("not a subtitle")
        # Hidden for Wine: a DOS attribute it keeps in an extended attribute.
        zvtest.wine(["cmd", "/c", "attrib", "+h", winpath(os.path.join(subs, "movie.srt"))],
                    timeout=60)
        self.assertEqual(zvtest.wine(["regsvr32", "/s", winpath(SUBTITLE_DLL)], timeout=60).returncode, 0)
        self.addCleanup(lambda: zvtest.wine(["regsvr32", "/s", "/u", winpath(SUBTITLE_DLL)], timeout=60))
        log = os.path.join(self.box.dir, "calls.txt")
        os.environ["ZV_TEST_LOG"] = log
        self.addCleanup(lambda: os.environ.pop("ZV_TEST_LOG", None))
        play_support.settings(self.box, extra={"File": {"St": "1,1,1,0"}})
        proc = self.box.start(winpath(movie))
        self.assertIsNotNone(self.box.wait_window())
        play_support.wait_status(self, "PLAY|PAUS|STOP")
        deadline = time.monotonic() + 10
        calls = []
        while time.monotonic() < deadline and not calls:
            if os.path.exists(log):
                with open(log, encoding="utf-8") as f:
                    calls = [c for c in f.read().splitlines() if "put_FileName" in c]
            time.sleep(0.1)
        # The engine took the two beside the file and nothing else.
        self.assertEqual(open_support.wait_log(self, self.box, r"SUBTITLES : (\d+)"), ["2"])
        self.assertEqual(self.box.close(proc)[0], 0)
        named = [re.search(r"\[(.*)\]", c).group(1) for c in calls]
        self.assertTrue(named, "the subtitle filter got no file")
        first = {winpath(os.path.join(media, n)) for n in ("movie.srt", "movie.en.ass")}
        self.assertIn(named[0], first)
        for n in named:
            self.assertNotIn("movie.txt", n)
            self.assertNotIn("\\subs\\", n)


if __name__ == "__main__":
    zvtest.main()
