"""The real shooter heard: in a virtual X server, with the audio library
writing its mix to a WAV file instead of a sound card, keys sent with xdotool.

    python3 rubblons_sound_test.py <rubblons> <testing dir> [--measure N]

Checks that the mix is silent before the first shot and loud after it, that
the hum of thrust sounds while Up is held, that m silences it at once and
shows the mute mark, that without an audio device the game runs on after one
line on the error stream, and that --mute starts muted, opening no device. With --measure N it fires N more shots and
prints the median delay from a key to its sound, in frames.
Exits 0 when every check holds, 1 otherwise.
"""

import os
import statistics
import struct
import sys
import tempfile
import time

PROGRAM, TESTING = sys.argv[1], sys.argv[2]
MEASURE = int(sys.argv[sys.argv.index("--measure") + 1]) if "--measure" in sys.argv else 0
sys.path.insert(0, TESTING)
from xsession import Checks, is_lit, run_checked  # noqa: E402

FRAMES_PER_SECOND = 30
SILENT = 1e-4      # the loudest sample of a silent stretch, as a share of full scale
LOUD = 0.05        # the loudest of a sounding one reaches at least this
MARK_BOX = (0, 380, 30, 400)  # the window's lower-left corner, where the mute mark shows
SEED = ["--seed", "3"]  # rocks start away from the ship and reach it only after the test

check = Checks()


def is_mark(p):
    return p[0] > 200 and p[1] > 150 and p[2] < 100


class Mix:
    """The WAV file the audio library writes as it mixes, read while it grows."""

    def __init__(self, path):
        self.path = path

    def _header(self, data):
        pos, fmt = 12, None
        while pos + 8 <= len(data):
            kind, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
            if kind == b"fmt ":
                channels, rate = struct.unpack("<HI", data[pos + 10:pos + 16])
                bits = struct.unpack("<H", data[pos + 22:pos + 24])[0]
                fmt = (channels, rate, bits)
            if kind == b"data":
                return fmt, pos + 8  # the size is written only at the end: read to the end
            pos += 8 + size
        return None, None

    def frames(self):
        """Sample frames written so far."""
        data = open(self.path, "rb").read() if os.path.exists(self.path) else b""
        fmt, start = self._header(data)
        if not fmt:
            return 0
        return (len(data) - start) // (fmt[0] * fmt[2] // 8)

    def read(self):
        """(rate, levels): every frame's loudest channel, as a share of full scale."""
        data = open(self.path, "rb").read()
        (channels, rate, bits), start = self._header(data)
        width = channels * bits // 8
        count = (len(data) - start) // width
        body = data[start:start + count * width]
        if bits == 32:
            values = [abs(v) for v in struct.unpack(f"<{count * channels}f", body)]
        else:
            values = [abs(v) / 32768 for v in struct.unpack(f"<{count * channels}h", body)]
        self.rate = rate
        return rate, [max(values[i:i + channels]) for i in range(0, len(values), channels)]


def loudest(levels, start, end):
    return max(levels[start:end], default=0.0)


def first_loud(levels, start):
    return next((i for i in range(start, len(levels)) if levels[i] >= LOUD), None)


def config(folder, wav):
    path = os.path.join(folder, "alsoft.conf")
    with open(path, "w") as f:
        f.write("[general]\ndrivers = wave\n")
        if wav:
            f.write(f"[wave]\nfile = {wav}\n")
    return path


def heard_game(x, folder):
    mix = Mix(os.path.join(folder, "mix.wav"))
    x.env["ALSOFT_CONF"] = config(folder, mix.path)
    win = x.launch([PROGRAM] + SEED, "Rubblons")
    x.focus(win)
    x.shot_when(win, lambda image: image.count(is_lit) > 0)
    x.hold(win, "Up", seconds=0.5)  # the hum opens the device, so the file runs from here
    time.sleep(0.3)
    quiet_from = mix.frames()
    time.sleep(0.7)
    shot_at = mix.frames()
    x.key(win, "space")
    time.sleep(0.6)
    hum_from = mix.frames()
    x.run("xdotool", "keydown", "--window", win, "Up")
    time.sleep(0.5)
    unmuted = x.screenshot(win)
    muted_at = mix.frames()
    x.key(win, "m")
    time.sleep(0.8)
    muted_until = mix.frames()
    muted = x.screenshot(win)
    x.run("xdotool", "keyup", "--window", win, "Up")
    delays = []
    if MEASURE:
        x.key(win, "m")
        for _ in range(MEASURE):
            time.sleep(0.5)
            before = mix.frames()
            x.key(win, "space")
            delays.append(before)
        time.sleep(0.5)
    check(x.program.poll() is None, "the program is still running")
    x.program.kill()
    x.program.wait()

    rate, levels = mix.read()
    margin = rate // 10  # a tenth of a second for a sound to begin or end
    check(loudest(levels, 0, quiet_from) >= LOUD, "the hum sounds while Up is held")
    check(quiet_from > 0 and loudest(levels, quiet_from, shot_at) <= SILENT,
          f"silent before the first shot ({loudest(levels, quiet_from, shot_at):.5f})")
    check(loudest(levels, shot_at, hum_from) >= LOUD,
          f"loud after the shot ({loudest(levels, shot_at, hum_from):.3f})")
    check(loudest(levels, hum_from + margin, muted_at) >= LOUD, "the hum sounds again while Up is held")
    check(loudest(levels, muted_at + margin, muted_until) <= SILENT,
          f"silent after m, Up still held ({loudest(levels, muted_at + margin, muted_until):.5f})")
    check(unmuted.count(is_mark, MARK_BOX) == 0 and muted.count(is_mark, MARK_BOX) >= 10,
          "the mute mark shows in the lower-left corner only while muted")
    errors = x.program.stderr.read().decode(errors="replace")
    check(errors == "", f"nothing on the error stream ({errors!r})")
    start = first_loud(levels, shot_at)
    frames = [(first_loud(levels, at) - at) * FRAMES_PER_SECOND / rate for at in [shot_at] + delays
              if first_loud(levels, at) is not None]
    if MEASURE:
        print(f"delay from the key to its sound: median {statistics.median(frames):.2f} frames "
              f"over {len(frames)} shots (least {min(frames):.2f}, most {max(frames):.2f})")
    check(start is not None, "the shot is found in the mix")


def silent_game(x, folder):
    x.env["ALSOFT_CONF"] = config(folder, None)  # the only driver allowed cannot open
    win = x.launch([PROGRAM] + SEED, "Rubblons")
    x.focus(win)
    x.shot_when(win, lambda image: image.count(is_lit) > 0)
    for key in ("space", "b", "space"):
        x.key(win, key)
        time.sleep(0.2)
    x.hold(win, "Up", seconds=0.3)
    running = x.program.poll() is None
    moving = x.screenshot(win).differs(x.shot_when(win, lambda image: False, timeout=0.3))
    x.program.kill()
    x.program.wait()
    lines = x.program.stderr.read().decode(errors="replace").splitlines()
    check(running and moving, "without a device the game runs on")
    check(len(lines) == 1 and lines[0].startswith("sound: "), f"one line on the error stream: {lines}")


def muted_game(x, folder):
    mix = Mix(os.path.join(folder, "mix.wav"))
    x.env["ALSOFT_CONF"] = config(folder, mix.path)
    win = x.launch([PROGRAM, "--mute"] + SEED, "Rubblons")
    x.focus(win)
    x.shot_when(win, lambda image: image.count(is_lit) > 0)
    x.key(win, "space")
    x.hold(win, "Up", seconds=0.5)
    shown = x.screenshot(win)
    x.program.kill()
    x.program.wait()
    check(not os.path.exists(mix.path), "--mute: no device opens for a shot or the hum")
    check(shown.count(is_mark, MARK_BOX) >= 10, "--mute shows the mute mark from the start")


def in_a_folder(body):
    def run(x):
        with tempfile.TemporaryDirectory() as folder:
            body(x, folder)
    return run


# The thrust sets the ship drifting: should it meet a rock, the game is tried once more.
sys.exit(max(run_checked(check, in_a_folder(body)) for body in (heard_game, silent_game, muted_game)))
