"""With the file-open thread ([Main] "Thread" on) a list of clips plays
through from first to last just as with the open on the UI thread, and a
pause and play on the way do not disturb the walk."""

import play_support as ps
import zvtest
from zvtest import BehaviourTest, winpath


class ThreadedPlayThrough(BehaviourTest):
    def test_five_clips_play_in_order_then_the_last_holds(self):
        ps.settings(self.box, extra={"Main": {"Thread": "1"}})
        # The first clip outlasts the two presses on a loaded machine: a
        # press that lands while the next entry opens on the thread is
        # dropped (the open finishes on its own), and the list would stay
        # paused.
        clips = [ps.clip(6, "list00-long.avi")] + [
            ps.clip(1.5, "list%02d.avi" % i) for i in range(1, 5)]
        proc = self.box.start(*[winpath(c) for c in clips])
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        ps.wait_trace(self, self.box, "play")
        paused = ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "pause")
        self.assertEqual(paused["track"], 0)
        ps.press_and_trace(self, self.box, ps.PLAY_BUTTON, "play")
        held = ps.wait_trace(self, self.box, "hold", timeout=60)
        self.assertEqual(held["track"], 4)
        plays = [t["track"] for t in ps.traces(self.box) if t["cause"] == "play"]
        self.assertEqual(sorted(set(plays)), list(range(5)))
        self.assertEqual(plays, sorted(plays), "entries open in order")
        code, _ = self.box.close(proc)
        self.assertEqual(code, 0)


if __name__ == "__main__":
    zvtest.main()
