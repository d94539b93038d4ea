"""The batch analysis' simulation as a vectorised NumPy program: draw spins
0..36, map them to colours and count the starts of the figure rr.s (red,
red, any, black), as the C++ simulation does. Prints the best rate of a few
rounds, which favours NumPy."""

import os
import sys
import time

try:
    import numpy as np
except ImportError:
    # ./bench installs NumPy as the Debian package, which only the system
    # Python sees; another python3 earlier on PATH hands over to it.
    SYSTEM_PYTHON = "/usr/bin/python3"
    if sys.executable == SYSTEM_PYTHON or not os.path.exists(SYSTEM_PYTHON):
        raise
    os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON, *sys.argv])

SPINS = 1 << 24
ROUNDS = 5
RED = [1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36]
FIGURE = {0: 1, 1: 1, 3: 2}  # offset -> colour (1 red, 2 black)
SPAN = max(FIGURE) + 1

colour_of = np.full(37, 2, dtype=np.int8)
colour_of[0] = 0
colour_of[RED] = 1


def count(rng):
    colours = colour_of[rng.integers(0, 37, size=SPINS, dtype=np.uint8)]
    starts = SPINS - SPAN + 1
    found = np.ones(starts, dtype=bool)
    for offset, colour in FIGURE.items():
        found &= colours[offset:offset + starts] == colour
    return int(np.count_nonzero(found))


def main():
    rng = np.random.default_rng(1)
    best = float("inf")
    for _ in range(ROUNDS):
        begin = time.perf_counter()
        count(rng)
        best = min(best, time.perf_counter() - begin)
    print(f"spins_per_second numpy {SPINS / best:.0f}")


if __name__ == "__main__":
    main()
