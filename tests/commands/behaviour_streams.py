"""The stream function on real keys, on a file with one video stream, two
audio streams and no subtitles (a description our test source plays:
Wine's splitters offer no stream selection): audio cycles between its two
streams, a kind with one stream keeps it with cue 8, a kind the file lacks
says so, the default choice comes back, and the choice is kept when the
same file is opened again."""

import os
import re
import shutil
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import play_support as ps  # noqa: E402
from key_support import KeyPlayer, key  # noqa: E402
import zvtest  # noqa: E402
from screen import xdotool  # noqa: E402
from zvtest import BehaviourTest, probe, winpath  # noqa: E402

SOURCE_DLL = os.path.join(zvtest.BIN, "TestSourceFilter.dll")
CLIP = ("ZVSRC\nduration 30\npicture 320 180 FFFFFF 25\n"
        "stream video 0 0 1 Video\n"
        "stream audio 1033 1 1 English\n"
        "stream audio 1041 1 0 Japanese\n")
# Bindings "enabled,function (hex),parameter,key (hex)".
KEYS = {
    "v": "1,4F,-1,56",  # next video stream
    "a": "1,4F,-2,41",  # next audio stream
    "s": "1,4F,-3,53",  # next subtitle stream
    "d": "1,4F,0,44",   # the default choice
    "n": "1,4F,3,4E",   # stream 3
}


def register(dll, on=True):
    args = ["regsvr32", "/s"] + ([] if on else ["/u"]) + [winpath(dll)]
    return zvtest.wine(args, timeout=60).returncode


def stream_text(kind, number, count):
    return r"%s\s+STREAM\s*:\s*%d\s*/\s*%d" % (kind, number, count)


class Streams(KeyPlayer, BehaviourTest):
    def setUp(self):
        super().setUp()
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool")
        self.assertEqual(register(SOURCE_DLL), 0)
        self.addCleanup(register, SOURCE_DLL, False)

    def start(self):
        self.clip = os.path.join(self.box.dir, "two-audio.zvsrc")
        with open(self.clip, "w", encoding="utf-8") as f:
            f.write(CLIP)
        self.calls_path = os.path.join(self.box.dir, "calls.txt")
        binds = {"Count": str(len(KEYS))}
        binds.update({str(i): entry for i, entry in enumerate(KEYS.values())})
        ps.settings(self.box, repeat=0, keep_awake=0, countdown=0,
                    extra={"Main": {"Pos": "100,100,855,555", "ErrLog": "1"}, "Bind": binds})
        os.environ["ZV_TEST_LOG"] = self.calls_path
        self.addCleanup(os.environ.pop, "ZV_TEST_LOG", None)
        self.open_playing(self.clip)

    def press(self, name, pattern):
        xdotool("key", "--delay", "60", name)
        return ps.wait_status(self, pattern)

    def cues(self):
        return re.findall(r"CUE : (\d+)", ps.open_support.log_text(self.box))

    def source_calls(self, word):
        if not os.path.exists(self.calls_path):
            return []
        with open(self.calls_path, encoding="utf-8", errors="replace") as f:
            return [line for line in f.read().splitlines() if word in line]

    def test_cycle_refuse_default_and_keep_over_a_reopen(self):
        self.start()
        # Audio goes round its two streams; the source is told each time.
        self.press("a", stream_text("AUDIO", 2, 2))
        self.press("a", stream_text("AUDIO", 1, 2))
        self.assertEqual(self.source_calls("Source Enable")[-2:],
                         ["Source Enable 2 1 0x00000000", "Source Enable 1 1 0x00000000"])
        # One video stream: it stays, shown with its own number, and cue 8.
        before = self.cues().count("8")
        self.press("v", stream_text("VIDEO", 1, 1))
        self.assertTrue(zvtest.wait_for(lambda: self.cues().count("8") == before + 1, 5))
        # No subtitles at all.
        self.press("s", r"STREAM\s*:\s*NOT\s+FOUND")
        self.assertTrue(zvtest.wait_for(lambda: self.cues().count("8") == before + 2, 5))

        # Stream 3 by number is the second audio stream; the default choice
        # is the one the file opened with, the first: the next audio is the second.
        self.press("n", r"STREAM\s*:\s*3")
        self.press("d", r"STREAM\s*:\s*DEFAULT")
        self.press("a", stream_text("AUDIO", 2, 2))

        # The same file opened again comes back with the second audio stream.
        sources = len(self.source_calls("Create"))
        enables = len(self.source_calls("Source Enable 2 1"))
        # The same file handed over as a second start does.
        line = '"%s" "%s"' % (winpath(self.box.exe), winpath(self.clip))
        self.assertEqual(probe("copydata", "ZENTAVIO", "line", line)[0], 0)
        self.assertTrue(zvtest.wait_for(
            lambda: len(self.source_calls("Create")) > sources, 15), self.source_calls(""))
        self.assertTrue(zvtest.wait_for(
            lambda: len(self.source_calls("Source Enable 2 1")) > enables, 10),
            self.source_calls(""))
        self.focus()
        self.press("v", stream_text("VIDEO", 1, 1))
        self.press("a", stream_text("AUDIO", 1, 2))


if __name__ == "__main__":
    zvtest.main()
