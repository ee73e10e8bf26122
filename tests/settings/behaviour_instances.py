"""Two running instances of the real Zentavio.exe sharing one settings file:
a save in one reaches the other, which applies what changed; a save that
changes nothing tells nobody."""

import os
import time

import zvtest
from zvtest import BehaviourTest, read_ini, write_ini

BOXES = 0x00030000  # WS_MINIMIZEBOX | WS_MAXIMIZEBOX


def settings_probe(*args, timeout=30):
    result = zvtest.wine([os.path.join(zvtest.BIN, "SettingsProbe.exe")] + list(args),
                         timeout=timeout)
    return result.returncode, result.stdout.decode("utf-8", "replace").strip()


class Notices(BehaviourTest):
    def start_titled(self, title, sections, debug=False):
        """Starts an instance whose window carries the title, from a
        settings file of the given sections."""
        sections.setdefault("Main", {})["Title"] = title
        write_ini(self.box.ini, sections)
        proc = self.box.start(debug=debug)
        code, _ = settings_probe("wait", title, "15000")
        self.assertEqual(code, 0, "no window titled " + title)
        return proc

    def style(self, title):
        code, out = settings_probe("style", title)
        self.assertEqual(code, 0)
        return int(out, 16)

    def close(self, proc, title):
        settings_probe("close", title)
        proc.wait(timeout=20)
        self.assertEqual(proc.returncode, 0)
        return self.box.output(proc)

    def test_a_save_in_one_instance_is_applied_by_the_other(self):
        first = self.start_titled("first", {"Main": {"Ver": "90690"}, "Ctrl": {"WndBtn": "0"}})
        self.assertEqual(self.style("first") & BOXES, BOXES)
        # An older file: the second instance upgrades a binding and saves.
        second = self.start_titled("second", {"Main": {"Ver": "90687"},
                                              "Common": {"Mlt": "1"},
                                              "Ctrl": {"WndBtn": "1"},
                                              "Bind": {"Count": "1", "0": "1,4B,6,41"}})
        deadline = time.monotonic() + 10
        while self.style("first") & BOXES and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertEqual(self.style("first") & BOXES, 0)
        self.assertEqual(read_ini(self.box.ini)[0]["Bind"]["0"], "1,4C,-1,41")
        shown = self.wait_status("first", "UPDATE OPTION")
        self.close(second, "second")
        self.close(first, "first")
        if shown is None:
            self.skipTest("the main window has no status bar yet")
        self.assertIn("UPDATE OPTION", shown)

    def wait_status(self, title, text, timeout=5.0):
        """The main status bar's text once it shows the text (the last text
        read on time-out); None when the window has no status bar."""
        deadline = time.monotonic() + timeout
        out = ""
        while time.monotonic() < deadline:
            code, out = settings_probe("text", title, "32873")
            if code == 3:
                return None
            if code == 0 and text in out.replace("`", " "):
                break
            time.sleep(0.05)
        return out

    def test_a_save_without_a_change_tells_nobody(self):
        current = {"Main": {"Ver": "90690"}, "Common": {"Mlt": "1", "MouSens": "12"}}
        first = self.start_titled("first", dict(current))
        second = self.start_titled("second", dict(current))
        before, _ = read_ini(self.box.ini)
        self.close(second, "second")
        after, _ = read_ini(self.box.ini)
        # the window state of [Main] is the second's own; the settings are unchanged
        before.pop("Main")
        after.pop("Main")
        self.assertEqual(after, before)
        shown = self.wait_status("first", "UPDATE OPTION", timeout=1.0)
        self.close(first, "first")
        if shown is not None:
            self.assertNotIn("UPDATE OPTION", shown.replace("`", " "))


if __name__ == "__main__":
    zvtest.main()
