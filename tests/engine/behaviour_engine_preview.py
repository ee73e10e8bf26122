"""The preview player on a clip whose every second has a colour of its own:
the four messages reach the client, quick seeks and grabs serve only the
first and the last, the image delivered is the frame of the last one's time,
and an open given up for another never closes the one that followed."""

import os
import unittest

import zvtest
from engine_media import MEDIA, Host, _ffmpeg, all_of, fields, first, media, win

# The colour of each second of the clip, as (r, g, b) bits.
COLOURS = [(1, 0, 0), (0, 1, 0), (0, 0, 1), (1, 1, 1), (1, 1, 0), (1, 0, 1)]


def seconds_clip():
    """6 s of 160x120 MJPEG at 10 fps, one solid colour per second."""
    out = os.path.join(MEDIA, "seconds.avi")
    if not os.path.exists(out):
        os.makedirs(MEDIA, exist_ok=True)

        def channel(i):
            terms = "+".join("%d*eq(floor(T),%d)" % (c[i], s) for s, c in enumerate(COLOURS))
            return "255*(%s)" % terms

        _ffmpeg(out, "-f", "lavfi", "-i",
                "nullsrc=s=160x120:r=10:d=%d,format=gbrp,geq=r='%s':g='%s':b='%s'"
                % (len(COLOURS), channel(0), channel(1), channel(2)),
                "-c:v", "mjpeg", "-q:v", "2", "-pix_fmt", "yuvj420p")
    return out


def second_of(line):
    """The second whose colour the line's rgb= shows (None when none)."""
    value = int(fields(line)["rgb"], 16)
    bits = tuple(1 if (value >> shift) & 0xFF > 128 else 0 for shift in (16, 8, 0))
    return COLOURS.index(bits) if bits in COLOURS else None


def t(line):
    return float(fields(line)["t"])


class Preview(unittest.TestCase):
    def setUp(self):
        self.host = Host(self.id().split(".")[-1])
        self.clip = win(seconds_clip())

    def tearDown(self):
        self.host.cleanup()

    def run_open(self, script):
        """Opens the clip in frames mode, lets the frame of the open pass,
        runs the script and closes; the lines from the script on."""
        lines = self.host.run("pvwindow 1; pvopen %s; pvwait opened 15000; sleep 500; pvinfo; "
                              "%s; pvclose; pvdrain" % (self.clip, script))
        self.assertEqual(all_of(lines, "event pvopened"), [first(lines, "event pvopened 1")])
        return lines[lines.index(first(lines, "pvinfo")):]

    def test_seek_grab_and_step_messages_carry_the_frames_asked_for(self):
        lines = self.run_open("pvseek 1500; pvwait shown; pvgrab 3500; pvwait image; "
                              "sleep 300; pvseek 4500 1; pvgrab 5500 1; sleep 300; "
                              "pvwindow 3; pvstep 2000 50 20; pvwait step; pvinfo; "
                              "pvwait step; pvwait step; pvstopstep")
        info = fields(lines[0])
        self.assertEqual((info["state"], info["frame"], info["duration"]), ("2", "160x120", "60000000"))
        self.assertEqual(fields(first(lines, "event pvshown"))["pos"], "1500")
        image = first(lines, "event pvimage ms=35")  # the grab's own time, not the sample's
        self.assertEqual(second_of(image), 3)
        self.assertEqual(fields(image)["alpha"], "255")
        # Waiting seeks and grabs have the frame in the image when they return.
        self.assertEqual(second_of(first(lines, "pvseek waited")), 4)
        self.assertEqual(second_of(first(lines, "pvgrab waited")), 5)
        # Steps of 50 ms are made 100 ms and a period of 20 ms 50 ms; each
        # image is the frame at its step.
        self.assertEqual(fields(all_of(lines, "pvinfo")[-1])["step"], "100/50")
        steps = all_of(lines, "event pvstep")
        self.assertGreaterEqual(len(steps), 3)
        offsets = [int(fields(s)["offset"]) for s in steps]
        self.assertEqual(offsets[:3], [100, 200, 300])
        self.assertEqual([second_of(s) for s in steps], [(2000 + o) // 1000 for o in offsets])
        # The first step waits 70 % of the period, but at least 100 ms.
        self.assertGreaterEqual(t(steps[0]) - t(first(lines, "pvstep t=")), 100)

    def test_playing_in_the_target_window_reports_frames_shown(self):
        lines = self.host.run("pvwindow 2; pvopen %s; pvwait opened 15000; pvplay 1000; "
                              "pvwait shown 5000; sleep 600; pvstopplay; sleep 300; pvinfo; "
                              "sleep 500; pvinfo; pvclose" % self.clip)
        self.assertIn(fields(first(lines, "pvplay"))["hr"], ("0x00000000", "0x00000001"))
        first(lines, "pvwait shown ok")
        # Stopped playing: the position moved on and stays.
        positions = [int(fields(line)["pos"]) for line in all_of(lines, "pvinfo")]
        self.assertGreater(positions[0], 1300)
        self.assertAlmostEqual(positions[0], positions[1], delta=50)

    def test_quick_seeks_serve_the_first_and_the_last(self):
        lines = self.run_open("pvseek 1000; pvseek 2000; pvseek 4200; sleep 1500; pvinfo")
        self.assertEqual(len(all_of(lines, "event pvshown")), 2)
        # Frames that come within one tick of each other make one image.
        seconds = [second_of(line) for line in all_of(lines, "event pvimage")]
        self.assertNotIn(2, seconds, lines)
        self.assertEqual(seconds[-1], 4, lines)
        self.assertEqual(fields(all_of(lines, "pvinfo")[-1])["pos"], "4200")

    def test_quick_grabs_serve_the_first_and_the_last(self):
        lines = self.run_open("pvgrab 1200; pvgrab 2200; pvgrab 5200; sleep 1500")
        images = all_of(lines, "event pvimage")
        self.assertEqual([second_of(line) for line in images], [1, 5], lines)
        for line, ms in zip(images, (1200, 5200)):
            self.assertAlmostEqual(int(fields(line)["ms"]), ms, delta=100)

    def test_a_seek_past_the_end_does_not_hold_back_the_next(self):
        # The end shows no frame: the seek is given up after a while.
        lines = self.run_open("pvseek 9000; pvinfo; pvseek 1000; pvwait shown 5000; "
                              "pvwait image 2000; pvgrab 9000; pvgrab 2500; pvwait image 5000; "
                              "sleep 300; pvimage")
        self.assertEqual(fields(all_of(lines, "pvinfo")[1])["current"], "60000000")
        first(lines, "pvwait shown ok")
        self.assertEqual(second_of(first(lines, "pvimage ms=-1")), 2, lines)

    def test_opening_another_file_during_an_open_keeps_the_new_one(self):
        other = win(media("av.avi"))
        lines = self.host.run(
            "pvwindow 1; pvopen %s; pvopen %s; pvopen %s; pvwait opened 15000; sleep 2500; "
            "pvstate %s; pvstate %s; pvinfo; pvgrab 2500; pvwait image; sleep 300; pvimage; "
            "pvclose; pvdrain"
            % (other, self.clip, self.clip, other, self.clip))
        self.assertEqual(all_of(lines, "pvopen "), ["pvopen 1", "pvopen 1", "pvopen 0"])
        self.assertEqual(all_of(lines, "event pvopened"), [first(lines, "event pvopened 1")])
        self.assertEqual(all_of(lines, "pvstate "), ["pvstate 3", "pvstate 2"])
        self.assertEqual(fields(first(lines, "pvinfo"))["retired"], "0")
        self.assertEqual(second_of(first(lines, "pvimage ms=-1")), 2)
        self.assertEqual(first(lines, "pvdrain"), "pvdrain retired=0")

    def test_close_during_an_open_reports_nothing_and_frees_the_graph(self):
        lines = self.host.run("pvwindow 1; pvopen %s; pvstate; pvclose; pvstate; sleep 3000; pvinfo; "
                              "pvopen %s; pvwait opened 15000; pvopen %s; pvclose"
                              % (self.clip, self.clip, self.clip))
        self.assertEqual(all_of(lines, "pvstate "), ["pvstate 1", "pvstate 0"])
        info = fields(first(lines, "pvinfo"))
        self.assertEqual((info["state"], info["retired"]), ("0", "0"))
        # Only the second open reports; opening the open file again does nothing.
        self.assertEqual(all_of(lines, "event pvopened"), [first(lines, "event pvopened 1")])
        self.assertEqual(all_of(lines, "pvopen "), ["pvopen 1", "pvopen 1", "pvopen 0"])

    def test_a_file_that_cannot_open_reports_failure(self):
        lines = self.host.run("pvwindow 1; pvopen %s; pvwait opened 15000; pvinfo; pvseek 1000; "
                              "pvgrab 1000; sleep 300" % win(media("zero.avi")))
        first(lines, "event pvopened 0")
        info = fields(first(lines, "pvinfo"))
        self.assertEqual((info["state"], info["path"]), ("0", "[]"))
        self.assertEqual(all_of(lines, "event pvshown") + all_of(lines, "event pvimage"), [])


if __name__ == "__main__":
    zvtest.main()
