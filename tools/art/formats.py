"""Byte-exact writers for 24-bit BMP, monochrome CUR, 32-bit ICO and PNG previews."""
import struct
import zlib



def _info_header(width, height, bits, image_size, colours=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size, 0, 0, colours, 0)


def bmp24(pixels):
    """pixels: rows of (r, g, b), top row first. Bottom-up rows padded to four bytes."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        body += line + bytes(stride - len(line))
    header = _info_header(width, height, 24, len(body))
    file_header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(body), 0, 0, 14 + 40)
    return file_header + header + bytes(body)


def _mask_rows(bits_rows):
    """1-bit rows (lists of 0/1, top first) packed bottom-up, each padded to four bytes."""
    out = bytearray()
    for row in reversed(bits_rows):
        line = bytearray()
        for i in range(0, len(row), 8):
            byte = 0
            for j, bit in enumerate(row[i:i + 8]):
                byte |= bit << (7 - j)
            line.append(byte)
        out += line + bytes((-len(line)) % 4)
    return bytes(out)


def cursor(images):
    """images: (rows, hot_x, hot_y) for each size; rows are strings of ' ' (transparent),
    '#' (black), '.' (white). One monochrome image each."""
    blobs = []
    for rows, _, _ in images:
        height, width = len(rows), len(rows[0])
        xor = [[1 if ch == '.' else 0 for ch in row] for row in rows]
        and_mask = [[1 if ch == ' ' else 0 for ch in row] for row in rows]
        body = _mask_rows(xor) + _mask_rows(and_mask)
        palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
        blobs.append(_info_header(width, height * 2, 1, len(body), 2) + palette + body)
    out = struct.pack('<HHH', 0, 2, len(images))
    offset = 6 + 16 * len(images)
    for (rows, hot_x, hot_y), blob in zip(images, blobs):
        out += struct.pack('<BBBBHHII', len(rows[0]), len(rows), 2, 0, hot_x, hot_y, len(blob),
                           offset)
        offset += len(blob)
    return out + b''.join(blobs)


def icon(images, png_from=256):
    """images: rows of (r, g, b, a) bytes each; each becomes a 32-bit entry with an AND mask, or
    from png_from pixels on a PNG entry (read by Windows since Vista), which is far smaller."""
    blobs = []
    for pixels in images:
        size = len(pixels)
        if size >= png_from:
            blobs.append(png(pixels))
            continue
        body = bytearray()
        for row in reversed(pixels):
            for r, g, b, a in row:
                body += bytes((b, g, r, a))
        mask = _mask_rows([[1 if a == 0 else 0 for (_, _, _, a) in row] for row in pixels])
        blobs.append(_info_header(size, size * 2, 32, len(body) + len(mask)) + bytes(body) + mask)
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for pixels, blob in zip(images, blobs):
        size = len(pixels)
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b''.join(blobs)


def _filtered(kind, line, previous, bpp):
    out = bytearray([kind])
    for i, v in enumerate(line):
        a = line[i - bpp] if i >= bpp else 0
        b = previous[i]
        c = previous[i - bpp] if i >= bpp else 0
        if kind == 0:
            p = 0
        elif kind == 1:
            p = a
        elif kind == 2:
            p = b
        elif kind == 3:
            p = (a + b) // 2
        else:
            pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
            p = a if pa <= pb and pa <= pc else b if pb <= pc else c
        out.append((v - p) & 0xFF)
    return bytes(out)


def png(pixels):
    """pixels: rows of (r, g, b) or (r, g, b, a) tuples. Each row takes the filter whose bytes
    sum smallest (as signed values), the usual heuristic for a small file."""
    channels = len(pixels[0][0])
    raw = bytearray()
    previous = bytes(len(pixels[0]) * channels)
    for row in pixels:
        line = bytes(v for px in row for v in px)
        best = min((_filtered(kind, line, previous, channels) for kind in range(5)),
                   key=lambda f: sum(b if b < 128 else 256 - b for b in f[1:]))
        raw += best
        previous = line

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))

    colour_type = 6 if channels == 4 else 2
    header = struct.pack('>IIBBBBB', len(pixels[0]), len(pixels), 8, colour_type, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))
