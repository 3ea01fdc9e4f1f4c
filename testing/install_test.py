"""The kit as a newcomer uses it, from outside the repository: installed into
a temporary prefix, a game written there by new-game.sh, configured, built and
tested with only -DCMAKE_PREFIX_PATH, played under Xvfb, and a one-file
program built with pkg-config alone. No include or link path may lead into
the kit's source or build folders.

    python3 install_test.py <kit source folder> <kit build folder> <kit version>
"""

import json
import os
import pathlib
import subprocess
import sys
import tempfile

SOURCE, BUILD = (os.path.realpath(arg) for arg in sys.argv[1:3])
VERSION = sys.argv[3]
sys.path.insert(0, os.path.join(SOURCE, "testing"))

from xsession import Checks, is_lit, run_checked  # noqa: E402

NAME, TITLE = "moon-hop2", "Moon-hop2"
ONE_FILE = """#include "tessik.h"
#include "vexel.h"

void frame(const Interface*, void*) { drawCircle(Point(0, 0), 20); }

int main(int argc, char** argv) {
  Interface ui(argc, argv, "Hello", Point(-50, 50), Point(50, -50));
  ui.run(frame, nullptr);
}
"""
# Nothing of the kit's own may steer the builds but what the test hands them.
ENV = {k: v for k, v in os.environ.items() if k not in ("CMAKE_PREFIX_PATH", "PKG_CONFIG_PATH")}
check = Checks()


def step(what, argv, ok_status=0, env=ENV, **kw):
    """Runs a step of the walk; the walk ends at the first that fails."""
    run = subprocess.run(argv, capture_output=True, text=True, timeout=600, env=env, **kw)
    check(run.returncode == ok_status, f"{what}: status {run.returncode}")
    if run.returncode != ok_status:
        print(run.stdout[-4000:], run.stderr[-4000:])
        sys.exit(1)
    return run


with tempfile.TemporaryDirectory() as tmp:
    prefix, game = pathlib.Path(tmp, "prefix"), pathlib.Path(tmp, "games", NAME)
    build = game / "build"
    step("the kit installs", ["cmake", "--install", BUILD, "--prefix", prefix])
    made = step("new-game.sh writes the game", ["bash", f"{SOURCE}/scripts/new-game.sh", NAME, game],
                env=dict(ENV, CMAKE_PREFIX_PATH=str(prefix)))
    check("cmake --install" not in made.stdout, "new-game.sh finds the kit in CMAKE_PREFIX_PATH")

    refused = step("without the kit, configuring fails",
                   ["cmake", "-S", game, "-B", pathlib.Path(tmp, "no-kit"),
                    "-DCMAKE_DISABLE_FIND_PACKAGE_ArcadeKit=ON"], ok_status=1)
    check("cmake --install build --prefix PREFIX" in refused.stderr, "and says how to install it")

    step("the game configures", ["cmake", "-S", game, "-B", build, f"-DCMAKE_PREFIX_PATH={prefix}",
                                 "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON"])
    step("the game builds", ["cmake", "--build", build, "-j2"])
    step("its test passes", ["ctest", "--test-dir", build, "--output-on-failure"])
    version = step("it answers --version", [build / NAME, "--version"]).stdout
    check(version == f"{NAME} arcade-kit {VERSION}\n", f"with the kit's version: {version!r}")

    pc_dir = next(prefix.rglob("arcade-kit.pc")).parent
    flags = step("pkg-config knows the kit", ["pkg-config", "--cflags", "--libs", "arcade-kit"],
                 env=dict(ENV, PKG_CONFIG_PATH=str(pc_dir))).stdout.split()
    pathlib.Path(tmp, "hello.cpp").write_text(ONE_FILE)
    step("a one-file program builds with pkg-config alone",
         ["c++", "-std=c++17", "hello.cpp", "-o", "hello"] + flags, cwd=tmp)
    hello = step("and answers --version", [pathlib.Path(tmp, "hello"), "--version"]).stdout
    check(hello == f"hello arcade-kit {VERSION}\n", f"with the kit's version: {hello!r}")

    commands = [entry["command"] for entry in json.loads((build / "compile_commands.json").read_text())]
    links = [path.read_text() for path in build.rglob("link.txt")]
    package = [path.read_text() for path in prefix.rglob("*") if path.suffix in (".cmake", ".pc")]
    into_kit = [text for text in commands + links + package + [" ".join(flags)]
                if SOURCE in text or BUILD in text]
    check(len(commands) == 4 and len(links) == 2 and not into_kit,  # game.cpp twice: program, test
          f"no include or link path leads into {SOURCE} or {BUILD}: {into_kit[:1]}")

    def play(x):
        win = x.launch([str(build / NAME), "--mute"], TITLE)
        check(x.title(win) == TITLE, f"the game's window is titled {TITLE}")
        shot = x.shot_when(win, lambda image: image.count(is_lit) > 0)
        check(shot.count(is_lit) > 0, "and the game draws in it")

    failed_before = check.failures  # the window's checks count afresh in each attempt
    sys.exit(1 if run_checked(check, play) or failed_before else 0)
