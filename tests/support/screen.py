"""Screenshots of the real windows under Xvfb and their comparison with
reference images, for the behaviour tests that check what is on screen."""

import os
import re
import shutil
import subprocess
import time

import zvtest
from zvtest import probe


def grab(path, left, top, width, height):
    """Saves that part of the screen as a PNG."""
    geometry = "%dx%d+%d+%d" % (width, height, left, top)
    subprocess.run(["import", "-window", "root", "-crop", geometry, "+repage", path], check=True)
    return path


def client_origin(win):
    """The screen position of a top window's client area (win as printed by
    WinProbe), taking the frame as equal on the left, right and bottom."""
    left, top, right, bottom = (int(v) for v in win["rect"].split(","))
    client_w, client_h = (int(v) for v in win["client"].split(","))
    border = (right - left - client_w) // 2
    return left + border, bottom - border - client_h


def child_rect(win, child_id, cls="ZENTAVIO"):
    """A child window's screen rectangle (left, top, width, height), or None
    when it is missing or hidden."""
    code, out = probe("child", cls, str(child_id))
    if code != 0 or "visible=1" not in out:
        return None
    l, t, r, b = (int(v) for v in out.split("rect=")[1].split(","))
    x, y = client_origin(win)
    return x + l, y + t, r - l, b - t


def differing_pixels(a, b, fuzz="4%"):
    """How many pixels of two images differ by more than fuzz; images of
    different sizes differ everywhere (-1)."""
    result = subprocess.run(["compare", "-metric", "AE", "-fuzz", fuzz, a, b, "null:"],
                            capture_output=True, text=True)
    try:
        return int(float(result.stderr.split()[0]))
    except (ValueError, IndexError):
        return -1


def crop(path, out, left, top, width, height):
    """A part of an image as a new PNG."""
    subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (width, height, left, top),
                    "+repage", out], check=True)
    return out


def blank_out(path, out, rects):
    """A copy of an image with each (left, top, width, height) painted black,
    for parts a comparison leaves aside."""
    draw = []
    for left, top, width, height in rects:
        draw += ["-draw", "rectangle %d,%d,%d,%d" % (left, top, left + width - 1, top + height - 1)]
    subprocess.run(["convert", path, "-fill", "black"] + draw + [out], check=True)
    return out


def grey_row(path, fraction):
    """The grey levels (0-255) of one row of a shot, the row at the given
    fraction of its height."""
    height = int(subprocess.run(["identify", "-format", "%h", path], capture_output=True,
                                text=True, check=True).stdout)
    out = subprocess.run(["convert", path, "-crop", "x1+0+%d" % int(height * fraction), "+repage",
                          "-colorspace", "gray", "-depth", "8", "txt:"],
                         capture_output=True, text=True, check=True).stdout
    return [int(m.group(1)) for m in re.finditer(r"gray\((\d+)", out)]


def colours(path):
    """The distinct RRGGBB colours of an image."""
    out = subprocess.run(["convert", path, "-unique-colors", "txt:"], capture_output=True,
                         text=True, check=True).stdout
    return {line.split("#")[1][:6].upper() for line in out.splitlines()[1:] if "#" in line}


def grab_settled(path, rect, timeout=5.0):
    """Grabs rect until two grabs in a row are alike, so that a fade has
    ended; the last grab."""
    prev = None
    deadline = time.monotonic() + timeout
    n = 0
    while True:
        n += 1
        cur = "%s.%d.png" % (path, n % 2)
        grab(cur, *rect)
        if prev and differing_pixels(prev, cur, "0%") == 0 or time.monotonic() > deadline:
            shutil.copy(cur, path)
            return path
        prev = cur


def check_reference(test, shot, reference, most=0, fuzz="4%"):
    """Fails unless shot matches the reference image within most pixels
    beyond fuzz. With ZV_SAVE_REF set the shot becomes the reference (to be
    looked at by eye before it is kept)."""
    if os.environ.get("ZV_SAVE_REF"):
        shutil.copy(shot, reference)
    test.assertTrue(os.path.exists(reference), "no reference " + reference)
    diff = differing_pixels(shot, reference, fuzz)
    test.assertTrue(0 <= diff <= most, "%s differs from %s in %d pixels" % (shot, reference, diff))


def wait_reference(test, take, reference, most=0, fuzz="4%", timeout=5.0):
    """Like check_reference, for a part of the screen that may be caught
    mid-repaint or mid-move under load: take() grabs afresh and returns the
    shot's path; the first shot within most pixels passes, and the last one
    is judged when the time is up."""
    deadline = time.monotonic() + timeout
    while True:
        shot = take()
        if os.environ.get("ZV_SAVE_REF") or time.monotonic() > deadline:
            break
        if os.path.exists(reference) and 0 <= differing_pixels(shot, reference, fuzz) <= most:
            break
        time.sleep(0.2)
    check_reference(test, shot, reference, most, fuzz)
    return shot


def title_overlay(top, timeout=5.0):
    """The rectangle of the full-screen title overlay once it is fully shown
    at the top edge top, or None when it did not show in time."""
    program = os.path.join(zvtest.BIN, "ScreenProbe.exe")

    def shown():
        for line in zvtest.run_to_file(program, "overlays")[1].splitlines():
            if line.startswith("visible=1 alpha=255"):
                rect = tuple(int(v) for v in line.split("rect=")[1].split(","))
                if rect[1] == top:
                    return rect
        return None

    return zvtest.wait_for(shown, timeout)


# Where real-input tests leave the pointer: away from the player.
PARKED = (1900, 1060)


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def click_child(test, win, child_id, fraction=0.5, button=1):
    """A real click at the fraction of a child window's width, then the
    pointer parked."""
    rect = child_rect(win, child_id)
    test.assertIsNotNone(rect, "child %d is not shown" % child_id)
    left, top, width, height = rect
    xdotool("mousemove", left + int(width * fraction), top + height // 2, "click", button)
    xdotool("mousemove", *PARKED)
