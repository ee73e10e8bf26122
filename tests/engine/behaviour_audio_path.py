"""The audio processing of the engine on real samples: WAV files of several
sample formats play through a real graph into a test audio renderer of our
own (registered in the Wine prefix as an output device), which writes what
it receives to a WAV file; the test compares it with the input processed by
the same rules here."""

import math
import os
import struct
import tempfile
import unittest

import zvtest
from zvtest import winpath

DEVICE = "Zentavio Test Renderer"
RENDERER_DLL = os.path.join(zvtest.BIN, "TestAudioRenderer.dll")
HOST = os.path.join(zvtest.BIN, "EngineHost.exe")
RATE = 22050
FRAMES = RATE // 2

# kind: (bytes per sample, full scale, lowest, highest)
KINDS = {
    "u8": (1, 127, -128, 127),
    "s16": (2, 32767, -32768, 32767),
    "s24": (3, 8388607, -8388608, 8388607),
    "s32": (4, 2147483647, -2147483648, 2147483647),
}
EXTENSIBLE_PCM = bytes.fromhex("0100000000001000800000aa00389b71")


def write_wav(path, kind, channels, frames, extensible=False):
    size, full, _, _ = KINDS[kind]
    data = bytearray()
    for frame in frames:
        for v in frame:
            if kind == "u8":
                data += bytes([v + 128])
            else:
                data += (v & ((1 << (8 * size)) - 1)).to_bytes(size, "little")
    block = channels * size
    fmt = struct.pack("<HHIIHH", 0xFFFE if extensible else 1, channels, RATE, RATE * block,
                      block, 8 * size)
    if extensible:
        mask = (1 << channels) - 1
        fmt += struct.pack("<HHI", 22, 8 * size, mask) + EXTENSIBLE_PCM
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(data)) + bytes(data)
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def register_renderer(on=True):
    """Registers the test renderer as an output device of the test's Wine
    prefix, or removes it; regsvr32's exit code."""
    args = ["regsvr32", "/s"] + ([] if on else ["/u"]) + [winpath(RENDERER_DLL)]
    return zvtest.wine(args, timeout=60).returncode


def pcm_so_far(path):
    """The whole 16-bit stereo frames of a WAV the renderer is still
    writing (its sizes not yet filled in), as bytes."""
    try:
        with open(path, "rb") as f:
            raw = f.read()
    except OSError:
        return b""
    at = raw.find(b"data")
    if at < 0:
        return b""
    data = raw[at + 8:]
    return data[:len(data) // 4 * 4]


def read_wav(path, kind):
    with open(path, "rb") as f:
        raw = f.read()
    pos, channels, data = 12, 0, b""
    while pos + 8 <= len(raw):
        cid, size = raw[pos:pos + 4], struct.unpack("<I", raw[pos + 4:pos + 8])[0]
        body = raw[pos + 8:pos + 8 + size]
        if cid == b"fmt ":
            channels = struct.unpack("<H", body[2:4])[0]
        elif cid == b"data":
            data = body
        pos += 8 + size + (size & 1)
    width = KINDS[kind][0]
    values = []
    for i in range(0, len(data) - width + 1, width):
        chunk = data[i:i + width]
        values.append(chunk[0] - 128 if kind == "u8" else
                      int.from_bytes(chunk, "little", signed=True))
    return channels, [values[i:i + channels] for i in range(0, len(values), channels)]


def signal(kind, channels):
    """Tones of different loudness per channel, both signs, full scale touched."""
    full = KINDS[kind][1]
    frames = []
    for n in range(FRAMES):
        frame = []
        for c in range(channels):
            amp = (0.9, 0.35, 0.6, 0.2, 0.75, 0.5, 0.3, 0.45)[c]
            frame.append(int(full * amp * math.sin(2 * math.pi * (220 + 110 * c) * n / RATE)))
        frames.append(frame)
    frames[10][0], frames[11][0] = full, -full
    return frames


# ---- the processing rules, independent of the program's code -------------------

def tdiv(a, b):
    q = abs(a) // abs(b)
    return q if (a >= 0) == (b >= 0) else -q


def balance(left, right, b):
    if b == -100:
        return left, left
    if b == 100:
        return right, right
    if b < 0:
        k = b + 100
        return left, tdiv((100 - k) * left + k * right, 100)
    return tdiv(b * right + (100 - b) * left, 100), right


def swap_mix(left, right, swap, m):
    if swap:
        left, right = right, left
    if m >= 100:
        mean = tdiv(left + right, 2)
        return mean, mean
    if m > 0:
        return tdiv(m * right + (100 - m) * left, 100), tdiv((100 - m) * right + m * left, 100)
    return left, right


def gain(s, g, kind):
    _, full, low, high = KINDS[kind]
    if g > 100:
        e = 1.0 / ((g - 100) / 100.0)
        s = max(-full, min(full, s))
        v = s + (s / full) ** e * (full - s) if s > 0 else s - (s / -full) ** e * (s + full)
        v = int(v)
    else:
        v = tdiv(s * g, 100)
    return max(low, min(high, v))


def expected(frames, kind, g, m, swap, b):
    out = []
    for frame in frames:
        frame = list(frame)
        if len(frame) >= 2:
            if b:
                frame[0], frame[1] = balance(frame[0], frame[1], b)
            if swap or m:
                frame[0], frame[1] = swap_mix(frame[0], frame[1], swap, m)
        if g != 100:
            frame = [gain(v, g, kind) for v in frame]
        out.append(frame)
    return out


class AudioPath(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        os.makedirs(zvtest.TMP, exist_ok=True)
        cls.dir = tempfile.mkdtemp(prefix="audio-path-", dir=zvtest.TMP)
        code = register_renderer()
        if code != 0:
            raise RuntimeError("regsvr32 failed: %d" % code)

    @classmethod
    def tearDownClass(cls):
        # The prefix is shared with the other tests: leave no device behind.
        register_renderer(False)

    def host(self, script, out_wav=None, timeout=60):
        env = dict(os.environ)
        if out_wav:
            env["ZV_TEST_WAV"] = out_wav
        result = zvtest.wine([HOST, script], timeout=timeout, env=env)
        return result.stdout.decode("utf-8", "replace").splitlines()

    def play(self, name, kind, channels, options, extensible=False):
        """Plays a generated file through the engine; (input, output) frames."""
        g, m, swap, b = options
        source = os.path.join(self.dir, name + ".wav")
        out = os.path.join(self.dir, name + "-out.wav")
        frames = signal(kind, channels)
        write_wav(source, kind, channels, frames, extensible)
        lines = self.host("open flags=2 dev=%s %s; format; gain %d; mix %d; swap %d; "
                          "abalance %d; run; wait complete 8000; close"
                          % (DEVICE.replace(" ", "+"), winpath(source), g, m, swap, b), out)
        opened = [l for l in lines if l.startswith("open ")]
        self.assertTrue(opened and "opened=1" in opened[0], lines)
        self.assertIn("dev=[%s]" % DEVICE, opened[0])
        self.assertIn("format channels=%d bits=%d" % (channels, 8 * KINDS[kind][0]), lines)
        out_channels, got = read_wav(out, kind)
        self.assertEqual(out_channels, channels)
        self.assertEqual(len(got), len(frames), "every frame arrives once")
        return frames, got

    def assertFrames(self, got, want, tolerance=0):
        worst = max(abs(a - b) for fg, fw in zip(got, want) for a, b in zip(fg, fw))
        self.assertLessEqual(worst, tolerance)

    def test_the_renderer_is_an_output_device(self):
        lines = self.host("audiodevs")
        self.assertIn("audiodev " + DEVICE, lines)

    def test_16_bit_stereo_follows_the_integer_rules_exactly(self):
        for options in ((100, 25, 1, 0), (50, 0, 0, -100), (100, 100, 0, 0), (200, 0, 0, 30)):
            with self.subTest(options=options):
                frames, got = self.play("s16-%d-%d-%d-%d" % options, "s16", 2, options)
                # The boost goes through pow(): one step of rounding either way.
                self.assertFrames(got, expected(frames, "s16", *options),
                                  1 if options[0] > 100 else 0)

    def test_8_bit_mono_is_processed_as_unsigned_bytes(self):
        frames, got = self.play("u8", "u8", 1, (150, 50, 1, 40))
        self.assertFrames(got, expected(frames, "u8", 150, 50, 1, 40), 1)

    def test_six_channels_stay_six_and_only_the_front_pair_is_mixed(self):
        frames, got = self.play("s16x6", "s16", 6, (50, 0, 1, 0), extensible=True)
        self.assertFrames(got, expected(frames, "s16", 50, 0, 1, 0))
        self.assertEqual(got[100][2], tdiv(frames[100][2] * 50, 100))

    def test_24_and_32_bit_samples_keep_their_width(self):
        frames, got = self.play("s24", "s24", 2, (300, 100, 0, 0))
        self.assertFrames(got, expected(frames, "s24", 300, 100, 0, 0), 1)
        frames, got = self.play("s32", "s32", 2, (80, 0, 0, -30))
        self.assertFrames(got, expected(frames, "s32", 80, 0, 0, -30))

    def test_neutral_options_leave_the_audio_as_it_was(self):
        frames, got = self.play("neutral", "s16", 2, (100, 0, 0, 0))
        self.assertEqual(got, frames)


if __name__ == "__main__":
    zvtest.main()
