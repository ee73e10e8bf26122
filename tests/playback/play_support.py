"""What the play tests share: short generated clips, a settings file with
the test trace on, and readers of the state pane and the trace lines the
player logs with [Main] "Test" on."""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "engine"))

import engine_media  # noqa: E402
import open_support  # noqa: E402
import zvtest  # noqa: E402
from zvtest import probe, write_ini  # noqa: E402

STATUS_BAR_ID = "32873"
PLAY_BUTTON = 32970
POWER_BUTTON = 32985
BUTTON_GESTURE = 107  # a button's second gesture, in WM_COMMAND's high word
MENU_STOP = 4187
NOTICE_AUTONEXT_PAUSE = 5003
WM_COMMAND = 0x111
WM_APP_NOTIFYMAIN = 0x8000 + 999

TRACE = re.compile(r"PLAY : st=(\d+) open=(\d+) started=(\d+) held=(\d+) awake=(\d+) "
                   r"ms=(\d+) track=(-?\d+) \((.*)\)")


def clip(seconds, name=None):
    """A small AVI (MJPEG and PCM) of the given length, made once."""
    return open_support.clip(seconds, name or "clip%g.avi" % seconds)


# The containers a user meets, each with the codecs it usually carries:
# (extension, ffmpeg arguments after the inputs, has video).
CONTAINERS = {
    "avi": ("avi", engine_media.MJPEG + engine_media.PCM, True),
    "mp4": ("mp4", ["-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac"], True),
    "mkv": ("mkv", ["-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac"], True),
    "webm": ("webm", ["-c:v", "libvpx-vp9", "-deadline", "realtime", "-c:a", "libopus"], True),
    "mpg": ("mpg", ["-c:v", "mpeg2video", "-c:a", "mp2", "-f", "vob"], True),
    "ts": ("ts", ["-c:v", "mpeg2video", "-c:a", "mp2"], True),
    "mp3": ("mp3", ["-c:a", "libmp3lame"], False),
}


def container_clip(kind, seconds, folder, name=None):
    """A clip of the container kind (a key of CONTAINERS) with a test
    pattern and a tone, made once per folder and name."""
    ext, codec, video = CONTAINERS[kind]
    out = os.path.join(folder, name or "%s%g.%s" % (kind, seconds, ext))
    if not os.path.exists(out):
        os.makedirs(folder, exist_ok=True)
        inputs = ["-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=%g" % seconds]
        if video:
            inputs = ["-f", "lavfi", "-i", "testsrc=size=320x180:rate=25:duration=%g" % seconds] + inputs
        engine_media._ffmpeg(out, *inputs, *codec, "-shortest")
    return out


def write_zvinf(media, chapters, markers, length_ms):
    """The information file beside media, UTF-16 with its BOM; chapters
    and markers in ms."""
    def t(ms):
        return "%02d:%02d:%06.3f" % (ms // 3600000, ms // 60000 % 60, ms % 60000 / 1000)
    lines = ["[ZENTAVIO_FILEINFO]", "FMT=100", "LEN=" + t(length_ms), "[CHAPTER]"]
    lines += ["%d=%s" % (i + 1, t(ms)) for i, ms in enumerate(chapters)]
    lines += ["[MARKER]"] + ["%d=%s" % (i + 1, t(ms)) for i, ms in enumerate(markers)]
    with open(media + ".zvinf", "wb") as f:
        f.write(b"\xff\xfe" + "\r\n".join(lines + [""]).encode("utf-16-le"))


def settings(box, repeat=1, keep_awake=1, countdown=10, extra=None):
    sections = {
        "Main": {"Ver": "90690", "Test": "1", "Mon": str(keep_awake),
                 "Rpt": "%d,1" % repeat},
        "Common": {"RptMenu": str(countdown)},
    }
    for section, keys in (extra or {}).items():
        sections.setdefault(section, {}).update(keys)
    write_ini(box.ini, sections)


status = open_support.status


def wait_status(test, pattern, timeout=15.0):
    """Polls the status bar text until the pattern is found; fails with the
    last text otherwise."""
    deadline = time.monotonic() + timeout
    text = ""
    while time.monotonic() < deadline:
        text = status(test)
        if re.search(pattern, text):
            return text
        time.sleep(0.1)
    test.fail("status bar never showed %r; last %r" % (pattern, text))


def elapsed(test):
    """The elapsed seconds the time pane shows (its first m:ss)."""
    m = re.search(r"(\d+):(\d\d)", status(test).split("\n", 1)[-1])
    test.assertIsNotNone(m, "no time in the status bar")
    return int(m.group(1)) * 60 + int(m.group(2))


def traces(box):
    """The trace lines so far, oldest first, as dicts."""
    if not os.path.exists(box.log):
        return []
    with open(box.log, encoding="utf-8-sig", errors="replace") as f:
        found = []
        for line in f:
            m = TRACE.search(line)
            if m:
                st, op, started, held, awake, ms, track = (int(v) for v in m.groups()[:7])
                found.append({"st": st, "open": op, "started": started, "held": held,
                              "awake": awake, "ms": ms, "track": track, "cause": m.group(8)})
        return found


def wait_trace(test, box, cause, after=0, timeout=15.0):
    """The first trace line of the cause past the first `after` lines."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        lines = traces(box)
        for t in lines[after:]:
            if t["cause"] == cause:
                return t
        time.sleep(0.1)
    test.fail("no %r trace after line %d; have %r" % (cause, after, traces(box)[after:]))


def button(id_):
    probe("post", "ZENTAVIO", str(WM_COMMAND), str(id_), "0")


def press_and_trace(test, box, id_, cause, timeout=15.0):
    """Presses a control-bar button and waits for the trace line it causes."""
    after = len(traces(box))
    button(id_)
    return wait_trace(test, box, cause, after, timeout=timeout)


def menu(item):
    code, _ = probe("menucmd", "ZENTAVIO", str(item))
    return code


def notice(code):
    probe("post", "ZENTAVIO", str(WM_APP_NOTIFYMAIN), str(code), "0")


def click_countdown_now(test):
    """Clicks the countdown panel's first button (go on now) with real
    input: the panel covers the video area and centres its block of the
    text (16 px), a gap (18), the button (32), a gap (12) and the second
    button (32), at 100 %."""
    if not shutil.which("xdotool"):
        test.skipTest("no xdotool for real input")
    code, out = probe("wait", "ZENTAVIO", "2000")
    test.assertEqual(code, 0)
    win = zvtest.parse_window(out)
    code, out = probe("child", "ZENTAVIO", open_support.VIDEO_WINDOW_ID)
    test.assertEqual(code, 0)
    left, top, right, bottom = (int(v) for v in re.search(r"rect=(\S+)", out).group(1).split(","))
    x0, y0 = (int(v) for v in win["rect"].split(",")[:2])
    client_w, client_h = (int(v) for v in win["client"].split(","))
    frame = (win["width"] - client_w) // 2
    caption = win["height"] - client_h - frame
    block_top = (bottom - top - 110) // 2
    x = x0 + frame + left + (right - left) // 2
    y = y0 + caption + top + block_top + 16 + 18 + 16
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def saver():
    code, out = probe("saver")
    return int(out) if code == 0 else None
