"""Media made at test time with ffmpeg, and the engine host that drives a
CVideoRenderer by a command script (tests/engine/EngineHost.cpp)."""

import os
import random
import re
import shutil
import subprocess
import tempfile

import zvtest

MEDIA = os.path.join(zvtest.TMP, "engine-media")


def _ffmpeg(out, *args):
    # Tests running side by side may make the same file: each writes its own
    # part and the last rename wins with a whole file.
    tmp = "%s.part%d%s" % (out, os.getpid(), os.path.splitext(out)[1])
    subprocess.run(["ffmpeg", "-loglevel", "error", "-y"] + list(args) + [tmp], check=True)
    os.replace(tmp, out)


VIDEO_IN = ["-f", "lavfi", "-i", "testsrc=size=640x360:rate=30:duration=10"]
AUDIO_IN = ["-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=10"]
MJPEG = ["-c:v", "mjpeg", "-q:v", "4"]
PCM = ["-c:a", "pcm_s16le", "-ac", "2"]


def _make(name, out):
    if name == "av.avi":  # 10 s 640x360 MJPEG with PCM audio
        _ffmpeg(out, *VIDEO_IN, *AUDIO_IN, *MJPEG, *PCM, "-shortest")
    elif name == "video.avi":
        _ffmpeg(out, *VIDEO_IN, *MJPEG)
    elif name == "audio.avi":
        _ffmpeg(out, *AUDIO_IN, *PCM)
    elif name == "tone.wav":
        _ffmpeg(out, *AUDIO_IN, *PCM)
    elif name == "zero.avi":
        open(out, "wb").close()
    elif name == "random.avi":
        rng = random.Random(4)
        with open(out, "wb") as f:
            f.write(bytes(rng.getrandbits(8) for _ in range(100000)))
    elif name == "headers-cut.avi":  # cut inside the headers: nothing to play
        with open(media("av.avi"), "rb") as f, open(out, "wb") as g:
            g.write(f.read(4096))
    elif name == "half.avi":  # cut in the middle of the data: the first part plays
        with open(media("av.avi"), "rb") as f:
            data = f.read()
        with open(out, "wb") as g:
            g.write(data[: len(data) // 2])
    elif name == "nocodec.avi":
        _make_nocodec(out)
    else:
        raise ValueError(name)


def _make_nocodec(out):
    """Raw video whose four-character code no decoder knows."""
    raw = out + ".raw.avi"
    _ffmpeg(raw, "-f", "lavfi", "-i", "testsrc=size=160x90:rate=10:duration=1",
            "-c:v", "rawvideo", "-pix_fmt", "bgr24")
    with open(raw, "rb") as f:
        data = bytearray(f.read())
    os.remove(raw)
    strh = data.find(b"strh")
    data[strh + 12:strh + 16] = b"ZQZQ"  # fccHandler
    strf = data.find(b"strf")
    data[strf + 24:strf + 28] = b"ZQZQ"  # biCompression
    with open(out, "wb") as f:
        f.write(bytes(data))


def media(name):
    """The path of a generated file, made on first use."""
    os.makedirs(MEDIA, exist_ok=True)
    out = os.path.join(MEDIA, name)
    if not os.path.exists(out):
        _make(name, out)
    return out


class Host:
    """A copy of EngineHost.exe in a folder of its own, where its Error.log
    lands."""

    def __init__(self, name="host"):
        os.makedirs(zvtest.TMP, exist_ok=True)
        self.dir = tempfile.mkdtemp(prefix="engine-" + name + "-", dir=zvtest.TMP)
        self.exe = os.path.join(self.dir, "EngineHost.exe")
        shutil.copy(os.path.join(zvtest.BIN, "EngineHost.exe"), self.exe)
        self.log_path = os.path.join(self.dir, "Error.log")

    def run(self, script, timeout=120):
        """Runs the script; the output lines. Fails on a hang or a crash."""
        result = zvtest.wine([self.exe, script], timeout=timeout)
        lines = result.stdout.decode("utf-8", "replace").splitlines()
        assert lines and lines[-1] == "end", "host did not end cleanly:\n" + "\n".join(lines[-20:])
        return lines

    def start(self, script):
        return subprocess.Popen([zvtest.HARNESS, "exec", self.exe, script],
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)

    def log(self):
        if not os.path.exists(self.log_path):
            return ""
        with open(self.log_path, encoding="utf-8-sig") as f:
            return f.read()

    def cleanup(self):
        shutil.rmtree(self.dir, ignore_errors=True)


def win(path):
    return zvtest.winpath(path)


def fields(line):
    """key=value words of a host line as a dict (values as text)."""
    return dict(m.groups() for m in re.finditer(r"(\w+)=(\[[^\]]*\]|\S+)", line))


def first(lines, prefix):
    for line in lines:
        if line.startswith(prefix):
            return line
    raise AssertionError("no line starting %r in:\n%s" % (prefix, "\n".join(lines)))


def all_of(lines, prefix):
    return [line for line in lines if line.startswith(prefix)]
