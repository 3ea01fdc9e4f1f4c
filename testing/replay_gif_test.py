"""A kept recording made into a clip with no display, and checked against the window.

    python3 replay_gif_test.py <program> <title> <recording> <testing dir>

The clip's last frame must equal the window's last picture of the same replay,
taken in the same minute (the high-score tables show the time of day).
"""
import os
import subprocess
import sys
import tempfile
import time

PROGRAM, TITLE, RECORDING, TESTING = (os.path.abspath(arg) if i != 1 else arg for i, arg in enumerate(sys.argv[1:5]))
sys.path.insert(0, TESTING)
from xsession import Checks, Image, run_checked  # noqa: E402

NO_DISPLAY = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
LINES = open(RECORDING).read().splitlines()
FRAMES = int(LINES[-1].split()[1])
SECONDS = FRAMES / 30
check = Checks()


def clip(*args, recording=RECORDING, last=False):
    """Makes a clip in a folder of its own: status, output, error stream, the files left and the GIF."""
    with tempfile.TemporaryDirectory() as folder:
        done = subprocess.run([PROGRAM, "--replay", recording, *args], env=NO_DISPLAY, cwd=folder,
                              capture_output=True, text=True, timeout=120)
        gif = gif_frames(os.path.join(folder, args[1]), last) if done.returncode == 0 else None
        return done.returncode, done.stdout, done.stderr, sorted(os.listdir(folder)), gif


def gif_frames(path, last):
    """(frames, width, height) of the GIF and, if `last`, its last frame as a viewer shows it."""
    said = subprocess.run(["identify", "-format", "%n %W %H\n", path], capture_output=True, text=True,
                          check=True).stdout.split()
    last = subprocess.run(["convert", path, "-coalesce", "-delete", "0--2", "-depth", "8", "ppm:-"],
                          capture_output=True, check=True).stdout if last else None
    return tuple(int(n) for n in said[:3]), last and Image(last)


def last_window_picture(x):
    win = x.launch([PROGRAM, "--replay", RECORDING], TITLE)
    last = None
    while x.program.poll() is None:
        try:
            last = x.screenshot(win)
        except subprocess.SubprocessError:
            pass  # the window went as it was read
        time.sleep(0.2)  # the recording must end standing still (the lander: 1.5 s after its crash)
    return last


def run_checks(x, scratch):
    status, out, err, files, gif = clip("--gif", "whole.gif")
    check((status, out, err, files) == (0, f"Saved whole.gif ({FRAMES} frames)\n", "", ["whole.gif"]),
          f"the whole game, with no display: {status} {out!r} {err!r} {files}")
    check(gif and gif[0] == (FRAMES, 400, 400), f"a frame each, 400 x 400: {gif and gif[0]}")
    # Frames 46 to 60 are shown from 1.5 s on and before 2 s.
    status, out, _, _, gif = clip("--gif", "part.gif", "--from", "1.5", "--to", "2", "--scale", "2")
    check((status, out, gif and gif[0]) == (0, "Saved part.gif (15 frames)\n", (15, 800, 800)),
          f"--from 1.5 --to 2 --scale 2: {status} {out!r} {gif and gif[0]}")

    for attempt in range(2):  # once more if the minute turned meanwhile
        minute = time.strftime("%H:%M")
        gif = clip("--gif", "end.gif", "--from", str(SECONDS - 0.5), last=True)[4]
        window = last_window_picture(x)
        if time.strftime("%H:%M") == minute:
            break
    check(window is not None and gif is not None and not window.differs(gif[1]),
          "the clip's last frame is the window's last picture, pixel for pixel")

    doctored = os.path.join(scratch, "doctored.replay")
    at = next(i for i, line in enumerate(LINES) if " sum " in line)
    spoiled = LINES[at][:-1] + ("1" if LINES[at].endswith("0") else "0")  # the first checksum, changed
    with open(doctored, "w") as f:
        f.write("\n".join(LINES[:at] + [spoiled] + LINES[at + 1:]) + "\n")
    verified = subprocess.run([PROGRAM, "--verify", doctored], env=NO_DISPLAY, capture_output=True, text=True)
    status, out, err, files, _ = clip("--gif", "out.gif", recording=doctored)
    check((status, out, err, files) == (1, "", verified.stderr, []) and verified.returncode == 1,
          f"a doctored recording: --verify's ERROR line, status 1, no file: {status} {err!r} {files}")
    for what, args in (("--from past the end", ["--gif", "out.gif", "--from", str(SECONDS + 1)]),
                       ("an OUT in no folder", ["--gif", "none/out.gif"])):
        status, out, err, files, _ = clip(*args)
        ok = status == 1 and out == "" and err.startswith("ERROR: ") and "Usage: " in err and err.count("\n") == 1
        check(ok and files == [], f"{what}: an ERROR line with the usage, status 1, no file: {status} {err!r} {files}")


with tempfile.TemporaryDirectory() as scratch:
    sys.exit(run_checked(check, lambda x: run_checks(x, scratch), errors=(RuntimeError, subprocess.SubprocessError)))
