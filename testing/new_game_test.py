"""new-game.sh refuses a name or a folder it cannot use with one ERROR line on
the error stream and exit status 1, writing nothing; it takes a new or empty
folder and a name of lower-case letters, digits and hyphens.

    python3 new_game_test.py <kit source folder>
"""

import os
import subprocess
import sys
import tempfile

SCRIPT = os.path.join(sys.argv[1], "scripts", "new-game.sh")

# What the folder holds before the run: nothing (absent), a file, a folder with
# a file in it, or an empty folder; then the status the run ends with.
CASES = [
    (["Moon"], "absent", 1),
    (["2moon"], "absent", 1),
    (["-moon"], "absent", 1),
    (["moon_hop"], "absent", 1),
    (["moon hop"], "absent", 1),
    (["moon.hop"], "absent", 1),
    (["moon/hop"], "absent", 1),
    (["moon\n"], "absent", 1),
    ([""], "absent", 1),
    (["moon"], "file", 1),
    (["moon"], "full", 1),
    ([], "absent", 1),  # no folder named
    (["x-1"], "empty", 0),
]


def prepare(folder, state):
    if state == "file":
        open(folder, "w").write("mine\n")
    elif state in ("full", "empty"):
        os.mkdir(folder)
        if state == "full":
            open(os.path.join(folder, "mine.txt"), "w").write("mine\n")


def contents(folder):
    if os.path.isfile(folder):
        return open(folder).read()
    return sorted(os.listdir(folder)) if os.path.isdir(folder) else None


failures = 0
for words, state, status in CASES:
    with tempfile.TemporaryDirectory() as tmp:
        folder = os.path.join(tmp, "game")
        prepare(folder, state)
        before = contents(folder)
        argv = ["bash", SCRIPT] + words[:1] + ([folder] if words else [])
        run = subprocess.run(argv, capture_output=True, text=True, timeout=60)
        errors = run.stderr.splitlines()
        if status:
            ok = (run.returncode == 1 and len(errors) == 1 and errors[0].startswith("ERROR: ")
                  and contents(folder) == before)
        else:  # x-1: the class is X1, the title X-1
            header = open(os.path.join(folder, "game.h")).read() if run.returncode == 0 else ""
            ok = "class X1 {" in header and '"X-1"' in open(os.path.join(folder, "main.cpp")).read()
        print(("ok    " if ok else "FAIL  ") + f"{words!r} into {state}: status {run.returncode}, "
              f"{run.stderr.strip()!r}")
        failures += not ok
sys.exit(1 if failures else 0)
