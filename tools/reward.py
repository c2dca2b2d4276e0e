# SPDX-License-Identifier: GPL-3.0-or-later
"""The reward animation: Plumkin, a cheerful plum, jumps for joy under a
rainbow while stars twinkle. Nine frames of 99 x 200 pixels; everything that
moves stays inside x 8 ... 92 and y 8 ... 190, so that frames 2 to 9 only
redraw that part."""

import math

from sketch import (BROWN, GREEN, INK, LIGHT_GREEN, LIGHT_PLUM, ORANGE, PINK, PLUM, RED, WHITE,
                    YELLOW, Sketch, ellipse_points, star_points)

WIDTH, HEIGHT = 99, 200
GROUND = 182
MOVING = (8, 8, 93, 191)  # left, top, right, bottom (exclusive) of all motion

# One pass: rest, crouch, four frames in the air, landing, settle.
LIFT = [0, -3, 9, 18, 22, 18, 9, -3, 0]
ARM = [-62, -70, 58, 66, 74, 66, 58, -70, -62]
SQUASH = [0.0, 0.07, -0.05, -0.03, 0.0, -0.03, -0.05, 0.07, 0.0]
SPARKLES = [(17, 22, 5.0, 0.0), (81, 20, 5.5, 0.35), (49, 17, 4.0, 0.7),
            (17, 52, 4.0, 0.55), (83, 54, 4.5, 0.15), (29, 38, 3.0, 0.85), (69, 40, 3.0, 0.45)]
RAINBOW = [RED, ORANGE, YELLOW, GREEN, (56, 132, 232), (140, 76, 200)]


def _scenery(s):
    for i, colour in enumerate(RAINBOW):
        r = 44 - 3.2 * i
        s.polygon(ellipse_points(49.5, 108, r, r, steps=120)[60:] + ellipse_points(49.5, 108, r - 3.2, r - 3.2, steps=120)[60:][::-1],
                  tuple(round(c + (255 - c) * 0.55) for c in colour), outline=None)
    s.ellipse(49.5, 214, 70, 34, (130, 210, 110), outline=None)
    s.ellipse(49.5, 214, 70, 30, GREEN, outline=None)
    for x in (4, 12, 87, 95):
        s.line([(x, 196), (x - 1.5, 191)], (60, 150, 50), 1.0)
        s.line([(x, 196), (x + 1.5, 191.5)], (60, 150, 50), 1.0)


def _sparkle(s, x, y, size):
    if size < 0.6:
        return
    s.polygon(star_points(x, y, size * 1.5, size * 0.45, tips=4), YELLOW, outline=ORANGE, width=0.7)


def _eyes(s, cx, cy, happy):
    for side in (-1, 1):
        ex = cx + 10.5 * side
        if happy:
            arc = ellipse_points(ex, cy + 1.5, 4.8, 4.2, steps=40)[21:40]
            s.line(arc, INK, 1.8)
        else:
            s.ellipse(ex, cy, 5.2, 6.6, WHITE, width=1.2)
            s.dot(ex + 0.8, cy - 1.0, 3.2, INK)
            s.dot(ex + 1.8, cy - 2.6, 1.1, WHITE)


def _plumkin(s, frame):
    lift, arm, squash = LIFT[frame], ARM[frame], SQUASH[frame]
    rx, ry = 30 * (1 + squash), 35 * (1 - squash)
    rest_leg = 14
    cy = GROUND - rest_leg - ry - lift
    cx = 49.5
    body_bottom = cy + ry
    feet = GROUND if lift <= 0 else body_bottom + 12
    shadow = 1.0 - lift / 40 if lift > 0 else 1.0
    s.ellipse(cx, GROUND + 3.5, 22 * shadow, 3 * shadow, (96, 168, 80), outline=None)

    for side in (-1, 1):
        hip = (cx + 11 * side, body_bottom - 4)
        foot = (cx + 13 * side, feet - 2)
        s.outlined_line([hip, foot], PLUM, 3.2)
        s.ellipse(foot[0] + 2.5 * side, feet - 1.2, 6.0, 3.6, ORANGE, width=1.2)

    for side in (-1, 1):
        shoulder = (cx + rx * 0.9 * side, cy + 4)
        a = math.radians(arm)
        hand = (shoulder[0] + 20 * math.cos(a) * side, shoulder[1] - 20 * math.sin(a))
        s.outlined_line([shoulder, hand], PLUM, 3.2)
        s.circle(hand[0], hand[1], 4.4, WHITE, width=1.2)

    s.outlined_line([(cx, cy - ry + 3), (cx + 3, cy - ry - 8)], BROWN, 2.4)
    s.ellipse(cx + 11, cy - ry - 6, 9, 4.2, GREEN, width=1.2, angle=-20)
    s.line([(cx + 4, cy - ry - 4.2), (cx + 17, cy - ry - 8.6)], LIGHT_GREEN, 0.9)
    s.ellipse(cx, cy, rx, ry, PLUM, width=1.6)
    s.ellipse(cx - 10, cy - 17, 9, 6, LIGHT_PLUM, outline=None, angle=-30)
    s.dot(cx - 17, cy - 9, 2.2, LIGHT_PLUM)

    _eyes(s, cx, cy - 7, happy=lift >= 18)
    for side in (-1, 1):
        s.ellipse(cx + 19 * side, cy + 5, 5, 3.2, PINK, outline=None)
    mouth = ellipse_points(cx, cy + 6, 10, 9, steps=64)[0:33]
    s.polygon(mouth, (150, 30, 60), width=1.3)
    s.ellipse(cx, cy + 12.2, 5.5, 2.6, (255, 120, 140), outline=None)


def frame_image(frame):
    s = Sketch(WIDTH, HEIGHT, WHITE + (255,))
    _scenery(s)
    for x, y, size, phase in SPARKLES:
        _sparkle(s, x, y, size * abs(math.cos(math.pi * (frame / 9 + phase))))
    _plumkin(s, frame)
    return s.result().convert("RGB")


def frames():
    return [frame_image(k) for k in range(9)]

