"""The real lander in a virtual X server, keys sent with xdotool, pixels read back.

    python3 lander_window_test.py <lander> <testing dir> [--save frame.png]

Exits 0 when every check holds; --save also writes the frame with the bottom flame.
"""

import sys

PROGRAM, TESTING = sys.argv[1], sys.argv[2]
SAVE_AS = sys.argv[sys.argv.index("--save") + 1] if "--save" in sys.argv else None
sys.path.insert(0, TESTING)
from xsession import Checks, run_checked, is_lit, is_red  # noqa: E402

SEED = "5"  # the craft starts right of the status lines, at x 79
SKY = (150, 0, 400, 250)  # right of the status lines, above the highest ground (y -50)
# Upper right stroke of the fuel's hundreds digit (world x -78, y 190 to 185): a 4 has it, a 5 not.
FUEL_HUNDREDS_UPPER_RIGHT = (121, 11, 124, 15)
check = Checks()


def craft(image):
    """(left, top, right, bottom) of what is drawn in the sky, flames left out, or None."""
    left, top, right, bottom = SKY
    points = [(x, y) for y in range(top, bottom) for x in range(left, right)
              if is_lit(image.pixel(x, y)) and not is_red(image.pixel(x, y))]
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return (min(xs), min(ys), max(xs), max(ys)) if points else None



def firing(x, win, key, save_as=None):
    """The craft and its flame while `key` is held."""
    x.run("xdotool", "keydown", "--window", win, key)
    image = x.shot_when(win, lambda image: image.bounds(is_red) and craft(image))
    if save_as:
        x.screenshot(win, save_as=save_as)
    x.run("xdotool", "keyup", "--window", win, key)
    body, red = craft(image), image.bounds(is_red)
    return body, red, body and (body[0] + body[2]) / 2


def run_checks(x, win):
    x.focus(win)
    check(x.title(win) == "Lander", "the window is titled Lander")
    check(x.geometry(win) == (10, 10, 400, 400), f"400 x 400 at (10, 10): {x.geometry(win)}")
    start = x.shot_when(win, craft)
    first = craft(start)
    check(first and 18 <= first[2] - first[0] <= 21 and first[3] < 80, f"the craft at the top: {first}")
    check(start.count(is_lit, FUEL_HUNDREDS_UPPER_RIGHT) == 0, "the fuel shown starts with a 5")
    check(start.bounds(is_red) is None, "no flame while no key is held")
    check(start.count(lambda p: p[1] > 200 and max(p[0], p[2]) < 60) >= 40, "the pad is green")
    later = craft(x.shot_when(win, lambda image: craft(image)[3] > first[3] + 3))
    check(later[3] > first[3] + 3, f"the craft falls: {first} then {later}")

    body, red, centre = firing(x, win, "Up", SAVE_AS)
    check(red and red[1] >= body[3] - 3 and abs((red[0] + red[2]) / 2 - centre) <= 4,
          f"Up shows the red flame under the craft: craft {body}, flame {red}")
    lower = lambda image: image.count(is_lit, FUEL_HUNDREDS_UPPER_RIGHT) >= 2
    check(lower(x.shot_when(win, lower)), "Up lowers the fuel shown below 500")
    x.shot_when(win, lambda image: image.bounds(is_red) is None)
    body, red, centre = firing(x, win, "Left")
    check(red and red[0] >= centre + 4 and body[1] <= red[1] and red[3] <= body[3] - 6,
          f"Left shows a flame on the craft's right side: craft {body}, flame {red}")
    check(x.program.poll() is None, "the program is still running")


# A TypeError is a craft that was never found on the screen.
sys.exit(run_checked(check, lambda x: run_checks(x, x.launch([PROGRAM, "--seed", SEED], "Lander")),
                     errors=(RuntimeError, TypeError)))
