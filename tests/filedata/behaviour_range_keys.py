"""Play ranges made and walked with real keys bound to the range functions:
the start and end set at the position, stored in the clip's information
file (an end in the file's last 0.2333 s stored open), playback pausing at
a range's end, the range repeat mode cycling through [Main] "Rpt", steps
through the ranges of one file and across files with range repeat ALL,
and a 200th range refused."""

import os
import re
import shutil
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "commands"))

import play_support as ps  # noqa: E402
from key_support import KeyPlayer, key  # noqa: E402
import zvtest  # noqa: E402
from screen import xdotool  # noqa: E402
from zvtest import BehaviourTest, read_ini  # noqa: E402

# Bindings "enabled,function (hex),parameter,key (hex)": ";" stands for ","
# inside a parameter list.
KEYS = {
    "q": "1,1,-1,51",     # play / pause
    # Percentages of a.avi's 10 s land on whole ms (a time seek lands 1 ms
    # after the second it names).
    "w": "1,11,20,57",    # go to 20 %: 2 s
    "e": "1,11,30,45",    # go to 30 %: 3 s
    "r": "1,11,50,52",    # go to 50 %: 5 s
    "t": "1,11,99,54",    # go to 99 %: 9.9 s, within the last 0.2333 s
    "y": "1,11,10,59",    # go to 10 %: 2 s of b.avi's 20 s
    "a": "1,4B,2,41",     # range: set the start
    "s": "1,4B,3,53",     # range: set the end
    "d": "1,4B,5;0,44",   # range: store, play range stays on
    "f": "1,4B,4,46",     # range: reset
    "g": "1,4E,-1,47",    # range repeat: next mode
    "h": "1,4C,1,48",     # next range
    "j": "1,4C,-1,4A",    # previous range
    "k": "1,4C,2,4B",     # next file with ranges
    "l": "1,4C,-2,4C",    # previous file with ranges
}
RANGE = r"PLAY\s+RANGE\s*:\s*"
# A file step's text: the last of two ranges, without the place in the list.
LAST_OF_TWO = r"2\s*/\s*2\s*\([^\[\n]*(\n|$)"


def t(ms):
    return "%02d:%02d:%06.3f" % (ms // 3600000, ms // 60000 % 60, ms % 60000 / 1000)


def write_ranges(media, length_ms, ranges):
    lines = ["[ZENTAVIO_FILEINFO]", "FMT=100", "LEN=" + t(length_ms), "[RANGE]"]
    lines += ["%d=%s-%s" % (i + 1, t(a), t(b)) for i, (a, b) in enumerate(ranges)]
    with open(media + ".zvinf", "wb") as f:
        f.write(b"\xff\xfe" + "\r\n".join(lines + [""]).encode("utf-16-le"))


def read_ranges(media):
    with open(media + ".zvinf", "rb") as f:
        text = f.read().decode("utf-16")
    section = text.split("[RANGE]", 1)[1].split("[", 1)[0]
    return [line.strip() for line in section.splitlines() if line.strip()]


class RangeKeys(KeyPlayer, BehaviourTest):
    def start(self):
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool")
        folder = os.path.join(zvtest.TMP, "range-keys")
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        # a.avi starts without ranges; b.avi has two long ones; c.avi is full.
        self.a = ps.open_support.clip(10, "a.avi", folder)
        self.b = ps.open_support.clip(20, "b.avi", folder)
        self.c = ps.open_support.clip(8, "c.avi", folder)
        write_ranges(self.b, 20000, [(1000, 9000), (10000, 18000)])
        write_ranges(self.c, 8000, [(1000 + i * 30, 1020 + i * 30) for i in range(199)])
        binds = {"Count": str(len(KEYS))}
        binds.update({str(i): entry for i, entry in enumerate(KEYS.values())})
        ps.settings(self.box, repeat=0, keep_awake=0, countdown=0,
                    extra={"Main": {"Pos": "100,100,855,555", "ErrLog": "1", "Rpt": "0,0"},
                           "Bind": binds})
        self.open_playing(folder)

    def press(self, name, pattern, timeout=15.0):
        key(name)
        return ps.wait_status(self, pattern, timeout=timeout)

    def go(self, name, *seconds):
        key(name)
        self.assertTrue(zvtest.wait_for(lambda: ps.elapsed(self) in seconds, 10),
                        "not at %r s: %r" % (seconds, ps.status(self)))

    def cues(self):
        return re.findall(r"CUE : (\d+)", ps.open_support.log_text(self.box))

    def playing(self, name):
        self.assertTrue(zvtest.wait_for(lambda: name in ps.open_support.title(), 10),
                        ps.open_support.title())

    def range_repeat(self):
        rpt = read_ini(self.box.ini)[0].get("Main", {}).get("Rpt", "")
        return rpt.split(",")[-1]

    def test_set_store_end_repeat_steps_and_the_full_file(self):
        self.start()
        self.press("q", r"PAUSED")
        # Start at 2 s and end at 5 s, stored as the file's first range.
        self.go("w", 2)
        self.press("a", RANGE + r"SET\s+STARTPOS")
        self.go("r", 5)
        self.press("s", RANGE + r"SET\s+ENDPOS")
        self.press("d", r"ADD\s+PLAYRANGE\s*:\s*1\s*/\s*1")
        self.assertEqual(read_ranges(self.a), ["1=00:00:02.000-00:00:05.000"])
        # An end set in the file's last 0.2333 s is stored open; the start stays.
        self.go("e", 3)
        self.press("a", RANGE + r"SET\s+STARTPOS")
        self.go("t", 9, 10)  # 9.9 s may show as either
        self.press("s", RANGE + r"SET\s+ENDPOS")
        self.press("d", r"ADD\s+PLAYRANGE\s*:\s*2\s*/\s*2")
        self.assertEqual(read_ranges(self.a),
                         ["1=00:00:02.000-00:00:05.000", "2=00:00:03.000-"])

        # From the first range's start, the next range is the first; played,
        # it pauses at its end (range repeat OFF).
        self.press("f", RANGE + r"RESET")
        self.go("w", 2)
        self.press("h", RANGE + r"1\s*/\s*2")
        key("q")
        ps.wait_status(self, RANGE + r"END\s+POS", timeout=25)
        self.assertIn(ps.elapsed(self), (4, 5))

        # The range repeat mode steps OFF, ON, FILE, ALL (and back to OFF
        # below), kept as the second number of [Main] "Rpt".
        for text in ("ON", "FILE", "ALL"):
            self.press("g", r"RANGE\s+REPEAT\s*:\s*" + text)
        self.assertTrue(zvtest.wait_for(lambda: self.range_repeat() == "3", 8), self.range_repeat())

        # With ALL the steps cross files: 2 + 2 + 199 ranges in the list.
        self.press("h", RANGE + r"2\s*/\s*2 .*\[\s*2\s*/\s*203\s*\]")
        # Past a file's last range a step first stops at its end ...
        self.press("h", RANGE + r"END\s+POS")
        # ... and then goes on to the next file's first range.
        self.press("h", RANGE + r"1\s*/\s*2 .*\[\s*3\s*/\s*203\s*\]")
        self.playing("b.avi")
        # Backward from inside the first range: first to the start of the
        # file, then to the previous file's last range.
        self.press("q", r"PAUSED")
        self.go("y", 2)
        self.press("j", RANGE + r"START\s+POS")
        self.press("j", RANGE + r"2\s*/\s*2 .*\[\s*2\s*/\s*203\s*\]")
        self.playing("a.avi")
        # The file steps go to the last range of the next or previous file
        # with ranges (the title is the witness: the texts look alike).
        self.press("k", RANGE + LAST_OF_TWO)
        self.playing("b.avi")
        self.press("l", RANGE + LAST_OF_TWO)
        self.playing("a.avi")

        self.press("g", r"RANGE\s+REPEAT\s*:\s*OFF")
        self.assertTrue(zvtest.wait_for(lambda: self.range_repeat() == "0", 8), self.range_repeat())
        # c.avi holds 199 ranges: a 200th is refused with cue 8, the file untouched.
        key("k")
        self.playing("b.avi")
        key("k")
        self.playing("c.avi")
        refused = self.cues().count("8")
        self.press("d", r"ADD\s+RANGE\s*:\s*ERR\s*\(MAX\)")
        self.assertTrue(zvtest.wait_for(lambda: self.cues().count("8") > refused, 5), self.cues())
        self.assertEqual(len(read_ranges(self.c)), 199)


if __name__ == "__main__":
    zvtest.main()
