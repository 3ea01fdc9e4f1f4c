"""Runs a console program over a corpus of input cases and checks each outcome.

    python3 testing/badinput.py PROGRAM CASE_DIR [--valgrind]

Each case is a file NAME.case: header lines, a line "---", then the exact
bytes fed to standard input (nothing is added, not even a final newline).
Header lines:
    status: N            the exit status expected (required)
    stderr: TEXT         the error stream must be exactly TEXT and one newline
    stderr-empty         the error stream must be empty
    stdout-ends: TEXT    standard output must end with TEXT (\\n and \\t understood)
    argv: JSON-LIST      the argument vector (default: [PROGRAM]), argv[0] included

A case fails when the program is killed by a signal, runs past the time limit,
or its status or streams differ. With --valgrind every case also runs under
memcheck, which must report no errors and no leaks.
"""

import json
import os
import subprocess
import sys

TIME_LIMIT = 10
VALGRIND_TIME_LIMIT = 120
VALGRIND_ERROR_STATUS = 99
VALGRIND = ["valgrind", "--quiet", "--leak-check=full", "--show-leak-kinds=all",
            "--errors-for-leak-kinds=all", f"--error-exitcode={VALGRIND_ERROR_STATUS}"]


def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")


def read_case(path):
    raw = open(path, "rb").read()
    head, sep, body = raw.partition(b"\n---\n")
    if not sep:
        raise ValueError(f"{path}: no '---' line")
    case = {"input": body}
    for line in head.decode().splitlines():
        key, _, value = line.partition(":")
        case[key.strip()] = value.strip() if _ else True
    if "status" not in case:
        raise ValueError(f"{path}: no status line")
    return case


def run_case(program, case, valgrind):
    argv = json.loads(case["argv"]) if "argv" in case else [program]
    limit = VALGRIND_TIME_LIMIT if valgrind else TIME_LIMIT
    command = (VALGRIND + [program] + argv[1:]) if valgrind else argv
    executable = None if valgrind else program
    try:
        done = subprocess.run(command, executable=executable, input=case["input"],
                              capture_output=True, timeout=limit)
    except subprocess.TimeoutExpired:
        return [f"did not end within {limit} s"]
    problems = []
    if done.returncode < 0:
        problems.append(f"killed by signal {-done.returncode}")
    elif valgrind and done.returncode == VALGRIND_ERROR_STATUS:
        problems.append("memcheck found errors:\n" + done.stderr.decode(errors="replace"))
    elif done.returncode != int(case["status"]):
        problems.append(f"status {done.returncode}, expected {case['status']}")
    err = done.stderr.decode(errors="replace")
    if valgrind:
        err = "\n".join(l for l in err.splitlines(keepends=True) if not l.startswith("=="))
    if "stderr" in case and err != case["stderr"] + "\n":
        problems.append(f"error stream {err!r}, expected {case['stderr']!r}")
    if "stderr-empty" in case and err:
        problems.append(f"error stream {err!r}, expected nothing")
    if "stdout-ends" in case and not done.stdout.decode(errors="replace").endswith(
            unescape(case["stdout-ends"])):
        problems.append(f"output ends {done.stdout[-80:]!r}, expected {case['stdout-ends']!r}")
    return problems


def main():
    program, case_dir = sys.argv[1], sys.argv[2]
    valgrind = "--valgrind" in sys.argv[3:]
    names = sorted(n for n in os.listdir(case_dir) if n.endswith(".case"))
    failed = 0
    for name in names:
        problems = run_case(program, read_case(os.path.join(case_dir, name)), valgrind)
        print(("FAIL " if problems else "ok   ") + name)
        for p in problems:
            print("     " + p)
        failed += bool(problems)
    print(f"{len(names) - failed} passed, {failed} failed")
    return 1 if failed or not names else 0


if __name__ == "__main__":
    sys.exit(main())
