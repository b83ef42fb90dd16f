"""Reference results of a random spectrum, worked out independently of the
program: the closed-form integrals of a spectrum that is straight between
break points on log-log axes, with the acceleration of gravity 386.088 in/s²."""

import math

GRAVITY = 386.088  # in/s²


def _integral(points, power):
    """Integral of PSD(f) * f**power from the first break point to the last."""
    total = 0.0
    for (f1, p1), (f2, p2) in zip(points, points[1:]):
        slope = math.log(p2 / p1) / math.log(f2 / f1)
        k = slope + power + 1
        if abs(k) < 1e-9:
            total += p1 / f1 ** slope * math.log(f2 / f1)
        else:
            total += p1 / f1 ** slope / k * (f2 ** k - f1 ** k)
    return total


def overall(points):
    """(g rms, 3 sigma peak velocity in in/s, 3 sigma peak-to-peak
    displacement in in) of a spectrum given as (Hz, g²/Hz) pairs."""
    ordered = sorted(points)
    grms = math.sqrt(_integral(ordered, 0))
    velocity = 3 * math.sqrt(_integral(ordered, -2)) * GRAVITY / (2 * math.pi)
    displacement = 6 * math.sqrt(_integral(ordered, -4)) * GRAVITY / (2 * math.pi) ** 2
    return grms, velocity, displacement


def shown(value, decimals):
    """A value as the window shows it: fixed decimals, halves away from zero."""
    scaled = abs(value) * 10 ** decimals
    rounded = math.floor(scaled + 0.5)
    text = f"{rounded / 10 ** decimals:.{decimals}f}"
    return ("-" + text) if value < 0 and rounded else text
