# SPDX-License-Identifier: GPL-3.0-or-later
"""The tiled wallpapers of the main menu's level pages: pale tiles with soft
motifs that wrap around the edges, so the tiles join without a seam."""

import math
import random

from sketch import (BLUE, GREEN, ORANGE, PINK, PURPLE, RED, YELLOW, Sketch, ellipse_points,
                    rounded_rect_points, star_points, turned)


def _pastel(colour, background, amount=0.30):
    return tuple(round(b + (c - b) * amount) for c, b in zip(colour, background))


def _places(width, height, count, gap, rng):
    """Motif centres and sizes, kept apart on the wrapped-around tile."""
    places = []
    tries = 0
    while len(places) < count and tries < 20000:
        tries += 1
        size = rng.uniform(0.6, 1.0)
        x, y = rng.uniform(0, width), rng.uniform(0, height)
        fits = True
        for px, py, psize in places:
            dx = min(abs(x - px), width - abs(x - px))
            dy = min(abs(y - py), height - abs(y - py))
            if math.hypot(dx, dy) < gap * (size + psize) / 2:
                fits = False
                break
        if fits:
            places.append((x, y, size))
    return places


def _tile(width, height, background, motifs, count, gap, seed):
    rng = random.Random(seed)
    s = Sketch(width, height, background + (255,))
    for x, y, size in _places(width, height, count, gap, rng):
        draw = rng.choice(motifs)
        colour = rng.choice(draw.colours)
        angle = rng.uniform(-35, 35)
        for ox in (-width, 0, width):
            for oy in (-height, 0, height):
                draw(s, x + ox, y + oy, size, angle, _pastel(colour, background))
    return s.result().convert("RGB")


def _splash(s, x, y, size, angle, colour):
    s.circle(x, y, 7.5 * size, colour, outline=None)
    for k in range(6):
        t = math.radians(angle + 60 * k + (17 if k % 2 else 0))
        reach = (10.5 if k % 2 else 8.5) * size
        s.dot(x + reach * math.cos(t), y + reach * math.sin(t), (2.6 if k % 2 else 3.6) * size, colour)


def _confetti(s, x, y, size, angle, colour):
    s.circle(x, y, 4.5 * size, colour, outline=None)


_splash.colours = _confetti.colours = [RED, YELLOW, BLUE, GREEN, ORANGE, PURPLE]


def _note(s, x, y, size, angle, colour):
    head = ellipse_points(x - 3 * size, y + 8 * size, 4.4 * size, 3.3 * size, -22, steps=40)
    stem = [(x + 0.4 * size, y + 7 * size), (x + 2.2 * size, y + 7 * size),
            (x + 2.2 * size, y - 12 * size), (x + 0.4 * size, y - 12 * size)]
    flag = [(x + 1.0 * size, y - 12 * size), (x + 9 * size, y - 4 * size),
            (x + 7 * size, y + 1 * size), (x + 1.0 * size, y - 6 * size)]
    for part in (head, stem, flag):
        s.polygon(turned(part, x, y, angle / 2), colour, outline=None)


def _beamed_notes(s, x, y, size, angle, colour):
    parts = []
    for hx, hy in ((x - 7 * size, y + 9 * size), (x + 7 * size, y + 6 * size)):
        parts.append(ellipse_points(hx, hy, 4.0 * size, 3.0 * size, -22, steps=40))
        parts.append([(hx + 2.4 * size, hy - 1), (hx + 4.0 * size, hy - 1),
                      (hx + 4.0 * size, hy - 17 * size), (hx + 2.4 * size, hy - 17 * size)])
    parts.append([(x - 3.6 * size, y - 8 * size), (x + 11 * size, y - 11 * size),
                  (x + 11 * size, y - 7 * size), (x - 3.6 * size, y - 4 * size)])
    for part in parts:
        s.polygon(turned(part, x, y, angle / 2), colour, outline=None)


_note.colours = _beamed_notes.colours = [PURPLE, BLUE, PINK, RED, GREEN]


def _triangle(s, x, y, size, angle, colour):
    r = 10 * size
    s.polygon(turned([(x, y - r), (x + 0.87 * r, y + r / 2), (x - 0.87 * r, y + r / 2)], x, y, angle),
              colour, outline=None)


def _square(s, x, y, size, angle, colour):
    r = 7.5 * size
    s.polygon(turned(rounded_rect_points(x - r, y - r, x + r, y + r, 1.5 * size), x, y, angle), colour, outline=None)


def _circle(s, x, y, size, angle, colour):
    s.circle(x, y, 8 * size, colour, outline=None)


def _star(s, x, y, size, angle, colour):
    s.polygon(star_points(x, y, 10 * size, 4.4 * size, angle=-90 + angle), colour, outline=None)


_triangle.colours = _square.colours = _circle.colours = _star.colours = [RED, YELLOW, BLUE, GREEN, ORANGE, PURPLE]


def colors():
    return _tile(143, 150, (255, 248, 232), [_splash, _splash, _confetti], 14, 32, seed=11)


def music():
    return _tile(150, 150, (240, 244, 255), [_note, _note, _beamed_notes], 11, 40, seed=12)


def shapes():
    return _tile(150, 150, (238, 250, 240), [_triangle, _square, _circle, _star], 16, 32, seed=13)
