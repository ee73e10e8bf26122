"""What the open tests share: generated media, a settings file, and readers
of the status bar, the window title and the error log."""

import os
import re
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "engine"))

import engine_media  # noqa: E402
import zvtest  # noqa: E402
from zvtest import probe, write_ini  # noqa: E402

STATUS_BAR_ID = "32873"
VIDEO_WINDOW_ID = "32871"


def clip(seconds, name=None, folder=None):
    """A small AVI (MJPEG and PCM) of the given length, made once per name."""
    folder = folder or engine_media.MEDIA
    name = name or "open%g.avi" % seconds
    out = os.path.join(folder, name)
    if not os.path.exists(out):
        os.makedirs(folder, exist_ok=True)
        engine_media._ffmpeg(
            out, "-f", "lavfi", "-i", "testsrc=size=160x90:rate=25:duration=%g" % seconds,
            "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=%g" % seconds,
            *engine_media.MJPEG, *engine_media.PCM, "-shortest")
    return out


def tone(seconds):
    """A WAV of a sine tone, made once."""
    out = os.path.join(engine_media.MEDIA, "tone%g.wav" % seconds)
    if not os.path.exists(out):
        os.makedirs(engine_media.MEDIA, exist_ok=True)
        engine_media._ffmpeg(
            out, "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=%g" % seconds,
            *engine_media.PCM)
    return out


def settings(box, thread=0, repeat=1, extra=None):
    """A current settings file with the error log on."""
    sections = {
        "Main": {"Ver": "90690", "ErrLog": "1", "Thread": str(thread), "Rpt": "%d,1" % repeat},
    }
    for section, keys in (extra or {}).items():
        sections.setdefault(section, {}).update(keys)
    write_ini(box.ini, sections)


def status(test):
    code, text = probe("text", "ZENTAVIO", STATUS_BAR_ID)
    if code == 3:
        test.skipTest("the main window has no status bar")
    return text if code == 0 else ""


def watch_status(test, pattern, timeout=20.0):
    """Polls the status bar until the pattern is found; every distinct text
    seen, in order. Fails with the last text when it never shows."""
    deadline = time.monotonic() + timeout
    seen = []
    while time.monotonic() < deadline:
        text = status(test)
        if not seen or seen[-1] != text:
            seen.append(text)
        if re.search(pattern, text):
            return seen
        time.sleep(0.05)
    test.fail("status bar never showed %r; saw %r" % (pattern, seen[-5:]))


def title():
    code, out = probe("wait", "ZENTAVIO", "5000")
    win = zvtest.parse_window(out) if code == 0 else None
    return win["title"] if win else ""


def log_text(box):
    if not os.path.exists(box.log):
        return ""
    with open(box.log, encoding="utf-8-sig", errors="replace") as f:
        return f.read()


def wait_log(test, box, pattern, timeout=15.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        text = log_text(box)
        found = re.findall(pattern, text)
        if found:
            return found
        time.sleep(0.1)
    test.fail("log never had %r; log:\n%s" % (pattern, log_text(box)[-2000:]))
