# SPDX-License-Identifier: GPL-3.0-or-later
"""The tick and the button glyphs: small outlined pictures on a see-through
key colour."""

import math

from sketch import (BLUE, BROWN, GREEN, INK, LIGHT_GREEN, PURPLE, RED, WHITE, YELLOW, Sketch,
                    rounded_rect_points, star_points)


def tick():
    s = Sketch(24, 24)
    path = [(4.5, 12.5), (9.5, 18.0), (19.5, 5.0)]
    s.outlined_line(path, GREEN, 3.8, border=1.1)
    s.line([(10.0, 15.6), (18.2, 5.3)], LIGHT_GREEN, 1.0)
    return s.result()


def colors():
    s = Sketch(24, 24)
    s.circle(8.3, 8.8, 5.6, RED)
    s.circle(15.7, 8.8, 5.6, YELLOW)
    s.circle(12.0, 15.3, 5.6, BLUE)
    return s.result()


def shapes():
    s = Sketch(24, 24)
    s.polygon([(1.8, 12.0), (7.4, 2.2), (13.0, 12.0)], GREEN)
    s.polygon(rounded_rect_points(13.2, 3.2, 21.8, 11.8, 0.8), BLUE)
    s.circle(12.0, 16.6, 5.6, RED)
    return s.result()


def music():
    s = Sketch(24, 24)
    s.polygon([(9.3, 5.4), (20.3, 2.6), (20.3, 6.2), (9.3, 9.0)], PURPLE)
    s.outlined_line([(9.3, 6.0), (9.3, 18.0)], PURPLE, 1.4, border=0.8)
    s.outlined_line([(20.3, 3.2), (20.3, 15.4)], PURPLE, 1.4, border=0.8)
    s.ellipse(6.6, 18.4, 3.6, 2.7, PURPLE, angle=-22)
    s.ellipse(17.6, 15.8, 3.6, 2.7, PURPLE, angle=-22)
    return s.result()


def exit_door():
    s = Sketch(24, 24)
    s.polygon([(3.0, 2.2), (15.0, 2.2), (15.0, 21.8), (3.0, 21.8)], BROWN)
    s.polygon([(5.0, 4.2), (13.0, 4.2), (13.0, 11.0), (5.0, 11.0)], (206, 150, 96), width=0.8)
    s.dot(11.2, 14.4, 1.3, YELLOW)
    arrow = [(10.5, 15.0), (16.0, 15.0), (16.0, 11.4), (22.2, 17.0), (16.0, 22.6), (16.0, 19.0), (10.5, 19.0)]
    s.polygon([(x, y - 1.0) for x, y in arrow], GREEN)
    return s.result()


def _round_button(colour):
    s = Sketch(24, 24)
    s.circle(12.0, 12.0, 10.6, colour)
    s.ellipse(12.0, 7.6, 6.6, 3.4, tuple(min(255, c + 60) for c in colour), outline=None)
    return s


def play():
    s = _round_button(GREEN)
    s.polygon([(9.0, 6.6), (18.0, 12.0), (9.0, 17.4)], WHITE, width=0.9)
    return s.result()


def back():
    s = _round_button(BLUE)
    arrow = [(5.0, 12.0), (11.4, 5.8), (11.4, 9.6), (18.6, 9.6), (18.6, 14.4), (11.4, 14.4), (11.4, 18.2)]
    s.polygon(arrow, WHITE, width=0.9)
    return s.result()


def randomize():
    s = Sketch(24, 24)
    s.polygon(rounded_rect_points(2.6, 2.6, 21.4, 21.4, 3.6), RED, width=1.1)
    for x, y in [(7.3, 7.3), (16.7, 7.3), (12.0, 12.0), (7.3, 16.7), (16.7, 16.7)]:
        s.dot(x, y, 2.0, WHITE)
    return s.result()


def finish():
    s = Sketch(24, 24)
    s.outlined_line([(4.4, 2.6), (4.4, 21.4)], BROWN, 1.6, border=0.8)
    columns, rows = 5, 3
    left, right, top, height = 5.4, 21.4, 3.0, 10.4

    def corner(i, j):
        x = left + (right - left) * i / columns
        return x, top + height * j / rows + 1.4 * math.sin(math.pi * 1.6 * i / columns)

    for i in range(columns):
        for j in range(rows):
            colour = INK if (i + j) % 2 == 0 else WHITE
            s.polygon([corner(i, j), corner(i + 1, j), corner(i + 1, j + 1), corner(i, j + 1)], colour, outline=None)
    border = [corner(i, 0) for i in range(columns + 1)] + [corner(i, rows) for i in range(columns, -1, -1)]
    s.line(border + border[:1], INK, 1.0)
    return s.result()


def level_star():
    s = Sketch(12, 12)
    s.polygon(star_points(6.0, 6.4, 5.6, 2.6), YELLOW, width=0.9)
    return s.result()

