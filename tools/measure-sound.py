"""Measures the cost of sound: the gallery's frame rate and CPU share with its
shots heard (the audio library mixing into a WAV file) against --mute, in
turns within one run, under Xvfb; the same keys go to both.

    python3 tools/measure-sound.py [rounds] [seconds]     (default: 3 rounds of 10 s)

Needs build/bin/gallery and build/lib/framemeter.so
(cmake --build build --target gallery framemeter).
"""

import os
import re
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "testing"))
from xsession import XSession, is_lit  # noqa: E402

ROUNDS = int(sys.argv[1]) if len(sys.argv) > 1 else 3
SECONDS = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
SHOTS_APART_MS = 100  # a shot every tenth of a second: the rifle sounds all the time
METER = re.compile(r"= ([\d.]+) frames per second; CPU [\d.]+ s = ([\d.]+)% of one core")


def measure(folder, muted):
    conf = os.path.join(folder, "alsoft.conf")
    with open(conf, "w") as f:
        f.write(f"[general]\ndrivers = wave\n[wave]\nfile = {os.path.join(folder, 'mix.wav')}\n")
    with XSession() as x:
        x.env.update(ALSOFT_CONF=conf, FRAMEMETER_SECONDS=str(SECONDS),
                     LD_PRELOAD=os.path.join(ROOT, "build/lib/framemeter.so"))
        win = x.launch([os.path.join(ROOT, "build/bin/gallery")] + (["--mute"] if muted else []),
                       "Gallery")
        x.focus(win)
        shots = int(SECONDS * 1000 / SHOTS_APART_MS) + 20
        keys = subprocess.Popen(["xdotool", "key", "--window", win, "--repeat", str(shots),
                                 "--delay", str(SHOTS_APART_MS), "space"], env=x.env)
        x.program.wait(timeout=SECONDS + 30)
        keys.kill()
        keys.wait()
        found = METER.search(x.program.stderr.read().decode(errors="replace"))
        return float(found.group(1)), float(found.group(2))


results = {False: [], True: []}
with tempfile.TemporaryDirectory() as folder:
    for _ in range(ROUNDS):
        for muted in (False, True):
            results[muted].append(measure(folder, muted))
for muted, runs in results.items():
    rates = [r for r, _ in runs]
    shares = [c for _, c in runs]
    print(f"{'--mute' if muted else 'heard '}: {statistics.median(rates):.2f} frames a second "
          f"({min(rates):.2f} to {max(rates):.2f}), {statistics.median(shares):.1f}% of one core "
          f"({min(shares):.1f} to {max(shares):.1f})")
