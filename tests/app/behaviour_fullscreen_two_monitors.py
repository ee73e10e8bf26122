"""Full screen with two monitors: an X server of its own with two screens
joined by Xinerama (without RandR, so that Wine takes its monitors from
Xinerama), and a Wine prefix of its own so that Wine's display state is its
own too. Xvfb puts both screens at the origin: the monitors are 1280x800 and
1024x768 at 0,0. No window manager runs there: openbox would fit a window
that covers a whole screen to one Xinerama head of its own choosing."""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "playback"))

import open_support  # noqa: E402
import screen as shots  # noqa: E402
import zvtest  # noqa: E402
from zvtest import read_ini, write_ini  # noqa: E402

PROBE = os.path.join(zvtest.BIN, "ScreenProbe.exe")
PREFIX = os.path.abspath(os.path.join(zvtest.BIN, "..", "wineprefix-2mon"))
FULL = "ZENTAVIO_FULLSCREEN"
MAIN_STATUS, CONTROL_PANEL = 32873, 32869
TEXT = "FULL    SCREEN    :    "
MON1, MON2 = (0, 0, 1280, 800), (0, 0, 1024, 768)


def free_display():
    n = 120
    while os.path.exists("/tmp/.X11-unix/X%d" % n) or os.path.exists("/tmp/.X%d-lock" % n):
        n += 1
    return ":%d" % n


run = zvtest.run_to_file


def probe(*args, timeout=60):
    return run(os.path.join(zvtest.BIN, "WinProbe.exe"), *args, timeout=timeout)


def screen(*args):
    return run(PROBE, *args)


def rect_of(line):
    for field in line.split():
        if field.startswith("rect="):
            return tuple(int(v) for v in field[5:].split(","))
    return None


class TwoMonitorTest(zvtest.BehaviourTest):
    @classmethod
    def setUpClass(cls):
        cls.saved = {k: os.environ.get(k) for k in ("DISPLAY", "WINEPREFIX")}
        display = free_display()
        cls.started = [subprocess.Popen(
            ["Xvfb", display, "-screen", "0", "1280x800x24", "-screen", "1", "1024x768x24",
             "+xinerama", "-extension", "RANDR", "-nolisten", "tcp", "-ac"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
        for _ in range(100):
            if os.path.exists("/tmp/.X11-unix/X" + display[1:]):
                break
            time.sleep(0.05)
        os.environ["DISPLAY"] = display
        os.environ["WINEPREFIX"] = PREFIX
        zvtest.start_prefix(PREFIX)

    @classmethod
    def tearDownClass(cls):
        subprocess.run(["wineserver", "-k"], check=False)
        for proc in reversed(cls.started):
            proc.kill()
            proc.wait()
        for key, value in cls.saved.items():
            if value is None:
                os.environ.pop(key, None)
            else:
                os.environ[key] = value
        # Nothing used the harness prefix meanwhile, so its desktop process
        # has ended; the next test's first program would start it again,
        # and it would hold that program's output open while it lives. A
        # probe waiting for nothing keeps a desktop process of our own
        # starting alive into the next test.
        subprocess.Popen([zvtest.HARNESS, "exec", os.path.join(zvtest.BIN, "WinProbe.exe"),
                          "wait", "ZvNoSuchWindow", "15000"], stdin=subprocess.DEVNULL,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)

    def setUp(self):
        super().setUp()
        monitors = screen("monitors")[1].splitlines()
        if len(monitors) < 2:
            self.skipTest("Wine sees one monitor here: %r" % monitors)

    def start(self, fullscr, mon=None):
        sections = {"Main": {"Ver": "90690", "Pos": "100,100,640,400"}, "Fullscr": fullscr}
        if mon:
            sections["Mon"] = mon
        write_ini(self.box.ini, sections)
        proc = self.box.start()
        # The first start in a fresh prefix, or on a busy machine, takes its time.
        code, _ = probe("wait", "ZENTAVIO", "60000")
        self.assertEqual(code, 0, "the main window did not appear")
        return proc

    def close(self, proc):
        # The next start waits until this instance has really ended.
        self.box.close(proc, timeout=60)

    def full_rect(self, timeout=10):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            code, out = screen("window", FULL)
            if code == 0 and out.startswith("visible=1"):
                return rect_of(out)
            time.sleep(0.2)
        return None

    def message(self, expected):
        end = time.monotonic() + 3
        while True:
            lines = screen("text", MAIN_STATUS)[1].splitlines()
            line = lines[-1] if lines else ""
            if line == expected or time.monotonic() > end:
                return line
            time.sleep(0.1)

    def test_both_monitors_are_stored(self):
        proc = self.start({"St": "0"})
        mon = read_ini(self.box.ini)[0]["Mon"]
        self.assertEqual(mon["Count"], "2")
        self.assertEqual(mon["0"], "1,0,0,1280,800,\\\\.\\DISPLAY1")
        self.assertEqual(mon["1"], "0,0,0,1024,768,\\\\.\\DISPLAY2")
        self.close(proc)

    def test_other_monitor_leaves_the_main_window_usable(self):
        proc = self.start({"St": "1", "Mon": "2"})
        self.assertEqual(self.full_rect(), MON2)
        self.assertEqual(self.message(TEXT + "MON    2"), TEXT + "MON    2")
        main = zvtest.parse_window(probe("wait", "ZENTAVIO", "5000")[1])
        self.assertEqual(main["visible"], "1")
        child = probe("child", "ZENTAVIO", str(CONTROL_PANEL))[1]
        self.assertTrue(child.startswith("visible=1"), child)
        self.close(proc)

    def test_span_and_all(self):
        for asked, text in (("1-2", "MON    1-2"), ("2-1", "MON    2-1"), ("-1", "MON    ALL")):
            with self.subTest(asked=asked):
                proc = self.start({"St": "1", "Mon": asked})
                self.assertEqual(self.full_rect(), MON1)
                self.assertEqual(self.message(TEXT + text), TEXT + text)
                self.close(proc)

    def test_held_numbering_follows_the_users_order(self):
        # The user numbered the small monitor first.
        mon = {"Count": "2", "0": "0,0,0,1024,768,\\\\.\\DISPLAY2",
               "1": "1,0,0,1280,800,\\\\.\\DISPLAY1"}
        proc = self.start({"St": "1", "Mon": "1", "Hld": "1"}, dict(mon))
        self.assertEqual(self.full_rect(), MON2)
        self.close(proc)
        self.assertEqual(read_ini(self.box.ini)[0]["Mon"], mon)

    def test_third_monitor_is_not_found(self):
        proc = self.start({"St": "1", "Mon": "3", "Rsv": "0"})
        expected = TEXT + "ERR (MON    3 NOT    FOUND)"
        self.assertEqual(self.message(expected), expected)
        self.assertIsNone(self.full_rect(timeout=1))
        self.close(proc)

    def test_video_fitted_in_full_screen_on_the_second_monitor(self):
        if not shutil.which("import"):
            self.skipTest("no ImageMagick to read the screen")
        # A 16:9 picture on the 4:3 monitor: black bars above and below.
        clip = open_support.clip(30, "fsvideo169.avi", size="320x180")
        write_ini(self.box.ini, {"Main": {"Ver": "90690", "Pos": "100,100,640,400"},
                                 "Fullscr": {"St": "1", "Mon": "2", "Fade": "0,7,5",
                                             "Ctrl": "0,0"}})
        proc = self.box.start(zvtest.winpath(clip))
        self.assertEqual(probe("wait", "ZENTAVIO", "60000")[0], 0, "no main window")
        self.assertEqual(self.full_rect(), MON2)
        expected = "visible=1 rect=0,96,1024,672"
        end = time.monotonic() + 20
        while True:
            out = probe("child", FULL, open_support.VIDEO_WINDOW_ID)[1].strip()
            if out == expected or time.monotonic() > end:
                break
            time.sleep(0.1)
        self.assertEqual(out, expected)
        # Kept in the build folder to be looked at; the picture may take a
        # frame to come after the move.
        folder = os.path.join(zvtest.BIN, "..", "screenshots")
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, "fullscreen_video_second_monitor.png")
        shown = zvtest.wait_for(
            lambda: len(shots.colours(shots.grab(path, 0, 96, 1024, 576))) > 50, 5)
        self.assertTrue(shown, "no picture on the second monitor")
        bar = os.path.join(self.box.dir, "bar.png")
        shots.grab(bar, 0, 20, 1024, 70)
        self.assertLessEqual(len(shots.colours(bar)), 2, "the bar above the video is not black")
        self.close(proc)


if __name__ == "__main__":
    zvtest.main()
