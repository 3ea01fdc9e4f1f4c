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
# The words after the script (the folder follows the name), and what the folder
# holds before: nothing, a file, a folder with a file in it, or an empty folder.
REFUSED = [(["Moon"], None), (["2moon"], None), (["-moon"], None), (["moon_hop"], None),
           (["moon hop"], None), (["moon.hop"], None), (["moon/hop"], None), (["moon\n"], None),
           ([""], None), (["moon"], "file"), (["moon"], "full"), ([], None)]
TAKEN = (["x-1"], "empty")  # the class X1, the title X-1


def run_in(tmp, words, holds):
    folder = os.path.join(tmp, "game")
    if holds == "file":
        open(folder, "w").close()
    elif holds:
        os.mkdir(folder)
        if holds == "full":
            open(os.path.join(folder, "mine.txt"), "w").close()
    before = sorted(os.listdir(tmp)), holds == "full" and os.listdir(folder)
    run = subprocess.run(["bash", SCRIPT] + words + [folder] * bool(words), capture_output=True,
                         text=True, timeout=60)
    return run, folder, before == (sorted(os.listdir(tmp)), holds == "full" and os.listdir(folder))


failures = 0
for words, holds in REFUSED + [TAKEN]:
    with tempfile.TemporaryDirectory() as tmp:
        run, folder, untouched = run_in(tmp, words, holds)
        errors = run.stderr.splitlines()
        if (words, holds) == TAKEN:
            written = run.returncode == 0 and os.path.exists(os.path.join(folder, "game.h"))
            ok = written and "class X1 {" in open(os.path.join(folder, "game.h")).read() and \
                '"X-1"' in open(os.path.join(folder, "main.cpp")).read()
        else:
            ok = run.returncode == 1 and len(errors) == 1 and errors[0].startswith("ERROR: ") and untouched
        print(("ok    " if ok else "FAIL  ") + f"{words!r} into {holds or 'nothing'}: "
              f"status {run.returncode}, {run.stderr.strip()!r}")
        failures += not ok
sys.exit(1 if failures else 0)
