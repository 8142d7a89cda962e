#!/usr/bin/env python3
"""Builds a 16-colour Windows .bmp file from a readable text picture.

The picture is one image in the format of make_icon.py: a header line `size W H`
followed by H rows of W pixel letters, top row first, in the standard 16 colours
(no transparent or inverting pixels: a bitmap has no mask).

usage: make_bitmap.py picture.txt output.bmp
"""
import struct
import sys

from make_icon import SEE_THROUGH, pack, read_picture


def main():
    source, target = sys.argv[1:3]
    images = read_picture(source)
    if len(images) != 1 or images[0].bits != 4:
        raise SystemExit(f'{source}: a bitmap is one 16-colour image')
    image = images[0]
    if any(ch in SEE_THROUGH for row in image.rows for ch in row):
        raise SystemExit(f'{source}: a bitmap has no transparent or inverting pixels')
    pixels = b''.join(pack([image.index[ch] for ch in row], 4, image.width) for row in reversed(image.rows))
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in image.palette)
    info = struct.pack('<IiiHHIIiiII', 40, image.width, image.height, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    offset = 14 + len(info) + len(palette)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    with open(target, 'wb') as out:
        out.write(file_header + info + palette + pixels)


if __name__ == '__main__':
    main()
