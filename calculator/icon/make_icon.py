#!/usr/bin/env python3
"""Builds the calculator's icon file from its text grid.

The grid has 32 lines of 32 characters, top row first. "." is a transparent
pixel; any other character is a colour of the standard 16-colour palette (see
PALETTE). The output is an .ico file with one 32x32 image of 4 bits per pixel
and a transparency mask.

Usage: make_icon.py GRID ICO
"""
import struct
import sys

SIZE = 32

# The standard 16-colour palette as (red, green, blue), in palette order.
STANDARD_COLOURS = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# Grid letters and the palette index each stands for.
PALETTE = {"K": 0, "N": 4, "B": 12, "G": 8, "S": 7, "W": 15}
TRANSPARENT = "."


def read_grid(path):
    with open(path, encoding="ascii") as f:
        rows = [line.rstrip("\n") for line in f]
    if len(rows) != SIZE or any(len(r) != SIZE for r in rows):
        sys.exit(f"{path}: expected {SIZE} lines of {SIZE} characters")
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c != TRANSPARENT and c not in PALETTE:
                sys.exit(f"{path}:{y + 1}:{x + 1}: unknown colour letter {c!r}")
    return rows


def image_bytes(rows):
    """The icon image: header, palette, colour bits and mask, bottom row first."""
    colour_bits = bytearray()
    mask_bits = bytearray()
    for row in reversed(rows):
        indices = [0 if c == TRANSPARENT else PALETTE[c] for c in row]
        colour_bits += bytes(hi << 4 | lo for hi, lo in zip(indices[0::2], indices[1::2]))
        mask = 0
        for c in row:
            mask = mask << 1 | (c == TRANSPARENT)
        mask_bits += mask.to_bytes(SIZE // 8, "big")  # rows are whole 32-bit words
    # The height counts the colour bits and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0,
                         len(colour_bits) + len(mask_bits), 0, 0, 0, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in STANDARD_COLOURS)
    return header + palette + bytes(colour_bits) + bytes(mask_bits)


def icon_file(rows):
    image = image_bytes(rows)
    directory = struct.pack("<HHH", 0, 1, 1)  # reserved, type icon, one image
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image),
                        len(directory) + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    with open(sys.argv[2], "wb") as f:
        f.write(icon_file(read_grid(sys.argv[1])))


if __name__ == "__main__":
    main()
