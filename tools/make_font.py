#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the music font MusiTone and writes fonts/MusiTone.ttf.

The music levels build one line of staff out of several labels, each a
string of these glyphs set side by side:

  "."      an empty stretch of five-line staff (the unit every label is made of)
  "{"      an empty mark of no width (the clef strings start with a run of them)
  "$"      the treble clef, no width: it is drawn over the staff stretch before it
  '"'      a short stretch of staff that spaces the clef from the staff after it
  "/"      the final bar (thin + thick), no width: it ends with the staff stretch after it
  T..Z     note heads E4, F4, G4, A4, B4, C5, D5, no width, drawn over the next stretch
  t..z     the stems of those notes, no width; a note is written ".U.u." etc.
  "s"      a staff stretch carrying the D5 stem, for the short form ".Zs."

Every glyph uses the same staff geometry, so strings placed edge to edge at
the same pixel size join into one staff.  Run with /usr/bin/python3 (it needs
the fontforge module).
"""

import math
import os
import sys

# A fixed date keeps the committed file identical from run to run.
os.environ.setdefault("SOURCE_DATE_EPOCH", "1704067200")

import fontforge  # noqa: E402

UPM = 1000
ASCENT = 2000  # ascent + descent = 2.75 em: the staff labels are 2.75 font heights high
DESCENT = 750
SPACE = 300  # distance between staff lines
MIDDLE = (ASCENT - DESCENT) // 2  # middle line (B4) centred in the line box
LINE = 34  # staff line thickness
STRETCH = 302  # advance of "."; n stretches round to the layouts' label widths at all four sizes
CLEF_PAD = 150  # advance of '"'

STEM = 36
STEM_LENGTH = 3.5 * SPACE
HEAD_A = 0.66 * SPACE  # note head ellipse half axes and tilt
HEAD_B = 0.46 * SPACE
HEAD_TILT = math.radians(22)

THIN_BAR = 48
THICK_BAR = 150
BAR_GAP = 110

# Note letter -> (steps above the bottom line, stem up?).  B takes its stem
# down as engravers do for the middle line.
NOTES = {
    "T": (0, True),  # E4
    "U": (1, True),  # F4
    "V": (2, True),  # G4
    "W": (3, True),  # A4
    "X": (4, False),  # B4
    "Y": (5, False),  # C5
    "Z": (6, False),  # D5
}

KAPPA = 0.5522847498


def line_y(k):
    """Centre of staff line k, 0 = bottom line."""
    return MIDDLE + (k - 2) * SPACE


def note_y(step):
    return line_y(0) + step * SPACE / 2


# ---------------------------------------------------------------- drawing


def signed_area(points):
    area = 0.0
    for i, (x0, y0) in enumerate(points):
        x1, y1 = points[(i + 1) % len(points)]
        area += x0 * y1 - x1 * y0
    return area / 2


def polygon(pen, points):
    """A closed polygon, always wound the same way so overlaps unite."""
    if signed_area(points) > 0:
        points = points[::-1]
    pen.moveTo(points[0])
    for p in points[1:]:
        pen.lineTo(p)
    pen.closePath()


def rect(pen, x0, y0, x1, y1):
    polygon(pen, [(x0, y0), (x0, y1), (x1, y1), (x1, y0)])


def ellipse(pen, cx, cy, a, b, tilt=0.0):
    """An ellipse of four cubic arcs, turned by tilt (radians)."""
    c, s = math.cos(tilt), math.sin(tilt)

    def at(x, y):
        return (cx + x * c - y * s, cy + x * s + y * c)

    k = KAPPA
    # Clockwise, like polygon().
    pen.moveTo(at(a, 0))
    pen.curveTo(at(a, -k * b), at(k * a, -b), at(0, -b))
    pen.curveTo(at(-k * a, -b), at(-a, -k * b), at(-a, 0))
    pen.curveTo(at(-a, k * b), at(-k * a, b), at(0, b))
    pen.curveTo(at(k * a, b), at(a, k * b), at(a, 0))
    pen.closePath()


def circle_points(cx, cy, r, n=48):
    return [(cx + r * math.cos(2 * math.pi * i / n), cy + r * math.sin(2 * math.pi * i / n)) for i in range(n)]


def catmull_rom(knots, samples):
    """Centripetal Catmull-Rom through knots (x, y, w); returns points with
    interpolated width, and the sample index of every knot."""
    pts = list(knots)
    first = tuple(2 * a - b for a, b in zip(pts[0], pts[1]))
    last = tuple(2 * a - b for a, b in zip(pts[-1], pts[-2]))
    ext = [first] + pts + [last]
    out = []
    knot_index = [0]

    def tj(ti, pi, pj):
        d = math.hypot(pj[0] - pi[0], pj[1] - pi[1])
        return ti + max(d, 1e-6) ** 0.5

    for i in range(1, len(ext) - 2):
        p0, p1, p2, p3 = ext[i - 1], ext[i], ext[i + 1], ext[i + 2]
        t0 = 0.0
        t1 = tj(t0, p0, p1)
        t2 = tj(t1, p1, p2)
        t3 = tj(t2, p2, p3)
        for n in range(samples):
            t = t1 + (t2 - t1) * n / samples

            def lerp(pa, pb, ta, tb):
                if tb - ta < 1e-9:
                    return pa
                return tuple(((tb - t) * u + (t - ta) * v) / (tb - ta) for u, v in zip(pa, pb))

            a1 = lerp(p0, p1, t0, t1)
            a2 = lerp(p1, p2, t1, t2)
            a3 = lerp(p2, p3, t2, t3)
            b1 = lerp(a1, a2, t0, t2)
            b2 = lerp(a2, a3, t1, t3)
            out.append(lerp(b1, b2, t1, t2))
        knot_index.append(len(out))
    out.append(pts[-1])
    return out, knot_index


def stroke_outline(path):
    """Outline of a brush stroke along sampled points (x, y, w)."""
    left, right = [], []
    for i, (x, y, w) in enumerate(path):
        xa, ya, _ = path[max(i - 1, 0)]
        xb, yb, _ = path[min(i + 1, len(path) - 1)]
        tx, ty = xb - xa, yb - ya
        n = math.hypot(tx, ty) or 1.0
        nx, ny = -ty / n, tx / n
        left.append((x + nx * w / 2, y + ny * w / 2))
        right.append((x - nx * w / 2, y - ny * w / 2))
    return left + right[::-1]


def brush(pen, knots, splits=(), samples=24, caps=True):
    """A stroke of varying width through knots (x, y, w) in font units.

    The stroke may cross itself; it is cut at the knot numbers in splits into
    pieces that do not, each piece overlapping the next, and round caps close
    the ends."""
    path, knot_index = catmull_rom(knots, samples)
    bounds = [0] + [knot_index[k] for k in splits] + [len(path) - 1]
    for a, b in zip(bounds, bounds[1:]):
        piece = path[max(a - 2, 0) : min(b + 3, len(path))]
        polygon(pen, stroke_outline(piece))
    for k in splits:
        x, y, w = path[knot_index[k]]
        polygon(pen, circle_points(x, y, w / 2))
    if caps:
        for x, y, w in (path[0], path[-1]):
            polygon(pen, circle_points(x, y, w / 2))


# ---------------------------------------------------------------- glyphs


def staff(pen, x0, x1):
    for k in range(5):
        y = line_y(k)
        rect(pen, x0, y - LINE / 2, x1, y + LINE / 2)


def staff_stretch(pen, width):
    # Stretches meet edge to edge: Qt fills the outlines of a large label as
    # one path, so abutting pieces join without a seam, where overlapping
    # ones would darken the anti-aliased line edges at every join.
    staff(pen, 0, width)


# The clef, in staff spaces: x from its left edge, y from the G line (second
# line).  One stroke runs from the tail up the stem, over the top loop, down
# the thick diagonal into the bowl around the G line and curls in to end on it.
CLEF_STROKE = [
    (0.62, -2.05, 0.20),  # inside the ball of the tail
    (0.80, -2.45, 0.14),
    (1.10, -2.56, 0.15),
    (1.38, -2.25, 0.16),
    (1.45, -1.50, 0.17),
    (1.45, 0.00, 0.17),
    (1.50, 1.50, 0.17),
    (1.62, 2.90, 0.17),
    (1.75, 3.80, 0.16),
    (1.70, 4.40, 0.12),  # top
    (1.40, 4.30, 0.18),
    (1.05, 3.70, 0.30),
    (1.05, 3.00, 0.36),
    (1.50, 2.30, 0.40),  # crosses the stem
    (2.20, 1.50, 0.38),
    (2.55, 0.40, 0.32),
    (2.25, -0.60, 0.22),
    (1.40, -1.00, 0.12),  # bottom of the bowl, on the bottom line
    (0.45, -0.50, 0.30),
    (0.20, 0.40, 0.42),
    (0.55, 1.30, 0.30),
    (1.30, 1.58, 0.14),
    (1.92, 1.05, 0.22),
    (1.98, 0.30, 0.32),
    (1.62, -0.18, 0.34),
    (1.20, -0.12, 0.34),
    (1.00, 0.10, 0.30),  # ends on the G line
]
CLEF_SPLITS = (9, 17)
CLEF_BALL = (0.62, -2.05, 0.34)
CLEF_LEFT = 0.45 * SPACE - STRETCH  # clef's left edge, from the "$" origin


def clef(pen):
    def at(x, y):
        return (CLEF_LEFT + x * SPACE, line_y(1) + y * SPACE)

    knots = [at(x, y) + (w * SPACE,) for x, y, w in CLEF_STROKE]
    brush(pen, knots, CLEF_SPLITS)
    bx, by = at(CLEF_BALL[0], CLEF_BALL[1])
    polygon(pen, circle_points(bx, by, CLEF_BALL[2] * SPACE, 64))


def stem_joint():
    """Where an up stem meets the head, from the head centre: the x of the
    stem's right edge, a hair inside the head's rightmost point, and the
    lowest y at which the head still reaches that x, so the stem's foot is
    covered.  Down stems use the same point turned half round."""
    c, s = math.cos(HEAD_TILT), math.sin(HEAD_TILT)
    outline = []
    for i in range(7200):
        t = 2 * math.pi * i / 7200
        outline.append((HEAD_A * math.cos(t) * c - HEAD_B * math.sin(t) * s,
                        HEAD_A * math.cos(t) * s + HEAD_B * math.sin(t) * c))
    right = max(x for x, _ in outline) - STEM_INSET
    foot = min(y for x, y in outline if x >= right)
    return right, foot


HEAD_X = STRETCH / 2  # head centre from the capital's origin
STEM_INSET = 6


def note_head(pen, step):
    ellipse(pen, HEAD_X, note_y(step), HEAD_A, HEAD_B, HEAD_TILT)


def stem(pen, step, up, shift, with_staff=False):
    """The stem of a note whose head centre lies at HEAD_X - shift.

    with_staff is for a glyph that also draws the staff.  At small sizes the
    auto-hinter would take a flat stem end, or a foot just off a line, for an
    edge of its own and shift this glyph's lines a pixel against the plain
    stretches beside it.  So the stem runs on into the head's centre and its
    free end is cut on a slant too slight to see."""
    right, foot = stem_joint()
    slant = 0
    if with_staff:
        foot, slant = 0, 0.06 * SPACE
    cx, cy = HEAD_X - shift, note_y(step)
    if up:
        x0, x1 = cx + right - STEM, cx + right
        polygon(pen, [(x0, cy + foot), (x0, cy + STEM_LENGTH - slant), (x1, cy + STEM_LENGTH), (x1, cy + foot)])
    else:
        x0, x1 = cx - right, cx - right + STEM
        polygon(pen, [(x0, cy - STEM_LENGTH), (x0, cy - foot), (x1, cy - foot), (x1, cy - STEM_LENGTH + slant)])


def final_bar(pen):
    right = STRETCH
    top, bottom = line_y(4) + LINE / 2, line_y(0) - LINE / 2
    rect(pen, right - THICK_BAR, bottom, right, top)
    thin_right = right - THICK_BAR - BAR_GAP
    rect(pen, thin_right - THIN_BAR, bottom, thin_right, top)


def build():
    font = fontforge.font()
    font.encoding = "UnicodeBmp"
    font.em = UPM
    font.ascent = ASCENT * UPM // (ASCENT + DESCENT)
    font.descent = UPM - font.ascent
    font.fontname = "MusiTone"
    font.familyname = "MusiTone"
    font.fullname = "MusiTone"
    font.weight = "Regular"
    font.version = "1.0"
    font.copyright = "Drawn for Tovimar Plumkin."
    font.appendSFNTName("English (US)", "SubFamily", "Regular")
    for attr in ("os2_winascent_add", "os2_windescent_add", "os2_typoascent_add",
                 "os2_typodescent_add", "hhea_ascent_add", "hhea_descent_add"):
        setattr(font, attr, False)
    font.os2_winascent = ASCENT
    font.os2_windescent = DESCENT
    font.os2_typoascent = ASCENT
    font.os2_typodescent = -DESCENT
    font.os2_typolinegap = 0
    font.hhea_ascent = ASCENT
    font.hhea_descent = -DESCENT
    font.hhea_linegap = 0
    font.os2_use_typo_metrics = True
    font.os2_stylemap = 0x40  # regular
    font.os2_vendor = "TPLM"

    def glyph(char, width, draw=None, name=None):
        g = font.createChar(ord(char) if char else -1, name or fontforge.nameFromUnicode(ord(char)))
        if draw:
            pen = g.glyphPen()
            draw(pen)
            pen = None
            g.removeOverlap()
            g.simplify(0.4, ("mergelines",))
            g.addExtrema()
            g.round()
            g.correctDirection()
        g.width = width
        return g

    glyph(None, STRETCH, lambda p: rect(p, 40, line_y(0), STRETCH - 40, line_y(4)), ".notdef")
    glyph(None, 0, name=".null")
    glyph("\r", 0, name="nonmarkingreturn")
    glyph(" ", STRETCH)
    glyph(".", STRETCH, lambda p: staff_stretch(p, STRETCH))
    glyph("{", 0)
    glyph("$", 0, clef)
    glyph('"', CLEF_PAD, lambda p: staff_stretch(p, CLEF_PAD))
    glyph("/", 0, final_bar)
    for letter, (step, up) in NOTES.items():
        glyph(letter, 0, lambda p, step=step: note_head(p, step))
        glyph(letter.lower(), 0, lambda p, step=step, up=up: stem(p, step, up, STRETCH))

    def stretch_with_d_stem(p):
        staff_stretch(p, STRETCH)
        stem(p, NOTES["Z"][0], NOTES["Z"][1], 0, with_staff=True)

    glyph("s", STRETCH, stretch_with_d_stem)
    return font


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "fonts", "MusiTone.ttf")
    font = build()
    os.makedirs(os.path.dirname(out), exist_ok=True)
    font.generate(out, flags=("opentype", "no-FFTM-table", "omit-instructions"))
    print("wrote", out)


if __name__ == "__main__":
    main()
