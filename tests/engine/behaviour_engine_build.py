"""Building a graph with CVideoRenderer under Wine: the filters in order for
each renderer kind, the kinds Wine lacks, the audio renderer of a named
device, audio-only opens and the threaded open."""

import unittest

import zvtest
from engine_media import Host, all_of, fields, first, media, win

AV_CHAINS = [
    "SourceFilter > GStreamer splitter filter > NotifyFilter > %s",
    "SourceFilter > GStreamer splitter filter > GrabberAudio > Audio Device Filter",
]


class EngineTest(unittest.TestCase):
    def setUp(self):
        self.host = Host(self.id().split(".")[-1])

    def tearDown(self):
        self.host.cleanup()

    def open_lines(self, options, name, extra=""):
        return self.host.run("open %s %s; chain; %s close" % (options, win(media(name)), extra))


class RendererKinds(EngineTest):
    def test_kinds_wine_has_play_through_the_notify_filter(self):
        # kind, the renderer's graph name, the kind in use
        table = [(0, "VideoRendererDefault", 0), (2, "Video Renderer", 2),
                 (3, "Video Mixing Renderer", 3), (4, "VMR9", 4)]
        for kind, renderer, in_use in table:
            with self.subTest(kind=kind):
                lines = self.open_lines("kind=%d" % kind, "av.avi",
                                        "seek 0; run; wait frameshown 5000; sleep 300; pos;")
                opened = fields(first(lines, "open "))
                self.assertEqual(opened["hr"], "0x00000000")
                self.assertEqual(int(opened["kind"]), in_use)
                self.assertEqual(opened["notify"], "1")
                self.assertEqual(int(opened["duration"]), 100000000)
                self.assertAlmostEqual(float(opened["frametime"]), 1 / 30, places=4)
                chains = all_of(lines, "chain ")
                self.assertEqual(sorted(chains),
                                 sorted("chain " + c.replace("%s", renderer) for c in AV_CHAINS))
                self.assertIn("wait frameshown ok", "\n".join(lines))
                self.assertGreater(int(fields(first(lines, "pos "))["ms"]), 100)

    def test_evr_is_used_as_vmr9_under_wine(self):
        lines = self.open_lines("kind=7", "av.avi", "seek 0; run; wait frameshown 5000;")
        opened = fields(first(lines, "open "))
        self.assertEqual((opened["hr"], opened["kind"]), ("0x00000000", "4"))
        self.assertIn("wait frameshown ok", "\n".join(lines))
        self.assertIn("Wine / EVR (kind 7) is used as VMR9 windowless (kind 4)", self.host.log())

    def test_kinds_without_a_renderer_open_with_sound_only(self):
        # Overlay Mixer and madVR do not exist under Wine; 5 and 6 create nothing.
        for kind, message in [(1, "CoCreateInstance(CLSID_OverlayMixer) = 0x80040154"),
                              (8, "CoCreateInstance(CLSID_madVR) = 0x80040154"), (5, None),
                              (6, None)]:
            with self.subTest(kind=kind):
                lines = self.open_lines("kind=%d" % kind, "av.avi")
                opened = fields(first(lines, "open "))
                self.assertEqual((opened["hr"], opened["kind"], opened["notify"]),
                                 ("0x00000000", "0", "0"))
                self.assertEqual(all_of(lines, "chain "), [
                    "chain SourceFilter > GStreamer splitter filter > GrabberAudio > Audio Device Filter"])
                if message:
                    self.assertIn(message, self.host.log())

    def test_null_renderer_takes_the_video_not_the_file(self):
        lines = self.open_lines("kind=-1", "av.avi")
        self.assertEqual(fields(first(lines, "open "))["hr"], "0x00000000")
        self.assertEqual(sorted(all_of(lines, "chain ")),
                         sorted("chain " + c.replace("%s", "Null Renderer") for c in AV_CHAINS))


class AudioParts(EngineTest):
    def test_audio_part_only(self):
        for name in ["av.avi", "audio.avi", "tone.wav"]:
            with self.subTest(name=name):
                lines = self.open_lines("flags=2", name)
                opened = fields(first(lines, "open "))
                self.assertEqual(opened["hr"], "0x00000000")
                self.assertEqual(int(opened["duration"]), 100000000)
                chains = all_of(lines, "chain ")
                self.assertEqual(len(chains), 1)
                self.assertTrue(chains[0].endswith("GrabberAudio > Audio Device Filter"), chains)

    def test_named_device_and_a_device_that_is_gone(self):
        lines = self.host.run("audiodevs")
        names = [line[len("audiodev "):] for line in all_of(lines, "audiodev ")]
        self.assertIn("PulseAudio", names)
        lines = self.open_lines("dev=PulseAudio", "av.avi")
        self.assertEqual(fields(first(lines, "open "))["dev"], "[PulseAudio]")
        # A device with no renderer: the default device, and the name is empty.
        lines = self.open_lines("dev=Gone+Device", "av.avi")
        opened = fields(first(lines, "open "))
        self.assertEqual((opened["hr"], opened["dev"]), ("0x00000000", "[]"))
        self.assertIn("GrabberAudio > Audio Device Filter", "\n".join(lines))

    def test_switching_the_audio_renderer_keeps_playing_in_place(self):
        lines = self.host.run(
            "switchaudio PulseAudio; open %s; seek 0; run; wait frameshown 5000; sleep 1000; pos; "
            "switchaudio PulseAudio; pos; chain; switchaudio Gone; close; open flags=1 %s; "
            "switchaudio PulseAudio; close" % (win(media("av.avi")), win(media("av.avi"))))
        switches = [fields(line) for line in all_of(lines, "switchaudio ")]
        self.assertEqual(switches[0]["hr"], "0xFFFFFFFF")  # nothing open
        self.assertEqual((switches[1]["hr"], switches[1]["dev"], switches[1]["renderer"]),
                         ("0x00000000", "[PulseAudio]", "1"))
        # A device that is gone falls back to the default device, as an open does.
        self.assertEqual((switches[2]["hr"], switches[2]["dev"]), ("0x00000000", "[]"))
        # Without an audio renderer there is nothing to switch (and no pins to walk).
        self.assertEqual((switches[3]["hr"], switches[3]["renderer"]), ("0x80040216", "0"))
        before, after = [int(fields(line)["ms"]) for line in all_of(lines, "pos ")]
        self.assertGreaterEqual(after, before - 50)
        self.assertIn("GrabberAudio > Audio Device Filter", "\n".join(lines))


class ThreadedOpen(EngineTest):
    def test_open_on_a_thread_reports_graphbuilt(self):
        av, bad = win(media("av.avi")), win(media("zero.avi"))
        lines = self.host.run("openasync %s; wait graphbuilt 20000; state; chain; close; "
                              "openasync %s; wait graphbuilt 20000; state" % (av, bad))
        built = all_of(lines, "event graphbuilt")
        self.assertEqual([b.split()[2] for b in built], ["1", "0"])
        states = all_of(lines, "state ")
        self.assertEqual(states, ["state 2 opened=1", "state 0 opened=0"])
        self.assertIn("GrabberVideo", "\n".join(all_of(lines, "chain ")))
        self.assertIn("Wine / EVR (kind 7) is used as VMR9 windowless (kind 4)", self.host.log())

    def test_close_while_the_thread_builds(self):
        # The given-up build ends by itself; a busy machine takes its time.
        lines = self.host.run("openasync %s; close; waitstate 0 30000; open %s; close" %
                              (win(media("av.avi")), win(media("av.avi"))))
        self.assertEqual(fields(first(lines, "close "))["hr"], "0xFFFFFFFF")
        self.assertEqual(all_of(lines, "event graphbuilt"), [])
        self.assertEqual(first(lines, "state "), "state 0 opened=0")
        self.assertEqual(fields(first(lines, "open "))["hr"], "0x00000000")


if __name__ == "__main__":
    zvtest.main()
