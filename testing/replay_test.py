"""A game's recording made, verified and spoiled, through the real program.

    python3 replay_test.py <program's demo maker> <program>

The demo maker plays a scripted game through the shell's key entry while the
shell records it (testing/record_demo.h). Then, with no display at all:
--verify of that file plays it as recorded; the same file with one key moved
a frame later differs at the first checked frame from there on; cut at a line
it plays up to its last frame, cut short; and every bad file gets one ERROR
line, exit status 1 and no window.
"""

import os
import subprocess
import sys
import tempfile

DEMO, PROGRAM = sys.argv[1], sys.argv[2]
NAME = os.path.basename(PROGRAM)
ENV = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
failures = 0


def check(ok, what):
    global failures
    print(("ok    " if ok else "FAIL  ") + what)
    failures += not ok


def run(*args):
    done = subprocess.run([PROGRAM, *args], env=ENV, capture_output=True, text=True, timeout=120)
    return done.returncode, done.stdout, done.stderr


def frame_of(line):
    return int(line.split()[0])


def moved(lines):
    """The recording with its first key to go down seen a frame later, and the
    frame whose checksum must differ: the first checked one from the key's old frame on."""
    head, body = lines[:2], lines[2:-1]
    at = next(i for i, line in enumerate(body) if " down " in line)
    frame = frame_of(body[at])
    body[at] = f"{frame + 1} {body[at].split(' ', 1)[1]}"
    # Keys of a frame go before its checksum; otherwise the order stays.
    body.sort(key=lambda line: (frame_of(line), " sum " in line))
    checked = min(frame_of(line) for line in body if " sum " in line and frame_of(line) >= frame)
    return head + body + lines[-1:], checked


def write(folder, name, text):
    path = os.path.join(folder, name)
    with open(path, "w") as f:
        f.write(text)
    return path


with tempfile.TemporaryDirectory() as folder:
    recording = os.path.join(folder, "game.replay")
    made = subprocess.run([DEMO, recording], capture_output=True, text=True, timeout=120)
    check(made.returncode == 0, f"the scripted game is recorded: {made.stdout}{made.stderr}".strip())
    lines = open(recording).read().splitlines()
    frames = lines[-1].split()[1]

    status, out, err = run("--verify", recording)
    check((status, out, err) == (0, f"Replay: {frames} frames, as recorded\n", ""),
          f"verified with no display, as recorded: {status} {out!r} {err!r}")

    spoiled, checked = moved(lines)
    status, out, err = run("--verify", write(folder, "moved.replay", "\n".join(spoiled) + "\n"))
    want = f"ERROR: the replay differs from the recording at frame {checked}\n"
    check((status, out, err) == (1, "", want), f"one key a frame late differs at frame {checked}: {status} {err!r}")

    cut = lines[:len(lines) * 2 // 3]
    last = max(frame_of(line) for line in cut[2:])
    status, out, err = run("--verify", write(folder, "cut.replay", "\n".join(cut) + "\n"))
    check((status, out) == (0, f"Replay: {last} frames, cut short\n"), f"cut at a line, cut short: {status} {out!r}")

    text = "\n".join(lines) + "\n"
    other = "rubblons" if NAME != "rubblons" else "gallery"
    bad = {
        "missing": None,
        "empty": "",
        "garbled": text.replace(" sum ", " sun ", 1),
        "cut inside a line": text[:text.rindex("\n", 0, len(text) * 2 // 3) + 4],  # 3 characters of a line
        "another program's": text.replace(f" {NAME}\n", f" {other}\n", 1),
        "a later version": text.replace(" 1 ", " 2 ", 1),
    }
    for what, content in bad.items():
        path = os.path.join(folder, "absent.replay") if content is None else write(folder, "bad.replay", content)
        for option in ("--replay", "--verify"):
            status, out, err = run(option, path)
            check(status == 1 and out == "" and err.startswith("ERROR: ") and err.count("\n") == 1,
                  f"{option} of a {what} file: one ERROR line, status 1, no window: {status} {err!r}")

sys.exit(1 if failures else 0)
