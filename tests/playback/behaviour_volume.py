"""Volume, mute and balance through keys bound in [Bind], in the real
player: the status-bar texts of the volume (with the input balance and
mute), of mute and of the input balance; a system-volume step that Wine
cannot carry out; the device balance of [Balance] and the volume as the
engine gets them ([Main] "Test" trace lines); and a stereo tone played
through the test audio renderer, whose left channel fills both at input
balance L 100."""

import math
import os
import re
import shutil
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "commands"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "engine"))

import behaviour_audio_path as audio  # noqa: E402

import play_support as ps  # noqa: E402
import screen  # noqa: E402
import zvtest  # noqa: E402
from key_support import KeyPlayer, key  # noqa: E402
from screen import PARKED, xdotool  # noqa: E402
from zvtest import BehaviourTest, probe, winpath  # noqa: E402

REF = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ref")
MUTE_BUTTON = 33069
DEVICE = audio.DEVICE
RATE = 22050
FRAMES = RATE // 2

# enabled, function (hex), parameter or argument (";" for ","), key (hex):
# volume +5 % on U, -5 % on D, mute on M, input balance left on B and
# centre on C.
BINDINGS = {
    "u": "1,31,5,55",
    "d": "1,31,-5,44",
    "m": "1,33,0,4D",
    "b": "1,3E,1,42",
    "c": "1,3E,0,43",
}


def stereo_tone(path):
    """Left a loud 440 Hz tone, right a quiet 660 Hz one, 16-bit."""
    data = bytearray()
    for n in range(FRAMES):
        left = int(20000 * math.sin(2 * math.pi * 440 * n / RATE))
        right = int(6000 * math.sin(2 * math.pi * 660 * n / RATE))
        data += struct.pack("<hh", left, right)
    fmt = struct.pack("<HHIIHH", 1, 2, RATE, RATE * 4, 4, 16)
    body = b"WAVEfmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(data)) + bytes(data)
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def stereo_frames(path):
    """The (left, right) frames the renderer wrote so far."""
    return list(struct.iter_unpack("<hh", audio.pcm_so_far(path)))


class Volume(KeyPlayer, BehaviourTest):
    @classmethod
    def setUpClass(cls):
        code = audio.register_renderer()
        if code != 0:
            raise RuntimeError("regsvr32 failed: %d" % code)

    @classmethod
    def tearDownClass(cls):
        # The prefix is shared with the other tests: leave no device behind.
        audio.register_renderer(False)

    def start(self, open_tone):
        """The player with the keys bound, SysVol on, the test renderer as
        the device and its [Balance] key no number ("Default" counts, held
        to 100); a stereo tone made beside it."""
        if not shutil.which("xdotool"):
            self.skipTest("no xdotool")
        binds = {"Count": str(len(BINDINGS))}
        binds.update({str(i): b for i, b in enumerate(BINDINGS.values())})
        ps.settings(self.box, repeat=0, keep_awake=0, extra={
            "Main": {"Pos": "100,100,855,555", "ErrLog": "1", "Vol": "95"},
            "Common": {"Audio": DEVICE, "SysVol": "1", "SysVolTm": "0"},
            "Balance": {DEVICE: "abc", "Default": "500"},
            "Bind": binds,
        })
        self.tone = os.path.join(self.box.dir, "stereo.wav")
        stereo_tone(self.tone)
        self.heard = os.path.join(self.box.dir, "heard.wav")
        os.environ["ZV_TEST_WAV"] = self.heard
        self.addCleanup(os.environ.pop, "ZV_TEST_WAV", None)
        xdotool("mousemove", *PARKED)
        self.proc = self.box.start(*([winpath(self.tone)] if open_tone else []))
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        self.focus()

    def press(self, name, pattern):
        key(name)
        return ps.wait_status(self, pattern)

    def log(self):
        return ps.open_support.log_text(self.box)

    def wait_log(self, pattern):
        found = zvtest.wait_for(lambda: re.search(pattern, self.log()), 15)
        self.assertTrue(found, "no %r in the log: %r" % (pattern, self.log()[-1200:]))
        return found

    def check_mute_button(self, ref_name):
        """The mute button's picture against its reference; the shot."""
        rect = screen.child_rect(self.win, MUTE_BUTTON)
        self.assertIsNotNone(rect, "the mute button is not shown")
        shot = screen.grab_settled(os.path.join(self.box.dir, ref_name), rect)
        screen.check_reference(self, shot, os.path.join(REF, ref_name), most=8, fuzz="8%")
        return shot

    def engine_volumes(self):
        return [int(v) for v in re.findall(r"VOL : engine=(-?\d+)", self.log())]

    def test_keys_show_volume_mute_and_balance_and_reach_the_engine(self):
        self.start(open_tone=True)
        self.wait_log(r"VOL : balance=10000")
        self.assertEqual(self.engine_volumes()[-1], int(10000 * 0.95 ** 0.25 - 0.5 - 10000))
        self.focus()
        self.press("b", r"AUDIO +INPUT +BALANCE : L +100 +%")
        self.wait_log(r"VOL : input balance=-100")
        self.press("u", r"VOL +100% +\(L 100%\)")
        # Wine reads the endpoint's level but cannot set it.
        self.press("u", r"VOL +100% +\(SYS +ERR\)")
        log = self.log()
        self.assertIn("VOL : system open mode=1 available=1", log)
        self.assertRegex(log, r"VOL : system level=\d+")
        self.assertRegex(log, r"VOL : system set=\d+ failed")
        # Nothing was raised: the step down is the player's.
        self.press("d", r"VOL +95% +\(L 100%\)")
        sounding = self.check_mute_button("mute_button_off.png")
        self.press("m", r"MUTE : ON")
        self.assertEqual(self.engine_volumes()[-1], -10000)
        muted = self.check_mute_button("mute_button_on.png")
        self.assertGreater(screen.differing_pixels(sounding, muted, "8%"), 20,
                           "the mute button shows one picture for both states")
        self.press("d", r"VOL +90% +\(L 100%\) +\(MUTE\)")
        self.assertEqual(self.engine_volumes()[-1], -10000)
        self.press("m", r"MUTE : OFF")
        self.check_mute_button("mute_button_off.png")
        self.press("c", r"AUDIO +INPUT +BALANCE : CENTER")
        text = self.press("u", r"VOL +95%")
        self.assertNotRegex(text, r"\(L|\(MUTE")
        self.assertEqual(self.engine_volumes()[-1], int(10000 * 0.95 ** 0.25 - 0.5 - 10000))

    def test_the_left_tone_fills_both_channels_at_input_balance_left(self):
        self.start(open_tone=False)
        # Before a file is open the balance goes to the default level and
        # reaches the engine of the file opened next.
        self.press("b", r"AUDIO +INPUT +BALANCE : L +100 +%")
        probe("copydata", "ZENTAVIO", "line", "zv.exe " + winpath(self.tone))
        bound = self.wait_log(r"VOL : balance=.* device=\[(.*)\]").group(1)
        self.assertEqual(bound, DEVICE)
        heard = zvtest.wait_for(
            lambda: os.path.exists(self.heard) and len(stereo_frames(self.heard)) >= FRAMES, 20)
        self.assertTrue(heard, "the renderer never received the whole tone")
        frames = stereo_frames(self.heard)[:FRAMES]
        self.assertTrue(all(left == right for left, right in frames), "right is not the left")
        self.assertGreater(max(left for left, _ in frames), 19000, "the left tone is missing")


if __name__ == "__main__":
    zvtest.main()
