"""Every kit program refuses a command line it does not know before it opens a
window: one ERROR line naming the program's usage, exit status 1. It answers
--help, -h and --version on standard output with status 0, before any window:
the usage and a line for every option, or its name and the kit's version
(KIT_VERSION in the environment).

    KIT_VERSION=0.5.0 python3 command_line_test.py <program> [<program> ...]
"""

import os
import re
import subprocess
import sys

BAD_COMMAND_LINES = [["--bogus"], ["--seed"], ["--seed", "x"], ["--seed", "-3"],
                     ["--seed", "4294967296"], ["--seed", "1", "extra"], ["-display"],
                     ["--scale", "0"], ["--scale", "9"], ["--scale", "two"], ["--scale"],
                     ["--gif", "a.gif"], ["--replay", "a.replay", "--gif", "a.gif", "--from", "2", "--to", "1.5"],
                     ["--replay", "a.replay", "--gif", "a.gif", "--from", "-1"], ["--from", "1"]]
USAGE = ("[--seed N] [--scale N] [--fullscreen] [--mute] [--scores FILE] "
         "[--record FILE | --replay FILE [--fast] [--gif OUT [--from S] [--to S]] | --verify FILE]")

# No display: a program that got as far as opening its window would fail there instead.
env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
failures = 0
for program in sys.argv[1:]:
    name = os.path.basename(program)
    for words in BAD_COMMAND_LINES:
        run = subprocess.run([program] + words, env=env, capture_output=True, text=True,
                             timeout=10)
        lines = run.stderr.splitlines()
        ok = (run.returncode == 1 and run.stdout == "" and len(lines) == 1
              and lines[0].startswith("ERROR: ")
              and lines[0].endswith(f"Usage: {name} {USAGE}"))
        print(("ok    " if ok else "FAIL  ") + f"{name} {' '.join(words)}: "
              f"status {run.returncode}, {run.stderr.strip()!r}")
        failures += not ok

# Every option of the usage line, and the questions themselves, start a line of --help.
HELP_OPTIONS = set(re.findall(r"--?[a-z]+", USAGE)) | {"--help", "-h", "--version"}


def answers_help(name, lines):
    return (lines[:1] == [f"Usage: {name} {USAGE}"] and all(line.startswith("-") for line in lines[1:])
            and HELP_OPTIONS <= {line.split()[0] for line in lines[1:]})


QUESTIONS = [(["--help"], answers_help), (["-h"], answers_help),
             (["--seed", "3", "--help"], answers_help),
             (["--version"], lambda name, lines: lines == [f"{name} arcade-kit {os.environ['KIT_VERSION']}"])]
for program in sys.argv[1:]:
    name = os.path.basename(program)
    for words, answered in QUESTIONS:
        run = subprocess.run([program] + words, env=env, capture_output=True, text=True, timeout=10)
        ok = run.returncode == 0 and run.stderr == "" and answered(name, run.stdout.splitlines())
        print(("ok    " if ok else "FAIL  ") + f"{name} {' '.join(words)}: status {run.returncode}, "
              f"{run.stdout.splitlines()[:1]!r} {run.stderr.strip()!r}")
        failures += not ok
sys.exit(1 if failures else 0)
