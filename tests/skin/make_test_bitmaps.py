#!/usr/bin/env python3
# Writes button.bmp, the 7 x 5 test bitmap of the skin tests: every pixel (x, y) is
# RGB(10 + x, 20 + y, 30 + 7x + y), except (1, 1), pure white, and (2, 1), 0xFEFFFF (BGR bytes).
import struct

WIDTH, HEIGHT = 7, 5


def pixel(x, y):
    if (x, y) == (1, 1):
        return (255, 255, 255)
    if (x, y) == (2, 1):
        return (0xFF, 0xFF, 0xFE)  # RGB; COLORREF 0xFEFFFF
    return (10 + x, 20 + y, 30 + 7 * x + y)


row_size = (WIDTH * 3 + 3) // 4 * 4
rows = b""
for y in reversed(range(HEIGHT)):  # bottom-up
    row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(WIDTH)))
    rows += row + b"\0" * (row_size - len(row))
header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(rows), 0, 0, 14 + len(header))
with open("button.bmp", "wb") as out:
    out.write(file_header + header + rows)
