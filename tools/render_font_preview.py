#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders fonts/MusiTone.ttf as the music windows lay it out, to look at.

Writes PNGs (not part of the build) into the folder given, /tmp/musitone by
default: per window the staff panel with its labels at their places, sizes
and pixel size, plus a copy with the label boxes outlined and enlarged; the
hint strings at their size, enlarged; and a large specimen of every glyph.
The text is filled the way Qt fills large text (check_font.render_row).
Needs PIL (python3-pil) and the fontforge module.
"""

import os
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_font import HINT_SIZE, HINTS, WINDOWS, render_row  # noqa: E402


def enlarged(img, zoom):
    return img.resize((img.width * zoom, img.height * zoom), Image.NEAREST)


def outlined(row, top, height, labels, zoom):
    img = row.convert("RGB")
    draw = ImageDraw.Draw(img)
    for left, width, _text, _note in labels:
        draw.rectangle((left, top, left + width - 1, top + height - 1), outline=(255, 0, 0))
    return enlarged(img, zoom)


def hints_image():
    # The hint label sizes itself to its text: 22 px wide, 66 high at 24 px.
    labels = [(10 + 40 * i, 22, text, None) for i, text in enumerate(HINTS.values())]
    row, _ = render_row(HINT_SIZE, 5, 66, labels, panel=(40 * len(HINTS) + 10, 76))
    return row


def specimen(size=260):
    strings = ['{{{{.${"..', ".T.t..U.u..V.v..W.w..", ".X.x..Y.y..Z.z..Zs../."]
    height = int(2.75 * size) + 1
    rows = []
    for text in strings:
        width = int(len(text.replace("{", "")) * 0.31 * size) + 4
        row, _ = render_row(size, 0, height, [(0, width, text, None)], panel=(width, height))
        rows.append(row)
    img = Image.new("L", (max(r.width for r in rows), height * len(rows)), 255)
    for i, row in enumerate(rows):
        img.paste(row, (0, i * height))
    return img


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "/tmp/musitone"
    os.makedirs(out, exist_ok=True)
    for window, (size, top, height, labels) in WINDOWS.items():
        row, _ = render_row(size, top, height, labels)
        row.save(os.path.join(out, window + ".png"))
        outlined(row, top, height, labels, 2).save(os.path.join(out, window + "_boxes.png"))
    hints = hints_image()
    hints.save(os.path.join(out, "hints.png"))
    enlarged(hints, 4).save(os.path.join(out, "hints_x4.png"))
    specimen().save(os.path.join(out, "specimen.png"))
    print("wrote previews to", out)


if __name__ == "__main__":
    main()
