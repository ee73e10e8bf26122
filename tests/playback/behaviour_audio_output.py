"""The audio output devices of the real player: the first start remembers
the devices Wine lists in [AudDev]; the output mode swaps the channels the
test renderer receives; the device in use vanishing and coming back (the
test posts the system's device notice, which Wine never sends) moves
playback to the default device and back with the volume halved and given
back; a volume the user sets after the switch is learnt as the device's
offset."""

import math
import os
import re
import struct
import subprocess
import sys
import time

import play_support as ps
import zvtest
from zvtest import BehaviourTest, probe, winpath

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "commands"))

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "engine"))

import behaviour_audio_path as audio  # noqa: E402
import key_support  # noqa: E402

DEVICE = audio.DEVICE
HOST = os.path.join(zvtest.BIN, "EngineHost.exe")
NOTICE = "SystemAudioCtrlClass_Notify"
DEVICE_EVENT = "2"
RATE = 22050
SECONDS = 30
# Bindings "enabled,function (hex),parameter or text,key (hex)".
KEYS = {
    "F7": "1,34,1,76",    # output mode 1: channels swapped
    "F8": "1,32,100,77",  # volume 100 %
}
TRACE = re.compile(r"AUDIODEV : dev=\[(.*)\] vol=(\d+) mute=(\d+) \((\w+)\)")


def shown(text):
    """The pattern of a status-bar text: its narrow blanks read as blanks."""
    return re.escape(text.replace("`", " "))


def stereo_pcm(swapped=False):
    """A quiet left tone and a loud right one of other pitch, so that a swap
    shows: 16-bit stereo bytes. Both tones fit a whole number of times in
    210 frames, which repeat."""
    block = b""
    for n in range(210):
        left = int(8000 * math.sin(2 * math.pi * 315 * n / RATE))
        right = int(20000 * math.sin(2 * math.pi * 525 * n / RATE))
        block += struct.pack("<hh", right, left) if swapped else struct.pack("<hh", left, right)
    return block * (RATE * SECONDS // 210)


def write_wav(path, data):
    fmt = struct.pack("<HHIIHH", 1, 2, RATE, RATE * 4, 4, 16)
    body = b"WAVEfmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data))
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body) + len(data)) + body + data)


class AudioDevices(key_support.KeyPlayer, BehaviourTest):
    def setUp(self):
        super().setUp()
        self.assertEqual(audio.register_renderer(), 0)
        self.addCleanup(audio.register_renderer, False)

    def clip(self):
        """An AVI whose stereo PCM is known here sample by sample."""
        wav = os.path.join(self.box.dir, "stereo.wav")
        write_wav(wav, stereo_pcm())
        out = os.path.join(self.box.dir, "stereo.avi")
        subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                        "testsrc=size=160x90:rate=25:duration=%d" % SECONDS, "-i", wav,
                        "-c:v", "mjpeg", "-q:v", "4", "-c:a", "copy", "-shortest", out],
                       check=True)
        return out

    def traces(self):
        return TRACE.findall(ps.open_support.log_text(self.box))

    def wait_trace(self, cause, after):
        found = zvtest.wait_for(lambda: [t for t in self.traces()[after:] if t[3] == cause], 15)
        self.assertTrue(found, "no %r trace; have %r" % (cause, self.traces()[after:]))
        return found[0]

    def records(self):
        sections, _ = zvtest.read_ini(self.box.ini)
        return sections.get("AudDev", {})

    def notify(self):
        probe("post", "ZENTAVIO", NOTICE, DEVICE_EVENT, "3")

    def test_devices_are_remembered_followed_and_learnt(self):
        binds = {"Count": str(len(KEYS))}
        binds.update({str(i): entry for i, entry in enumerate(KEYS.values())})
        ps.settings(self.box, repeat=0, keep_awake=0, countdown=0, extra={
            "Main": {"Pos": "100,100,855,555", "Vol": "90"},
            "Common": {"Audio": DEVICE, "AtVol": "1", "AudDsc": "1,1,60"},
            "Bind": binds})
        clip = self.clip()
        out_wav = os.path.join(self.box.dir, "heard.wav")
        os.environ["ZV_TEST_WAV"] = out_wav
        self.addCleanup(os.environ.pop, "ZV_TEST_WAV", None)
        self.proc = self.box.start()
        self.assertIsNotNone(self.box.wait_window(), "no main window")

        # The first start remembers every device Wine lists, numbered.
        code, listed = zvtest.run_to_file(HOST, "audiodevs")
        names = [l[len("audiodev "):] for l in listed.splitlines() if l.startswith("audiodev ")]
        self.assertIn(DEVICE, names)
        records = self.records()
        self.assertEqual(records.get("Count"), str(len(names)), records)
        stored = [records[str(i)] for i in range(len(names))]
        self.assertEqual(sorted(r.split(",", 2)[2] for r in stored), sorted(names))
        self.assertTrue(all(re.match(r"[0-9],0,", r) for r in stored), stored)

        # Channels swapped before the file opens: the renderer hears them so.
        self.focus()
        key_support.key("F7")
        ps.wait_status(self, shown("AUDIO````OUT : REVERSE"))
        self.assertEqual(probe("copydata", "ZENTAVIO", "line", "zv.exe " + winpath(clip))[0], 0)
        ps.wait_status(self, r"PLAYING")
        heard = zvtest.wait_for(lambda: len(audio.pcm_so_far(out_wav)) >= 4 * RATE, 15)
        self.assertTrue(heard, "the test renderer heard less than a second")
        got = audio.pcm_so_far(out_wav)
        want = stereo_pcm(swapped=True)[:len(got)]
        if got != want:
            differ = next(i // 4 for i in range(0, len(got), 4) if got[i:i + 4] != want[i:i + 4])
            self.fail("frame %d is not the input's with its channels swapped" % differ)

        # The device goes: the default plays on at half the volume.
        after = len(self.traces())
        self.assertEqual(audio.register_renderer(False), 0)
        self.notify()
        ps.wait_status(self, shown("DISCONNECTED````AUDIO````DEVICE"))
        lost = self.wait_trace("lost", after)
        self.assertEqual(lost[:3], ("", "4500", "0"))

        # It comes back: taken again with the volume it had.
        after = len(self.traces())
        self.assertEqual(audio.register_renderer(), 0)
        self.notify()
        ps.wait_status(self, shown("RECONNECTED````AUDIO````DEVICE"))
        back = self.wait_trace("back", after)
        self.assertEqual(back[:2], (DEVICE, "9000"))

        # The user raises the volume soon after the switch: the device's
        # record learns that it wants 10 % more.
        self.focus()
        key_support.key("F8")
        ps.wait_status(self, shown("VOL````100%"))
        self.wait_trace("learn", after)
        record = [v for k, v in self.records().items() if v.endswith("," + DEVICE)]
        self.assertEqual(len(record), 1)
        self.assertRegex(record[0], r"^[0-9],0/10,")
        self.box.close(self.proc)

    def test_a_wait_past_the_longest_reconnects_nothing(self):
        ps.settings(self.box, repeat=0, keep_awake=0, countdown=0, extra={
            "Main": {"Pos": "100,100,855,555", "Vol": "80"},
            "Common": {"Audio": DEVICE, "AudDsc": "2,1,1"}})
        self.proc = self.box.start(winpath(ps.clip(20)))
        self.assertIsNotNone(self.box.wait_window(), "no main window")
        ps.wait_status(self, r"PLAYING")
        self.assertEqual(audio.register_renderer(False), 0)
        self.notify()
        ps.wait_status(self, shown("DISCONNECTED````AUDIO````DEVICE"))
        lost = self.wait_trace("lost", 0)
        lost_at = time.monotonic()
        self.assertEqual(lost[:3], ("", "8000", "1"))  # action 2 mutes
        # Back only after more whole seconds than the one allowed: the wait
        # ends and the default plays on.
        self.assertTrue(zvtest.wait_for(lambda: time.monotonic() - lost_at > 2.5, 10))
        self.assertEqual(audio.register_renderer(), 0)
        after = len(self.traces())
        self.notify()
        self.wait_trace("expired", after)
        self.assertEqual([t for t in self.traces()[after:] if t[3] in ("back", "select")], [])
        self.assertNotIn("RECONNECTED", ps.status(self))
        self.box.close(self.proc)


if __name__ == "__main__":
    zvtest.main()
