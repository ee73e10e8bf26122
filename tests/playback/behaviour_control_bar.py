"""The control bar of the real player under real pointer input: the play
button's two pictures, the seek bar's thumb moving and a click in the bar
seeking there, the volume slider standing at the stored volume and the
sound following it, and the power-saving and extra buttons. What the
screen shows is compared with references in tests/playback/ref that were
looked at; the panes' texts (WM_GETTEXT) and the test trace are a second
witness."""

import array
import math
import os
import re
import shutil
import subprocess
import time

import play_support as ps
import screen
from screen import PARKED, xdotool
import zvtest
from zvtest import BehaviourTest, read_ini, winpath

HERE = os.path.dirname(os.path.abspath(__file__))
REF = os.path.join(HERE, "ref")
PLAY, POWER, EXTRA = 32970, 32985, 33067
# A short button row that holds the power-saving button (code 0x1C).
BUTTON_ORDER = "".join("%02X" % c for c in (1, 255, 2, 255, 4, 5, 6, 7, 255, 28))
SEEK_BAR, VOLUME_SLIDER = 33070, 33071
RATE = 48000
# Vol 30 reaches the engine as -2599 hundredths of a dB.
GAIN_AT_30 = 10 ** (-25.99 / 20)


def shot(test, cid, name, settled=True):
    """A screenshot of one child window; settled: once any fade on it has
    ended (not for a thumb that moves with playback)."""
    rect = screen.child_rect(test.win, cid)
    test.assertIsNotNone(rect, "child %d is not shown" % cid)
    path = os.path.join(test.box.dir, name)
    return screen.grab_settled(path, rect) if settled else screen.grab(path, *rect)


def corner(path):
    """The colour of an image's top-left pixel but one."""
    return subprocess.run(["convert", path, "-format", "%[pixel:p{1,1}]", "info:"],
                          capture_output=True, text=True, check=True).stdout


def check_against_reference(test, path, ref_name):
    """The picture matches the reference but for a few pixels."""
    ref = os.path.join(REF, ref_name)
    width, height = (int(v) for v in subprocess.run(
        ["identify", "-format", "%w %h", path], capture_output=True, text=True,
        check=True).stdout.split())
    screen.check_reference(test, path, ref, most=width * height // 50, fuzz="8%")


def thumb_column(path):
    """The middle column of the seek bar's thumb, and the bar's width. The
    thumb stands above and below the thin channel: in a row a quarter down
    the bar, only its pixels differ from the bar's background."""
    grey = screen.grey_row(path, 0.25)
    background = max(set(grey), key=grey.count)
    hits = [x for x, v in enumerate(grey) if abs(v - background) > 12]
    if not hits:
        return -1, len(grey)
    return (min(hits) + max(hits)) / 2, len(grey)


def descendants(pid):
    """pid and the process ids below it."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/stat" % entry) as f:
                parent = int(f.read().rsplit(")", 1)[1].split()[1])
        except (OSError, ValueError, IndexError):
            continue
        children.setdefault(parent, []).append(int(entry))
    found, todo = {pid}, [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.add(child)
            todo.append(child)
    return found


def sink_input_of(test, pids, timeout=10.0):
    """The PulseAudio stream that one of the processes plays into: the sound
    server is shared, so only the player's own stream is recorded."""
    deadline = time.monotonic() + timeout
    seen = []
    while time.monotonic() < deadline:
        out = subprocess.run(["pactl", "list", "sink-inputs"], capture_output=True,
                             text=True).stdout
        seen = []
        for block in out.split("Sink Input #")[1:]:
            m = re.search(r'application\.process\.id = "(\d+)"', block)
            seen.append(m and m.group(1))
            if m and int(m.group(1)) in pids:
                return int(block.split()[0])
        time.sleep(0.2)
    test.fail("the player plays into no PulseAudio stream: %r not in %r" % (seen, sorted(pids)))


def rms(samples):
    return math.sqrt(sum(s * s for s in samples) / max(1, len(samples)))


def recorded_rms(stream, seconds=1.0):
    """RMS of the player's stream over a while, in 16-bit units."""
    proc = subprocess.Popen(["parec", "--monitor-stream=%d" % stream, "--raw",
                             "--format=s16le", "--rate=%d" % RATE, "--channels=2"],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    wanted = int(seconds * RATE) * 4
    data = b""
    while len(data) < wanted:
        chunk = proc.stdout.read(wanted - len(data))
        if not chunk:
            break
        data += chunk
    proc.kill()
    proc.communicate()
    return rms(array.array("h", data[:len(data) // 2 * 2]))


def file_rms(path):
    """RMS of the file's own sound, in 16-bit units."""
    raw = subprocess.run(["ffmpeg", "-loglevel", "error", "-i", path, "-t", "3", "-f", "s16le",
                          "-ac", "2", "-ar", str(RATE), "-"], capture_output=True,
                         check=True).stdout
    return rms(array.array("h", raw[:len(raw) // 2 * 2]))


class ControlBar(BehaviourTest):
    def setUp(self):
        super().setUp()
        if not shutil.which("xdotool") or not shutil.which("import"):
            self.skipTest("no xdotool or ImageMagick")
        ps.settings(self.box, repeat=1, keep_awake=0,
                    extra={"Main": {"Pos": "100,100,855,555", "Vol": "30"},
                           "Ctrl": {"BtnOdr": BUTTON_ORDER}})
        self.clip = ps.clip(40, "bar40.avi")
        xdotool("mousemove", *PARKED)
        self.proc = self.box.start(winpath(self.clip))
        self.win = self.box.wait_window()
        self.assertIsNotNone(self.win, "no main window")
        ps.wait_status(self, r"PLAYING")

    def click(self, cid, fraction=0.5, button=1):
        screen.click_child(self, self.win, cid, fraction, button)

    def visible(self, cid):
        return screen.child_rect(self.win, cid) is not None

    def wait_until(self, done, message, timeout=5.0):
        deadline = time.monotonic() + timeout
        while not done():
            self.assertLess(time.monotonic(), deadline, message)
            time.sleep(0.1)

    def test_clicks_act_and_the_bar_shows_the_play_state_and_volume(self):
        stream = sink_input_of(self, descendants(self.proc.pid))
        own = file_rms(self.clip)
        at30 = recorded_rms(stream)
        # The stored volume holds from the start, not the file's full level.
        self.assertAlmostEqual(at30 / own, GAIN_AT_30, delta=GAIN_AT_30 * 0.3)

        check_against_reference(self, shot(self, PLAY, "play-playing.png"),
                                "play_button_playing.png")
        check_against_reference(self, shot(self, VOLUME_SLIDER, "volume30.png"),
                                "volume_slider_30.png")

        # The seek bar's thumb moves while playing.
        first, width = thumb_column(shot(self, SEEK_BAR, "seek1.png", settled=False))
        time.sleep(3.0)  # playback moves on
        second, _ = thumb_column(shot(self, SEEK_BAR, "seek2.png", settled=False))
        self.assertGreater(second - first, width * 2 / 40 * 0.8, "the thumb stands still")

        # Play/pause: the paused button shows the play picture again.
        n = len(ps.traces(self.box))
        self.click(PLAY)
        ps.wait_trace(self, self.box, "pause", n)
        ps.wait_status(self, r"PAUSED")
        # The clicked button leaves its hover look a moment after the pointer
        # has left it; on a busy machine that can outlast one settled grab.
        reference = os.path.join(REF, "play_button_paused.png")
        deadline = time.monotonic() + 3.0
        paused = shot(self, PLAY, "play-paused.png")
        while time.monotonic() < deadline and screen.differing_pixels(paused, reference, "8%") > 15:
            time.sleep(0.1)
            paused = shot(self, PLAY, "play-paused.png")
        check_against_reference(self, paused, "play_button_paused.png")
        playing = os.path.join(REF, "play_button_playing.png")
        self.assertGreater(screen.differing_pixels(paused, playing, "8%"), 20, "the play button shows one picture for both states")
        n = len(ps.traces(self.box))
        self.click(PLAY)
        ps.wait_trace(self, self.box, "play", n)
        ps.wait_status(self, r"PLAYING")

        # The volume slider's right end: full volume, on screen and in sound.
        self.click(VOLUME_SLIDER, 0.98)
        ps.wait_status(self, r"VOL +100%")
        check_against_reference(self, shot(self, VOLUME_SLIDER, "volume100.png"),
                                "volume_slider_100.png")
        at100 = recorded_rms(stream)
        self.assertAlmostEqual(at100 / own, 1.0, delta=0.2)

        # The extra button opens the control bar's hidden part (with the
        # power-saving button) and closes it again.
        self.assertFalse(self.visible(POWER))
        self.click(EXTRA)
        self.wait_until(lambda: self.visible(POWER), "the extra button opened nothing")
        # Power saving: a click turns the option on, a middle click inverts
        # it for this run; the button's picture follows each.
        pictures = [shot(self, POWER, "power-off.png")]
        face = corner(pictures[0])

        def unhovered(name):
            # The pointer has left: the button's hover box fades out.
            path = None

            def plain():
                nonlocal path
                path = shot(self, POWER, name)
                return corner(path) == face
            self.wait_until(plain, "the power-saving button stays hovered")
            return path
        n = len(ps.traces(self.box))
        self.click(POWER)
        self.assertEqual(ps.wait_trace(self, self.box, "power saving", n)["awake"], 1)
        pictures.append(unhovered("power-on.png"))
        n = len(ps.traces(self.box))
        self.click(POWER, button=2)
        self.assertEqual(ps.wait_trace(self, self.box, "power saving inverted", n)["awake"], 0)
        pictures.append(unhovered("power-inverted.png"))
        for a, b in zip(pictures, pictures[1:]):
            self.assertGreater(screen.differing_pixels(a, b, "8%"), 3, "%s looks as %s" % (b, a))
        self.click(EXTRA)
        self.wait_until(lambda: not self.visible(POWER), "the extra button closed nothing")

        # A click at three quarters of the seek bar seeks there.
        self.assertLess(ps.elapsed(self), 20)
        self.click(SEEK_BAR, 0.75)
        self.wait_until(lambda: ps.elapsed(self) >= 28, "the click in the seek bar did not seek")
        self.assertLessEqual(ps.elapsed(self), 33)
        before = ps.elapsed(self)
        at, width = thumb_column(shot(self, SEEK_BAR, "seek75.png", settled=False))
        after = ps.elapsed(self)
        # The thumb stands where the time pane says while the clip runs on.
        self.assertGreaterEqual(at / width, (before - 1) / 40)
        self.assertLessEqual(at / width, (after + 1) / 40)

        # Dragging the thumb back to a quarter seeks there.
        left, top, _, height = screen.child_rect(self.win, SEEK_BAR)
        y = top + height // 2
        xdotool("mousemove", left + int(at), y, "mousedown", 1)
        for x in (left + int(at) - 20, left + width // 2, left + width // 4):
            xdotool("mousemove", x, y)
            time.sleep(0.1)
        xdotool("mouseup", 1, "mousemove", *PARKED)
        self.wait_until(lambda: ps.elapsed(self) <= 12, "the drag did not seek")
        self.assertGreaterEqual(ps.elapsed(self), 8)
        before = ps.elapsed(self)
        at, width = thumb_column(shot(self, SEEK_BAR, "seek25.png", settled=False))
        after = ps.elapsed(self)
        self.assertGreaterEqual(at / width, (before - 1) / 40)
        self.assertLessEqual(at / width, (after + 1) / 40)

        code, _ = self.box.close(self.proc)
        self.assertEqual(code, 0)
        sections, _ = read_ini(self.box.ini)
        self.assertEqual(sections["Main"]["Vol"], "100")


if __name__ == "__main__":
    zvtest.main()
