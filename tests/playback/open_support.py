"""What the open tests share: generated media, a settings file, and readers
of the status bar, the window title and the error log."""

import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "engine"))

import engine_media  # noqa: E402
import zvtest  # noqa: E402
from zvtest import probe, write_ini  # noqa: E402

STATUS_BAR_ID = "32873"
VIDEO_WINDOW_ID = "32871"


def clip(seconds, name=None, folder=None, size="160x90"):
    """A small AVI (MJPEG and PCM) of the given length, made once per name."""
    folder = folder or engine_media.MEDIA
    name = name or "open%g.avi" % seconds
    out = os.path.join(folder, name)
    if not os.path.exists(out):
        os.makedirs(folder, exist_ok=True)
        engine_media._ffmpeg(
            out, "-f", "lavfi", "-i", "testsrc=size=%s:rate=25:duration=%g" % (size, seconds),
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


def watch_status_closely(test, until, timeout_ms=20000):
    """Every distinct status text until one holds the text, watched every
    10 ms from inside one probe process."""
    code, out = probe("watchtext", "ZENTAVIO", STATUS_BAR_ID, until, str(timeout_ms))
    seen = [t.strip("\r\n") for t in re.split(r"\r?\n----", out) if t.strip("\r\n")]
    if code != 0:
        test.fail("status bar never showed %r; saw %r" % (until, seen[-5:]))
    return seen


def video_colours(test):
    """Distinct colours on screen inside the video window; skips without
    ImageMagick."""
    if not shutil.which("import") or not shutil.which("convert"):
        test.skipTest("no ImageMagick to read the screen")
    code, out = probe("wait", "ZENTAVIO", "2000")
    test.assertEqual(code, 0)
    win = zvtest.parse_window(out)
    code, out = probe("child", "ZENTAVIO", VIDEO_WINDOW_ID)
    test.assertEqual(code, 0)
    left, top, right, bottom = map(int, re.search(r"rect=(\S+)", out).group(1).split(","))
    shot = os.path.join(zvtest.TMP, "screen-%d.png" % os.getpid())
    subprocess.run(["import", "-window", "root", shot], check=True)
    # The middle half of the video window, clear of the frame's few pixels
    # between the window's and its client's corners.
    x0, y0 = (int(v) for v in win["rect"].split(",")[:2])
    w, h = (right - left) // 2, (bottom - top) // 2
    # An empty crop would read the whole screen.
    test.assertTrue(w > 0 and h > 0, "the video window has no size: " + out)
    crop = "%dx%d+%d+%d" % (w, h, x0 + left + w // 2, y0 + top + h // 2)
    result = subprocess.run(["convert", shot, "-crop", crop, "-format", "%k", "info:"],
                            capture_output=True, text=True, check=True)
    os.remove(shot)
    return int(result.stdout.strip())


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
