"""Drives a real program in a virtual X server, for end-to-end window tests.

    with XSession() as x:
        win = x.launch(["build/bin/rubblons"], "Rubblons")
        shot = x.screenshot(win)          # Image: shot.pixel(x, y) -> (r, g, b)
        shot = x.shot_when(win, lambda image: image.count(is_red) > 0)
        x.key(win, "space")               # a press and release
        x.hold(win, "Up", seconds=0.5)    # held down for a while

Needs Xvfb, xdotool, xwininfo (x11-utils) and ImageMagick's import.
"""

import ctypes
import os
import re
import subprocess
import tempfile
import time


class Image:
    """An RGB picture read from a binary PPM: pixel (0, 0) is the top-left."""

    def __init__(self, ppm: bytes):
        fields = []
        pos = 0
        while len(fields) < 4:  # magic, width, height, maxval
            while ppm[pos:pos + 1].isspace():
                pos += 1
            if ppm[pos:pos + 1] == b"#":
                pos = ppm.index(b"\n", pos)
                continue
            end = pos
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[pos:end])
            pos = end
        if fields[0] != b"P6" or fields[3] != b"255":
            raise ValueError("expected an 8-bit binary PPM")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[pos + 1:pos + 1 + self.width * self.height * 3]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def count(self, test, box=None):
        """Pixels (within box = (left, top, right, bottom), exclusive) for which test(rgb) holds."""
        left, top, right, bottom = box or (0, 0, self.width, self.height)
        return sum(1 for y in range(top, bottom) for x in range(left, right)
                   if test(self.pixel(x, y)))

    def bounds(self, test):
        """(left, top, right, bottom) of the pixels for which test(rgb) holds, or None."""
        xs, ys = [], []
        for y in range(self.height):
            row = self.data[y * self.width * 3:(y + 1) * self.width * 3]
            for x in range(self.width):
                if test(tuple(row[x * 3:x * 3 + 3])):
                    xs.append(x)
                    ys.append(y)
        return (min(xs), min(ys), max(xs), max(ys)) if xs else None

    def differs(self, other):
        return self.data != other.data


def is_red(p):
    return p[0] > 200 and p[1] < 60 and p[2] < 60


def is_white(p):
    return min(p) > 200


def is_lit(p):
    return max(p) > 60


_CLIENT_MESSAGE = 33


class _ClientMessage(ctypes.Structure):
    """Xlib's XClientMessageEvent, padded to the size of an XEvent."""
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


class XSession:
    """A private Xvfb display for the programs started through it."""

    def __init__(self, width=800, height=600):
        self.size = f"{width}x{height}x24"
        self.procs = []

    def __enter__(self):
        self.display = self._start_server()
        self.env = dict(os.environ, DISPLAY=self.display, ASAN_OPTIONS="detect_leaks=0")
        return self

    def __exit__(self, *exc):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.kill()
            p.wait()
        return False

    def _start_server(self):
        # Xvfb picks a free display itself and writes its number to the given fd.
        read_fd, write_fd = os.pipe()
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", self.size, "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        self.procs.append(server)
        with os.fdopen(read_fd) as f:
            number = f.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        return ":" + number

    def run(self, *cmd, **kw):
        return subprocess.run(cmd, env=self.env, check=True, capture_output=True, text=True,
                              timeout=30, **kw).stdout

    def launch(self, argv, title, timeout=20, cwd=None):
        """Starts a program (in the folder cwd, if given) and returns its window
        id once the window is mapped."""
        self.program = subprocess.Popen(argv, env=self.env, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, cwd=cwd)
        self.procs.append(self.program)
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.program.poll() is not None:
                raise RuntimeError(f"{argv[0]} ended with status {self.program.returncode}: "
                                   f"{self.program.stderr.read().decode(errors='replace')}")
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                                   env=self.env, capture_output=True, text=True)
            if found.returncode == 0 and found.stdout.split():
                return found.stdout.split()[0]
            time.sleep(0.1)
        raise RuntimeError(f"no window titled {title!r} appeared")

    def title(self, win):
        return self.run("xdotool", "getwindowname", win).strip()

    def geometry(self, win):
        """(x, y, width, height) of the window on the screen."""
        info = self.run("xwininfo", "-id", win)
        get = lambda key: int(re.search(key + r":\s+(-?\d+)", info).group(1))
        return (get("Absolute upper-left X"), get("Absolute upper-left Y"),
                get("Width"), get("Height"))

    def screenshot(self, win, save_as=None):
        """The window's content as an Image; also written as PNG to save_as if given."""
        ppm = subprocess.run(["import", "-window", win, "-depth", "8", "ppm:-"], env=self.env, check=True,
                             capture_output=True, timeout=30).stdout
        if save_as:
            subprocess.run(["convert", "ppm:-", save_as], input=ppm, check=True, timeout=30)
        return Image(ppm)

    def shot_when(self, win, ready, timeout=3.0):
        """Screenshots until ready(image) holds or the time is up; the last one."""
        deadline = time.time() + timeout
        while True:
            image = self.screenshot(win)
            if ready(image) or time.time() > deadline:
                return image
            time.sleep(0.05)

    def key(self, win, name):
        self.run("xdotool", "key", "--window", win, name)

    def hold(self, win, name, seconds):
        self.run("xdotool", "keydown", "--window", win, name)
        time.sleep(seconds)
        self.run("xdotool", "keyup", "--window", win, name)

    def close(self, win):
        """Asks the window to close, as a window manager's close button does."""
        x11 = ctypes.CDLL("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                   ctypes.c_void_p]
        for call in (x11.XFlush, x11.XCloseDisplay):
            call.argtypes = [ctypes.c_void_p]
        display = x11.XOpenDisplay(self.display.encode())
        message = _ClientMessage(type=_CLIENT_MESSAGE, window=int(win), format=32,
                                 message_type=x11.XInternAtom(display, b"WM_PROTOCOLS", 0))
        message.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        x11.XSendEvent(display, int(win), 0, 0, ctypes.byref(message))
        x11.XFlush(display)
        x11.XCloseDisplay(display)

    def focus(self, win):
        # Without a window manager, keys go to the window under focus.
        self.run("xdotool", "windowfocus", "--sync", win)


class Checks:
    """Prints each check as ok or FAIL and counts the failures."""

    def __init__(self):
        self.failures = 0

    def __call__(self, ok, what):
        print(("ok    " if ok else "FAIL  ") + what)
        self.failures += not ok


def run_checked(check, body, errors=(RuntimeError,)):
    """Runs body(x) in a fresh XSession; if a check failed, once more in another.

    A virtual server that another test is tearing down can refuse the first
    connection, and a random field can spoil a check, so a failed attempt is
    tried once more afresh; a fault in the program fails both. Returns the
    exit status: 0 when the last attempt passed every check.
    """
    for attempt in (1, 2):
        check.failures = 0
        with XSession() as x:
            try:
                body(x)
            except errors as error:
                check(False, f"the program runs: {error}")
        if check.failures == 0 or attempt == 2:
            return 1 if check.failures else 0
        print("trying once more in a fresh X server")
