# SPDX-License-Identifier: GPL-3.0-or-later
"""The program icon: Plumkin's smiling face, drawn afresh for every size so
that the small ones stay crisp."""

from sketch import (BROWN, GREEN, INK, LIGHT_PLUM, PINK, PLUM, WHITE, Sketch, ellipse_points)


def face(size, few_colours=False):
    """few_colours leaves out the shading and the cheeks, which a
    16-colour palette cannot show."""
    u = size / 48.0
    detailed = size >= 24 and not few_colours
    s = Sketch(size, size)
    line = max(1.0, 1.6 * u)
    s.outlined_line([(24 * u, 10 * u), (26 * u, 3.5 * u)], BROWN, max(1.0, 2.4 * u), border=max(0.6, 0.9 * u))
    s.ellipse(33 * u, 6.5 * u, 8 * u, 3.8 * u, GREEN, width=max(0.8, 1.2 * u), angle=-20)
    s.ellipse(24 * u, 27.5 * u, 21.5 * u, 19.5 * u, PLUM, width=line)
    if detailed:
        s.ellipse(15 * u, 17 * u, 6 * u, 4 * u, LIGHT_PLUM, outline=None, angle=-30)
    for side in (-1, 1):
        ex = 24 * u + 8 * u * side
        if size >= 24:
            s.ellipse(ex, 23 * u, 4.2 * u, 5.2 * u, WHITE, width=max(0.8, 1.0 * u))
            s.dot(ex + 0.6 * u, 22.2 * u, 2.6 * u, INK)
            s.dot(ex + 1.4 * u, 20.8 * u, 0.9 * u, WHITE)
        else:
            s.dot(ex, 22.5 * u, 3.0 * u, INK)
        if not few_colours:
            s.ellipse(24 * u + 15 * u * side, 31 * u, 3.6 * u, 2.4 * u, PINK, outline=None)
    mouth = ellipse_points(24 * u, 30 * u, 8 * u, 7.5 * u, steps=64)[0:33]
    s.polygon(mouth, (150, 30, 60), width=max(0.8, 1.1 * u))
    return s.result()
