"""Closing the real player in each state it may be in: playing, paused,
in full screen with and without the full-screen fade. Each ends within two
seconds of WM_CLOSE with its process gone (exit code 0) and the settings
written: the window's place, and full screen remembered for the next start
whether its fade ran at the exit or not."""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import play_support as ps  # noqa: E402
import zvtest  # noqa: E402
from zvtest import BehaviourTest, probe, read_ini, winpath  # noqa: E402

SCREEN_PROBE = os.path.join(zvtest.BIN, "ScreenProbe.exe")
# Under Wine the probe that sends WM_CLOSE itself takes a moment to start.
EXIT_LIMIT = 2.5


class ShutdownStates(BehaviourTest):
    def start_clip(self, extra=None, paused=False):
        ps.settings(self.box, extra=extra)
        args = ["-PAU"] if paused else []
        self.proc = self.box.start(*args, winpath(ps.clip(20)))
        code, _ = probe("wait", "ZENTAVIO", "30000", timeout=60)
        self.assertEqual(code, 0, "the main window did not appear")
        if extra and "Fullscr" in extra:
            # The status bar lives over full screen: the trace tells.
            ps.wait_trace(self, self.box, "play")
        else:
            ps.wait_status(self, r"PAUSED" if paused else r"PLAYING")

    def close_and_time(self):
        """Sends WM_CLOSE; the seconds until the process was gone."""
        began = time.monotonic()
        probe("close", "ZENTAVIO")
        self.proc.wait(timeout=20)
        took = time.monotonic() - began
        self.assertEqual(self.proc.returncode, 0, zvtest.Sandbox.output(self.proc))
        self.assertLess(took, EXIT_LIMIT)
        # No window of it stays behind.
        self.assertEqual(probe("count", "ZENTAVIO")[1].strip(), "0")
        return took

    def full_screen_shown(self):
        end = time.monotonic() + 10
        while time.monotonic() < end:
            code, out = zvtest.run_to_file(SCREEN_PROBE, "window", "ZENTAVIO_FULLSCREEN")
            if code == 0 and "visible=1" in out:
                return True
            time.sleep(0.2)
        return False

    def main_keys(self):
        return read_ini(self.box.ini)[0].get("Main", {})

    def test_playing_and_paused_end_in_time_and_keep_the_place(self):
        took = []
        for paused in (False, True):
            with self.subTest(paused=paused):
                self.start_clip(paused=paused)
                self.assertEqual(probe("move", "ZENTAVIO", "130", "100", "720", "470")[0], 0)
                time.sleep(0.3)
                took.append(self.close_and_time())
                main = self.main_keys()
                self.assertTrue(main.get("Pos", "").startswith("130,100,720,470"), main)
                # Written only when it changed; absent means the window.
                self.assertEqual(main.get("Wnd", "0"), "0")
        print("exit seconds (playing, paused): %s" % took, file=sys.stderr)

    def test_full_screen_is_remembered_with_or_without_its_fade(self):
        for fade in ("1,7,5", "0,7,5"):
            with self.subTest(fade=fade):
                self.start_clip(extra={"Fullscr": {"St": "1", "Fade": fade}})
                self.assertTrue(self.full_screen_shown(), "full screen never showed")
                took = self.close_and_time()
                # The next start enters full screen again ("St" 2 reads it).
                self.assertTrue(self.main_keys().get("Wnd", "").startswith("2"),
                                self.main_keys())
                print("exit seconds in full screen, fade %s: %.2f" % (fade, took),
                      file=sys.stderr)


if __name__ == "__main__":
    zvtest.main()
