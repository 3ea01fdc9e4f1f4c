"""A game recorded in a real window with keys from xdotool, then played back in one.

    python3 replay_window_test.py <program> <title> <testing dir>

The game is played with --record (a key held across a pause included) until its picture stands still (the lander
landed or crashed), its window read back, and Esc pressed. Then --replay of
that file, with the person's game keys pressed meanwhile (they must be
ignored), must end with status 0, "as recorded", and the same final picture.
A recording killed on the way ends with a whole line and verifies cut short.
"""

import os
import subprocess
import sys
import tempfile
import time

PROGRAM, TITLE, TESTING = sys.argv[1], sys.argv[2], sys.argv[3]
sys.path.insert(0, TESTING)
from xsession import Checks, run_checked  # noqa: E402

SEED = "5"
STILL_FOR = 1.0  # seconds the picture must not change to count as the end
GIVE_UP = 30.0
KILL_AFTER = 2.5  # seconds of recording before the kill
check = Checks()


def still_picture(x, win):
    """The picture once it has stood still for STILL_FOR seconds."""
    deadline = time.time() + GIVE_UP
    last, since = x.screenshot(win), time.time()
    while time.time() < deadline:
        time.sleep(0.2)
        now = x.screenshot(win)
        if now.differs(last):
            last, since = now, time.time()
        elif time.time() - since >= STILL_FOR:
            return now
    raise RuntimeError("the picture never stood still")


def last_picture(x, win, program):
    """Screenshots until the program ends, pressing game keys; the last one taken."""
    last = None
    while program.poll() is None:
        try:
            last = x.screenshot(win)
            x.key(win, "Up")
        except subprocess.SubprocessError:
            pass  # the window went as it was read
        time.sleep(0.1)
    return last


def run_checks(x, folder):
    recording = os.path.join(folder, "game.replay")
    win = x.launch([PROGRAM, "--record", recording, "--seed", SEED], TITLE)
    x.focus(win)
    x.hold(win, "Up", 0.4)
    # Left held across a pause: pausing lets it go, and the file must say so.
    x.run("xdotool", "keydown", "--window", win, "Left")
    time.sleep(0.3)
    x.key(win, "p")
    time.sleep(0.3)
    x.key(win, "p")
    time.sleep(0.3)
    x.run("xdotool", "keyup", "--window", win, "Left")
    x.key(win, "space")
    recorded = still_picture(x, win)
    # Only the press: the program ends on it, and a release sent to its closed window would fail.
    x.run("xdotool", "keydown", "--window", win, "Escape")
    check(x.program.wait(timeout=10) == 0, "Esc ends the recording with status 0")
    lines = open(recording).read().splitlines()
    check(lines[0].split()[2] == os.path.basename(PROGRAM) and lines[1] == SEED
          and lines[-1].startswith("end "), f"the file names the program and seed, and is complete: {lines[:2]} {lines[-1:]}")
    check(any(" down 101" in line for line in lines), "the Up key is in the file")
    check(sum(" up 100" in line for line in lines) == 2, "Left is let go by the pause, and again when released")

    win = x.launch([PROGRAM, "--replay", recording], TITLE)
    x.focus(win)
    replayed = last_picture(x, win, x.program)
    out = x.program.stdout.read().decode()
    frames = lines[-1].split()[1]
    check(x.program.returncode == 0, f"the replay ends with status 0: {x.program.returncode}")
    check(out == f"Replay: {frames} frames, as recorded\n", f"the replay says so: {out!r}")
    check(replayed is not None and not replayed.differs(recorded), "the replay ends on the recorded picture")

    killed = os.path.join(folder, "killed.replay")
    x.launch([PROGRAM, "--record", killed], TITLE)
    time.sleep(KILL_AFTER)
    x.program.kill()
    x.program.wait()
    text = open(killed).read()
    last = max(int(line.split()[0]) for line in text.splitlines()[2:])
    env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
    done = subprocess.run([PROGRAM, "--verify", killed], env=env, capture_output=True, text=True, timeout=60)
    check(text.endswith("\n") and (done.returncode, done.stdout) == (0, f"Replay: {last} frames, cut short\n"),
          f"a killed recording ends with a whole line and verifies cut short: {done.returncode} {done.stdout!r}")


with tempfile.TemporaryDirectory() as folder:
    sys.exit(run_checked(check, lambda x: run_checks(x, folder), errors=(RuntimeError, subprocess.SubprocessError)))
