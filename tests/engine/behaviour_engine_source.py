"""The engine's stream and chapter paths against a real source filter: our
test source (registered in the prefix for the test) plays a description
file and offers IAMStreamSelect and IAMExtendedSeeking, which Wine's own
splitters lack. Its calls are logged through ZV_TEST_LOG."""

import os
import unittest

import zvtest
from engine_media import Host, all_of, fields, first
from zvtest import winpath

SOURCE_DLL = os.path.join(zvtest.BIN, "TestSourceFilter.dll")
SUBTITLE_DLL = os.path.join(zvtest.BIN, "TestSubtitleFilter.dll")

CLIP = """ZVSRC
duration 6
picture 160 120 FF0000 10
stream video 0 0 1 Video
stream audio 1033 1 1 English
stream audio 1041 1 0 日本語
stream subtitle 0 2 1 No subtitles
stream subtitle 1033 2 0 English subtitles
marker 0.5 Opening
marker 2 Middle part
marker 4 終わり
"""


def register(dll, on=True):
    args = ["regsvr32", "/s"] + ([] if on else ["/u"]) + [winpath(dll)]
    return zvtest.wine(args, timeout=60).returncode


def names(lines, prefix):
    return [line.split("name=", 1)[1] for line in all_of(lines, prefix)]


class SourceCase(unittest.TestCase):
    """A host of its own, the source registered and a clip described."""

    def setUp(self):
        self.host = Host(self.id().split(".")[-1])
        self.log_path = os.path.join(self.host.dir, "calls.txt")
        self.assertEqual(register(SOURCE_DLL), 0)
        self.addCleanup(register, SOURCE_DLL, False)
        self.clip = self.write("clip.zvsrc", CLIP)

    def tearDown(self):
        self.host.cleanup()

    def write(self, name, text):
        path = os.path.join(self.host.dir, name)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        return winpath(path)

    def run_host(self, script):
        result = zvtest.wine([self.host.exe, script], timeout=120,
                             env=dict(os.environ, ZV_TEST_LOG=self.log_path))
        lines = result.stdout.decode("utf-8", "replace").splitlines()
        self.assertEqual(lines[-1:], ["end"], lines)
        return lines

    def calls(self, word):
        if not os.path.exists(self.log_path):
            return []
        with open(self.log_path, encoding="utf-8") as f:
            return [c for c in f.read().splitlines() if word in c]


class SourceStreamsAndChapters(SourceCase):
    def test_stream_table_and_audio_selection(self):
        lines = self.run_host("open %s; chain; streams; selectstream 0; selectstream 2; streams; "
                              "sourceinfo; close" % self.clip)
        self.assertIn("chain SourceFilter > NotifyFilter > VMR9", lines)
        self.assertEqual(first(lines, "streams "), "streams n=5 multi=1")
        self.assertEqual(names(lines, "stream ")[:5], [
            "[Video]", "[English]", "[日本語]", "[No subtitles]", "[English subtitles]"])
        before, after = all_of(lines, "stream ")[:5], all_of(lines, "stream ")[5:]
        kinds = [fields(s)["kind"] for s in before]
        self.assertEqual(kinds, ["1", "2", "2", "3", "3"])
        self.assertEqual([fields(s)["none"] for s in before], ["0", "0", "0", "1", "0"])
        self.assertEqual([fields(s)["enabled"] for s in before], ["1", "1", "0", "1", "0"])
        # The video stream is on in the source already: no call. The second
        # audio stream is enabled there and read back; the first went off.
        self.assertEqual(self.calls("Enable"), ["Source Enable 2 1 0x00000000"])
        self.assertEqual([(fields(s)["enabled"], fields(s)["loaded"]) for s in after[1:3]],
                         [("0", "0"), ("1", "1")])
        self.assertEqual([fields(s)["group"] for s in all_of(lines, "sstream ")],
                         ["0", "1", "1", "2", "2"])
        self.assertEqual(fields(all_of(lines, "sstream ")[2])["lcid"], "1041")

    def test_source_enable_flags(self):
        # 0 turns the group off, 2 turns it all on, other flags and indexes
        # are refused as documented.
        lines = self.run_host("open %s; sourceenable 1 0; sourceinfo; sourceenable 2 2; "
                              "sourceinfo; sourceenable 2 4; sourceenable 9 1; close" % self.clip)
        infos = all_of(lines, "sstream ")
        self.assertEqual([fields(s)["flags"] for s in infos[1:3]], ["0", "0"])
        self.assertEqual([fields(s)["flags"] for s in infos[6:8]], ["1", "1"])
        self.assertEqual(fields(infos[5])["flags"], "3")  # alone in its group: exclusive
        self.assertEqual(all_of(lines, "sourceenable "), [
            "sourceenable hr=0x00000000", "sourceenable hr=0x00000000",
            "sourceenable hr=0x80004001", "sourceenable hr=0x80070057"])

    def test_only_the_first_16_streams_are_listed(self):
        many = "ZVSRC\nduration 2\nstream video 0 0 1 Video\n" + "".join(
            "stream audio 0 1 %d Track %d\n" % (i == 0, i) for i in range(19))
        lines = self.run_host("open %s; streams; sourceinfo; close" % self.write("many.zvsrc", many))
        self.assertEqual(first(lines, "streams "), "streams n=16 multi=1")
        self.assertEqual(names(lines, "stream ")[-1], "[Track 14]")
        self.assertEqual(first(lines, "sourceinfo "), "sourceinfo n=20")

    def test_chapters_from_markers(self):
        cases = [
            # (markers, expected (start, name) pairs)
            ("marker 0.5 Opening\nmarker 2 Middle part\nmarker 4 終わり\n",
             [("0.000", "[Opening]"), ("2.000", "[Middle part]"), ("4.000", "[終わり]")]),
            # a first marker after 1 s: a nameless chapter at 0 before it
            ("marker 1.5 A\nmarker 3\n", [("0.000", "[]"), ("1.500", "[A]"), ("3.000", "[]")]),
            ("", [("0.000", "[]")]),
        ]
        for i, (markers, expected) in enumerate(cases):
            with self.subTest(markers=markers):
                path = self.write("m%d.zvsrc" % i, "ZVSRC\nduration 6\nstream video 0 0 1 V\n"
                                  + markers)
                lines = self.run_host("open %s; chapters; close; probe %s" % (path, path))
                chapters = all_of(lines, "chapter ")
                self.assertEqual([(fields(c)["start"], fields(c)["name"]) for c in chapters],
                                 expected)
                # lengths run to the next start, the last to the duration
                starts = [float(s) for s, _ in expected] + [6.0]
                self.assertEqual([float(fields(c)["length"]) for c in chapters],
                                 [b - a for a, b in zip(starts, starts[1:])])
                probe = first(lines, "probe ")
                self.assertEqual((fields(probe)["ms"], fields(probe)["n"]),
                                 ("6000", str(len(expected))))
                self.assertEqual([fields(c)["start"] for c in all_of(lines, "probechapter ")],
                                 [s for s, _ in expected])

    def test_chapter_timer_notices_while_playing(self):
        lines = self.run_host("open %s; seek 0; run; wait chapter 5000; wait chapter 5000; "
                              "sleep 300; pause; sleep 300; chapterindex -1; sourcemarker; close"
                              % self.clip)
        events = all_of(lines, "event chapter")
        self.assertEqual([e.split()[2] for e in events], ["0>1", "1>2"])
        # the markers are 2 s apart, and so are the notices
        times = [float(fields(e)["t"]) for e in events]
        self.assertLess(abs(times[1] - times[0] - 2000), 150, times)
        # paused past the last marker: the last chapter, no further notice
        self.assertTrue(first(lines, "chapterindex ").startswith("chapterindex 2 "))
        self.assertEqual(fields(first(lines, "sourcemarker "))["current"], "3")

    def test_seek_while_playing_rearms_the_timer_quietly(self):
        # The jump into chapter 1 is taken without a notice; the next marker
        # (4 s) is reported about 1 s after landing at 3 s.
        lines = self.run_host("open %s; seek 0; run; sleep 300; seek 3000; pos; "
                              "wait chapter 3000; close" % self.clip)
        events = all_of(lines, "event chapter")
        self.assertEqual([e.split()[2] for e in events], ["1>2"])
        waited = float(fields(first(lines, "wait chapter ok"))["ms"])
        self.assertTrue(700 <= waited <= 1300, waited)


class SourceAndSideSubtitles(SourceCase):
    def setUp(self):
        super().setUp()
        self.assertEqual(register(SUBTITLE_DLL), 0)
        self.addCleanup(register, SUBTITLE_DLL, False)

    def test_side_file_turns_the_source_subtitles_off(self):
        side = winpath(os.path.join(self.host.dir, "clip.en.srt"))
        lines = self.run_host("open flags=15 %s; selectstream 4; addsub %s; streams; "
                              "selectstream 5; streams; selectstream 4; close"
                              % (self.clip, side))
        # The source's own no-subtitles stream stands for "off": no entry is added.
        self.assertEqual(first(lines, "streams "), "streams n=6 multi=1")
        self.assertEqual(names(lines, "stream ")[5], "[S: FILE .en (srt)]")
        self.assertEqual(all_of(lines, "selectstream "), [
            "selectstream 1 subpath=[]", "selectstream 1 subpath=[%s]" % side,
            "selectstream 1 subpath=[]"])
        calls = [c for c in self.calls("") if "Enable" in c or "put_FileName" in c]
        self.assertEqual(calls, [
            "Source Enable 4 1 0x00000000",
            # before the side file, the source's subtitles go off
            "Source Enable 3 1 0x00000000", "VobSub put_FileName [%s]" % side,
            # back to the source's subtitles: the side file is cleared
            "VobSub put_FileName []", "Source Enable 4 1 0x00000000"])
        loaded = [fields(s)["loaded"] for s in all_of(lines, "stream ")[6:]]
        self.assertEqual(loaded, ["1", "1", "0", "1", "0", "1"])


if __name__ == "__main__":
    zvtest.main()
