"""The showcase in a real window: the gallery row shows the craft with each of
its flames, a Grendak disc with its digit and a turning Holvane star.

Usage: showcase_window_test.py [path to showcase]. Exits 0 when every check
holds, 1 otherwise, naming each failed check.
"""

import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "testing"))

from xsession import XSession, is_red, is_white  # noqa: E402

SHOWCASE = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "build", "bin",
                                                                "showcase")
# The window is 600 by 400 pixels over world x -300..300 and y 200..-200.
WIDTH, HEIGHT = 600, 400
ROW_Y = -150          # the gallery row
CRAFT_BASE_Y = -158   # every craft stands on this line
GRENDAK = (20, -150, 15)
HOLVANE = (80, -150, 18)


def px(x, y):
    """Window pixel of a world point."""
    return int(x + WIDTH / 2), int(HEIGHT / 2 - y)


def box(x0, y0, x1, y1):
    """Pixel box (left, top, right, bottom; right and bottom exclusive) of a world rectangle."""
    (l, t), (r, b) = px(min(x0, x1), max(y0, y1)), px(max(x0, x1), min(y0, y1))
    return l, t, r + 1, b + 1


def is_dark(p):
    return max(p) < 80


failures = []


def check(what, ok):
    print(("ok    " if ok else "FAIL  ") + what)
    if not ok:
        failures.append(what)


def craft_box(x):
    return box(x - 10, CRAFT_BASE_Y, x + 10, CRAFT_BASE_Y + 16)


def check_crafts(shot):
    for x in (-180, -120, -80, -40):
        check(f"craft outline drawn at x {x}", shot.count(is_white, craft_box(x)) > 40)
    # Without Up held, the first craft shows no flame at all.
    check("idle craft at x -180 has no flame",
          shot.count(is_red, box(-200, ROW_Y + 10, -160, CRAFT_BASE_Y - 20)) == 0)
    # Side flames leave the cabin at x +-6..14, y 8..14 above the base.
    def side(x, lo, hi):
        return shot.count(is_red, box(x + lo, CRAFT_BASE_Y + 8, x + hi, CRAFT_BASE_Y + 14))
    check("left flame beside the craft at x -120", side(-120, -14, -7) > 3)
    check("nothing red right of the craft at x -120", side(-120, 7, 14) == 0)
    check("right flame beside the craft at x -80", side(-80, 7, 14) > 3)
    check("nothing red left of the craft at x -80", side(-80, -14, -7) == 0)
    below = lambda x: shot.count(is_red, box(x - 6, CRAFT_BASE_Y - 2, x + 6, CRAFT_BASE_Y - 16))
    check("bottom flame under the craft at x -40", below(-40) > 3)
    check("no bottom flame under the side-thrusting crafts", below(-120) + below(-80) == 0)


def check_grendak(shot):
    cx, cy, r = GRENDAK
    inner = r - 3
    disc = [(x, y) for x in range(cx - inner, cx + inner + 1) for y in range(cy - inner, cy + inner + 1)
            if (x - cx) ** 2 + (y - cy) ** 2 <= inner * inner]
    pixels = [shot.pixel(*px(x, y)) for x, y in disc]
    white = sum(1 for p in pixels if is_white(p))
    dark = sum(1 for p in pixels if is_dark(p))
    check("Grendak is a white disc", white > 0.8 * len(pixels))
    # The digit sits in a cell about 8 by 13 near the centre.
    digit = shot.count(is_dark, box(cx - 6, cy + 8, cx + 6, cy - 6))
    check("Grendak's digit is drawn dark inside its disc", dark > 5 and digit == dark)
    check("Grendak is the only thing in its place",
          shot.count(is_white, box(cx - r - 6, cy + r + 6, cx - r - 3, cy - r - 6)) == 0)


def star_box():
    cx, cy, r = HOLVANE
    return box(cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1)


def check_holvane(first, second):
    reds = first.count(is_red, star_box())
    check("Holvane star drawn in red", reds > 40)
    cx, cy, r = HOLVANE
    left, top, right, bottom = star_box()
    check("Holvane star stays within its radius",
          first.count(is_red, (left - 10, top - 10, right + 10, bottom + 10)) == reds)
    spots = [(x, y) for y in range(top, bottom) for x in range(left, right)
             if is_red(first.pixel(x, y))]
    span = lambda axis: max(p[axis] for p in spots) - min(p[axis] for p in spots) if spots else 0
    # Whatever its turn, a star of radius r spans well over 1.5 r each way.
    check("Holvane star is as large as its radius", span(0) > 1.5 * r and span(1) > 1.5 * r)
    diff = sum(1 for y in range(top, bottom) for x in range(left, right)
               if is_red(first.pixel(x, y)) != is_red(second.pixel(x, y)))
    check("Holvane star turns between two frames", diff > 10)


def main():
    with XSession() as x:
        win = x.launch([SHOWCASE], "Showcase")
        time.sleep(1.0)  # let a few frames pass
        check("window is 600 by 400", x.geometry(win)[2:] == (WIDTH, HEIGHT))
        first = x.screenshot(win)
        time.sleep(0.3)
        second = x.screenshot(win)
    check_crafts(first)
    check_grendak(first)
    check_holvane(first, second)
    print(f"{len(failures)} checks failed" if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
