"""A list of generated clips plays through from first to last under the
default repeat mode, and the process's handles and memory stay flat over
many open-close cycles driven through the running instance."""

import re
import time

import play_support as ps
import zvtest
from zvtest import BehaviourTest, probe, winpath


def proc_stat():
    code, out = probe("procstat", "ZENTAVIO")
    if code != 0:
        return None
    return {k: int(v) for k, v in re.findall(r"(\w+)=(\d+)", out)}


class PlayThrough(BehaviourTest):
    def test_ten_clips_play_in_order_then_the_last_holds(self):
        ps.settings(self.box)  # the default repeat mode, ON, with its countdown
        clips = [ps.clip(1.5, "list%02d.avi" % i) for i in range(10)]
        proc = self.box.start(*[winpath(c) for c in clips])
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        held = ps.wait_trace(self, self.box, "hold", timeout=90)
        self.assertEqual(held["track"], 9)
        plays = [t["track"] for t in ps.traces(self.box) if t["cause"] == "play"]
        self.assertEqual(plays, list(range(10)))
        # Still answering after the end.
        self.assertTrue(ps.status(self))
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)


class OpenCloseCycles(BehaviourTest):
    def test_handles_and_memory_stay_flat_over_100_cycles(self):
        ps.settings(self.box, extra={"Common": {"Mlt": "0"}})
        path = winpath(ps.clip(20))
        proc = self.box.start(path)
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        ps.wait_status(self, r"PLAYING")
        line = '"%s" "%s"' % (winpath(self.box.exe), path)

        def cycles(count):
            for _ in range(count):
                code, _ = probe("copydata", "ZENTAVIO", "line", line)
                self.assertEqual(code, 0)

        cycles(10)  # first-use allocations settle
        ps.wait_status(self, r"PLAYING")
        before = proc_stat()
        if before is None:
            self.skipTest("the process counts cannot be read")
        began = time.monotonic()
        cycles(100)
        ps.wait_status(self, r"PLAYING")
        after = proc_stat()
        print("100 cycles in %.1f s; handles %d -> %d, private %d -> %d KB" % (
            time.monotonic() - began, before["handles"], after["handles"],
            before["private"] // 1024, after["private"] // 1024))
        self.assertLessEqual(after["handles"] - before["handles"], 10)
        self.assertLess(after["private"] - before["private"], 16 * 1024 * 1024)
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)


if __name__ == "__main__":
    zvtest.main()
