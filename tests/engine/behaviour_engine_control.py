"""Engine control on a built graph under Wine: run, pause, seeking in every
state, frame steps, rate, the stop position, volume, balance and graph
events, on a generated AVI with MJPEG video and PCM audio."""

import unittest

import zvtest
from engine_media import Host, all_of, fields, first, media, win


class EngineControl(unittest.TestCase):
    def setUp(self):
        self.host = Host(self.id().split(".")[-1])
        self.av = win(media("av.avi"))

    def tearDown(self):
        self.host.cleanup()

    def run_script(self, script):
        return self.host.run("open %s; %s; close" % (self.av, script))

    def positions(self, lines):
        return [int(fields(line)["ms"]) for line in all_of(lines, "pos ")]

    def test_one_frame_notice_per_seek_in_every_state(self):
        lines = self.run_script(
            "seek 0; pause; wait frameshown 5000; run; sleep 500; seek 3000; wait frameshown 5000; "
            "pos; sleep 300; pause; seek 6000; wait frameshown 5000; pos; seek 1000; seek 2000; "
            "wait frameshown 5000; pos; sleep 500; state")
        self.assertEqual(len(all_of(lines, "wait frameshown ok")), 4)
        # At most one notice per seek: the back-to-back pair gives one, or two
        # when the first seek's frame is shown before the second seek starts.
        self.assertIn(len(all_of(lines, "event frameshown")), (4, 5))
        running, paused, twice = self.positions(lines)
        self.assertTrue(3000 <= running < 3600, running)
        self.assertEqual((paused, twice), (6000, 2000))
        self.assertEqual(first(lines, "state "), "state 4 opened=1")

    def test_seeking_while_running_never_hangs_the_next_stop(self):
        # Wine's splitter hangs the Stop after a seek of a running graph
        # with audio and video; the engine seeks that graph while stopped.
        # An audio switch leaves a built graph paused: the graph's own state
        # decides, not the engine's.
        lines = self.run_script("switchaudio PulseAudio; seek 1000; stopready; "
                                "seek 0; run; wait frameshown 5000; seek 4000; sleep 300; "
                                "seek 7000; sleep 300; stopready; run; seek 2000; pause; stopready")
        for line in all_of(lines, "seek ") + all_of(lines, "stopready "):
            self.assertEqual(fields(line)["hr"], "0x00000000", line)

    def test_frame_steps(self):
        lines = self.run_script(
            "seek 0; pause; wait frameshown 5000; step 1; wait frameshown 5000; pos; step 2; "
            "wait frameshown 5000; pos; step -1; wait frameshown 5000; pos; step -5; pos; step -1; "
            "pos; seek 10000; step 1; pos")
        # Frame time 333333 x 100 ns: three frames end just short of 100 ms.
        self.assertEqual(self.positions(lines), [33, 99, 66, 0, 0, 10000])
        frames = [int(fields(line)["frame"]) for line in all_of(lines, "pos ")]
        self.assertEqual(frames, [1, 3, 2, 0, 0, 300])

    def test_rate_is_what_the_graph_plays(self):
        lines = self.run_script("seek 0; pause; rate 200; rate 5; rate 1001; run; sleep 200; "
                                "rate 50")
        rates = [fields(line) for line in all_of(lines, "rate ")]
        # Paused: stored and applied by the next run, nothing refused.
        self.assertEqual((rates[0]["hr"], rates[0]["rate"]), ("0x00000000", "200"))
        self.assertEqual([r["hr"] for r in rates[1:3]], ["0xFFFFFFFF", "0xFFFFFFFF"])
        # Wine's graph keeps playing at 1.0: the engine reports that and the
        # rate call as failed (E_NOTIMPL).
        self.assertEqual(fields(first(lines, "run "))["rate"], "100")
        self.assertEqual((rates[3]["hr"], rates[3]["rate"]), ("0x80004001", "100"))

    def test_stop_position_reports_once(self):
        lines = self.run_script("seek 0; run; stoppos 2000; wait stopreached 6000; pos; sleep 1500")
        self.assertEqual(len(all_of(lines, "event stopreached")), 1)
        reached = self.positions(lines)[0]
        self.assertTrue(1900 <= reached <= 2400, reached)

    def test_stop_position_already_passed(self):
        # 0.5 s past: reported at once; 2 s past: nothing.
        lines = self.run_script("seek 2500; run; wait frameshown 5000; stoppos 2000; sleep 300; "
                                "seek 4500; wait frameshown 5000; stoppos 2000; sleep 500")
        self.assertEqual(len(all_of(lines, "event stopreached")), 1)

    def test_close_while_the_stop_timer_runs(self):
        # The timer re-arms itself from its own callback: it must be gone
        # before the graph it reads is released.
        cycle = "open %s; seek 0; run; stoppos 9000; sleep 30; rate 150; close" % self.av
        lines = self.host.run("; ".join([cycle] * 20) + "; sleep 500")
        self.assertEqual(len(all_of(lines, "close hr=0x00000000")), 20)
        self.assertEqual(all_of(lines, "event stopreached"), [])

    def test_volume_and_balance(self):
        lines = self.run_script("volume 500; volume -20000; volume -2500; balance 3000; "
                                "balance -10000")
        volumes = [(fields(l)["hr"], fields(l)["volume"]) for l in all_of(lines, "volume ")]
        self.assertEqual(volumes, [("0x00000000", "0"), ("0x00000000", "-10000"),
                                   ("0x00000000", "-2500")])
        for line in all_of(lines, "balance "):
            self.assertEqual(fields(line)["hr"], "0x00000000")

    def test_end_of_stream_reaches_the_window(self):
        lines = self.run_script("seek 9000; run; wait complete 8000; pos; nearend")
        self.assertIn("wait complete ok", "\n".join(lines))
        self.assertEqual(first(lines, "nearend "), "nearend 1")

    def test_closed_engine_refuses_everything(self):
        lines = self.host.run("run; pause; seek 1000; rate 150; step 1; volume -100; balance 0; "
                              "close")
        for line in lines[:-1]:
            if "hr=" in line:
                self.assertEqual(fields(line)["hr"], "0xFFFFFFFF", line)


if __name__ == "__main__":
    zvtest.main()
