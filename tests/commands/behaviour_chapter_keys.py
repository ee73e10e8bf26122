"""Chapters and markers edited through keys bound in [Bind]: what each key
does is read twice, in the information file beside the clip and on the
status bar. A plain clip has no chapters of its own; a description played
by our test source brings the media's chapters that a reset returns to."""

import os
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import play_support as ps  # noqa: E402
import zvtest  # noqa: E402
from key_support import KeyPlayer, key  # noqa: E402
from screen import xdotool  # noqa: E402
from zvtest import BehaviourTest, read_ini, winpath  # noqa: E402

SOURCE_DLL = os.path.join(zvtest.BIN, "TestSourceFilter.dll")

# "enabled,function,parameter,key": function ids and keys in hexadecimal;
# a text parameter takes ";" for its commas.
KEYS = [
    "1,1,-1,20",      # Space: play or pause
    "1,12,300,4A",    # J: to 0:30
    "1,12,570,48",    # H: to 0:57
    "1,12,600,47",    # G: to 1:00
    "1,12,610,4B",    # K: to 1:01
    "1,1A,1,41",      # A: add a chapter (the setting's snap)
    "1,1A,1;2000,42",  # B: add a chapter, moving one within 2 s
    "1,1A,2,44",      # D: delete the current chapter
    "1,1A,-1,52",     # R: back to the media's chapters
    "1,4A,1,4D",      # M: add a marker
    "1,4A,2,4E",      # N: delete the nearest marker
    "1,4A,3,4F",      # O: previous marker
    "1,4A,4,50",      # P: next marker
    "1,B,0;1,22",     # Page Down: next chapter, chapters only
]

# Markers at 10, 14 and 17 s, which the engine takes as the media's
# chapters (with one at 0 before them).
MARKED = ("ZVSRC\nduration 30\npicture 320 180 FFFFFF 25\n"
          "stream video 0 0 1 Video\nstream audio 1033 1 1 Sound\n"
          "marker 10 B\nmarker 14 C\nmarker 17 D\n")


def register(dll, on=True):
    args = ["regsvr32", "/s"] + ([] if on else ["/u"]) + [winpath(dll)]
    return zvtest.wine(args, timeout=60).returncode


def section(media, name):
    """The numbered keys of a section of the information file, in order."""
    path = media + ".zvinf"
    if not os.path.exists(path):
        return None
    items = read_ini(path)[0].get(name, {})
    return [items[k] for k in sorted(items, key=int)]


class ChapterKeys(KeyPlayer, BehaviourTest):
    def start(self, media):
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool")
        binds = {"Count": str(len(KEYS))}
        binds.update({str(i): v for i, v in enumerate(KEYS)})
        ps.settings(self.box, repeat=0, keep_awake=0,
                    extra={"Main": {"Pos": "100,100,855,555", "ErrLog": "1"}, "Bind": binds})
        self.open_playing(media)

    def press(self, name, pattern):
        key(name)
        return ps.wait_status(self, pattern)

    def wait_section(self, media, name, wanted):
        found = zvtest.wait_for(lambda: section(media, name) == wanted, 8)
        self.assertTrue(found, "%s: %r" % (name, section(media, name)))

    def wait_elapsed(self, seconds):
        self.assertTrue(zvtest.wait_for(lambda: ps.elapsed(self) == seconds, 8),
                        "time pane at %d, not %d" % (ps.elapsed(self), seconds))

    def test_chapters_and_markers_of_a_plain_clip(self):
        media = os.path.join(self.box.dir, "plain.avi")
        shutil.copy(ps.open_support.clip(120, "chapkeys120.avi"), media)
        self.start(media)
        self.press("space", r"PAUSED")
        # Seeks to a time land 1 ms past it, and so do the chapters and
        # markers added there.
        key("g")
        self.wait_elapsed(60)
        # A file without chapters gets one at 0 first.
        self.press("a", r"ADD +CHAPTER : 2 +/ +2 +\(1:00\)")
        self.wait_section(media, "CHAPTER", ["00:00:00.000", "00:01:00.001"])
        # Twice at the same place is refused.
        self.press("a", r"ADD +CHAPTER : ERR \(SAME +POS\)")
        # A snap of 2 s moves the chapter rather than adding one beside it.
        key("k")
        self.wait_elapsed(61)
        self.press("b", r"MOVE +CHAPTER : 2 +\(1:01\) +\(\+1\.000\)")
        self.wait_section(media, "CHAPTER", ["00:00:00.000", "00:01:01.001"])
        # The engine has the new chapter: playing across it announces it.
        key("h")
        self.wait_elapsed(57)
        key("space")
        seen = ps.open_support.watch_status_closely(self, "CHAPTER   :   02")
        self.assertFalse([t for t in seen if "CHAPTER   :   01" in t], seen)
        self.press("space", r"PAUSED")
        self.press("d", r"DELETE CHAPTER : 2")
        self.wait_section(media, "CHAPTER", ["00:00:00.000"])
        # Back to the media's own: the emptied file goes.
        self.press("r", r"RESET CHAPTER")
        self.assertTrue(zvtest.wait_for(lambda: not os.path.exists(media + ".zvinf"), 8))

        key("g")
        self.wait_elapsed(60)
        self.press("m", r"ADD +MARKER : 1 +/ +1")
        key("j")
        self.wait_elapsed(30)
        # Kept in order of position: the new one comes first.
        self.press("m", r"ADD +MARKER : 1 +/ +2")
        self.wait_section(media, "MARKER", ["00:00:30.001", "00:01:00.001"])
        self.press("p", r"FILE +MARKER : 2")
        self.wait_elapsed(60)
        self.press("o", r"FILE +MARKER : 1")
        self.wait_elapsed(30)
        self.press("n", r"DELETE FILEMARK : 1")
        self.wait_section(media, "MARKER", ["00:01:00.001"])
        self.assertEqual(self.box.close(self.proc)[0], 0)

    def test_media_chapters_return_and_hand_edited_markers_are_sorted(self):
        self.assertEqual(register(SOURCE_DLL), 0)
        self.addCleanup(register, SOURCE_DLL, False)
        media = os.path.join(self.box.dir, "marked.zvsrc")
        with open(media, "w") as f:
            f.write(MARKED)
        # User chapters at 0 and 5 s; markers out of order, two at 8 s.
        ps.write_zvinf(media, [0, 5000], [25000, 8000, 8000], 30000)
        self.start(media)
        self.press("space", r"PAUSED")
        self.press("Next", r"POS : CHAPTER 2")
        self.wait_elapsed(5)
        self.press("r", r"RESET CHAPTER")
        self.wait_section(media, "CHAPTER", [])
        # The media's chapter 2 starts at 10 s.
        self.press("Next", r"POS : CHAPTER 2")
        self.wait_elapsed(10)
        # Read sorted and one at each place (8 and 25 s): the new one is
        # the second of three, and the file is written so.
        self.press("m", r"ADD +MARKER : 2 +/ +3")
        self.wait_section(media, "MARKER", ["00:00:08.000", "00:00:10.001", "00:00:25.000"])
        self.press("p", r"FILE +MARKER : 3")
        self.wait_elapsed(25)
        self.press("o", r"FILE +MARKER : 2")
        self.wait_elapsed(10)
        self.assertEqual(self.box.close(self.proc)[0], 0)


if __name__ == "__main__":
    zvtest.main()
