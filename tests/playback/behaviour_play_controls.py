"""Play, pause, stop and hold of the real player: the state pane, the play
state with its three flags (from the test trace), the play-time counter and
the screen-saver switch that keeping the display awake turns off."""

import time

import play_support as ps
import zvtest
from zvtest import BehaviourTest, winpath


class PlayPauseStop(BehaviourTest):
    def setUp(self):
        super().setUp()
        ps.settings(self.box, repeat=1, keep_awake=1)
        zvtest.probe("saver", "1")
        self.addCleanup(zvtest.probe, "saver", "1")

    def start(self, path):
        self.proc = self.box.start(winpath(path))
        self.assertIsNotNone(self.box.wait_window(), "no main window")

    def test_each_transition_sets_state_flags_and_keep_awake(self):
        self.start(ps.clip(20))
        ps.wait_status(self, r"PLAYING")
        playing = ps.wait_trace(self, self.box, "play")
        self.assertEqual((playing["open"], playing["started"], playing["held"]), (1, 1, 0))
        self.assertIn(playing["st"], (2, 5))  # the first frame may still be on its way
        self.assertEqual(playing["awake"], 1)
        self.assertEqual(ps.saver(), 0, "the screen saver stays on while playing")

        first = ps.elapsed(self)
        time.sleep(2.2)
        self.assertGreater(ps.elapsed(self), first, "the time display advances while playing")
        paused = ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "pause")
        ps.wait_status(self, r"PAUSED")
        still = ps.elapsed(self)
        self.assertEqual((paused["st"], paused["open"], paused["started"], paused["held"],
                          paused["awake"]), (4, 1, 0, 0, 0))
        self.assertEqual(ps.saver(), 1, "pause gives the screen saver back")
        self.assertGreaterEqual(paused["ms"], 1000, "the play-time counter ran")

        time.sleep(1.5)  # paused time is not play time
        self.assertEqual(ps.elapsed(self), still, "the time display stands while paused")
        again = ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "play")
        ps.wait_status(self, r"PLAYING")
        self.assertEqual((again["st"], again["started"], again["held"], again["awake"]),
                         (5, 1, 0, 1))
        self.assertLess(again["ms"] - paused["ms"], 500)

        n = len(ps.traces(self.box))
        self.assertEqual(ps.menu(ps.MENU_STOP), 0)
        stopped = ps.wait_trace(self, self.box, "stop", n)
        ps.wait_status(self, r"STOPPED")
        self.assertEqual((stopped["st"], stopped["open"], stopped["started"], stopped["held"],
                          stopped["awake"]), (3, 1, 0, 0, 0))
        self.assertEqual(ps.saver(), 1)

        time.sleep(1.0)
        resumed = ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "play")
        self.assertEqual((resumed["st"], resumed["started"]), (5, 1))
        self.assertLess(resumed["ms"] - stopped["ms"], 500, "stopped time is not play time")
        ps.wait_status(self, r"PLAYING")
        code, _ = self.box.close(self.proc)
        self.assertEqual(code, 0)
        self.assertEqual(ps.saver(), 1, "closing gives the screen saver back")

    def test_without_the_option_the_screen_saver_is_left_alone(self):
        ps.settings(self.box, keep_awake=0)
        self.start(ps.clip(20))
        ps.wait_status(self, r"PLAYING")
        self.assertEqual(ps.wait_trace(self, self.box, "play")["awake"], 0)
        self.assertEqual(ps.saver(), 1)
        # The power-saving button turns the option on while playing.
        switched = ps.press_and_trace(self, self.box, ps.POWER_BUTTON, "power saving")
        self.assertEqual(switched["awake"], 1)
        self.assertEqual(ps.saver(), 0)
        self.box.close(self.proc)


    def test_an_inversion_for_this_run_lapses_after_playback_stops(self):
        # With [Main] "Test" the lapse takes 4 s instead of a minute.
        ps.settings(self.box, keep_awake=0)
        self.start(ps.clip(20))
        ps.wait_trace(self, self.box, "play")
        n = len(ps.traces(self.box))
        ps.button(ps.POWER_BUTTON | (ps.BUTTON_GESTURE << 16))
        inverted = ps.wait_trace(self, self.box, "power saving inverted", n)
        self.assertEqual(inverted["awake"], 1)
        ps.wait_status(self, r"DISABLE POWERSAVING : ON +\(TEMP\)")

        self.assertEqual(ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "pause")["awake"], 0)
        began = time.monotonic()
        lapsed = ps.wait_trace(self, self.box, "power saving restored", n, timeout=10)
        self.assertGreater(time.monotonic() - began, 3.0)
        self.assertEqual(lapsed["awake"], 0)
        self.assertEqual(ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "play")["awake"], 0)
        self.box.close(self.proc)


class EndOfFile(BehaviourTest):
    """A one-entry list at its end, by repeat mode."""

    def start(self, repeat):
        ps.settings(self.box, repeat=repeat, keep_awake=0)
        self.proc = self.box.start(winpath(ps.clip(2)))
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        ps.wait_trace(self, self.box, "play")

    def test_repeat_on_holds_at_the_end_then_play_pauses_the_countdown_and_goes_on(self):
        self.start(repeat=1)
        held = ps.wait_trace(self, self.box, "hold", timeout=20)
        self.assertEqual((held["st"], held["started"], held["held"]), (5, 1, 1))
        ps.wait_status(self, r"PLAYING \.")

        # Play/pause during the countdown pauses it, which turns the hold
        # into a pause; pressed again the countdown goes on at once.
        paused = ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "pause held")
        self.assertEqual((paused["st"], paused["started"], paused["held"]), (4, 0, 0))
        again = ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "play")
        self.assertEqual((again["st"], again["started"], again["held"]), (5, 1, 0))
        ps.wait_status(self, r"REPEAT")

        # It ends and holds again; the overlay's pause turns the hold into a pause.
        n = len(ps.traces(self.box))
        ps.wait_trace(self, self.box, "hold", n, timeout=20)
        n = len(ps.traces(self.box))
        ps.notice(ps.NOTICE_AUTONEXT_PAUSE)
        paused = ps.wait_trace(self, self.box, "pause held", n)
        self.assertEqual((paused["st"], paused["started"], paused["held"]), (4, 0, 0))
        ps.wait_status(self, r"PAUSED")
        self.box.close(self.proc)

    def test_repeat_file_plays_the_file_again_without_stopping(self):
        self.start(repeat=2)
        ps.wait_status(self, r"REPEAT : FILE", timeout=20)
        ps.wait_status(self, r"PLAYING")
        first = ps.elapsed(self)
        self.assertLessEqual(first, 1)
        ps.wait_status(self, r"0:01 ", timeout=5)  # it runs on from the start
        runs = [t["cause"] for t in ps.traces(self.box)
                if not t["cause"].startswith(("power", "end"))]
        self.assertEqual(runs, ["play"], "neither held nor paused on the way")
        self.box.close(self.proc)

    def test_stop_while_held_then_play_runs_from_the_start(self):
        self.start(repeat=1)
        ps.wait_trace(self, self.box, "hold", timeout=20)
        n = len(ps.traces(self.box))
        ps.menu(ps.MENU_STOP)
        stopped = ps.wait_trace(self, self.box, "stop", n)
        self.assertEqual((stopped["st"], stopped["started"], stopped["held"]), (3, 0, 0))
        played = ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "play")
        self.assertEqual((played["st"], played["started"], played["held"]), (5, 1, 0))
        ps.wait_status(self, r"PLAYING(?! \.)")
        self.box.close(self.proc)

    def test_repeat_off_pauses_at_the_end_and_the_countdown_now_starts_over(self):
        self.start(repeat=0)
        n = len(ps.traces(self.box))
        paused = ps.wait_trace(self, self.box, "pause", n, timeout=20)
        self.assertEqual((paused["st"], paused["started"], paused["held"]), (4, 0, 0))
        ps.wait_status(self, r"PAUSED")
        # The countdown stands paused in repeat OFF: play leaves it so, and
        # a click on its go-on-now button starts the file over.
        n = len(ps.traces(self.box))
        ps.button(ps.PLAY_BUTTON)
        ps.wait_status(self, r"PAUSED")
        self.assertEqual(ps.traces(self.box)[n:], [])
        ps.click_countdown_now(self)
        again = ps.wait_trace(self, self.box, "play", n)
        self.assertEqual((again["st"], again["started"]), (5, 1))
        # Played from the start: it reaches the end again after the clip's length.
        n = len(ps.traces(self.box))
        began = time.monotonic()
        ps.wait_trace(self, self.box, "pause", n, timeout=20)
        self.assertGreater(time.monotonic() - began, 1.0)
        self.box.close(self.proc)


if __name__ == "__main__":
    zvtest.main()
