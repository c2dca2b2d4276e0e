#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks fonts/MusiTone.ttf against the staff rows the music windows build.

Each window sets its labels side by side at one pixel size; a label centres
its text in its box.  For the staff to be continuous every label's text must
be about as wide as its box (wider is harmless, the label clips it; narrower
leaves a gap in the staff lines), and everything the font draws must lie
within the line box that the label centres in its height.  Needs the
fontforge module and PIL (python3-pil).  Usage: check_font.py [-v] [font.ttf]
Exits non-zero on a fault.
"""

import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FONT = os.path.join(ROOT, "fonts", "MusiTone.ttf")

CLEF6 = '{{{{.${"......'
CLEF4 = '{{{{.${"....'

# window -> (pixel size, top, height, [(left, width, text, note or None)])
WINDOWS = {
    "frmMusic_FC": (104, 9, 286, [
        (50, 233, CLEF6, None),
        (283, 186, ".U.u....", "F"),
        (469, 155, ".Y.y...", "C"),
        (624, 93, "../.", None),
    ]),
    "frmMusic_FAC": (96, 20, 265, [
        (28, 217, CLEF6, None),
        (245, 116, ".U.u..", "F"),
        (361, 145, "..W.w..", "A"),
        (506, 145, "..Y.y..", "C"),
        (651, 87, "../.", None),
    ]),
    "frmMusic_FGABC": (87, 32, 240, [
        (26, 143, CLEF4, None),
        (169, 104, ".U.u..", "F"),
        (273, 104, ".V.v..", "G"),
        (377, 104, ".W.w..", "A"),
        (481, 104, ".X.x..", "B"),
        (585, 104, ".Y.y..", "C"),
        (689, 52, "./.", None),
    ]),
    "frmMusic_EFGABCD": (83, 38, 229, [
        (27, 137, CLEF4, None),
        (164, 75, ".T.t.", "E"),
        (239, 75, ".U.u.", "F"),
        (314, 75, ".V.v.", "G"),
        (389, 75, ".W.w.", "A"),
        (464, 75, ".X.x.", "B"),
        (539, 75, ".Y.y.", "C"),
        (614, 75, ".Z.z.", "D"),
        (689, 50, "./.", None),
    ]),
}
HINT_SIZE = 24
HINTS = {"E": ".T.t.", "F": ".U.u.", "G": ".V.v.", "A": ".W.w.", "B": ".X.x.", "C": ".Y.y.", "D": ".Zs."}

# Staff steps above the bottom line of each note, E4 on the bottom line.
STEPS = {"E": 0, "F": 1, "G": 2, "A": 3, "B": 4, "C": 5, "D": 6}


def note_letter(note):
    return "TUVWXYZ"[STEPS[note]]


# Characters that must draw something (the rest may be blank spacers).
INKED = set('.$"/s') | set("TUVWXYZtuvwxyz")
USED = INKED | {"{"}


def advances(font_path):
    """Advance widths in font units, and the ink's vertical extent (bottom,
    top) of every character that draws something."""
    import fontforge

    font = fontforge.open(font_path)
    widths, inked = {}, {}
    for g in font.glyphs():
        if 0 < g.unicode < 0x110000:
            widths[chr(g.unicode)] = g.width
            if not g.foreground.isEmpty():
                _x0, y0, _x1, y1 = g.boundingBox()
                inked[chr(g.unicode)] = (y0, y1)
    return font.em, widths, inked


def line_box(font_path):
    import fontforge

    font = fontforge.open(font_path)
    return font.hhea_ascent, -font.hhea_descent


def text_widths(em, widths, text, size):
    """(exact, rounded per glyph) advance of text in pixels: Qt uses one or the
    other depending on the hinting in force."""
    exact = sum(widths[c] for c in text) * size / em
    rounded = sum(int(widths[c] * size / em + 0.5) for c in text)
    return exact, rounded


def check_metrics(faults, verbose):
    em, widths, inked = advances(FONT)
    for c in sorted(USED):
        if c not in widths:
            faults.append("no glyph for %r" % c)
        elif c in INKED and c not in inked:
            faults.append("glyph %r draws nothing" % c)
    if faults:
        return
    ascent, descent = line_box(FONT)
    for c, (bottom, top) in sorted(inked.items()):
        if bottom < -descent or top > ascent:
            faults.append("glyph %r reaches out of the line box" % c)
    for window, (size, _top, height, _labels) in WINDOWS.items():
        if (ascent + descent) * size / em > height + 0.5:
            faults.append("%s: line box %.1f px is higher than the %d px labels"
                          % (window, (ascent + descent) * size / em, height))
    for window, (size, _top, _height, labels) in WINDOWS.items():
        for left, width, text, _note in labels:
            exact, rounded = text_widths(em, widths, text, size)
            if verbose:
                print("%-17s %-17r box %3d  text %6.2f (rounded glyphs %3d)" % (window, text, width, exact, rounded))
            # Narrower than the box leaves a gap; much wider pushes the
            # centred note away from the middle of its box.
            for value in (exact, rounded):
                if not width - 1.0 <= value <= width + 3.0:
                    faults.append("%s %r: text %.2f px in a %d px box" % (window, text, value, width))


def glyph_outlines(font_path):
    """Per character: (advance, polygons) in font units, curves flattened."""
    import fontforge

    def quad(p0, p1, p2, steps=8):
        return [((1 - t) ** 2 * p0[0] + 2 * t * (1 - t) * p1[0] + t * t * p2[0],
                 (1 - t) ** 2 * p0[1] + 2 * t * (1 - t) * p1[1] + t * t * p2[1])
                for t in (i / steps for i in range(1, steps + 1))]

    font = fontforge.open(font_path)
    glyphs = {}
    for g in font.glyphs():
        if not 0 < g.unicode < 0x110000:
            continue
        polygons = []
        for contour in g.foreground:
            pts = [((p.x, p.y), p.on_curve) for p in contour]
            if not pts:
                continue
            if not any(on for _, on in pts):
                a, b = pts[0][0], pts[1][0]
                pts.insert(0, (((a[0] + b[0]) / 2, (a[1] + b[1]) / 2), True))
            first = next(i for i, (_, on) in enumerate(pts) if on)
            pts = pts[first:] + pts[:first]
            start = pts[0][0]
            out, prev, control = [start], start, None
            for xy, on in pts[1:] + [pts[0]]:
                if on:
                    out += quad(prev, control, xy) if control else [xy]
                    prev, control = xy, None
                elif control:
                    mid = ((control[0] + xy[0]) / 2, (control[1] + xy[1]) / 2)
                    out += quad(prev, control, mid)
                    prev, control = mid, xy
                else:
                    control = xy
            polygons.append(out)
        glyphs[chr(g.unicode)] = (g.width, polygons)
    return font.em, font.hhea_ascent, -font.hhea_descent, glyphs


_OUTLINES = {}


def render_row(size, top, height, labels, panel=(767, 305), background=255, supersample=4):
    """The window's staff panel with its labels, each text centred in and
    clipped to its box.  The outlines are filled unhinted at their exact
    (fractional) places, all glyphs of a label as one shape, which is how Qt
    draws text this large; returns the image and the baseline's y in it."""
    from PIL import Image, ImageChops, ImageDraw

    if FONT not in _OUTLINES:
        _OUTLINES[FONT] = glyph_outlines(FONT)
    em, ascent, descent, glyphs = _OUTLINES[FONT]
    scale = size / em
    baseline = top + (height - (ascent + descent) * scale) / 2 + ascent * scale
    row = Image.new("L", panel, background)
    ss = supersample
    for left, width, text, _note in labels:
        ink = Image.new("1", (width * ss, height * ss), 0)
        x = (width - sum(glyphs[c][0] for c in text) * scale) / 2
        for c in text:
            advance, polygons = glyphs[c]
            shape = Image.new("1", ink.size, 0)
            for poly in polygons:  # contours of one glyph never overlap: even-odd
                piece = Image.new("1", ink.size, 0)
                ImageDraw.Draw(piece).polygon(
                    [((x + px * scale) * ss, (baseline - top - py * scale) * ss) for px, py in poly], fill=1)
                shape = ImageChops.logical_xor(shape, piece)
            ink = ImageChops.logical_or(ink, shape)
            x += advance * scale
        coverage = ink.convert("L").resize((width, height), Image.BOX)
        box = Image.new("L", (width, height), background)
        box.paste(0, (0, 0), coverage)
        row.paste(box, (left, top))
    return row, baseline


def staff_line_rows(baseline, size):
    """Pixel rows of the five staff line centres."""
    import make_font

    return [baseline - make_font.line_y(k) * size / make_font.UPM for k in range(5)]


def check_rendering(faults):
    """The five lines run unbroken from the first label to the last, and each
    note's head sits on its own line or space, where its label puts it."""
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    import make_font

    _em, widths, _inked = advances(FONT)
    for window, (size, top, height, labels) in WINDOWS.items():
        row, baseline = render_row(size, top, height, labels)
        px = row.load()
        lines = staff_line_rows(baseline, size)
        start, end = labels[0][0], labels[-1][0] + labels[-1][1]
        for k, y in enumerate(lines):
            y = int(round(y))
            gaps = [x for x in range(start + 2, end - 2) if min(px[x, y - 1], px[x, y], px[x, y + 1]) > 128]
            if gaps:
                faults.append("%s: staff line %d broken at x=%s" % (window, k + 1, gaps[:5]))
        # A note's own ink is what its label draws beyond the same label
        # with the note letters taken out; its head rows are the wide ones.
        bare, _ = render_row(size, top, height, [(l, w, "".join(c for c in t if c in ".\"{$/"), n)
                                                 for l, w, t, n in labels])
        bpx = bare.load()
        space = make_font.SPACE * size / make_font.UPM
        for left, width, text, note in labels:
            if note is None:
                continue
            rows = [y for y in range(top, top + height)
                    if sum(1 for x in range(left, left + width) if px[x, y] < 128 <= bpx[x, y]) > space / 2]
            if not rows:
                faults.append("%s %s: no note head drawn" % (window, note))
                continue
            head = (min(rows) + max(rows)) / 2
            expected = lines[0] - STEPS[note] * space / 2
            if abs(head - expected) > space / 4:
                faults.append("%s %s: head at y=%.1f, expected %.1f" % (window, note, head, expected))
            # The head's centre lies HEAD_X past the capital's origin.
            capital = text.index(note_letter(note))
            scale = size / make_font.UPM
            x0 = left + (width - sum(widths[c] for c in text) * scale) / 2
            expected_x = x0 + (sum(widths[c] for c in text[:capital]) + make_font.HEAD_X) * scale
            ink = [x for y in rows for x in range(left, left + width) if px[x, y] < 128 <= bpx[x, y]]
            centre = (min(ink) + max(ink)) / 2
            if abs(centre - expected_x) > space / 4:
                faults.append("%s %s: head at x=%.1f, expected %.1f" % (window, note, centre, expected_x))


def main():
    global FONT
    verbose = "-v" in sys.argv
    paths = [a for a in sys.argv[1:] if a != "-v"]
    if paths:
        FONT = paths[0]
    faults = []
    check_metrics(faults, verbose)
    if not faults:
        check_rendering(faults)
    for f in faults:
        print("FAULT:", f)
    if not faults:
        print("MusiTone: all glyphs present, staff rows fit and join")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
