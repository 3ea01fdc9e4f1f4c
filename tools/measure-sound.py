"""Measures sound under Xvfb, with the audio library mixing into a WAV file.

    python3 tools/measure-sound.py [rounds] [seconds] [shots]   (default: 3 rounds of 10 s, 15 shots)

1. The gallery's frame rate and CPU share with its shots heard, against
   --mute, in turns within one run; the same keys (a shot every tenth of a
   second) go to both.
2. The delay from a key to its sound: the shooter fires one shot a second;
   for each, the frames from where the mix stood when the key was sent to the
   shot's first loud sample.

Needs build/bin/gallery, build/bin/rubblons and build/lib/framemeter.so
(cmake --build build --target gallery rubblons framemeter).
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
from mixfile import MixFile, mix_config  # noqa: E402
from xsession import XSession, is_lit  # noqa: E402

ROUNDS = int(sys.argv[1]) if len(sys.argv) > 1 else 3
SECONDS = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
SHOTS = int(sys.argv[3]) if len(sys.argv) > 3 else 15
SHOTS_APART_MS = 100
FRAMES_PER_SECOND = 30
LOUD = 0.05
METER = re.compile(r"= ([\d.]+) frames per second; CPU [\d.]+ s = ([\d.]+)% of one core")


def frame_rate(muted):
    with tempfile.TemporaryDirectory() as folder, XSession() as x:
        x.env.update(ALSOFT_CONF=mix_config(folder), FRAMEMETER_SECONDS=str(SECONDS),
                     LD_PRELOAD=os.path.join(ROOT, "build/lib/framemeter.so"))
        win = x.launch([os.path.join(ROOT, "build/bin/gallery")] + (["--mute"] if muted else []),
                       "Gallery")
        x.focus(win)
        shots = int(SECONDS * 1000 / SHOTS_APART_MS) + 20
        keys = subprocess.Popen(["xdotool", "key", "--window", win, "--repeat", str(shots),
                                 "--delay", str(SHOTS_APART_MS), "space"], env=x.env,
                                stderr=subprocess.DEVNULL)  # it outlives the window it sends to
        x.program.wait(timeout=SECONDS + 30)
        keys.kill()
        keys.wait()
        found = METER.search(x.program.stderr.read().decode(errors="replace"))
        return float(found.group(1)), float(found.group(2))


def delays():
    with tempfile.TemporaryDirectory() as folder, XSession() as x:
        x.env["ALSOFT_CONF"] = mix_config(folder)
        win = x.launch([os.path.join(ROOT, "build/bin/rubblons"), "--seed", "3"], "Rubblons")
        x.focus(win)
        x.shot_when(win, lambda image: image.count(is_lit) > 0)
        mix, sent = MixFile(folder), []
        x.key(win, "space")  # the first sound opens the device
        for _ in range(SHOTS):
            time.sleep(1.0)
            sent.append(mix.frames())
            x.key(win, "space")
        time.sleep(1.0)
        x.program.kill()
        x.program.wait()
        rate, levels = mix.levels()
        found = []
        for at in sent:  # a shot counts if the mix was quiet when its key went
            loud = next((i for i in range(at, min(at + rate, len(levels))) if levels[i] >= LOUD), None)
            if loud is not None and max(levels[at - rate // 10:at]) < LOUD:
                found.append((loud - at) * FRAMES_PER_SECOND / rate)
        return found


results = {False: [], True: []}
for _ in range(ROUNDS):
    for muted in (False, True):
        results[muted].append(frame_rate(muted))
for muted, runs in results.items():
    rates, shares = [r for r, _ in runs], [c for _, c in runs]
    print(f"gallery {'--mute' if muted else 'heard '}: {statistics.median(rates):.2f} frames a second "
          f"({min(rates):.2f} to {max(rates):.2f}), {statistics.median(shares):.1f}% of one core "
          f"({min(shares):.1f} to {max(shares):.1f})")
found = delays()
print(f"key to sound: median {statistics.median(found):.2f} frames over {len(found)} shots "
      f"({min(found):.2f} to {max(found):.2f})")
