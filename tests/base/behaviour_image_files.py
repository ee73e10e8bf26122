"""Image files and the bitmap font seen from outside: exiftool reads the
user comment we write and we read the one it writes, and the on-screen font
renders "PLAYING````00:01:23" as the reference image shows it."""

import os
import shutil
import subprocess
import tempfile
import unittest

import zvtest
from zvtest import winpath

HERE = os.path.dirname(os.path.abspath(__file__))
TOOL = os.path.join(zvtest.BIN, "ImageTool.exe")
REFERENCE = os.path.join(HERE, "ref", "bmpfont_playing.png")


def tool(*args):
    result = zvtest.wine([TOOL] + list(args), timeout=60)
    return result.returncode, result.stdout.decode("utf-8", "replace").strip()


def exiftool(*args):
    return subprocess.run(["exiftool"] + list(args), capture_output=True, check=True).stdout


class ImageCase(unittest.TestCase):
    def setUp(self):
        os.makedirs(zvtest.TMP, exist_ok=True)
        self.dir = tempfile.mkdtemp(prefix="image-", dir=zvtest.TMP)

    def tearDown(self):
        shutil.rmtree(self.dir, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.dir, name)


class ExifUserComment(ImageCase):
    def save_with(self, data):
        with open(self.path("data.bin"), "wb") as f:
            f.write(data)
        code, _ = tool("savejpeg", winpath(self.path("out.jpg")), winpath(self.path("data.bin")))
        self.assertEqual(code, 0)
        return self.path("out.jpg")

    def test_exiftool_reads_the_bytes_we_write(self):
        blocks = [
            b"JL\tC:\\Videos\\clip.mp4\t00:01:23\x00",
            "\u518d\u751f\u30ea\u30b9\u30c8\t\u6620\u753b.mkv".encode("cp932") + b"\x00",
            b"abc\x00",
            b"".join(b"%05d\tC:\\Videos\\part.mp4\r\n" % i for i in range(600)) + b"\x00",
        ]
        for data in blocks:
            with self.subTest(size=len(data)):
                jpeg = self.save_with(data)
                self.assertEqual(exiftool("-b", "-UserComment", jpeg), data)
                self.assertIn(b"Image Width                     : 32", exiftool(jpeg))

    def test_we_read_what_exiftool_writes(self):
        jpeg = self.save_with(b"old\x00")
        exiftool("-q", "-overwrite_original", "-UserComment=Written by exiftool", jpeg)
        code, out = tool("comment", winpath(jpeg), winpath(self.path("back.bin")))
        self.assertEqual(code, 0)
        with open(self.path("back.bin"), "rb") as f:
            back = f.read()
        # exiftool puts the EXIF character-code prefix before the text.
        self.assertEqual(back, b"ASCII\x00\x00\x00Written by exiftool")
        self.assertEqual(out, str(len(back)))


class BitmapFontReference(ImageCase):
    def test_playing_time_matches_the_reference(self):
        out = self.path("playing.png")
        code, _ = tool("render", winpath(out), "PLAYING````00:01:23")
        self.assertEqual(code, 0)
        code, report = tool("compare", winpath(out), winpath(REFERENCE), "8", "20")
        self.assertEqual(code, 0, report)

    def test_compare_sees_a_different_text(self):
        out = self.path("paused.png")
        tool("render", winpath(out), "PAUSED`````00:01:23")
        code, _ = tool("compare", winpath(out), winpath(REFERENCE), "8", "20")
        self.assertEqual(code, 1)


if __name__ == "__main__":
    zvtest.main()
