"""Runs a console program over a corpus of input cases and checks each outcome.

    python3 testing/badinput.py PROGRAM CASE_DIR [--valgrind]

Each case is a file NAME.case: header lines, a line "---", then the exact
bytes fed to standard input (nothing is added, not even a final newline).
Header lines:
    status: N            the exit status expected (required)
    stderr: TEXT         the error stream must be exactly TEXT and one newline
    stderr-empty         the error stream must be empty
    stdout: TEXT         standard output must be exactly TEXT (\\n and \\t understood)
    stdout-ends: TEXT    standard output must end with TEXT (\\n and \\t understood)
    argv: JSON-LIST      the argument vector (default: [PROGRAM]), argv[0] included
    prefix: TEXT         bytes fed before the body (\\n, \\t and \\xNN understood)
    repeat: N            the body is fed N times over, for inputs too big to keep
    suffix: TEXT         bytes fed after the body (escapes as for prefix)
One space after the colon is dropped; the rest of the line is TEXT as it is.

A case fails when the program is killed by a signal, runs past the time limit,
or its status or streams differ. With --valgrind every case also runs under
memcheck, which must report no errors and no leaks. Memcheck hands the
program its own path as argv[0], so a case whose argv[0] differs is checked
under memcheck for signals, time and memory only.
"""

import json
import os
import shutil
import subprocess
import sys

TIME_LIMIT = 10
VALGRIND_TIME_LIMIT = 120
VALGRIND_ERROR_STATUS = 99
VALGRIND = ["valgrind", "--quiet", "--leak-check=full", "--show-leak-kinds=all",
            "--errors-for-leak-kinds=all", f"--error-exitcode={VALGRIND_ERROR_STATUS}",
            "--read-inline-info=no"]  # a third faster to start; reports stay readable


def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")


def escaped_bytes(text):
    return text.encode("latin-1").decode("unicode_escape").encode("latin-1")


def read_case(path):
    raw = open(path, "rb").read()
    head, sep, body = raw.partition(b"\n---\n")
    if not sep:
        raise ValueError(f"{path}: no '---' line")
    case = {}
    for line in head.decode().splitlines():
        key, colon, value = line.partition(":")
        case[key.strip()] = value.removeprefix(" ") if colon else True
    if "status" not in case:
        raise ValueError(f"{path}: no status line")
    case["input"] = (escaped_bytes(case.get("prefix", "")) + body * int(case.get("repeat", 1))
                     + escaped_bytes(case.get("suffix", "")))
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
    if problems or (valgrind and argv[0] != program):
        return problems
    if done.returncode != int(case["status"]):
        problems.append(f"status {done.returncode}, expected {case['status']}")
    err = done.stderr.decode(errors="replace")
    if valgrind:
        err = "".join(l for l in err.splitlines(keepends=True) if not l.startswith("=="))
    if "stderr" in case and err != case["stderr"] + "\n":
        problems.append(f"error stream {err!r}, expected {case['stderr']!r}")
    if "stderr-empty" in case and err:
        problems.append(f"error stream {err!r}, expected nothing")
    if "stdout" in case and done.stdout.decode(errors="replace") != unescape(case["stdout"]):
        problems.append(f"output {done.stdout[-80:]!r}, expected {case['stdout']!r}")
    if "stdout-ends" in case and not done.stdout.decode(errors="replace").endswith(
            unescape(case["stdout-ends"])):
        problems.append(f"output ends {done.stdout[-80:]!r}, expected {case['stdout-ends']!r}")
    return problems


def main():
    program, case_dir = sys.argv[1], sys.argv[2]
    valgrind = "--valgrind" in sys.argv[3:]
    if valgrind and not shutil.which("valgrind"):
        print("valgrind is not installed; memcheck cannot run")
        return 1
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
