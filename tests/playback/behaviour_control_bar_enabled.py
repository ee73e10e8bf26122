"""The control bar's state in the real player, seen from outside: with
nothing open the five playback buttons and the seek bar are drawn disabled
(their windows stay enabled, so that their tooltips still show), once a file
plays they are drawn enabled with the pause picture; the custom buttons'
tooltips are made from the bindings of their clicks. What the bar shows is
compared with references in tests/playback/ref that were looked at; the
windows' enabled state and the tooltip texts come from WinProbe."""

import os

import play_support as ps
import screen
import zvtest
from zvtest import BehaviourTest, probe, winpath

HERE = os.path.dirname(os.path.abspath(__file__))
REF = os.path.join(HERE, "ref")
PLAYBACK_BUTTONS = range(32970, 32975)
SEEK_BAR = 33070
CUSTOM_BUTTONS = range(32986, 32992)
# The launcher, play and the four moving buttons, then custom buttons 5 and 2
# (the bar shows the first two at this width).
BUTTON_ORDER = "".join("%02X" % c for c in (1, 255, 2, 255, 4, 5, 6, 7, 255,
                                            197, 194, 193, 195, 196))

# enabled, function (hex), parameter, key (hex), mouse code (hex): custom
# button n's left click is 0xC0 + n, its right click 0xD0 + n.
BINDINGS = [
    "1,1,-1,250,C1",   # 1 left: play/pause, Ctrl+P
    "1,3,1,,D2",       # 2 right only: next track, key found by the function
    "1,3,1,4E",        # ... N
    "1,5,2,,C3",       # 3 both: seek
    "1,1,1,,D3",       #   and play
    "0,1,0,,C5",       # 5 a disabled binding only
    "1,2E,16:9,,C6",   # 6 left: aspect ratio with a text
]
TIPS = [
    "再生・一時停止 [-1] / Ctrl+P",
    "R : トラック移動 [1] / N",
    "L : シーク [2]\nR : 再生・一時停止 [1]",
    "(未割り当て)",
    "(未割り当て)",
    "アスペクト比 [16:9]",
]


def bind_settings(box, tip):
    binds = {"Count": str(len(BINDINGS)), "GetKeyName": "0"}
    binds.update({str(i): entry for i, entry in enumerate(BINDINGS)})
    ps.settings(box, repeat=0, keep_awake=0, countdown=0,
                extra={"Main": {"Pos": "100,100,855,555"}, "Bind": binds,
                       "Common": {"Tip": str(tip)}, "Ctrl": {"BtnOdr": BUTTON_ORDER}})


def tip_of(test, cid):
    code, out = probe("tip", "ZENTAVIO", str(cid))
    test.assertEqual(code, 0, "no tooltip tool for %d" % cid)
    return out.replace("\r", "")


def union_rect(test, win, ids):
    rects = [screen.child_rect(win, cid) for cid in ids]
    test.assertNotIn(None, rects, "a button is hidden")
    left = min(r[0] for r in rects)
    top = min(r[1] for r in rects)
    right = max(r[0] + r[2] for r in rects)
    bottom = max(r[1] + r[3] for r in rects)
    return left, top, right - left, bottom - top


class ControlBarState(BehaviourTest):
    def shot(self, win, ids, name):
        rect = union_rect(self, win, ids)
        return screen.grab_settled(os.path.join(self.box.dir, name), rect)

    def check(self, path, ref_name):
        screen.check_reference(self, path, os.path.join(REF, ref_name), most=40, fuzz="8%")

    def test_nothing_open_then_playing_and_the_custom_tips(self):
        bind_settings(self.box, 1)
        proc = self.box.start()
        win = self.box.wait_window()
        self.assertIsNotNone(win, "no main window")
        ps.wait_status(self, r"\S")

        # Nothing open, nothing pending: drawn disabled, the windows enabled.
        for cid in list(PLAYBACK_BUTTONS) + [SEEK_BAR]:
            self.assertEqual(probe("enabled", "ZENTAVIO", str(cid)), (0, "1"), cid)
        idle = self.shot(win, PLAYBACK_BUTTONS, "buttons-idle.png")
        self.check(idle, "control_bar_buttons_idle.png")
        idle_seek = self.shot(win, [SEEK_BAR], "seek-idle.png")
        self.check(idle_seek, "seek_bar_idle.png")

        for n, want in enumerate(TIPS, 1):
            with self.subTest(button=n):
                self.assertEqual(tip_of(self, CUSTOM_BUTTONS[n - 1]), "カスタムボタン%d\n%s" % (n, want))
        # A custom button with only a disabled binding (5) is drawn disabled,
        # one bound by its right click only (2) enabled.
        custom = self.shot(win, [CUSTOM_BUTTONS[4], CUSTOM_BUTTONS[1]], "custom.png")
        self.check(custom, "custom_buttons_5_unbound_2_bound.png")

        # Playing: drawn enabled, the play button with its pause picture.
        clip = ps.clip(30, "bar-state30.avi")
        self.assertEqual(probe("copydata", "ZENTAVIO", "line", "zv.exe " + winpath(clip))[0], 0)
        ps.wait_status(self, r"PLAYING")
        playing = self.shot(win, PLAYBACK_BUTTONS, "buttons-playing.png")
        self.check(playing, "control_bar_buttons_playing.png")
        self.assertGreater(screen.differing_pixels(idle, playing, "8%"), 100,
                           "the buttons look the same with nothing open and playing")
        seek = self.shot(win, [SEEK_BAR], "seek-playing.png")
        self.assertGreater(screen.differing_pixels(idle_seek, seek, "8%"), 100,
                           "the seek bar looks the same with nothing open and playing")
        for cid in list(PLAYBACK_BUTTONS) + [SEEK_BAR]:
            self.assertEqual(probe("enabled", "ZENTAVIO", str(cid)), (0, "1"), cid)
        self.box.close(proc)

    def test_tips_without_the_button_names(self):
        bind_settings(self.box, 0)
        proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        for n, want in enumerate(TIPS, 1):
            with self.subTest(button=n):
                self.assertEqual(tip_of(self, CUSTOM_BUTTONS[n - 1]), want)
        self.box.close(proc)


if __name__ == "__main__":
    zvtest.main()
