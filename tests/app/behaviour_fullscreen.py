"""The monitor table in [Mon] and full screen of the real player: entered at
start by [Fullscr] "St", on the main window's monitor, topmost by default,
refused or replaced when the monitor is missing, its overlays showing and
fading with the pointer (real X input), and back to the window by the close
button. Screenshots of full screen land in the build folder."""

import os
import re
import subprocess
import time

import zvtest
from zvtest import read_ini, write_ini

PROBE = os.path.join(zvtest.BIN, "ScreenProbe.exe")
SHOTS = os.path.join(zvtest.BIN, "..", "screenshots")
FULL = "ZENTAVIO_FULLSCREEN"
MAIN_STATUS, FULL_STATUS, CONTROL_PANEL = 32873, 32876, 32869
PREFIX = "FULL    SCREEN    :    "


run = zvtest.run_to_file


def probe(*args, timeout=60):
    return run(os.path.join(zvtest.BIN, "WinProbe.exe"), *args, timeout=timeout)


def screen(*args):
    return run(PROBE, *args)


def facts(line):
    out = {}
    for field in line.split():
        key, _, value = field.partition("=")
        out[key] = value
    if "rect" in out:
        out["rect"] = tuple(int(v) for v in out["rect"].split(","))
    return out


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def shot(name):
    os.makedirs(SHOTS, exist_ok=True)
    path = os.path.abspath(os.path.join(SHOTS, name))
    subprocess.run(["import", "-window", "root", path], check=False)
    return path


class FullScreenTest(zvtest.BehaviourTest):
    def start(self, sections=None, *args):
        if sections is not None:
            # A current file: no creation notice over the messages looked at.
            sections.setdefault("Main", {}).setdefault("Ver", "90690")
            write_ini(self.box.ini, sections)
        proc = self.box.start(*args)
        # A busy machine may take a while to start a Wine program.
        code, _ = probe("wait", "ZENTAVIO", "30000", timeout=60)
        self.assertEqual(code, 0, "the main window did not appear")
        return proc

    def window(self, cls=FULL):
        code, out = screen("window", cls)
        return facts(out) if code == 0 else None

    def wait_full(self, visible, timeout=10):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            w = self.window()
            if w and w["visible"] == str(visible):
                return w
            time.sleep(0.2)
        return self.window()

    def message(self, cid, expected):
        """The status bar's message line as drawn (narrow blanks as blanks);
        a blinking message is read until it is seen."""
        end = time.monotonic() + 3
        while True:
            line = screen("text", cid)[1].splitlines()[-1]
            if line == expected or time.monotonic() > end:
                return line
            time.sleep(0.1)

    def overlays(self):
        return [facts(line) for line in screen("overlays")[1].splitlines() if line]

    def mon_section(self):
        return read_ini(self.box.ini)[0].get("Mon", {})

    def monitor_rect(self):
        first = screen("monitors")[1].splitlines()[0]
        return tuple(int(v) for v in first.split()[0].split(","))

    # ---- the monitor table ----

    def test_monitor_table_written_at_start(self):
        proc = self.start({})
        mon = self.mon_section()
        self.assertEqual(mon.get("Count"), "1")
        left, top, right, bottom = self.monitor_rect()
        self.assertRegex(mon.get("0", ""), r"^1,%d,%d,%d,%d,\\\\\.\\DISPLAY1$" %
                         (left, top, right, bottom))
        self.box.close(proc)

    def test_held_numbering_keeps_the_users_table(self):
        table = {"Count": "2", "0": "0,5000,0,6280,800,\\\\.\\DISPLAY9",
                 "1": "1,0,0,1920,1080,\\\\.\\DISPLAY1"}
        proc = self.start({"Fullscr": {"Hld": "1"}, "Mon": dict(table)})
        self.assertEqual(self.mon_section(), table)
        self.box.close(proc)

    def test_huge_count_is_held_and_old_keys_go(self):
        keys = {str(i): "0,0,0,10,10,OLD" for i in range(20)}
        keys["Count"] = "2000000000"
        began = time.monotonic()
        proc = self.start({"Mon": keys})
        self.assertLess(time.monotonic() - began, 30)
        mon = self.mon_section()
        self.assertEqual(mon.get("Count"), "1")
        self.assertEqual(sorted(k for k in mon if k != "Count"), ["0"])
        self.box.close(proc)

    # ---- full screen ----

    def test_start_in_full_screen_and_again_after_a_restart(self):
        proc = self.start({"Fullscr": {"St": "1"}})
        full = self.wait_full(1)
        self.assertEqual(full["rect"], self.monitor_rect())
        self.assertEqual(full["topmost"], "1")
        expected = PREFIX + "MON    1"
        self.assertEqual(self.message(FULL_STATUS, expected), expected)
        # The bottom panel went along; the main window stays where it was.
        self.assertEqual(probe("child", "ZENTAVIO", str(CONTROL_PANEL))[0], 3)
        shot("fullscreen_idle.png")
        self.box.close(proc)
        self.assertEqual(read_ini(self.box.ini)[0]["Main"].get("Wnd"), "2")

        # "St" 2 (the default) comes back to full screen when the last run ended there.
        sections = read_ini(self.box.ini)[0]
        sections["Fullscr"]["St"] = "2"
        proc = self.start(sections)
        self.assertEqual(self.wait_full(1)["visible"], "1")
        self.box.close(proc)

    def test_controller_bars_over_full_screen(self):
        xdotool("mousemove", 900, 500)
        sections = {"Fullscr": {"St": "1", "Ctrl": "1,1"}, "Osc": {"Mode": "1"}}
        proc = self.start(sections)
        full = self.wait_full(1)
        bars = self.window("ZvOsdBars")
        self.assertIsNotNone(bars, "no controller bars")
        self.assertEqual((bars["visible"], bars["topmost"]), ("1", "1"))
        self.assertEqual(bars["rect"], full["rect"])
        time.sleep(0.5)  # the bars' fade-in; the top one hides after 2 s
        shot("fullscreen_controller_bars.png")
        self.box.close(proc)

    def test_not_topmost_when_asked(self):
        proc = self.start({"Fullscr": {"St": "1"}, "Main": {"FllScrTop": "0"}})
        full = self.wait_full(1)
        self.assertEqual(full["topmost"], "0")
        # Still above the main window that start-up showed after it.
        main = self.window("ZENTAVIO")["rect"]
        x, y = (main[0] + main[2]) // 2, (main[1] + main[3]) // 2
        # Under load the two windows may take a moment to settle.
        self.assertEqual(zvtest.wait_for(lambda: screen("at", x, y)[1] == FULL, 10), True)
        self.box.close(proc)

    def test_missing_monitor_refused_without_rsv(self):
        proc = self.start({"Fullscr": {"St": "1", "Mon": "3", "Rsv": "0"}})
        time.sleep(1)
        w = self.window()
        self.assertTrue(w is None or w["visible"] == "0")
        expected = PREFIX + "ERR (MON    3 NOT    FOUND)"
        self.assertEqual(self.message(MAIN_STATUS, expected), expected)
        self.box.close(proc)

    def test_missing_monitor_replaced_with_rsv(self):
        proc = self.start({"Fullscr": {"St": "1", "Mon": "3", "Rsv": "1"}})
        full = self.wait_full(1)
        self.assertEqual(full["rect"], self.monitor_rect())
        expected = PREFIX + "ERR (MON    3 NOT    FOUND)"
        self.assertEqual(self.message(FULL_STATUS, expected), expected)
        self.box.close(proc)

    def test_overlays_follow_the_pointer_and_close_button_leaves(self):
        xdotool("mousemove", 900, 500)
        sections = {"Fullscr": {"St": "1", "Ctrl": "0,1"}, "Main": {"Ctrl": "1,1,1,0"}}
        proc = self.start(sections)
        main_before = zvtest.parse_window(probe("wait", "ZENTAVIO", "5000", timeout=60)[1])["rect"]
        left, top, right, bottom = self.wait_full(1)["rect"]
        # Titles at the top (two over one strip, the shown one first), then
        # the control bar, then the status strip.
        by_top = lambda: sorted(self.overlays(),
                                key=lambda o: (o["rect"][1], o["rect"][3], -int(o["alpha"])))
        title, small, control, status = by_top()
        self.assertEqual(title["rect"][1], top)
        self.assertEqual(control["rect"][3], bottom)
        self.assertEqual(control["visible"], "0")
        self.assertEqual(status["visible"], "1")  # its "Ctrl" flag keeps it shown

        xdotool("mousemove", 800, bottom - 3, "mousemove", 801, bottom - 2)
        time.sleep(0.8)
        title, small, control, status = by_top()
        self.assertEqual((control["visible"], control["alpha"]), ("1", "255"))
        self.assertEqual(status["visible"], "0")
        shot("fullscreen_control_bar.png")

        xdotool("mousemove", 800, 400, "mousemove", 801, 401)
        time.sleep(0.8)
        title, small, control, status = by_top()
        self.assertEqual((control["visible"], control["alpha"]), ("0", "0"))
        self.assertEqual(status["visible"], "1")

        xdotool("mousemove", 800, top + 2, "mousemove", 801, top + 3)
        time.sleep(0.8)
        title, small, control, status = by_top()
        self.assertEqual((title["visible"], title["alpha"]), ("1", "255"))
        self.assertEqual(small["visible"], "0")
        shot("fullscreen_title_bar.png")

        # The close button at the right of the title bar leaves full screen.
        height = title["rect"][3] - title["rect"][1]
        xdotool("mousemove", right - height, top + height // 2, "click", 1)
        self.assertEqual(self.wait_full(0)["visible"], "0")
        expected = PREFIX + "OFF"
        self.assertEqual(self.message(MAIN_STATUS, expected), expected)
        main_after = zvtest.parse_window(probe("wait", "ZENTAVIO", "5000", timeout=60)[1])["rect"]
        self.assertEqual(main_after, main_before)
        child = probe("child", "ZENTAVIO", str(CONTROL_PANEL))[1]
        self.assertTrue(child.startswith("visible=1"), child)
        self.box.close(proc)
        self.assertEqual(read_ini(self.box.ini)[0]["Main"].get("Wnd", "0"), "0")


if __name__ == "__main__":
    zvtest.main()
