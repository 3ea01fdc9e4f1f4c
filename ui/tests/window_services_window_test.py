"""The shell's window services in real windows under a virtual X server: the
world fitted into wide and tall windows, pause, hiding, full screen,
screenshots, clips, --scale, Esc and closing the window.

    python3 window_services_window_test.py <gallery> <lander> <testing dir>

Exits 0 when every check holds, 1 otherwise.
"""

import os
import subprocess
import sys
import tempfile
import time

GALLERY, LANDER, TESTING = sys.argv[1], sys.argv[2], sys.argv[3]
sys.path.insert(0, TESTING)
from xsession import Checks, Image, run_checked, is_lit, is_red  # noqa: E402

SCREEN = (800, 600)  # the virtual server's screen
CLOCK_BOX = (330, 0, 400, 30)  # the gallery's seconds, top right of a 400 x 400 window
CRASH_SECONDS = 8  # a seed-4 lander left alone has crashed by then
CLIP_DOT_BOX = (585, 385, 600, 400)  # the field's lower-right corner in an 800 x 400 window
# The programs run muted: a machine with no audio device says so on the error
# stream, and these checks want that stream empty.

check = Checks()


def lit_bounds(image):
    return image.bounds(is_lit)


def fitted(x, win, width, height, view):
    """After resizing to width x height, whether the lit pixels lie in `view`
    (left, top, right, bottom) and reach across most of it."""
    x.run("xdotool", "windowsize", "--sync", win, str(width), str(height))
    time.sleep(0.3)
    # A busy machine may take a while to draw the first frame at the new size.
    bounds = lit_bounds(x.shot_when(win, lambda image: lit_bounds(image) is not None))
    left, top, right, bottom = view
    inside = bounds and bounds[0] >= left and bounds[1] >= top and bounds[2] < right and bounds[3] < bottom
    wide = bounds and bounds[2] - bounds[0] >= 0.9 * (right - left)
    check(bool(inside and wide), f"{width} x {height}: the field is {view}, bars around it (lit {bounds})")


def lander_checks(x):
    folder = tempfile.mkdtemp()
    win = x.launch([LANDER, "--seed", "4", "--mute"], "Lander", cwd=folder)
    x.focus(win)
    # The ground runs from side to side: it shows where the field stands.
    fitted(x, win, 800, 400, (200, 0, 600, 400))
    fitted(x, win, 300, 700, (0, 200, 300, 500))
    x.run("xdotool", "windowsize", "--sync", win, "800", "400")
    time.sleep(CRASH_SECONDS)  # crashed: nothing moves any more
    x.key(win, "F12")
    time.sleep(0.5)
    window = x.screenshot(win)
    said = x.program.stdout.readline().decode().strip()
    files = [f for f in os.listdir(folder) if f.endswith(".png")]
    check(said.startswith("Saved lander-") and files == [said[len("Saved "):]],
          f"F12 saves a PNG and says so ({said!r}, {files})")
    if files:
        png = Image(subprocess.run(["convert", os.path.join(folder, files[0]), "-depth", "8", "ppm:-"],
                                   capture_output=True, check=True).stdout)
        crop = [window.pixel(200 + px, py) for py in range(400) for px in range(400)]
        same = (png.width, png.height) == (400, 400) and \
            crop == [png.pixel(px, py) for py in range(400) for px in range(400)]
        check(same, f"the PNG is the field without the bars, pixel for pixel ({png.width} x {png.height})")
        clip_checks(x, win, folder)

    x.key(win, "F9")  # a clip still being taken at the end
    x.key(win, "F11")
    time.sleep(0.5)
    check(x.geometry(win) == (0, 0) + SCREEN, f"F11 covers the screen ({x.geometry(win)})")
    x.key(win, "F11")
    time.sleep(0.5)
    check(x.geometry(win) == (10, 10, 800, 400), f"F11 again puts the window back ({x.geometry(win)})")

    # A press alone: the program ends on it, and a release sent to its closed
    # window would fail xdotool.
    x.run("xdotool", "keydown", "--window", win, "Escape")
    status, error = ending(x)
    check(status == 0 and error == "", f"Esc ends the program with status 0, silently ({status}, {error!r})")
    said = x.program.stdout.read().decode().split()
    check(said[:1] == ["Saved"] and os.path.exists(os.path.join(folder, said[-1])),
          f"Esc saves the clip being taken ({said})")


def clip_checks(x, win, folder):
    """F9 twice over the still field: a clip 400 x 400 however large the window,
    every frame the pixels of a screenshot of a 400 x 400 window; a red dot in
    the window's corner meanwhile, and nowhere in the clip."""
    x.key(win, "F9")
    time.sleep(0.5)
    dot = x.screenshot(win).count(is_red, CLIP_DOT_BOX)
    x.run("xdotool", "windowsize", "--sync", win, "400", "400")
    time.sleep(0.3)
    x.key(win, "F12")
    png = x.program.stdout.readline().decode().split()[-1]
    x.key(win, "F9")
    said = x.program.stdout.readline().decode().strip()
    time.sleep(0.2)
    gone = x.screenshot(win).count(is_red, (385, 385, 400, 400))
    x.run("xdotool", "windowsize", "--sync", win, "800", "400")
    check(dot > 0 and gone == 0, f"a red dot shows while the clip is taken ({dot}, then {gone} pixels)")
    gifs = [f for f in os.listdir(folder) if f.endswith(".gif")]
    check(said.startswith("Saved lander-") and gifs == [said[len("Saved "):]], f"F9 twice saves a GIF ({said!r}, {gifs})")
    if gifs:
        apart = tempfile.mkdtemp()
        subprocess.run(["convert", os.path.join(folder, gifs[0]), "-coalesce", "-depth", "8",
                        os.path.join(apart, "%03d.ppm")], check=True)
        frames = [Image(open(os.path.join(apart, f), "rb").read()) for f in sorted(os.listdir(apart))]
        shot = Image(subprocess.run(["convert", os.path.join(folder, png), "-depth", "8", "ppm:-"],
                                    capture_output=True, check=True).stdout)
        check(15 <= len(frames) <= 60 and all(f.width == f.height == 400 and not f.differs(shot) for f in frames),
              f"its frames are the screenshot's pixels ({len(frames)} frames)")


def ending(x):
    """The program's exit status (None if it is still running after 5 s) and its error stream."""
    try:
        status = x.program.wait(timeout=5)
    except subprocess.TimeoutExpired:
        status = None
    return status, x.program.stderr.read().decode()


def same_for_a_second(x, win, box=None):
    first = x.screenshot(win)
    time.sleep(1.0)
    second = x.screenshot(win)
    if box:
        left, top, right, bottom = box
        pick = lambda image: [image.pixel(px, py) for py in range(top, bottom) for px in range(left, right)]
        return pick(first) == pick(second)
    return not first.differs(second)


def gallery_checks(x):
    win = x.launch([GALLERY, "--seed", "4", "--scale", "2", "--mute"], "Gallery")
    x.focus(win)
    check(x.geometry(win) == (10, 10, 800, 800), f"--scale 2 opens 800 x 800 ({x.geometry(win)})")
    x.run("xdotool", "windowsize", "--sync", win, "400", "400")
    time.sleep(1.5)
    check(not same_for_a_second(x, win, CLOCK_BOX), "the round's seconds count down")
    x.key(win, "p")
    time.sleep(0.2)
    check(same_for_a_second(x, win), "p freezes the picture, the seconds too")
    x.key(win, "p")
    time.sleep(0.2)
    check(not same_for_a_second(x, win, CLOCK_BOX), "p again lets the round go on")

    x.run("xdotool", "windowunmap", "--sync", win)
    time.sleep(0.3)
    x.run("xdotool", "windowmap", "--sync", win)
    time.sleep(0.3)
    check(same_for_a_second(x, win), "a window that was hidden comes back paused")
    x.key(win, "p")
    time.sleep(0.2)
    check(not same_for_a_second(x, win, CLOCK_BOX), "until p")
    x.close(win)
    status, error = ending(x)
    check(status == 0 and error == "", f"closing the window ends it with status 0, silently ({status}, {error!r})")


# A tool that fails under a busy machine (xdotool, import) counts as a failed
# attempt, tried once more in a fresh server, like a program that did not start.
sys.exit(run_checked(check, lambda x: (lander_checks(x), gallery_checks(x)),
                     errors=(RuntimeError, subprocess.SubprocessError)))
