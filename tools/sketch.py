# SPDX-License-Identifier: GPL-3.0-or-later
"""A small drawing kit for the game's artwork: shapes are drawn eight times
larger than the target size and averaged down, which gives smooth edges
without any blur at the outline."""

import math

from PIL import Image, ImageDraw

SCALE = 8

# The shared palette of the artwork: bright, friendly, outlined in dark plum.
INK = (52, 38, 72)
WHITE = (255, 255, 255)
RED = (236, 64, 64)
ORANGE = (255, 150, 40)
YELLOW = (255, 210, 40)
GREEN = (76, 190, 64)
LIGHT_GREEN = (170, 236, 140)
BLUE = (56, 132, 232)
LIGHT_BLUE = (150, 200, 255)
PURPLE = (140, 76, 200)
PLUM = (128, 64, 176)
LIGHT_PLUM = (186, 132, 230)
BROWN = (176, 112, 60)
PINK = (255, 150, 170)


def ellipse_points(cx, cy, rx, ry, angle=0.0, steps=64):
    """Points of an ellipse turned by angle degrees (clockwise on screen)."""
    a = math.radians(angle)
    ca, sa = math.cos(a), math.sin(a)
    points = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        x, y = rx * math.cos(t), ry * math.sin(t)
        points.append((cx + x * ca - y * sa, cy + x * sa + y * ca))
    return points


def star_points(cx, cy, outer, inner, tips=5, angle=-90.0):
    points = []
    for i in range(tips * 2):
        r = outer if i % 2 == 0 else inner
        t = math.radians(angle + 180.0 * i / tips)
        points.append((cx + r * math.cos(t), cy + r * math.sin(t)))
    return points


def rounded_rect_points(x0, y0, x1, y1, r, steps=8):
    points = []
    corners = [(x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)]
    for cx, cy, start in corners:
        for i in range(steps + 1):
            t = math.radians(start + 90.0 * i / steps)
            points.append((cx + r * math.cos(t), cy + r * math.sin(t)))
    return points


def turned(points, cx, cy, angle):
    a = math.radians(angle)
    ca, sa = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * ca - (y - cy) * sa, cy + (x - cx) * sa + (y - cy) * ca) for x, y in points]


class Sketch:
    """An RGBA drawing in target pixel coordinates (floats welcome)."""

    def __init__(self, width, height, background=(0, 0, 0, 0)):
        self.width, self.height = width, height
        self.image = Image.new("RGBA", (width * SCALE, height * SCALE), background)
        self.draw = ImageDraw.Draw(self.image)

    def _scaled(self, points):
        return [(x * SCALE, y * SCALE) for x, y in points]

    def polygon(self, points, fill, outline=INK, width=1.0):
        self.draw.polygon(self._scaled(points), fill=fill)
        if outline is not None and width > 0:
            self.line(points + points[:1], outline, width)

    def ellipse(self, cx, cy, rx, ry, fill, outline=INK, width=1.0, angle=0.0):
        self.polygon(ellipse_points(cx, cy, rx, ry, angle, steps=96), fill, outline, width)

    def circle(self, cx, cy, r, fill, outline=INK, width=1.0):
        self.ellipse(cx, cy, r, r, fill, outline, width)

    def dot(self, cx, cy, r, fill):
        box = [(cx - r) * SCALE, (cy - r) * SCALE, (cx + r) * SCALE, (cy + r) * SCALE]
        self.draw.ellipse(box, fill=fill)

    def line(self, points, colour, width):
        """A stroke with round joins and round caps."""
        self.draw.line(self._scaled(points), fill=colour, width=max(1, round(width * SCALE)), joint="curve")
        for x, y in (points[0], points[-1]):
            self.dot(x, y, width / 2, colour)

    def outlined_line(self, points, colour, width, outline=INK, border=1.0):
        self.line(points, outline, width + 2 * border)
        self.line(points, colour, width)

    def result(self):
        """The drawing at target size; colours are averaged with their
        coverage, so edges blend without dark fringes."""
        small = self.image.convert("RGBa").resize((self.width, self.height), Image.BOX)
        return small.convert("RGBA")
