"""Helpers of the behaviour tests: start the real Zentavio.exe under Wine in
a folder of its own and look at what it writes and shows."""

import os
import shutil
import subprocess
import tempfile
import time
import unittest

BIN = os.environ.get("ZV_BIN", "")
HARNESS = os.environ.get("ZV_HARNESS", "")
TMP = os.environ.get("ZV_TMP", tempfile.gettempdir())


def _take_desktop():
    """A test that took one of the harness's desktops (CTest names it in the
    environment) shows its windows there, with that desktop's Wine prefix;
    every program it starts inherits both."""
    slot = os.environ.pop("CTEST_RESOURCE_GROUP_0_DESKTOP", "")
    if not slot or not BIN:
        return
    ident = slot.split(",")[0].split(":")[1]
    with open(os.path.join(BIN, "..", "desktops", ident, "env")) as f:
        for line in f:
            key, _, value = line.strip().partition("=")
            if key:
                os.environ[key] = value


_take_desktop()


def winpath(path):
    """The Wine (Z:) path of a Linux path."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def wine(args, **kwargs):
    """Runs a Windows program through the harness and waits for it."""
    return subprocess.run([HARNESS, "exec"] + list(args), capture_output=True, **kwargs)


def run_to_file(program, *args, timeout=60):
    """Runs a Windows program with its output in a file; (exit code, stdout
    text). A Wine helper process that the program happens to start inherits
    its output and may outlive it, which a pipe would wait for."""
    with tempfile.TemporaryFile() as out:
        result = subprocess.run([HARNESS, "exec", program] + [str(a) for a in args],
                                stdin=subprocess.DEVNULL, stdout=out,
                                stderr=subprocess.DEVNULL, timeout=timeout)
        out.seek(0)
        return result.returncode, out.read().decode("utf-8", "replace").strip()


def probe(*args, timeout=30):
    """Runs WinProbe with the arguments; returns (exit code, stdout text)."""
    return run_to_file(os.path.join(BIN, "WinProbe.exe"), *args, timeout=timeout)


def parse_window(line):
    """The facts WinProbe prints of a window, as a dict."""
    facts = {}
    head, _, title = line.partition(" title=")
    for field in head.split():
        key, _, value = field.partition("=")
        facts[key] = value
    facts["title"] = title
    left, top, right, bottom = (int(v) for v in facts["rect"].split(","))
    facts["width"] = right - left
    facts["height"] = bottom - top
    return facts


def list_rows(cls, list_id):
    """The rows of a list view in a window of the class's process, each a
    dict: "texts" (the columns), "image", "check" (state image index) and
    "selected"; None when the list cannot be read."""
    code, out = probe("rows", cls, str(list_id))
    if code != 0:
        return None
    rows = []
    for line in out.splitlines():
        parts = line.split("\t")
        flags = dict(p.split("=", 1) for p in parts[-3:])
        rows.append({"texts": parts[:-3], "image": int(flags["image"]),
                     "check": int(flags["check"]), "selected": int(flags["selected"])})
    return rows


def wait_for(what, timeout=20.0):
    """Calls what() until it gives a true value or the time is up; returns
    the last value."""
    end = time.monotonic() + timeout
    while True:
        value = what()
        if value or time.monotonic() > end:
            return value
        time.sleep(0.1)


def read_ini(path):
    """A settings file as {section: {key: value}}, with its raw bytes."""
    with open(path, "rb") as f:
        data = f.read()
    if data.startswith(b"\xff\xfe"):
        text = data[2:].decode("utf-16-le")
    else:
        text = data.decode("utf-8", "replace")
    sections, current = {}, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1], {})
        elif "=" in line and current is not None:
            key, _, value = line.partition("=")
            current[key] = value
    return sections, data


def write_ini(path, sections):
    """Writes a settings file as UTF-16LE with its BOM, as the player does."""
    lines = []
    for name, keys in sections.items():
        lines.append("[%s]" % name)
        lines.extend("%s=%s" % (k, v) for k, v in keys.items())
        lines.append("")
    with open(path, "wb") as f:
        f.write(b"\xff\xfe" + "\r\n".join(lines).encode("utf-16-le"))


def start_prefix(prefix):
    """Makes a Wine prefix of a test's own on first use and starts its
    server and helper processes (with WINEPREFIX and DISPLAY already set for
    it): they inherit the output of the first program, so they start here,
    away from the pipes the probes read."""
    quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    ready = os.path.join(prefix, ".zv-ready")
    if not os.path.exists(ready):
        os.makedirs(prefix, exist_ok=True)
        subprocess.run([HARNESS, "exec", "wineboot", "-i"], timeout=180, **quiet)
        subprocess.run(["wineserver", "-w"], timeout=120)
        open(ready, "w").close()
    subprocess.run(["wineserver", "-p"], check=False, **quiet)
    subprocess.run([HARNESS, "exec", "cmd.exe", "/c", "exit"], timeout=120, **quiet)


class Sandbox:
    """A private folder holding a copy of Zentavio.exe (its INI and log land
    beside it), with the running instances started from it."""

    def __init__(self, name):
        os.makedirs(TMP, exist_ok=True)
        self.dir = tempfile.mkdtemp(prefix=name + "-", dir=TMP)
        self.exe = os.path.join(self.dir, "Zentavio.exe")
        # A link costs no disk; the player never writes its own file.
        try:
            os.link(os.path.join(BIN, "Zentavio.exe"), self.exe)
        except OSError:
            shutil.copy(os.path.join(BIN, "Zentavio.exe"), self.exe)
        self.ini = os.path.join(self.dir, "Zentavio.ini")
        self.log = os.path.join(self.dir, "Error.log")
        self.procs = []

    def start(self, *args, debug=False):
        """Starts the program; its output goes to files, never pipes: a Wine
        helper process it happens to start (a new desktop process when the
        old one has ended) inherits them and may outlive it, and a pipe would
        then never close."""
        env = dict(os.environ)
        if debug:
            # Wine reports OutputDebugString on its "seh" channel.
            env["WINEDEBUG"] = "-all,warn+seh"
        out = tempfile.TemporaryFile(dir=self.dir)
        err = tempfile.TemporaryFile(dir=self.dir)
        proc = subprocess.Popen([HARNESS, "exec", self.exe] + list(args), env=env,
                                stdin=subprocess.DEVNULL, stdout=out, stderr=err)
        proc.zv_files = (out, err)
        self.procs.append(proc)
        return proc

    @staticmethod
    def output(proc):
        """What a started program wrote to its standard error so far."""
        files = getattr(proc, "zv_files", None)
        if not files:
            return ""
        files[1].seek(0)
        return files[1].read().decode("utf-8", "replace")

    def run(self, *args, timeout=30):
        """Starts the program and waits for it to end: (exit code, seconds)."""
        began = time.monotonic()
        result = wine([self.exe] + list(args), timeout=timeout)
        return result.returncode, time.monotonic() - began

    def wait_window(self, cls="ZENTAVIO", timeout_ms=15000):
        code, out = probe("wait", cls, str(timeout_ms))
        return parse_window(out) if code == 0 else None

    def close(self, proc, timeout=20):
        probe("close", "ZENTAVIO")
        try:
            proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
        return proc.returncode, self.output(proc)

    def cleanup(self):
        for proc in self.procs:
            if proc.poll() is None:
                proc.kill()
                proc.wait()
            for f in getattr(proc, "zv_files", ()):
                f.close()
        shutil.rmtree(self.dir, ignore_errors=True)


class BehaviourTest(unittest.TestCase):
    """A test case with a fresh sandbox per test."""

    def setUp(self):
        self.box = Sandbox(self.id().split(".")[-1])

    def tearDown(self):
        # Whatever a test left running is closed before the next one starts.
        probe("close", "ZENTAVIO")
        self.box.cleanup()


def main():
    unittest.main(verbosity=2)
