#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the game's pictures: the tick and button glyphs (8-bit BMP on a
see-through key colour), the level-page wallpapers (progressive JPEG), the
reward animation (GIF89a) and the program icon (ICO).

Usage: tools/make_pictures.py [repository root]"""

import io
import pathlib
import sys

from PIL import Image, ImageChops

import glyphs
import icon
import picture_formats
import reward
import wallpapers

KEY = (255, 0, 255)
BUTTON_FACE = (236, 233, 228)   # the plain buttons and the left pane
WARM_FACE = (255, 215, 140)     # the middle of the category buttons' gradient
ICON_MATTE = (224, 224, 224)


def _flatten(rgba, matte, cut=0.35):
    """Opaque colours over the matte, the key colour where the drawing is
    (nearly) see-through."""
    pixels = []
    for r, g, b, a in rgba.getdata():
        if a < cut * 255:
            pixels.append(KEY)
            continue
        k = a / 255
        colour = tuple(round(c * k + m * (1 - k)) for c, m in zip((r, g, b), matte))
        pixels.append(colour if colour != KEY else (254, 0, 255))
    return pixels


def _indexed(pixels, limit):
    """Palette and indices; more colours than the limit are reduced."""
    colours = sorted(set(pixels))
    if len(colours) > limit:
        image = Image.new("RGB", (len(pixels), 1))
        image.putdata(pixels)
        reduced = image.quantize(colors=limit, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        pixels = list(reduced.convert("RGB").getdata())
        colours = sorted(set(pixels))
    lookup = {c: i for i, c in enumerate(colours)}
    return colours, [lookup[p] for p in pixels]


def glyph_bmp(rgba, matte):
    w, h = rgba.size
    pixels = _flatten(rgba, matte)
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        assert pixels[y * w + x] == KEY, "every corner must show the key colour"
    palette, indices = _indexed(pixels, 256)
    return picture_formats.bmp8(indices, w, h, palette)


def wallpaper_jpeg(image):
    out = io.BytesIO()
    image.save(out, "JPEG", quality=90, progressive=True, optimize=True, subsampling=0)
    return out.getvalue()


def _reward_palette(frames):
    """256 entries: white at index 0 (the background), then the colours of
    all frames reduced to 255."""
    strip = Image.new("RGB", (frames[0].width, frames[0].height * len(frames)))
    for k, frame in enumerate(frames):
        strip.paste(frame, (0, k * frame.height))
    reduced = strip.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    colours = reduced.getpalette()[:255 * 3]
    palette = [(255, 255, 255)] + [tuple(colours[i:i + 3]) for i in range(0, len(colours), 3)]
    palette += [(0, 0, 0)] * (256 - len(palette))
    return palette, reduced


def _moving_rect(previous, current):
    """The redraw rectangle of a frame: at left 6 to 8, top 8, 87 to 92 wide
    and 183 high, holding every pixel that changed."""
    box = ImageChops.difference(previous, current).getbbox()
    assert box is not None, "every frame moves"
    left = min(8, max(6, box[0]))
    right = min(left + 92, max(left + 87, box[2]))
    assert left <= box[0] and box[2] <= right and 8 <= box[1] and box[3] <= 191, box
    return left, 8, right - left, 183


def reward_gif():
    pictures = reward.frames()
    palette, reduced = _reward_palette(pictures)
    h = reward.HEIGHT
    indexed = []
    for k, picture in enumerate(pictures):
        rows = reduced.crop((0, k * h, reward.WIDTH, (k + 1) * h))
        mapped = [0 if rgb == (255, 255, 255) else i + 1
                  for rgb, i in zip(picture.getdata(), rows.getdata())]
        indexed.append(mapped)
    shown = [Image.new("RGB", (reward.WIDTH, h)) for _ in pictures]
    for image, mapped in zip(shown, indexed):
        image.putdata([palette[i] for i in mapped])
    frames = [(0, 0, reward.WIDTH, h, indexed[0])]
    for k in range(1, len(shown)):
        left, top, w, height = _moving_rect(shown[k - 1], shown[k])
        part = [indexed[k][y * reward.WIDTH + x] for y in range(top, top + height) for x in range(left, left + w)]
        frames.append((left, top, w, height, part))
    return picture_formats.gif89a(reward.WIDTH, h, palette, frames, delay=10, loop_count=0)


def _icon_entry(size, bits):
    rgba = icon.face(size, few_colours=bits == 4)
    alpha = [a for *_, a in rgba.getdata()]
    mask = [[1 if alpha[y * size + x] < 128 else 0 for x in range(size)] for y in range(size)]
    if bits == 32:
        pixels = [[(b, g, r, a) for r, g, b, a in list(rgba.getdata())[y * size:(y + 1) * size]] for y in range(size)]
        mask = [[1 if alpha[y * size + x] == 0 else 0 for x in range(size)] for y in range(size)]
        return picture_formats.ico_image(size, 32, pixels, mask)
    flat = _flatten(rgba, ICON_MATTE, cut=0.5)
    if bits == 4:
        palette = picture_formats.VGA16
        # Blues and cyans would turn the dark outline navy.
        usable = [i for i in range(16) if palette[i][2] <= palette[i][0] or palette[i] == (255, 255, 255)]
        indices = [min(usable, key=lambda i: sum((a - b) ** 2 for a, b in zip(c, palette[i]))) for c in flat]
    else:
        opaque = [c for c in flat if c != KEY]
        palette = [(0, 0, 0)] + _indexed(opaque, 255)[0]
        lookup = {}
        indices = []
        for c in flat:
            if c not in lookup:
                lookup[c] = min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(c, palette[i])))
            indices.append(lookup[c])
    # See-through pixels are black, so that the AND-then-XOR drawing leaves the screen unchanged.
    indices = [0 if m else i for i, m in zip(indices, sum(mask, []))]
    rows = [indices[y * size:(y + 1) * size] for y in range(size)]
    return picture_formats.ico_image(size, bits, rows, mask, palette)


def icon_file():
    entries = [(size, bits) for bits in (4, 8) for size in (16, 24, 32, 48)]
    entries += [(size, 32) for size in (16, 24, 32, 48, 64)]
    return picture_formats.ico([(size, bits, _icon_entry(size, bits)) for size, bits in entries])


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    pictures = root / "resources" / "pictures"
    pictures.mkdir(parents=True, exist_ok=True)
    outputs = {
        "tick.bmp": glyph_bmp(glyphs.tick(), BUTTON_FACE),
        "glyph_colors.bmp": glyph_bmp(glyphs.colors(), WARM_FACE),
        "glyph_shapes.bmp": glyph_bmp(glyphs.shapes(), WARM_FACE),
        "glyph_music.bmp": glyph_bmp(glyphs.music(), WARM_FACE),
        "glyph_level.bmp": glyph_bmp(glyphs.level_star(), BUTTON_FACE),
        "glyph_exit.bmp": glyph_bmp(glyphs.exit_door(), BUTTON_FACE),
        "glyph_play.bmp": glyph_bmp(glyphs.play(), BUTTON_FACE),
        "glyph_back.bmp": glyph_bmp(glyphs.back(), BUTTON_FACE),
        "glyph_randomize.bmp": glyph_bmp(glyphs.randomize(), BUTTON_FACE),
        "glyph_finish.bmp": glyph_bmp(glyphs.finish(), BUTTON_FACE),
        "wallpaper_colors.jpg": wallpaper_jpeg(wallpapers.colors()),
        "wallpaper_music.jpg": wallpaper_jpeg(wallpapers.music()),
        "wallpaper_shapes.jpg": wallpaper_jpeg(wallpapers.shapes()),
        "reward.gif": reward_gif(),
        "mainicon.ico": icon_file(),
    }
    for name, data in outputs.items():
        (pictures / name).write_bytes(data)


if __name__ == "__main__":
    main()
