#!/usr/bin/env python3
"""Builds a 16-colour Windows .bmp file from a readable text picture.

The picture is one image in the format of make_icon.py: a header line `size W H`
followed by H rows of W pixel letters, top row first, in the standard 16 colours
(no transparent or inverting pixels: a bitmap has no mask).

The file written is read back and compared with the picture pixel by pixel; a
mismatch fails the build and removes the file.

usage: make_bitmap.py picture.txt output.bmp
"""
import os
import struct
import sys

from make_icon import SEE_THROUGH, pack, read_picture, row_bytes


def check_bitmap(path, image):
    """Fails unless the .bmp at path shows the picture, read back the way Windows reads it."""
    data = open(path, 'rb').read()
    magic, size, _, _, offset = struct.unpack_from('<2sIHHI', data, 0)
    header = struct.unpack_from('<IiiHHIIiiII', data, 14)
    stride = row_bytes(4, image.width)
    if (magic, size, offset) != (b'BM', len(data), 14 + 40 + 64) or size != offset + stride * image.height:
        return f'file header {magic} {size} {offset}'
    if header[:6] != (40, image.width, image.height, 1, 4, 0) or header[9] not in (0, 16):
        return f'bitmap header {header}'
    for y, row in enumerate(image.rows):
        for x, ch in enumerate(row):
            byte = data[offset + (image.height - 1 - y) * stride + x // 2]
            index = byte >> 4 if x % 2 == 0 else byte & 15
            b, g, r = data[54 + 4 * index:57 + 4 * index]
            if (r, g, b) != image.palette[image.index[ch]]:
                return f'pixel ({x}, {y}) reads back as {(r, g, b)}'
    return None


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
    problem = check_bitmap(target, image)
    if problem:
        os.remove(target)
        raise SystemExit(f'{target}: {problem}')


if __name__ == '__main__':
    main()
