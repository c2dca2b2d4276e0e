# SPDX-License-Identifier: GPL-3.0-or-later
"""Writers for the picture files the game embeds: 8-bit BMP, multi-size ICO
and animated GIF89a. Written by hand so that every header field is the one
the game's readers expect, whatever the imaging library would choose."""

import struct

# The sixteen colours of a 4-bit icon: the classic VGA palette.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def _row_stride(width, bits):
    return (width * bits + 31) // 32 * 4


def _pack_rows(rows, width, bits):
    """Packs rows of pixel values (palette indices, or 4-byte BGRA tuples for
    32 bits) bottom-up with each row padded to four bytes."""
    stride = _row_stride(width, bits)
    out = bytearray()
    for row in reversed(rows):
        if bits == 32:
            line = b"".join(bytes(p) for p in row)
        else:
            line = bytearray()
            per_byte = 8 // bits
            for x in range(0, width, per_byte):
                byte = 0
                for k in range(per_byte):
                    value = row[x + k] if x + k < width else 0
                    byte |= value << (8 - bits * (k + 1))
                line.append(byte)
        out += line + bytes(stride - len(line))
    return bytes(out)


def _info_header(width, height, bits, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0,
                       image_size, 2835, 2835, colours, 0)


def _palette_bytes(palette, count):
    entries = list(palette) + [(0, 0, 0)] * (count - len(palette))
    return b"".join(bytes((b, g, r, 0)) for r, g, b in entries)


def bmp8(indices, width, height, palette):
    """An uncompressed 8-bit BMP file. indices: row-major palette indices."""
    assert len(palette) <= 256 and len(indices) == width * height
    rows = [indices[y * width:(y + 1) * width] for y in range(height)]
    pixels = _pack_rows(rows, width, 8)
    offset = 14 + 40 + 256 * 4
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return (header + _info_header(width, height, 8, len(pixels), 256) +
            _palette_bytes(palette, 256) + pixels)


def ico_image(size, bits, pixels, mask, palette=None):
    """One icon image: BITMAPINFOHEADER, palette, colour bitmap, AND mask.
    pixels: rows of indices (4 or 8 bits) or of (b, g, r, a) tuples (32 bits);
    mask: rows of 0 (opaque) / 1 (transparent)."""
    colour = _pack_rows(pixels, size, bits)
    and_mask = _pack_rows(mask, size, 1)
    colours = 1 << bits if bits <= 8 else 0
    header = _info_header(size, size * 2, bits, len(colour) + len(and_mask), colours)
    table = _palette_bytes(palette, colours) if colours else b""
    return header + table + colour + and_mask


def ico(images):
    """An ICO file from (size, bits, image bytes) entries, in the given order."""
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    body = b""
    for size, bits, data in images:
        colour_count = 16 if bits == 4 else 0
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, colour_count,
                                 0, 1, bits, len(data), offset + len(body))
        body += data
    return directory + body


def _lzw(indices, min_code_size):
    """GIF LZW: variable-length codes, LSB first, a clear code when the
    4096-entry table is full."""
    clear = 1 << min_code_size
    out = bytearray()
    acc = 0
    nbits = 0

    def emit(code, size):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    code_size = min_code_size + 1
    table = {}
    max_code = clear + 1
    emit(clear, code_size)
    prefix = indices[0]
    for value in indices[1:]:
        key = (prefix, value)
        if key in table:
            prefix = table[key]
            continue
        emit(prefix, code_size)
        max_code += 1
        table[key] = max_code
        if max_code >= 1 << code_size:
            code_size += 1
        if max_code == 4095:
            emit(clear, 12)
            table = {}
            code_size = min_code_size + 1
            max_code = clear + 1
        prefix = value
    emit(prefix, code_size)
    emit(clear + 1, code_size)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def _sub_blocks(data):
    out = bytearray()
    for start in range(0, len(data), 255):
        chunk = data[start:start + 255]
        out.append(len(chunk))
        out += chunk
    return bytes(out + b"\0")


def gif89a(width, height, palette, frames, delay, loop_count=0):
    """An animated GIF89a with one global 256-entry colour table, background
    index 0, a NETSCAPE2.0 loop block, and per frame a graphic control
    extension (disposal 1, no transparency) and an image without local table
    or interlacing, LZW minimum code size 8.
    frames: (left, top, width, height, row-major indices) tuples."""
    assert len(palette) == 256
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0xF7, 0, 0)
    out += b"".join(bytes(c) for c in palette)
    out += b"\x21\xFF\x0BNETSCAPE2.0" + struct.pack("<BBHB", 3, 1, loop_count, 0)
    for left, top, w, h, indices in frames:
        assert len(indices) == w * h
        out += b"\x21\xF9\x04" + struct.pack("<BHBB", 1 << 2, delay, 0, 0)
        out += b"\x2C" + struct.pack("<HHHHB", left, top, w, h, 0)
        out += b"\x08" + _sub_blocks(_lzw(indices, 8))
    out += b"\x3B"
    return bytes(out)
