"""The about box in a small host that runs the player's main window and
message loop: one box however often it is asked for, in front, with its
text, closed by real presses of Enter, Escape and Space."""

import os
import shutil
import subprocess

import zvtest
from zvtest import BehaviourTest, probe

DIALOG = "#32770"


class AboutBox(BehaviourTest):
    TEXT = ["Zentavio 0.9 Build 690 (64bit)", "https://zentavio.example/"]

    def start_host(self):
        host = os.path.join(self.box.dir, "AboutHost.exe")
        shutil.copy(os.path.join(zvtest.BIN, "AboutHost.exe"), host)
        proc = subprocess.Popen([zvtest.HARNESS, "exec", host, "3"], stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.box.procs.append(proc)
        self.assertIsNotNone(self.box.wait_window(DIALOG), "no about box")
        return proc

    def test_one_box_in_front_closed_by_each_key(self):
        for name, vk in (("Enter", "0x0D"), ("Escape", "0x1B"), ("Space", "0x20")):
            with self.subTest(key=name):
                proc = self.start_host()
                try:
                    self.check_box_and_press(vk)
                finally:
                    self.box.close(proc)

    def check_box_and_press(self, vk):
        self.assertEqual(probe("visible", DIALOG)[1], "1")
        self.assertEqual(probe("foreground", DIALOG)[1], "1")
        code, text = probe("text", DIALOG, "1730")
        self.assertEqual(code, 0)
        # The console's text mode doubles the carriage return.
        self.assertEqual([line for line in text.splitlines() if line], self.TEXT)
        self.assertEqual(probe("press", DIALOG, vk)[0], 0)
        self.assertEqual(probe("gone", DIALOG, "5000")[0], 0)

if __name__ == "__main__":
    zvtest.main()
