#!/usr/bin/env python3
"""Recompresses PNG files in place (the test harness writes them with stored, uncompressed
deflate blocks). Standard library only. Usage: compact-png.py FILE.png..."""
import struct
import sys
import zlib


def chunks(data):
    at = 8
    while at < len(data):
        (length,) = struct.unpack(">I", data[at:at + 4])
        yield data[at + 4:at + 8], data[at + 8:at + 8 + length]
        at += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def compact(path):
    with open(path, "rb") as source:
        data = source.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG file")
    parts = list(chunks(data))
    pixels = zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))
    out = data[:8]
    for kind, body in parts:
        if kind == b"IDAT":
            continue
        if kind == b"IEND":
            out += chunk(b"IDAT", zlib.compress(pixels, 9))
        out += chunk(kind, body)
    with open(path, "wb") as target:
        target.write(out)


for name in sys.argv[1:]:
    compact(name)
