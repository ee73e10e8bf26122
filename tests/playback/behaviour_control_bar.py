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
import zvtest
from zvtest import BehaviourTest, probe, read_ini, winpath

HERE = os.path.dirname(os.path.abspath(__file__))
REF = os.path.join(HERE, "ref")
PARKED = (1900, 1060)
PLAY, POWER, EXTRA = 32970, 32985, 33067
# A short button row that holds the power-saving button (code 0x1C).
BUTTON_ORDER = "".join("%02X" % c for c in (1, 255, 2, 255, 4, 5, 6, 7, 255, 28))
SEEK_BAR, VOLUME_SLIDER = 33070, 33071
RATE = 48000
# Vol 30 reaches the engine as -2599 hundredths of a dB.
GAIN_AT_30 = 10 ** (-25.99 / 20)


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def screen_rect(test, cid):
    code, out = probe("screenrect", "ZENTAVIO", str(cid))
    test.assertEqual(code, 0, "no child %d" % cid)
    left, top, right, bottom = (int(v) for v in re.search(r"screen=(\S+)", out).group(1)
                                .split(","))
    return left, top, right, bottom


def shot(test, cid, name):
    """A screenshot of one child window, saved in the sandbox."""
    left, top, right, bottom = screen_rect(test, cid)
    out = os.path.join(test.box.dir, name)
    subprocess.run(["import", "-window", "root", "-crop",
                    "%dx%d+%d+%d" % (right - left, bottom - top, left, top), "+repage", out],
                   check=True)
    return out


def differing_pixels(a, b):
    result = subprocess.run(["compare", "-metric", "AE", "-fuzz", "8%", a, b, "null:"],
                            capture_output=True, text=True)
    return int(float(result.stderr.split()[0]))


def pixel_count(path):
    out = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True,
                         check=True).stdout.split()
    return int(out[0]) * int(out[1])


def check_against_reference(test, path, ref_name):
    """The picture matches the reference (a few pixels of tolerance). With
    ZV_SAVE_REF set the picture becomes the reference, to be looked at."""
    ref = os.path.join(REF, ref_name)
    if os.environ.get("ZV_SAVE_REF"):
        os.makedirs(REF, exist_ok=True)
        shutil.copy(path, ref)
    diff = differing_pixels(path, ref)
    test.assertLessEqual(diff, pixel_count(ref) // 50, "%s differs from %s" % (path, ref_name))


def thumb_column(path):
    """The middle column of the seek bar's thumb, and the bar's width. The
    thumb stands above and below the thin channel: in a row a quarter down
    the bar, only its pixels differ from the bar's background."""
    height = int(subprocess.run(["identify", "-format", "%h", path], capture_output=True,
                                text=True, check=True).stdout)
    out = subprocess.run(["convert", path, "-crop", "x1+0+%d" % (height // 4), "+repage",
                          "-colorspace", "gray", "-depth", "8", "txt:"],
                         capture_output=True, text=True, check=True).stdout
    grey = [int(m.group(1)) for m in re.finditer(r"gray\((\d+)", out)]
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
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        ps.wait_status(self, r"PLAYING")

    def click(self, cid, fraction=0.5):
        left, top, right, bottom = screen_rect(self, cid)
        xdotool("mousemove", left + int((right - left) * fraction), (top + bottom) // 2,
                "click", 1)
        xdotool("mousemove", *PARKED)

    def visible(self, cid):
        return probe("screenrect", "ZENTAVIO", str(cid))[1].startswith("visible=1")

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

        time.sleep(0.3)  # the first frame's fade of the play button
        check_against_reference(self, shot(self, PLAY, "play-playing.png"),
                                "play_button_playing.png")
        check_against_reference(self, shot(self, VOLUME_SLIDER, "volume30.png"),
                                "volume_slider_30.png")

        # The seek bar's thumb moves while playing.
        first, width = thumb_column(shot(self, SEEK_BAR, "seek1.png"))
        time.sleep(3.0)
        second, _ = thumb_column(shot(self, SEEK_BAR, "seek2.png"))
        self.assertGreater(second - first, width * 2 / 40 * 0.8, "the thumb stands still")

        # Play/pause: the paused button shows the play picture again.
        n = len(ps.traces(self.box))
        self.click(PLAY)
        ps.wait_trace(self, self.box, "pause", n)
        ps.wait_status(self, r"PAUSED")
        time.sleep(0.3)
        paused = shot(self, PLAY, "play-paused.png")
        check_against_reference(self, paused, "play_button_paused.png")
        self.assertGreater(differing_pixels(paused, os.path.join(REF, "play_button_playing.png")),
                           20, "the play button shows one picture for both states")
        n = len(ps.traces(self.box))
        self.click(PLAY)
        ps.wait_trace(self, self.box, "play", n)
        ps.wait_status(self, r"PLAYING")

        # The volume slider's right end: full volume, on screen and in sound.
        self.click(VOLUME_SLIDER, 0.98)
        ps.wait_status(self, r"VOL +100%")
        time.sleep(0.3)
        check_against_reference(self, shot(self, VOLUME_SLIDER, "volume100.png"),
                                "volume_slider_100.png")
        at100 = recorded_rms(stream)
        self.assertAlmostEqual(at100 / own, 1.0, delta=0.2)

        # The extra button opens the control bar's hidden part (with the
        # power-saving button) and closes it again.
        self.assertFalse(self.visible(POWER))
        self.click(EXTRA)
        self.wait_until(lambda: self.visible(POWER), "the extra button opened nothing")
        # Power saving: the option turns on and keeps the display awake.
        n = len(ps.traces(self.box))
        self.click(POWER)
        self.assertEqual(ps.wait_trace(self, self.box, "power saving", n)["awake"], 1)
        self.click(EXTRA)
        self.wait_until(lambda: not self.visible(POWER), "the extra button closed nothing")

        # A click at three quarters of the seek bar seeks there.
        self.assertLess(ps.elapsed(self), 20)
        self.click(SEEK_BAR, 0.75)
        deadline = time.monotonic() + 5
        while ps.elapsed(self) < 28 and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertGreaterEqual(ps.elapsed(self), 28)
        self.assertLessEqual(ps.elapsed(self), 33)
        at, width = thumb_column(shot(self, SEEK_BAR, "seek75.png"))
        self.assertAlmostEqual(at / width, 0.75, delta=0.06)

        # Dragging the thumb back to a quarter seeks there.
        left, top, _, bottom = screen_rect(self, SEEK_BAR)
        y = (top + bottom) // 2
        xdotool("mousemove", left + int(at), y, "mousedown", 1)
        for x in (left + int(at) - 20, left + width // 2, left + width // 4):
            xdotool("mousemove", x, y)
            time.sleep(0.1)
        xdotool("mouseup", 1, "mousemove", *PARKED)
        deadline = time.monotonic() + 5
        while ps.elapsed(self) > 12 and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertAlmostEqual(ps.elapsed(self), 10, delta=2)
        at, width = thumb_column(shot(self, SEEK_BAR, "seek25.png"))
        self.assertAlmostEqual(at / width, 0.25, delta=0.06)

        code, _ = self.box.close(self.proc)
        self.assertEqual(code, 0)
        sections, _ = read_ini(self.box.ini)
        self.assertEqual(sections["Main"]["Vol"], "100")


if __name__ == "__main__":
    zvtest.main()
