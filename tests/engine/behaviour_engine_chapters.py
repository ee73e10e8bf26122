"""The chapter table of an open file: one chapter when the source has no
markers, chapters set by the caller, the chapter at a position, jumps, and
the chapter timer's notices while playing."""

import unittest

import zvtest
from engine_media import Host, all_of, fields, first, media, win


class Chapters(unittest.TestCase):
    def setUp(self):
        self.host = Host(self.id().split(".")[-1])
        self.av = win(media("av.avi"))

    def tearDown(self):
        self.host.cleanup()

    def test_without_markers_one_chapter_over_the_file(self):
        lines = self.host.run("open %s; chapters; chapterindex 5000; close; chapters; "
                              "chapterindex 0" % self.av)
        self.assertEqual(first(lines, "chapters "), "chapters n=1 outside=0")
        self.assertEqual(first(lines, "chapter 0 "), "chapter 0 start=0.000 length=10.000 name=[]")
        self.assertEqual(all_of(lines, "chapterindex "),
                         ["chapterindex 0 rest=-1", "chapterindex -1 rest=-1"])
        self.assertEqual(all_of(lines, "chapters ")[1], "chapters n=0 outside=0")

    def test_set_chapters_index_and_jumps(self):
        lines = self.host.run(
            "open %s; setchapters 0 2000 4000 8000; chapters; pause; chapterindex 1999; "
            "chapterindex 2000; chapterindex 5000; gochapter 3; wait frameshown 5000; pos; "
            "chapterindex 7950; chapterindex 9500; gochapter 9; pos; setchapters; chapters; close"
            % self.av)
        self.assertEqual(all_of(lines, "chapters "),
                         ["chapters n=4 outside=1", "chapters n=1 outside=0"])
        # the caller's items as given
        self.assertEqual(first(lines, "chapter 3 "), "chapter 3 start=8.000 length=0.000 name=[]")
        self.assertEqual(all_of(lines, "chapterindex "), [
            "chapterindex 0 rest=1", "chapterindex 1 rest=2000", "chapterindex 2 rest=3000",
            # the chapter jumped to holds just before its start
            "chapterindex 3 rest=-1", "chapterindex 3 rest=-1"])
        positions = [int(fields(line)["ms"]) for line in all_of(lines, "pos ")]
        self.assertEqual(positions[0], 8000)
        self.assertGreaterEqual(positions[1], 7000)  # past the last chapter: near the end

    def test_timer_reports_each_change_while_playing(self):
        lines = self.host.run("open %s; setchapters 0 1000 2000 6000; seek 0; run; sleep 2600; "
                              "pause; sleep 300; close" % self.av)
        events = all_of(lines, "event chapter")
        self.assertEqual([e.split()[2] for e in events], ["0>1", "1>2"])
        times = [float(fields(e)["t"]) for e in events]
        self.assertTrue(800 <= times[1] - times[0] <= 1200, times)

    def test_probe_reads_a_file_without_playing_it(self):
        missing_path = self.av.replace("av.avi", "not-there.avi")
        lines = self.host.run("probe %s; probe %s; state" % (self.av, missing_path))
        good, missing = all_of(lines, "probe ")
        self.assertEqual(fields(good)["hr"], "0x00000000")
        self.assertEqual(fields(good)["n"], "1")
        self.assertIn("probechapter 0 start=0.000", lines)
        self.assertNotEqual(fields(missing)["hr"], "0x00000000")
        self.assertEqual((fields(missing)["ms"], fields(missing)["n"]), ("0", "0"))
        # No engine was touched.
        self.assertEqual(first(lines, "state "), "state 0 opened=0")


if __name__ == "__main__":
    zvtest.main()
