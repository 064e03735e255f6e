#!/usr/bin/env python3
"""Checks the committed art files against what the window's layout relies on.

Sizes and 24-bit depth of every bitmap, the all-white logo, button holes only at the cut corners,
a bottom band dark enough for the white hover text, the cursor's size and hot spot, the icon sizes.
"""
import os
import struct
import sys

ART = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), 'resources', 'art')
WHITE = (255, 255, 255)
BITMAPS = {'skin.bmp': (500, 292), 'button-cancel.bmp': (58, 19), 'button-install.bmp': (60, 19),
           'button-finish.bmp': (60, 19), 'logo.bmp': (40, 40), 'check-strip.bmp': (52, 13)}
HOVER_TEXT_RECT = (20, 273, 355, 292)   # clipped to the skin
BUTTON_ROW_TOP = 271


def read_bmp(name):
    """Rows of (r, g, b), top first, from a bottom-up 24-bit BMP; fails on anything else."""
    with open(os.path.join(ART, name), 'rb') as f:
        data = f.read()
    magic, size, _, _, offset = struct.unpack('<2sIHHI', data[:14])
    header, width, height, planes, bits, compression = struct.unpack('<IiiHHI', data[14:34])
    assert magic == b'BM' and size == len(data), name + ': not a whole BMP file'
    assert (header, planes, bits, compression) == (40, 1, 24, 0), name + ': not a plain 24-bit BMP'
    assert height > 0, name + ': rows must be stored bottom-up'
    stride = (width * 3 + 3) & ~3
    assert offset + stride * height == len(data), name + ': pixel data size'
    rows = []
    for y in range(height - 1, -1, -1):
        line = data[offset + y * stride:offset + y * stride + width * 3]
        rows.append([(line[i + 2], line[i + 1], line[i]) for i in range(0, width * 3, 3)])
    return rows


def check_bitmaps(errors):
    images = {}
    for name, (width, height) in BITMAPS.items():
        rows = read_bmp(name)
        images[name] = rows
        if (len(rows[0]), len(rows)) != (width, height):
            errors.append('%s is %dx%d, wants %dx%d' % (name, len(rows[0]), len(rows), width, height))
    if any(px != WHITE for row in images['logo.bmp'] for px in row):
        errors.append('logo.bmp must be pure white everywhere, so that it is never drawn')
    for name in ('button-cancel.bmp', 'button-install.bmp', 'button-finish.bmp'):
        rows = images[name]
        for y, row in enumerate(rows):
            for x, px in enumerate(row):
                corner = min(x, len(row) - 1 - x) + min(y, len(rows) - 1 - y) < 2
                if (px == WHITE) != corner:
                    errors.append('%s: pixel (%d, %d) %s' % (
                        name, x, y, 'must be white' if corner else 'is white, a hole in the button'))
    skin = images['skin.bmp']
    left, top, right, bottom = HOVER_TEXT_RECT
    brightest = max(0.299 * r + 0.587 * g + 0.114 * b
                    for row in skin[top:bottom] for (r, g, b) in row[left:right])
    if brightest > 80:
        errors.append('skin: the hover-text band is too light for white text (%.0f)' % brightest)
    if skin[BUTTON_ROW_TOP - 3][250] == skin[100][400]:
        errors.append('skin: the band above the buttons has the panel colour')


def check_cursor(errors):
    with open(os.path.join(ART, 'hand.cur'), 'rb') as f:
        data = f.read()
    reserved, kind, count = struct.unpack('<HHH', data[:6])
    width, height, _, _, hot_x, hot_y, size, offset = struct.unpack('<BBBBHHII', data[6:22])
    if (reserved, kind, count) != (0, 2, 1) or offset + size != len(data):
        errors.append('hand.cur: not a one-image cursor file')
        return
    if (width, height, hot_x, hot_y) != (32, 32, 13, 10):
        errors.append('hand.cur: %dx%d with hot spot (%d, %d), wants 32x32 at (13, 10)' %
                      (width, height, hot_x, hot_y))
    and_mask = data[offset + 40 + 8 + 32 * 4:]
    row = and_mask[(31 - hot_y) * 4:(31 - hot_y) * 4 + 4]
    if row[hot_x // 8] >> (7 - hot_x % 8) & 1:
        errors.append('hand.cur: the hot spot is a transparent pixel')


def check_icon(errors):
    with open(os.path.join(ART, 'glimmerion.ico'), 'rb') as f:
        data = f.read()
    reserved, kind, count = struct.unpack('<HHH', data[:6])
    if (reserved, kind) != (0, 1):
        errors.append('glimmerion.ico: not an icon file')
        return
    sizes = set()
    for i in range(count):
        width, height = data[6 + 16 * i], data[7 + 16 * i]
        sizes.add((width or 256, height or 256))
    for size in (16, 32):
        if (size, size) not in sizes:
            errors.append('glimmerion.ico: no %dx%d image' % (size, size))


def main():
    errors = []
    try:
        check_bitmaps(errors)
        check_cursor(errors)
        check_icon(errors)
    except (AssertionError, OSError, struct.error) as error:
        errors.append(str(error))
    for error in errors[:20]:
        print(error)
    return 1 if errors else 0


if __name__ == '__main__':
    sys.exit(main())
