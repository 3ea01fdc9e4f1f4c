"""Measures clips (ui/clip.h).

    python3 tools/measure-clip.py [rounds] [seconds]   (default: 3 rounds of 10 s)

1. Each game's frame rate and CPU share under Xvfb while F9's clip is taken,
   against none, in turns within one run: F9 goes to the window as soon as it
   shows, and the meter (tools/framemeter) starts a second after the first frame.
2. The size of 10 seconds of each game as a clip: seconds 0 to 10 of the
   recording kept beside its tests (scripted play), and of a recording of
   random keys made by its soak (the shooter's by rubblons_random), --gif at
   the default size.
3. How fast --gif makes a clip of a 60-second recording (1,800 frames of
   those random keys), with no display: the median wall time of 5 runs, and
   frames a second.

Needs build/ built (cmake --build build).
"""

import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "testing"))
from xsession import XSession  # noqa: E402

ROUNDS = int(sys.argv[1]) if len(sys.argv) > 1 else 3
SECONDS = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
GAMES = {"rubblons": "rocks", "gallery": "birds", "lander": "lander", "catcher": "example"}
MINUTE_FRAMES = 1800
SPEED_RUNS = 5
METER = re.compile(r"= ([\d.]+) frames per second; CPU [\d.]+ s = ([\d.]+)% of one core")
NO_DISPLAY = {k: v for k, v in os.environ.items() if k != "DISPLAY"}


def program(name):
    return os.path.join(ROOT, "build/bin", name)


def frame_rate(name, clip):
    """(frames a second, share of one core) of `name` in a window, with or without a clip."""
    with tempfile.TemporaryDirectory() as folder, XSession() as x:
        x.env.update(FRAMEMETER_SECONDS=str(SECONDS), FRAMEMETER_AFTER="1",
                     LD_PRELOAD=os.path.join(ROOT, "build/lib/framemeter.so"))
        win = x.launch([program(name), "--mute"], name.capitalize(), cwd=folder)
        if clip:
            x.key(win, "F9")
        x.program.wait(timeout=SECONDS + 30)
        found = METER.search(x.program.stderr.read().decode(errors="replace"))
        return float(found.group(1)), float(found.group(2))


def random_recording(name, folder):
    """A recording of MINUTE_FRAMES frames of random keys, seed 7."""
    path = os.path.join(folder, name + ".replay")
    maker = program("rubblons_random" if name == "rubblons" else name + "_soak")
    subprocess.run([maker, str(MINUTE_FRAMES), "7", path], check=True, capture_output=True)
    return path


def clip_bytes(name, recording, folder, *options):
    out = os.path.join(folder, "clip.gif")
    subprocess.run([program(name), "--replay", recording, "--gif", out, *options], env=NO_DISPLAY,
                   check=True, capture_output=True)
    return os.path.getsize(out)


def clip_seconds(name, recording, folder):
    times = []
    for _ in range(SPEED_RUNS):
        start = time.monotonic()
        clip_bytes(name, recording, folder)
        times.append(time.monotonic() - start)
    return statistics.median(times)


print(f"1. Frame rate, {ROUNDS} rounds of {SECONDS:g} s each way (median, range; share of one core)")
for name in GAMES:
    runs = {False: [], True: []}
    for _ in range(ROUNDS):
        for clip in (False, True):
            runs[clip].append(frame_rate(name, clip))
    for clip in (False, True):
        rates, shares = [r for r, _ in runs[clip]], [s for _, s in runs[clip]]
        print(f"   {name:9} {'clip' if clip else 'none'}  {statistics.median(rates):6.2f} "
              f"({min(rates):.2f} to {max(rates):.2f})  {statistics.median(shares):5.1f}%")

print("2. Bytes of 10 seconds as a clip (kept recording; random keys)")
print("3. --gif of a 60-second recording of random keys: median seconds, frames a second")
with tempfile.TemporaryDirectory() as folder:
    for name, game in GAMES.items():
        kept = os.path.join(ROOT, "games", game, "tests", name + ".replay")
        recording = random_recording(name, folder)
        sizes = [clip_bytes(name, path, folder, "--to", "10") for path in (kept, recording)]
        seconds = clip_seconds(name, recording, folder)
        print(f"   {name:9} {sizes[0]:9,} {sizes[1]:9,}   {seconds:6.2f} s  {MINUTE_FRAMES / seconds:6.0f}")
