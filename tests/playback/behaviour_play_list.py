"""A list of generated clips plays through from first to last under the
default repeat mode, and the process's handles and memory stay flat over
many open-close cycles driven through the running instance."""

import os
import re
import time

import play_support as ps
from play_support import engine_media
import zvtest
from zvtest import BehaviourTest, probe, winpath


def linux_anon_kb(marker):
    """Anonymous resident memory (kB) of the Linux process running the
    sandbox's program: Wine answers 0 for another process's private bytes."""
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                cmd = f.read().decode("utf-8", "replace")
            if marker not in cmd or "Zentavio.exe" not in cmd:
                continue
            with open("/proc/%s/status" % pid) as f:
                m = re.search(r"RssAnon:\s+(\d+) kB", f.read())
            if m:
                return int(m.group(1))
        except OSError:
            continue
    return None


def proc_stat(box):
    code, out = probe("procstat", "ZENTAVIO")
    if code != 0:
        return None
    stat = {k: int(v) for k, v in re.findall(r"(\w+)=(\d+)", out)}
    # The committed private memory, as the plain program measures itself.
    stat["kb"] = (stat["private"] or stat["pagefile"]) // 1024 or linux_anon_kb(
        os.path.basename(box.dir))
    return stat


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


def bare_growth(path, cycles):
    """What Wine's DirectShow itself keeps over the cycles: the plainest
    program opening, running and closing the same file (the engine tests'
    measure); handles, keys and kB grown between the warm-up and the end."""
    host = engine_media.Host("bare")
    try:
        parts = ["barecycle %s" % path] * WARM + ["mem"] + ["barecycle %s" % path] * cycles
        lines = host.run("; ".join(parts + ["mem"]), timeout=280)
    finally:
        host.cleanup()
    mems = [dict(re.findall(r"(\w+)=(\d+)", l)) for l in lines if l.startswith("mem ")]
    a, b = ({k: int(v) for k, v in m.items()} for m in mems)
    return {"handles": b["handles"] - a["handles"], "keys": b["keys"] - a["keys"],
            "kb": (b["private"] - a["private"]) // 1024}


WARM = 10
CYCLES = 100


class OpenCloseCycles(BehaviourTest):
    """Wine's DirectShow keeps a little of every graph (a registry key per
    filter its connection logic tries, a thread and some memory): the player
    may keep no more over the cycles than the plainest program does."""

    def test_handles_and_memory_stay_flat_over_100_cycles(self):
        ps.settings(self.box, extra={"Common": {"Mlt": "0"}})
        clip = ps.clip(20)
        proc = self.box.start(winpath(clip))
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        ps.wait_status(self, r"PLAYING")
        line = '"%s" "%s"' % (winpath(self.box.exe), winpath(clip))

        def cycles(count):
            for _ in range(count):
                code, _ = probe("copydata", "ZENTAVIO", "line", line)
                self.assertEqual(code, 0)

        cycles(WARM)  # first-use allocations settle
        ps.wait_status(self, r"PLAYING")
        before = proc_stat(self.box)
        if before is None or not before["handles"] or not before["kb"]:
            self.skipTest("the process counts cannot be read: %r" % before)
        began = time.monotonic()
        cycles(CYCLES)
        ps.wait_status(self, r"PLAYING")
        self.assertEqual(len([t for t in ps.traces(self.box) if t["cause"] == "play"]),
                         1 + WARM + CYCLES)
        after = proc_stat(self.box)
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)
        grown = {k: after[k] - before[k] for k in ("handles", "keys", "kb")}
        bare = bare_growth(winpath(clip), CYCLES)
        print("%d cycles in %.1f s; player grew %r, the plain program %r" % (
            CYCLES, time.monotonic() - began, grown, bare))
        self.assertLessEqual(grown["handles"] - grown["keys"],
                             bare["handles"] - bare["keys"] + CYCLES // 5)
        self.assertLessEqual(grown["keys"], bare["keys"] + CYCLES)
        self.assertLessEqual(grown["kb"], bare["kb"] * 1.25 + 16 * 1024)


if __name__ == "__main__":
    zvtest.main()
