#!/usr/bin/env python3
"""Builds a Windows .ico file from a readable text picture.

A picture file holds one or more images, in the order the icon lists them. Each
image starts with a header line and is followed by its rows, top row first, one
character per pixel:

    image W H BPP     an image W pixels wide and H high, BPP 4 (16 colours) or
                      8 (256 colours)
    size W H          the same as `image W H 4`

Pixel characters:

    k m g o n p t s a r l y b f c w   the standard 16 colours (PALETTE below)
    .                                 transparent: the screen shows through
    ~                                 inverting: the screen shows through inverted
    any letter declared by `colour`   an extra colour, in 8-bit images only

    colour X RRGGBB   declares letter X (not a standard letter) as the colour
                      given in hex; declare it before the image that uses it.
                      A '#' after the colour starts a comment.

A 4-bit image carries the standard 16-colour palette. An 8-bit image carries 256
entries: the standard 16 first, then the declared colours in the order declared,
the rest black. Lines that are empty or start with '#' are comments, also
between an image's rows.

Transparent and inverting pixels both set the AND mask; their colour index is
black and white respectively, which Windows XORs onto the screen.

The file written is read back with a reader of its own and compared with the
picture pixel by pixel; a mismatch fails the build and removes the file.

usage: make_icon.py picture.txt output.ico
"""
import os
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
TRANSPARENT, INVERTING = '.', '~'
# The colour index a see-through pixel XORs onto the screen.
SEE_THROUGH = {TRANSPARENT: INDEX['k'], INVERTING: INDEX['w']}


class Image:
    def __init__(self, width, height, bits, colours):
        self.width, self.height, self.bits = width, height, bits
        self.palette = [rgb for _, rgb in PALETTE]
        self.index = dict(INDEX)
        if bits == 8:
            for letter, rgb in colours:
                self.index[letter] = len(self.palette)
                self.palette.append(rgb)
            self.palette += [(0, 0, 0)] * (256 - len(self.palette))
        self.rows = []


def read_picture(path):
    images, colours = [], []
    current = None

    def fail(message):
        raise SystemExit(f'{path}:{number}: {message}')

    for number, line in enumerate(open(path, encoding='utf-8'), 1):
        line = line.rstrip('\n')
        if not line or line.startswith('#'):
            continue
        if current is not None and len(current.rows) < current.height:
            if len(line) != current.width:
                fail(f'expected a row of {current.width} pixels')
            for ch in line:
                if ch not in current.index and ch not in SEE_THROUGH:
                    fail(f'unknown pixel letter {ch!r} in a {current.bits}-bit image')
            current.rows.append(line)
            continue
        words = line.split('#', 1)[0].split() if line.startswith('colour') else line.split()
        if words[0] in ('size', 'image') and len(words) == (3 if words[0] == 'size' else 4):
            width, height = int(words[1]), int(words[2])
            bits = int(words[3]) if words[0] == 'image' else 4
            if bits not in (4, 8) or not 0 < width <= 256 or not 0 < height <= 256:
                fail('an image is 1 to 256 pixels each way, 4 or 8 bits per pixel')
            current = Image(width, height, bits, colours)
            images.append(current)
        elif words[0] == 'colour' and len(words) == 3 and len(words[1]) == 1 and len(words[2]) == 6:
            letter = words[1]
            if letter in INDEX or letter in SEE_THROUGH or letter == '#' or letter in dict(colours):
                fail(f'letter {letter!r} is taken')
            if len(colours) == 256 - len(PALETTE):
                fail('more colours than an 8-bit palette holds')
            colours.append((letter, tuple(bytes.fromhex(words[2]))))
        else:
            fail(f'not a picture line: {line!r}')
    if not images:
        raise SystemExit(f'{path}: no image')
    if len(current.rows) != current.height:
        raise SystemExit(f'{path}: expected {current.height} rows of {current.width} pixels')
    return images


def row_bytes(bits, width):
    return ((width * bits + 31) // 32) * 4


def pack(values, bits, width):
    """One bottom-up DIB row: `values` packed `bits` each, high bits first, padded to 32 bits."""
    per_byte = 8 // bits
    values = values + [0] * (-len(values) % per_byte)
    packed = bytearray()
    for i in range(0, len(values), per_byte):
        byte = 0
        for v in values[i:i + per_byte]:
            byte = (byte << bits) | v
        packed.append(byte)
    return bytes(packed).ljust(row_bytes(bits, width), b'\0')


def image_data(image):
    header = struct.pack('<IiiHHIIiiII', 40, image.width, image.height * 2, 1, image.bits,
                         0, 0, 0, 0, len(image.palette), 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in image.palette)
    xor, mask = b'', b''
    for r in reversed(image.rows):  # bottom-up
        xor += pack([SEE_THROUGH[ch] if ch in SEE_THROUGH else image.index[ch] for ch in r],
                    image.bits, image.width)
        mask += pack([1 if ch in SEE_THROUGH else 0 for ch in r], 1, image.width)
    return header + palette + xor + mask


def read_dib_pixels(data, at, width, height, bits, table):
    """The XOR colours and AND bits of one icon image, rows top first, read back from
    its bytes the way Windows reads them."""
    xor_row, and_row = row_bytes(bits, width), row_bytes(1, width)
    xor_at, and_at = at + 40 + 4 * table, at + 40 + 4 * table + xor_row * height
    pixels = []
    for y in reversed(range(height)):  # stored bottom-up
        row = []
        for x in range(width):
            byte = data[xor_at + y * xor_row + x * bits // 8]
            index = (byte >> (8 - bits - x * bits % 8)) & ((1 << bits) - 1)
            b, g, r = data[at + 40 + 4 * index:at + 43 + 4 * index]
            masked = data[and_at + y * and_row + x // 8] >> (7 - x % 8) & 1
            row.append(((r, g, b), masked))
        pixels.append(row)
    return pixels


def check_icon(path, images):
    """Fails unless the .ico at path holds exactly the images, as Windows will read them."""
    data = open(path, 'rb').read()
    reserved, kind, count = struct.unpack_from('<HHH', data, 0)
    if (reserved, kind, count) != (0, 1, len(images)):
        return f'directory says {count} images of kind {kind}'
    end = 6 + 16 * count
    for n, image in enumerate(images):
        w, h, colours, _, planes, bits, size, at = struct.unpack_from('<BBBBHHII', data, 6 + 16 * n)
        if (w or 256, h or 256, planes, bits) != (image.width, image.height, 1, image.bits) or at != end:
            return f'image {n}: directory entry {w}x{h}, {bits} bits at {at}'
        header = struct.unpack_from('<IiiHHIIiiII', data, at)
        if header[:5] != (40, image.width, 2 * image.height, 1, image.bits) or header[9] not in (0, 1 << image.bits):
            return f'image {n}: bitmap header {header}'
        table = header[9] or 1 << image.bits
        if size != 40 + 4 * table + (row_bytes(image.bits, image.width) + row_bytes(1, image.width)) * image.height:
            return f'image {n}: {size} bytes'
        end += size
        pixels = read_dib_pixels(data, at, image.width, image.height, image.bits, table)
        for y, row in enumerate(image.rows):
            for x, ch in enumerate(row):
                if ch == TRANSPARENT:
                    wanted = ((0, 0, 0), 1)
                elif ch == INVERTING:
                    wanted = ((255, 255, 255), 1)
                else:
                    wanted = (image.palette[image.index[ch]], 0)
                if pixels[y][x] != wanted:
                    return f'image {n}: pixel ({x}, {y}) reads back as {pixels[y][x]}, not {wanted}'
    return None if end == len(data) else f'{len(data) - end} bytes after the last image'


def main():
    source, target = sys.argv[1:3]
    images = read_picture(source)
    blobs = [image_data(image) for image in images]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for image, data in zip(images, blobs):
        colour_count = 16 if image.bits == 4 else 0  # 0 stands for 256 or more
        directory += struct.pack('<BBBBHHII', image.width % 256, image.height % 256, colour_count,
                                 0, 1, image.bits, len(data), offset)
        offset += len(data)
    with open(target, 'wb') as out:
        out.write(directory + b''.join(blobs))
    problem = check_icon(target, images)
    if problem:
        os.remove(target)
        raise SystemExit(f'{target}: {problem}')


if __name__ == '__main__':
    main()
