"""Killed saves: the real Zentavio.exe upgrades a large older settings file
at start and is killed at random moments, many of them while the save is
under way. Afterwards the settings file is always the whole old file or the
whole new one, and it loads."""

import os
import random
import time

import zvtest
from zvtest import BehaviourTest, read_ini, write_ini

RUNS = int(os.environ.get("ZV_KILLED_RUNS", "100"))
BINDS = 400


def old_settings():
    """An older file whose upgrade rewrites hundreds of bindings, with
    sections of other owners that must come through whole."""
    binds = {"Count": str(BINDS)}
    for i in range(BINDS):
        binds[str(i)] = "1,3D,%d,%X" % (i % 200 - 100, 0x41 + i % 26)
    task = {str(i): "1,C:\\タスク\\%03d\\%s.bat" % (i, "x" * 60) for i in range(100)}
    return {"Main": {"Ver": "90600", "Title": "killed"},
            "Common": {"Mlt": "1"},
            "Task": task,
            "Bind": binds}


class KilledSaves(BehaviourTest):
    def whole_run(self, old_bytes, watch_copy):
        """One run left alone until its window shows: when the working copy
        beside the file appeared and went (None when not watched or never
        seen), when the window showed, and the file it leaves."""
        copy = self.box.ini + ".new"
        with open(self.box.ini, "wb") as f:
            f.write(old_bytes)
        began = time.monotonic()
        proc = self.box.start()
        first_seen = last_seen = None
        while watch_copy and proc.poll() is None and time.monotonic() - began < 5:
            if os.path.exists(copy):
                first_seen = first_seen or time.monotonic() - began
                last_seen = time.monotonic() - began
            elif last_seen is not None:
                break
            time.sleep(0.002)
        window = self.box.wait_window(timeout_ms=30000)
        shown = time.monotonic() - began
        proc.kill()
        proc.communicate()
        self.assertIsNotNone(window)
        with open(self.box.ini, "rb") as f:
            return first_seen, last_seen, shown, f.read()

    def test_killed_saves_leave_a_whole_file(self):
        write_ini(self.box.ini, old_settings())
        with open(self.box.ini, "rb") as f:
            old_bytes = f.read()
        began, ended, _, new_bytes = self.whole_run(old_bytes, True)
        if began is None:
            _, _, shown, _ = self.whole_run(old_bytes, False)
            began, ended = 0.0, shown
        self.assertNotEqual(new_bytes, old_bytes)
        new, _ = read_ini(self.box.ini)
        self.assertEqual(new["Main"]["Ver"], "90690")
        self.assertEqual(new["Bind"][str(BINDS - 1)], "1,8D,+%d,%X" % ((BINDS - 1) % 200 - 100, 0x41 + (BINDS - 1) % 26))
        self.assertEqual(new["Task"]["7"], old_settings()["Task"]["7"])
        print("save from %.3f s to %.3f s" % (began, ended))

        rng = random.Random(11)
        outcomes = {"old": 0, "new": 0, "during": 0}
        for run in range(RUNS):
            with open(self.box.ini, "wb") as f:
                f.write(old_bytes)
            delay = rng.uniform(max(0.0, began - 0.05), ended + 0.2)
            proc = self.box.start()
            time.sleep(delay)
            during = os.path.exists(self.box.ini + ".new")
            proc.kill()
            proc.communicate()
            with open(self.box.ini, "rb") as f:
                left = f.read()
            with self.subTest(run=run, delay=delay):
                self.assertIn(left, (old_bytes, new_bytes))
            outcomes["old" if left == old_bytes else "new"] += 1
            outcomes["during"] += during
        print("outcomes", outcomes)
        self.assertGreater(outcomes["during"], RUNS // 10)

        # what the last kill left starts the player
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window())
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)


if __name__ == "__main__":
    zvtest.main()
