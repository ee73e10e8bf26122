"""The real Zentavio.exe's main window takes the notices of other instances
with their on-screen texts, and survives every message of its table sent
with empty parameters, ending only when asked to."""

import re
import time

import zvtest
from zvtest import BehaviourTest, probe, write_ini

STATUS_BAR_ID = "32873"
WM_APP = 0x8000
WM_TIMER = 0x0113

# The program's own messages, less the dismissed-menu click replay (it
# would click wherever the pointer is).
APP_MESSAGES = [1, 3, 4, 7, 13, 14, 17, 18, 31, 41, 100, 102, 103, 104, 105, 501, 502,
                503, 999, 3000, 3003, 3004, 3006, 3007]


def wait_status_text(test, pattern, timeout=5.0):
    deadline = time.monotonic() + timeout
    text = ""
    while time.monotonic() < deadline:
        code, text = probe("text", "ZENTAVIO", STATUS_BAR_ID)
        if code == 3:
            test.skipTest("the main window has no status bar yet")
        if code == 0 and re.search(pattern, text.replace("`", " ")):
            break
        time.sleep(0.05)
    return text.replace("`", " ")


class Routing(BehaviourTest):
    def start(self):
        write_ini(self.box.ini, {"Main": {"Ver": "90690"}})
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window(), "no ZENTAVIO window")
        return proc

    def test_other_instances_notices_show_their_texts(self):
        proc = self.start()
        for code, text in ((4, "UPDATE RECENT"), (5, "UPDATE FAVO"), (1, "UPDATE OPTION")):
            probe("post", "ZENTAVIO", "Zentavio_NotifyMessage", str(code))
            self.assertIn(text, wait_status_text(self, text))
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)

    def test_every_message_with_empty_parameters_leaves_the_window_running(self):
        proc = self.start()
        for offset in APP_MESSAGES:
            probe("post", "ZENTAVIO", str(WM_APP + offset), "0", "0")
        for timer in (0, 7, 28, 41, 45, 47, 65):
            probe("post", "ZENTAVIO", str(WM_TIMER), str(timer), "0")
        probe("post", "ZENTAVIO", "SystemAudioCtrlClass_Notify", "2")
        probe("post", "ZENTAVIO", "Zentavio_NotifyMessage", "6")
        time.sleep(1.0)
        self.assertIsNone(proc.poll(), "the player ended")
        code, out = probe("count", "ZENTAVIO")
        self.assertEqual(out, "1")
        began = time.monotonic()
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)
        self.assertLess(time.monotonic() - began, 10)


if __name__ == "__main__":
    zvtest.main()
