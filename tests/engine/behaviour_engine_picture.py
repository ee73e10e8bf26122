"""The picture side of the engine under Wine: native size and aspect, zoom
and source rectangles, the current image of a four-colour pattern, ProcAmp
without a mixer, and key frames from the AVI index of a file with a known
key-frame interval."""

import os
import unittest

from engine_media import MEDIA, Host, _ffmpeg, all_of, fields, first, win

RED, GREEN, BLUE, WHITE = "FF0000", "00FF00", "0000FF", "FFFFFF"


def picture_media(name):
    os.makedirs(MEDIA, exist_ok=True)
    out = os.path.join(MEDIA, name)
    if os.path.exists(out):
        return out
    if name == "quad.avi":  # 720x480 at 16:9, four colour quadrants
        quads = ";".join("color=%s:s=360x240:d=3:r=10[%s]" % (c, n)
                         for c, n in (("red", "a"), ("lime", "b"), ("blue", "c"),
                                      ("white", "d")))
        _ffmpeg(out, "-f", "lavfi", "-i",
                quads + ";[a][b]hstack[t];[c][d]hstack[u];[t][u]vstack",
                "-c:v", "mjpeg", "-q:v", "2", "-aspect", "16:9")
    elif name == "gop.avi":  # 10 fps, a key frame every 10 frames (1 s)
        _ffmpeg(out, "-f", "lavfi", "-i", "testsrc=size=320x240:rate=10:duration=5",
                "-c:v", "mpeg4", "-g", "10", "-bf", "0", "-vtag", "XVID")
    return out


def near(colour, expected):
    """Each channel within a JPEG's reach of the expected colour."""
    a, b = int(colour, 16), int(expected, 16)
    return all(abs(((a >> s) & 255) - ((b >> s) & 255)) <= 40 for s in (0, 8, 16))


class EnginePicture(unittest.TestCase):
    def setUp(self):
        self.host = Host(self.id().split(".")[-1])

    def tearDown(self):
        self.host.cleanup()

    def run_on(self, name, script, kind=2):
        path = win(picture_media(name))
        return self.host.run("open kind=%d flags=1 %s; %s; close" % (kind, path, script))

    def test_native_size_aspect_and_zoomed_source(self):
        for kind in (2, 3, 4):
            lines = self.run_on("quad.avi", "size; aspect 16 9; size; zoom 0.5 0 1 0.5; "
                                "position 0 0 1 1 0 0 400 300; position 0.5 0 1 1 0 0 400 300; "
                                "size", kind)
            native, wide, zoomed = all_of(lines, "size ")
            self.assertIn("native=720x480 aspect=720:480 display=720x480", native, kind)
            self.assertIn("display=853x480", wide, kind)
            self.assertIn("zoomed=427x240", zoomed, kind)
            whole, right = all_of(lines, "position ")
            self.assertEqual(fields(whole)["hr"], "0x00000000", whole)
            self.assertEqual(fields(whole)["source"], "360,0,720,240", kind)
            self.assertEqual(fields(right)["source"], "540,0,720,240", kind)

    def test_destination_rectangle_on_screen(self):
        # The old renderer's window shows the picture in the destination
        # rectangle of the host window; outside it stays black. (Wine's
        # renderers show the whole picture whatever the source rectangle.)
        lines = self.run_on("quad.avi", "position 0 0 1 1 0 0 400 300; run; sleep 400; "
                            "screen 100 75 300 75 100 225 300 225 500 200 200 330")
        colours = first(lines, "screen ").split()[1:]
        for colour, expected in zip(colours, (RED, GREEN, BLUE, WHITE, "000000", "000000")):
            self.assertTrue(near(colour, expected), colours)

    def test_current_image_paused_and_running(self):
        lines = self.run_on("quad.avi", "seek 500; pause; wait frameshown 3000; image; run; "
                            "sleep 300; image; pos; sleep 300; pos; state")
        paused, running = all_of(lines, "image ")
        for line in (paused, running):
            f = fields(line)
            self.assertEqual((f["ok"], f["size"], f["bits"]), ("1", "720x480", "32"), line)
            for quadrant, colour in (("tl", RED), ("tr", GREEN), ("bl", BLUE), ("br", WHITE)):
                self.assertTrue(near(f[quadrant], colour), line)
        self.assertEqual(fields(paused)["state"], "4")
        # The grab paused the running graph and ran it again.
        self.assertEqual(fields(running)["state"], "3")
        before, after = [int(fields(line)["ms"]) for line in all_of(lines, "pos ")]
        self.assertGreater(after, before + 100)

    def test_windowless_grab_leaves_the_graph_paused(self):
        # Wine's VMR7 and VMR9 offer no current image; the grab of a paused
        # graph stops it for the grab and must pause it again.
        for kind in (3, 4):
            lines = self.run_on("quad.avi", "seek 500; pause; wait frameshown 3000; image; "
                                "pos; run; sleep 400; pos; state", kind)
            self.assertEqual(first(lines, "image "), "image ok=0 state=4")
            before, after = [int(fields(line)["ms"]) for line in all_of(lines, "pos ")]
            self.assertEqual(before, 500)
            self.assertGreater(after, before + 100)

    def test_procamp_only_through_a_mixer(self):
        old = self.run_on("quad.avi", "procamp", 2)
        for line in all_of(old, "procamp "):
            self.assertIn("hr=0xFFFFFFFF supported=0", line)
        self.assertEqual(first(old, "procampset"), "procampset hr=0xFFFFFFFF")
        vmr9 = self.run_on("quad.avi", "procamp", 4)
        # Wine's VMR9 mixer is there but has no ProcAmp.
        for line in all_of(vmr9, "procamp "):
            self.assertIn("supported=0", line)
        self.assertNotEqual(first(vmr9, "procampset"), "procampset hr=0xFFFFFFFF")

    def test_key_frames_from_the_avi_index(self):
        lines = self.run_on("gop.avi", "keyframe 1500 0; keyframe 1500 -1; keyframe 1500 1; "
                            "keyframe 4950 1")
        found = [fields(line) for line in all_of(lines, "keyframe ")]
        self.assertEqual({f["kind"] for f in found}, {"1"})
        nearest, before, after, past_end = [int(f["ms"]) for f in found]
        self.assertIn(before, (1, 1001))
        self.assertIn(nearest, (before, 2001))
        # A key frame that is not there is -1 (0xFFFFFFFF), never a time.
        self.assertEqual(past_end, -1)
        self.assertIn(after, (-1, 2001))
        if after == 2001:
            self.assertEqual((before, nearest), (1001, 1001))

if __name__ == "__main__":
    unittest.main()
