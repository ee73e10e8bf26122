"""Property levels on real keys bound in [Bind]: the audio boost set at
FILE and at TEMP with the messages that name the level, a DEF step refused
while FILE holds the group, the forced aspect and crop of a 4:3 clip seen on
the video window (with [Common] "RatHld" keeping its area), what a close
leaves in Resume.dat and the settings file, a group switched off in [Prop],
and the boost and input balance heard through the test audio renderer."""

import math
import os
import re
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "engine"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "filedata"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "commands"))

import behaviour_audio_path as audio  # noqa: E402
import open_support  # noqa: E402
import play_support as ps  # noqa: E402
from behaviour_resume import key_of, read_store  # noqa: E402
from key_support import KeyPlayer  # noqa: E402
import zvtest  # noqa: E402
from screen import xdotool  # noqa: E402
from zvtest import BehaviourTest, probe, read_ini, winpath  # noqa: E402

# Bindings "enabled,function (hex),argument (';' for ','),key (hex)".
KEYS = {
    "q": "1,8D,=150;2,51",    # boost 150 % at FILE
    "w": "1,8D,10;1,57",      # a boost step at DEF
    "e": "1,8D,=130;4,45",    # boost 130 % at TEMP
    "r": "1,2E,16:9,52",      # aspect 16:9
    "t": "1,2E,0,54",         # the video's own aspect again
    "y": "1,85,=1778;2,59",   # aspect 1.778:1 at FILE
    "u": "1,86,=1000;2,55",   # crop 1:1 at FILE
    "i": "1,86,0;2,49",       # crop back to its default (none)
    "o": "1,80,2;XYZ;10,4F",  # the property command: contrast at FILE
    "p": "1,8D,0;2,50",       # the boost's default at FILE, not switching it on
    "a": "1,80,3;BST;20,41",  # a boost step at the playing list entry's own level
}
PROCAMP = "1,N1a1a2q1a"  # kind 2, contrast one step past its default


def spaced(text):
    """A status text as a pattern: each run of narrow blanks may show as
    back-quotes or blanks."""
    parts = [re.escape(p) for p in re.split(r"`+", text)]
    return r"[` ]*".join(parts)


class VideoProps(KeyPlayer, BehaviourTest):
    def setUp(self):
        super().setUp()
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool")

    def start(self, clip, extra):
        binds = {"Count": str(len(KEYS))}
        binds.update({str(i): entry for i, entry in enumerate(KEYS.values())})
        sections = {"Main": {"Pos": "100,100,740,560"}, "Bind": binds}
        for section, keys in extra.items():
            sections.setdefault(section, {}).update(keys)
        ps.settings(self.box, repeat=0, keep_awake=0, countdown=0, extra=sections)
        self.open_playing(clip)

    def press(self, name, text):
        xdotool("key", "--delay", "60", name)
        return ps.wait_status(self, spaced(text))

    def cues(self):
        return re.findall(r"CUE : (\d+)", open_support.log_text(self.box))

    def video_rect(self):
        code, out = probe("child", "ZENTAVIO", "32871")
        self.assertEqual(code, 0)
        left, top, right, bottom = (int(v) for v in out.split("rect=")[1].split(","))
        return right - left, bottom - top

    def wait_ratio(self, ratio):
        """The video window takes the ratio (within a pixel or two)."""
        def near():
            w, h = self.video_rect()
            return h > 0 and abs(w / h - ratio) < 0.03
        self.assertTrue(zvtest.wait_for(near, 10), "video %r, wanted %.3f" % (self.video_rect(),
                                                                             ratio))
        return self.video_rect()

    def test_levels_messages_aspect_and_what_a_close_keeps(self):
        clip = open_support.clip(20, "props43.avi", size="320x240")
        self.start(clip, {"Common": {"RatHld": "1"}, "Prop": {"PrcAmp": PROCAMP}})

        self.press("q", "AUDIO````BOOST````(FILE) : +50`%")
        # A DEF step while FILE holds the group: cue 8, the FILE value stays.
        refused = self.cues().count("8")
        self.press("w", "AUDIO````BOOST````(FILE) : +50`%")
        self.assertTrue(zvtest.wait_for(lambda: self.cues().count("8") == refused + 1, 5))
        self.press("e", "AUDIO````BOOST````(TEMP) : +30`%")

        # The forced aspect of the executor, and back; the area is kept.
        w0, h0 = self.wait_ratio(4 / 3)
        self.press("r", "ASPECT``RATIO > 16`:`9")
        w1, h1 = self.wait_ratio(16 / 9)
        self.assertLess(abs(w1 * h1 - w0 * h0) / (w0 * h0), 0.06, (w0, h0, w1, h1))
        self.press("t", "ASPECT``RATIO : DEFAULT`(4`:`3)")
        self.wait_ratio(4 / 3)

        # The FILE level's aspect in thousandths, a crop to 1:1 and back.
        self.press("y", "ASPECT``RATIO````(FILE) : 1.778`:`1")
        self.wait_ratio(1.778)
        self.press("u", "VIDEO````CROP````(FILE) : 1.000`:`1")
        self.wait_ratio(1.0)
        self.press("i", "VIDEO````CROP : DISABLE````(4`:`3)")
        self.wait_ratio(1.778)
        self.press("o", "PROCAMP````(FILE) : CON`=`1.20")

        self.assertEqual(self.box.close(self.proc)[0], 0)
        records = dict(read_store(os.path.join(self.box.dir, "Resume.dat")))
        value = records.get(key_of("props43.avi"), "")
        fields = value.split(",")
        # FILE's boost is kept; TEMP's 130 never is.
        self.assertIn("150", fields, value)
        self.assertNotIn("130", fields, value)
        self.assertIn("1778:", fields, value)  # thousandths: the 1000 is left out
        # No renderer here offers ProcAmp: the stored defaults stay as written.
        self.assertEqual(read_ini(self.box.ini)[0]["Prop"]["PrcAmp"], PROCAMP)

    def test_an_entry_level_is_written_to_its_list(self):
        clip = open_support.clip(20, "props43.avi", size="320x240")
        listed = os.path.join(self.box.dir, "entry.zvpl")
        body = "\r\n".join(["[ZENTAVIO_PLAYLIST]", "FMT=100", "COUNT=1", "[TRACK_1]",
                             "PATH=" + winpath(clip), ""])
        with open(listed, "wb") as f:
            f.write(b"\xff\xfe" + body.encode("utf-16-le"))
        self.start(listed, {})
        self.press("a", "AUDIO````BOOST````(SNGL) : +20`%")

        # Written to the entry's own section a few seconds after the change.
        def resume():
            return read_ini(listed)[0].get("TRACK_1", {}).get("RESUME", "")
        self.assertTrue(zvtest.wait_for(lambda: "120" in resume().split(","), 10), resume())
        self.assertEqual(self.box.close(self.proc)[0], 0)
        self.assertIn("120", resume().split(","))

    def test_a_group_switched_off_and_bad_prop_values(self):
        clip = open_support.clip(20, "props43.avi", size="320x240")
        bad = {"PrcAmp": "1,Q" + "#-" * 14, "Rng": "1,9500", "Bst": "0,100", "Blc": "1,-500"}
        # VMR9 windowless: its ProcAmp ranges are asked for at the open.
        self.start(clip, {"Prop": bad, "Common": {"Video": "4"}})
        self.press("p", "AUDIO````BOOST : DISABLE")
        self.press("e", "AUDIO````BOOST````(TEMP) : +30`%")
        # Unreadable ProcAmp text: kind 0 at its defaults, one step up.
        self.press("o", "PROCAMP````(FILE) : CON`=`1.00")
        log = open_support.log_text(self.box)
        self.assertEqual(self.box.close(self.proc)[0], 0)
        prop = read_ini(self.box.ini)[0]["Prop"]
        # TEMP switched the boost on for this run only.
        self.assertEqual(prop["Bst"], "0,100")
        # Wine's VMR9 mixer offers no ProcAmp: the stored text is not rewritten.
        self.assertIn("PROCAMP : any=0", log)
        self.assertEqual(prop["PrcAmp"], bad["PrcAmp"])


class HeardProps(BehaviourTest):
    """A stereo tone of two frequencies played through the test renderer."""

    def setUp(self):
        super().setUp()
        self.assertEqual(audio.register_renderer(), 0)
        self.addCleanup(audio.register_renderer, False)

    def test_boost_doubles_and_the_left_tone_fills_both_channels(self):
        source = os.path.join(self.box.dir, "two-tones.wav")
        out = os.path.join(self.box.dir, "heard.wav")
        full = 32767
        frames = [[int(full * 0.05 * math.sin(2 * math.pi * 440 * n / audio.RATE)),
                   int(full * 0.05 * math.sin(2 * math.pi * 660 * n / audio.RATE))]
                  for n in range(3 * audio.RATE)]
        audio.write_wav(source, "s16", 2, frames)
        ps.settings(self.box, repeat=0, keep_awake=0, countdown=0,
                    extra={"Common": {"Audio": audio.DEVICE},
                           "Prop": {"Bst": "1,200", "Blc": "1,-100"}})
        os.environ["ZV_TEST_WAV"] = out
        self.addCleanup(os.environ.pop, "ZV_TEST_WAV", None)
        proc = self.box.start(winpath(source))
        self.assertIsNotNone(self.box.wait_window())
        ps.wait_status(self, r"PLAYING")
        self.assertTrue(zvtest.wait_for(lambda: os.path.exists(out), 5),
                        "the player did not play through the device of [Common] \"Audio\"")
        zvtest.wait_for(lambda: not re.search(r"PLAYING", ps.status(self)), 10)
        self.box.close(proc)
        _, got = audio.read_wav(out, "s16")
        want = audio.expected(frames, "s16", 200, 0, 0, -100)
        self.assertGreater(len(got), audio.RATE // 2)
        worst = max(abs(a - b) for fg, fw in zip(got, want) for a, b in zip(fg, fw))
        self.assertLessEqual(worst, 1)


if __name__ == "__main__":
    zvtest.main()
