"""The real gallery in a virtual X server: keys go in through xdotool and the
window is read back as pixels.

    python3 gallery_window_test.py <gallery> <testing dir> [--save frame.png]

Exits 0 when every check holds, 1 otherwise. With --save it also writes a
frame of play: birds in the air, a burst of pellets and a bird falling or a Holvane.
"""

import sys
import time

PROGRAM, TESTING = sys.argv[1], sys.argv[2]
SAVE_AS = sys.argv[sys.argv.index("--save") + 1] if "--save" in sys.argv else None
sys.path.insert(0, TESTING)
from xsession import Checks, run_checked, is_lit, is_red  # noqa: E402

SIZE = 400
RIFLE_BOX = (350, 350, SIZE, SIZE)  # the pivot is at world (190, -190): pixel (390, 390)
MUZZLE_COLUMN = (386, 40, 395, 350)  # above the rifle when the barrel stands straight up,
                                    # below the clock
LEFT_STRIP = (0, 40, 80, 360)  # where birds come in, clear of the score
SEED = "4"

check = Checks()



def rifle_extent(image):
    """Width and height of the lit pixels in the rifle's corner."""
    left, top, right, bottom = RIFLE_BOX
    lit = [(px, py) for py in range(top, bottom) for px in range(left, right) if is_lit(image.pixel(px, py))]
    if not lit:
        return (0, 0)
    return (max(p[0] for p in lit) - min(p[0] for p in lit), max(p[1] for p in lit) - min(p[1] for p in lit))


def pellet_heights(image):
    """Rows of the lit pixels straight above the rifle: pellets fired straight up."""
    left, top, right, bottom = MUZZLE_COLUMN
    return sorted({py for py in range(top, bottom) for px in range(left, right) if is_lit(image.pixel(px, py))})


def turned(x, win, key):
    """The window after holding `key` for longer than a sweep from limit to limit takes."""
    x.hold(win, key, seconds=1.5)
    time.sleep(0.1)
    return x.screenshot(win)


def run_checks(x, win):
    x.focus(win)
    check(x.title(win) == "Gallery", "the window is titled Gallery")
    geometry = x.geometry(win)
    check(geometry == (10, 10, SIZE, SIZE), f"the window is {SIZE} x {SIZE} at (10, 10) (got {geometry})")

    start = x.shot_when(win, lambda image: rifle_extent(image) != (0, 0))
    width, height = rifle_extent(start)
    check(width >= 25 and height >= 25, f"the rifle starts half-way, up and to the left ({width} x {height})")
    level = turned(x, win, "Left")
    check(rifle_extent(level)[0] >= 35 and rifle_extent(level)[1] <= 14,
          f"Left lowers the barrel to straight left ({rifle_extent(level)})")
    upright = turned(x, win, "Up")
    check(rifle_extent(upright)[0] <= 14 and rifle_extent(upright)[1] >= 35,
          f"Up raises it to straight up ({rifle_extent(upright)})")

    # A pellet crosses the field in under a second; on a busy machine it can be
    # gone before the second screenshot, and then another is fired.
    for _ in range(3):
        x.key(win, "space")
        first = pellet_heights(x.shot_when(win, lambda image: pellet_heights(image) != []))
        later = pellet_heights(x.shot_when(win, lambda image: pellet_heights(image) not in ([], first),
                                         timeout=1.0))
        if first and later and later[0] < first[0]:
            break
    check(first != [] and first[-1] >= 300, f"space fires a pellet from the muzzle (rows {first})")
    check(later != [] and first != [] and later[0] < first[0], f"the pellet flies up (then {first}, now {later})")

    bird = x.shot_when(win, lambda image: image.count(is_lit, LEFT_STRIP) >= 20, timeout=5.0)
    check(bird.count(is_lit, LEFT_STRIP) >= 20, "birds come in from the left")

    if SAVE_AS:  # a burst across the field, then a frame with red in it (a puff or a Holvane)
        x.hold(win, "Left", seconds=0.5)
        deadline = time.time() + 6
        while time.time() < deadline:
            x.key(win, "space")
            if x.screenshot(win, save_as=SAVE_AS).count(is_red) >= 10:
                break
            time.sleep(0.1)
    check(x.program.poll() is None, "the program is still running")


sys.exit(run_checked(check, lambda x: run_checks(x, x.launch([PROGRAM, "--seed", SEED], "Gallery"))))
