"""Drops files on a window of the test display through xdnd_drop.py, run
by a Python that has python3-xlib (the system one when the test's own has
not)."""

import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def _python():
    try:
        import Xlib  # noqa: F401
        return sys.executable
    except ImportError:
        return "/usr/bin/python3"


def drop(x, y, paths, ctrl=False, timeout=60):
    """Drops the Linux paths at the screen point; the client's exit code
    (0 taken, 2 refused, 3 no window, 4 no answer)."""
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False, encoding="utf-8") as f:
        f.write("".join(p + "\n" for p in paths))
        listed = f.name
    try:
        args = [_python(), os.path.join(HERE, "xdnd_drop.py"), str(x), str(y), "--from", listed]
        if ctrl:
            args.append("--ctrl")
        return subprocess.run(args, stdin=subprocess.DEVNULL, capture_output=True,
                              timeout=timeout).returncode
    finally:
        os.remove(listed)
