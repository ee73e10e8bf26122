"""The README's run command as a person meets it: at a desktop (a display
already set) the player shows there; without a display the harness starts
an Xvfb of its own and says so."""

import os
import re
import subprocess
import tempfile
import time

import zvtest

# Without a display the run makes its own X server and Wine server: a prefix
# other than the one the running tests share, which the two-monitor test
# keeps too.
OWN_PREFIX = os.path.abspath(os.path.join(zvtest.BIN, "..", "wineprefix-2mon"))
MEDIA = os.path.join(zvtest.TMP, "run-command.avi")


def sample_clip():
    if not os.path.exists(MEDIA):
        os.makedirs(zvtest.TMP, exist_ok=True)
        subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                        "testsrc=size=320x240:rate=25:duration=4", "-c:v", "mjpeg", MEDIA],
                       check=True)
    return MEDIA


class RunCommand(zvtest.BehaviourTest):
    def start_run(self, env):
        env = dict(env, ZV_BUILD=os.path.dirname(zvtest.BIN))
        log = tempfile.TemporaryFile(dir=self.box.dir)
        self.addCleanup(log.close)
        proc = subprocess.Popen([zvtest.HARNESS, "run", sample_clip()], env=env,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=log)
        return proc, log

    def wait_log(self, log, pattern, proc, timeout=120):
        deadline = time.monotonic() + timeout
        text = ""
        while time.monotonic() < deadline and proc.poll() is None:
            log.seek(0)
            text = log.read().decode("utf-8", "replace")
            found = re.search(pattern, text)
            if found:
                return found
            time.sleep(0.2)
        self.fail("the run command never said %r; it said %r" % (pattern, text))

    def close_player(self, proc, env):
        probe = [zvtest.HARNESS, "exec", os.path.join(zvtest.BIN, "WinProbe.exe")]
        quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                     stderr=subprocess.DEVNULL)
        waited = subprocess.run(probe + ["wait", "ZENTAVIO", "60000"], env=env, timeout=90,
                                **quiet)
        self.assertEqual(waited.returncode, 0, "no player window")
        subprocess.run(probe + ["close", "ZENTAVIO"], env=env, timeout=60, **quiet)
        self.assertEqual(proc.wait(timeout=60), 0)

    def test_a_display_already_set_shows_the_player_there(self):
        env = dict(os.environ)
        proc, log = self.start_run(env)
        self.wait_log(log, r"running on your display %s\b" % re.escape(env["DISPLAY"]), proc)
        # The window is on that display, where xdotool sees it.
        deadline = time.monotonic() + 60
        found = ""
        while time.monotonic() < deadline and not found:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "ZENTAVIO"],
                                   capture_output=True, text=True).stdout.strip()
            time.sleep(0.2)
        self.assertTrue(found, "no player window on %s" % env["DISPLAY"])
        self.close_player(proc, env)

    def test_without_a_display_it_starts_its_own_and_says_so(self):
        env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        env["WINEPREFIX"] = OWN_PREFIX
        proc, log = self.start_run(env)
        display = self.wait_log(log, r"private Xvfb display (:\d+)", proc).group(1)
        self.assertNotEqual(display, os.environ["DISPLAY"])
        self.close_player(proc, dict(env, DISPLAY=display))
        # What it started has gone with it.
        self.assertFalse(os.path.exists("/tmp/.X11-unix/X" + display[1:]) and
                         subprocess.run(["xdpyinfo", "-display", display],
                                        capture_output=True).returncode == 0)


if __name__ == "__main__":
    zvtest.main()
