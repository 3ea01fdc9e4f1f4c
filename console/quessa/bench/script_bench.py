#!/usr/bin/env python3
"""Times the help-desk program on long generated scripts.

    python3 console/quessa/bench/script_bench.py build/bin/quessa [MINUTES ...]

For each length (default 100000, 300000 and 1000000 minutes) it writes a
seeded script with one item per minute (60% none, 30% normal requests, 10%
emergencies, 1 to 3 minutes each, then "finished"), runs the program on it
with its output going to a file, and reports the wall time, the time per
minute and the program's peak resident memory. The peak comes from
quessa_peak_run, built beside the program: a child started by Python itself
would count Python's own memory in its peak.
"""
import os
import random
import subprocess
import sys
import tempfile
import time

CLASSES = ["math", "physics", "chem", "art", "law", "music"]
NAMES = ["Ann", "Bob", "Cy", "Dee", "Eve", "Fay", "Gus"]
SEED = 2024
DEFAULT_LENGTHS = [100_000, 300_000, 1_000_000]


def script(minutes, seed=SEED):
    """The input for a run of `minutes` prompts, as one string."""
    rng = random.Random(seed)
    lines = []
    for _ in range(minutes):
        roll = rng.random()
        if roll < 0.6:
            lines.append("none")
            continue
        request = f"{rng.choice(CLASSES)} {rng.choice(NAMES)} {rng.randint(1, 3)}"
        lines.append(request if roll < 0.9 else "!! " + request)
    lines.append("finished")
    return "\n".join(lines) + "\n"


def run(program, text):
    """Runs the program on `text`; returns wall seconds, peak KiB and its output's tail."""
    launcher = os.path.join(os.path.dirname(os.path.abspath(program)), "quessa_peak_run")
    with tempfile.TemporaryFile() as stdin, tempfile.TemporaryFile() as stdout:
        stdin.write(text.encode())
        stdin.seek(0)
        start = time.monotonic()
        done = subprocess.run([launcher, program], stdin=stdin, stdout=stdout,
                              stderr=subprocess.PIPE, text=True)
        seconds = time.monotonic() - start
        if done.returncode != 0:
            sys.exit(f"ERROR: {program} exited with status {done.returncode}: {done.stderr}")
        peak_kib = int(done.stderr.split("peak_rss_kib")[-1])
        stdout.seek(-len(b"End of simulation\n"), os.SEEK_END)
        return seconds, peak_kib, stdout.read().decode()


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: script_bench.py PROGRAM [MINUTES ...]")
    program = sys.argv[1]
    lengths = [int(arg) for arg in sys.argv[2:]] or DEFAULT_LENGTHS
    print(f"{'minutes':>9} {'wall s':>8} {'us/minute':>10} {'peak RSS MiB':>13}")
    for minutes in lengths:
        seconds, peak_kib, tail = run(program, script(minutes))
        if tail != "End of simulation\n":
            sys.exit(f"ERROR: the run of {minutes} minutes did not end the simulation")
        print(f"{minutes:>9} {seconds:>8.3f} {seconds / minutes * 1e6:>10.3f} {peak_kib / 1024:>13.1f}")


if __name__ == "__main__":
    main()
