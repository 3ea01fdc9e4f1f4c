"""The real shooter heard: in a virtual X server, with the audio library
writing its mix to a WAV file instead of a sound card, keys sent with xdotool.

    python3 rubblons_sound_test.py <rubblons> <testing dir>

Checks that the mix is silent before the first shot and loud after it, that
the hum of thrust sounds while Up is held, that m silences it at once and
shows the mute mark, and that without an audio device the game runs on after
one line on the error stream. Exits 0 when every check holds, 1 otherwise.
"""

import sys
import tempfile
import time

PROGRAM, TESTING = sys.argv[1], sys.argv[2]
sys.path.insert(0, TESTING)
from mixfile import MixFile, mix_config  # noqa: E402
from xsession import Checks, is_lit, run_checked  # noqa: E402

SILENT = 1e-4  # the loudest sample of a silent stretch, as a share of full scale
LOUD = 0.05    # the loudest of a sounding one reaches at least this
MARK_BOX = (0, 380, 30, 400)  # the window's lower-left corner, where the mute mark shows
SEED = ["--seed", "3"]  # the rocks start away from the ship

check = Checks()


def is_mark(p):
    return p[0] > 200 and p[1] > 150 and p[2] < 100


def started(x, folder, wav):
    x.env["ALSOFT_CONF"] = mix_config(folder, wav)
    win = x.launch([PROGRAM] + SEED, "Rubblons")
    x.focus(win)
    x.shot_when(win, lambda image: image.count(is_lit) > 0)
    return win


def heard_game(x, folder):
    win, mix = started(x, folder, wav=True), MixFile(folder)
    x.hold(win, "Up", seconds=0.5)  # the hum opens the device: the mix runs from here
    time.sleep(0.3)
    quiet = mix.frames()
    time.sleep(0.7)
    shot = mix.frames()
    x.key(win, "space")
    time.sleep(0.6)
    hum = mix.frames()
    x.run("xdotool", "keydown", "--window", win, "Up")
    time.sleep(0.5)
    unmuted = x.screenshot(win)
    mute = mix.frames()
    x.key(win, "m")
    time.sleep(0.8)
    end = mix.frames()
    x.run("xdotool", "keyup", "--window", win, "Up")
    muted = x.screenshot(win)
    check(x.program.poll() is None, "the program is still running")
    x.program.kill()
    x.program.wait()
    rate, levels = mix.levels()
    loudest = lambda start, stop: max(levels[start:stop], default=0.0)  # noqa: E731
    fifth = rate // 5  # for a sound to begin or end
    check(loudest(0, quiet) >= LOUD, "the hum sounds while Up is held")
    check(quiet > 0 and loudest(quiet, shot) <= SILENT, "silent before the first shot")
    check(loudest(shot, hum) >= LOUD, f"loud after the shot ({loudest(shot, hum):.3f})")
    check(loudest(hum + fifth, mute) >= LOUD, "the hum sounds again while Up is held")
    check(loudest(mute + fifth, end) <= SILENT, "silent after m, with Up still held")
    check(unmuted.count(is_mark, MARK_BOX) == 0 and muted.count(is_mark, MARK_BOX) >= 10,
          "the mute mark shows in the lower-left corner only while muted")
    errors = x.program.stderr.read().decode(errors="replace")
    check(errors == "", f"nothing on the error stream ({errors!r})")


def silent_game(x, folder):
    win = started(x, folder, wav=False)  # the only driver allowed cannot open
    for key in ("space", "b", "space"):
        x.key(win, key)
        time.sleep(0.2)
    x.hold(win, "Up", seconds=0.3)
    moving = x.screenshot(win).differs(x.shot_when(win, lambda image: False, timeout=0.3))
    check(x.program.poll() is None and moving, "without a device the game runs on")
    x.program.kill()
    x.program.wait()
    lines = x.program.stderr.read().decode(errors="replace").splitlines()
    check(len(lines) == 1 and lines[0].startswith("sound: "), f"one line on the error stream: {lines}")


def in_a_folder(body):
    def run(x):
        with tempfile.TemporaryDirectory() as folder:
            body(x, folder)
    return run


# The thrust sets the ship drifting: should it meet a rock, the game is tried once more.
sys.exit(max(run_checked(check, in_a_folder(body)) for body in (heard_game, silent_game)))
