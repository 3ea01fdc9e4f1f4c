"""The real lander in a virtual X server: keys go in through xdotool and the
window is read back as pixels.

    python3 lander_window_test.py <lander> <testing dir> [--save frame.png]

Exits 0 when every check holds, 1 otherwise. With --save it also writes the
frame that shows the bottom engine's flame.
"""

import sys
import time

PROGRAM, TESTING = sys.argv[1], sys.argv[2]
SAVE_AS = sys.argv[sys.argv.index("--save") + 1] if "--save" in sys.argv else None
sys.path.insert(0, TESTING)
from xsession import XSession, is_lit, is_red  # noqa: E402

SEED = "5"  # the craft starts right of the status lines, at x 79, drifting right
SIZE = 400
SKY = (150, 0, SIZE, 250)  # right of the status lines and above the highest ground (y -50)
# The right half of the upper stroke of the fuel's first digit, at world (-78, 190..185):
# dark in a 5, lit in a 4 or any smaller hundreds digit.
FUEL_HUNDREDS_UPPER_RIGHT = (121, 11, 124, 15)

failures = 0  # in the current attempt


def check(ok, what):
    global failures
    print(("ok    " if ok else "FAIL  ") + what)
    failures += not ok


def craft(image):
    """(left, top, right, bottom) of what is drawn in the sky, flames left out."""
    left, top, right, bottom = SKY
    points = [(x, y) for y in range(top, bottom) for x in range(left, right)
              if is_lit(image.pixel(x, y)) and not is_red(image.pixel(x, y))]
    if not points:
        return None
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return min(xs), min(ys), max(xs), max(ys)


def flame(image):
    return image.bounds(is_red)


def shot_when(x, win, ready, timeout=3.0):
    deadline = time.time() + timeout
    while True:
        image = x.screenshot(win)
        if ready(image) or time.time() > deadline:
            return image
        time.sleep(0.05)


def fuel_below_500(image):
    return image.count(is_lit, FUEL_HUNDREDS_UPPER_RIGHT) >= 2


def firing(x, win, key, save_as=None):
    """Holds the key until a flame shows; the frame with the flame."""
    x.run("xdotool", "keydown", "--window", win, key)
    image = shot_when(x, win, lambda image: flame(image) is not None and craft(image) is not None)
    if save_as:
        x.screenshot(win, save_as=save_as)
    x.run("xdotool", "keyup", "--window", win, key)
    return image


def run_checks(x, win):
    x.focus(win)
    check(x.title(win) == "Lander", "the window is titled Lander")
    geometry = x.geometry(win)
    check(geometry == (10, 10, SIZE, SIZE), f"the window is {SIZE} x {SIZE} at (10, 10): {geometry}")

    start = shot_when(x, win, lambda image: craft(image) is not None)
    first = craft(start)
    check(first is not None and 18 <= first[2] - first[0] <= 21 and first[3] < 80,
          f"the craft, 20 wide, starts near the top: {first}")
    check(start.count(is_lit, FUEL_HUNDREDS_UPPER_RIGHT) == 0, "the fuel shown starts with a 5")
    check(flame(start) is None, "no flame while no key is held")
    later = shot_when(x, win, lambda image: craft(image) and craft(image)[3] > first[3] + 3)
    check(craft(later) and craft(later)[3] > first[3] + 3, f"the craft falls: {first} then {craft(later)}")

    under = firing(x, win, "Up", SAVE_AS)
    body, red = craft(under), flame(under)
    centre = body and (body[0] + body[2]) / 2
    check(body and red and red[1] >= body[3] - 3 and abs((red[0] + red[2]) / 2 - centre) <= 4,
          f"Up shows the red flame under the craft: craft {body}, flame {red}")
    check(fuel_below_500(shot_when(x, win, fuel_below_500)), "Up lowers the fuel shown below 500")

    shot_when(x, win, lambda image: flame(image) is None)
    side = firing(x, win, "Left")
    body, red = craft(side), flame(side)
    centre = body and (body[0] + body[2]) / 2
    check(body and red and red[0] >= centre + 4 and body[1] <= red[1] and red[3] <= body[3] - 6,
          f"Left shows a flame on the craft's right side: craft {body}, flame {red}")
    check(x.program.poll() is None, "the program is still running")


def main():
    # A virtual server that another test is tearing down can refuse the first
    # connection, so a failed run is tried once more, afresh; a fault in the
    # program fails both.
    global failures
    for attempt in (1, 2):
        failures = 0
        with XSession() as x:
            try:
                win = x.launch([PROGRAM, "--seed", SEED], "Lander")
                run_checks(x, win)
            except RuntimeError as error:
                check(False, f"the program runs: {error}")
        if failures == 0 or attempt == 2:
            return
        print("trying once more in a fresh X server")


main()
sys.exit(1 if failures else 0)
