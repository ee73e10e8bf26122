"""What the open-by-path tests share: shortcuts made and read back by
LinkTool, JPEGs carrying image data in their EXIF UserComment, a Resume.dat
record, and a window-title watch."""

import os
import shutil
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "filedata"))

import open_support as osup  # noqa: E402
import zvtest  # noqa: E402
from behaviour_resume import key_of  # noqa: E402
from zvtest import winpath  # noqa: E402

NOT_FOUND = r"FILE    NOT    FOUND"


def make_link(test, link, target):
    code, _ = zvtest.run_to_file(os.path.join(zvtest.BIN, "LinkTool.exe"), winpath(link),
                                 target)
    test.assertEqual(code, 0, "no shortcut made")


def link_target(link):
    """The target a shortcut names, or None."""
    code, out = zvtest.run_to_file(os.path.join(zvtest.BIN, "LinkTool.exe"), winpath(link))
    return out if code == 0 else None


def exif_segment(comment):
    """An APP1 EXIF segment whose UserComment is the raw bytes, as the player
    stores its image data (exiftool always puts a character-code prefix
    before the text, which the player's own files never carry)."""
    ifd0 = struct.pack("<H", 1) + struct.pack("<HHII", 0x8769, 4, 1, 26) + struct.pack("<I", 0)
    exif = struct.pack("<H", 1) + struct.pack("<HHII", 0x9286, 7, len(comment), 44)
    tiff = b"II*\x00" + struct.pack("<I", 8) + ifd0 + exif + struct.pack("<I", 0) + comment
    body = b"Exif\x00\x00" + tiff
    return b"\xff\xe1" + struct.pack(">H", len(body) + 2) + body


def make_jpeg(test, path, comment=None):
    """A small JPEG made by ImageMagick, whatever the name's extension; with
    a comment, that text (UTF-8, ending in its zero byte) as its EXIF
    UserComment."""
    if not shutil.which("convert"):
        test.skipTest("ImageMagick makes the pictures")
    subprocess.run(["convert", "-size", "64x36", "xc:#3060a0", "-strip", "jpeg:" + path],
                   check=True)
    if comment is None:
        return
    with open(path, "rb") as f:
        data = f.read()
    with open(path, "wb") as f:
        f.write(data[:2] + exif_segment(comment.encode("utf-8") + b"\x00") + data[2:])


def jump_list_text():
    """Image data of a 2 x 2 jump list."""
    return "[ZENTAVIO_IMGDATA]\nFMT=200\nSIZE=64,36\n[JUMPLIST]\nBLOCK=2,2\n"


def write_resume(box, records):
    """Resume.dat beside the program: {item name: value text}, each keyed as
    the player keys it (a folder by its last name)."""
    lines = ["[ZENTAVIO_RESUME]"]
    lines += ["%s=%s" % (key_of(name), value) for name, value in records.items()]
    with open(os.path.join(box.dir, "Resume.dat"), "wb") as f:
        f.write(b"\xff\xfe" + "\r\n".join(lines + [""]).encode("utf-16-le"))


def watch_titles(test, last, timeout=30.0):
    """Every distinct window title until one holds the text `last`."""
    deadline = time.monotonic() + timeout
    seen = []
    while time.monotonic() < deadline:
        title = osup.title()
        if title and (not seen or seen[-1] != title):
            seen.append(title)
        if last in title:
            return seen
        time.sleep(0.05)
    test.fail("the title never named %r; saw %r" % (last, seen))
