#!/usr/bin/env python3
"""Builds a Windows .ico file from a readable text picture.

The picture file holds `size W H` and then H rows of W characters, one per pixel,
each a letter of the 16-colour palette below or '.' for a transparent pixel. The
icon gets one image, 4 bits per pixel, with the standard 16-colour palette.

usage: make_icon.py picture.txt output.ico
"""
import struct
import sys

# The standard 16-colour palette, in palette order, with the letter for each.
PALETTE = [
    ('k', (0, 0, 0)), ('m', (128, 0, 0)), ('g', (0, 128, 0)), ('o', (128, 128, 0)),
    ('n', (0, 0, 128)), ('p', (128, 0, 128)), ('t', (0, 128, 128)), ('s', (192, 192, 192)),
    ('a', (128, 128, 128)), ('r', (255, 0, 0)), ('l', (0, 255, 0)), ('y', (255, 255, 0)),
    ('b', (0, 0, 255)), ('f', (255, 0, 255)), ('c', (0, 255, 255)), ('w', (255, 255, 255)),
]
INDEX = {letter: i for i, (letter, _) in enumerate(PALETTE)}


def read_picture(path):
    rows, size = [], None
    for line in open(path, encoding='utf-8'):
        line = line.rstrip('\n')
        if not line or line.startswith('#'):
            continue
        if line.startswith('size '):
            size = tuple(int(v) for v in line.split()[1:3])
            continue
        rows.append(line)
    width, height = size
    if len(rows) != height or any(len(r) != width for r in rows):
        raise SystemExit(f'{path}: expected {height} rows of {width} pixels')
    for r in rows:
        for ch in r:
            if ch != '.' and ch not in INDEX:
                raise SystemExit(f'{path}: unknown pixel letter {ch!r}')
    return width, height, rows


def row_bytes(bits, width):
    return ((width * bits + 31) // 32) * 4


def image_data(width, height, rows):
    header = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for _, (r, g, b) in PALETTE)
    xor, mask = b'', b''
    for r in reversed(rows):  # bottom-up
        nibbles = [INDEX.get(ch, 0) for ch in r]
        line = bytes((nibbles[i] << 4) | (nibbles[i + 1] if i + 1 < width else 0) for i in range(0, width, 2))
        xor += line.ljust(row_bytes(4, width), b'\0')
        bits = 0
        packed = bytearray()
        for i, ch in enumerate(r):
            bits = (bits << 1) | (1 if ch == '.' else 0)
            if i % 8 == 7:
                packed.append(bits)
                bits = 0
        if width % 8:
            packed.append(bits << (8 - width % 8))
        mask += bytes(packed).ljust(row_bytes(1, width), b'\0')
    return header + palette + xor + mask


def main():
    source, target = sys.argv[1:3]
    width, height, rows = read_picture(source)
    data = image_data(width, height, rows)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', width % 256, height % 256, 16, 0, 1, 4, len(data), 6 + 16)
    with open(target, 'wb') as out:
        out.write(directory + entry + data)


if __name__ == '__main__':
    main()
