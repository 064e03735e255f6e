#!/usr/bin/env python3
"""Splits a PE exe's bytes into resources (payload, bitmaps, the rest) and the engine (code,
data, headers), and prints them as BENCH rows. Usage: exe_size.py FILE.exe"""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from pe_image import Image  # noqa: E402

PAYLOAD_TYPE = 3000
BITMAP_TYPE = 2
ENGINE_TARGET = 32 * 1024
REFERENCE_STUB = 38912  # the stub of the best-known size-conscious installer engine


def resource_bytes_by_type(data, rsrc_rva, rsrc_offset):
    """Sums the data entries under each top-level resource type."""
    def directory(offset):
        named, ids = struct.unpack_from("<HH", data, rsrc_offset + offset + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", data, rsrc_offset + offset + 16 + 8 * i)
            yield name, target

    def leaf_sizes(target):
        if target & 0x80000000:
            for _, child in directory(target & 0x7FFFFFFF):
                yield from leaf_sizes(child)
        else:
            yield struct.unpack_from("<I", data, rsrc_offset + target + 4)[0]

    totals = {}
    for name, target in directory(0):
        key = name if not name & 0x80000000 else "named"
        totals[key] = totals.get(key, 0) + sum(leaf_sizes(target))
    return totals


def row(name, size, cost=""):
    print(f"BENCH|{name}|{size:,} bytes|-|{cost}")


def main(path):
    data = open(path, "rb").read()
    total = len(data)
    sections = list(Image(data).sections())

    rsrc = next((s for s in sections if s[0] == ".rsrc"), None)
    by_type = resource_bytes_by_type(data, rsrc[2], rsrc[4]) if rsrc else {}
    payload = by_type.get(PAYLOAD_TYPE, 0)
    bitmaps = by_type.get(BITMAP_TYPE, 0)
    resources = rsrc[3] if rsrc else 0
    engine = total - resources
    engine_parts = ", ".join(f"{name} {raw:,}" for name, _, _, raw, _ in sections
                             if name != ".rsrc" and raw)
    headers = total - sum(s[3] for s in sections)

    def share(size):
        return f"{100.0 * size / total:.1f}% of the exe"

    row("size: installer exe", total)
    row("size: resources: payload (type 3000)", payload, share(payload))
    row("size: resources: bitmaps", bitmaps, share(bitmaps))
    row("size: resources: the rest", resources - payload - bitmaps,
        "dialog, icons, cursor, manifest, version, directory")
    row("size: engine (code, data, headers)", engine,
        f"{engine / ENGINE_TARGET:.0%} of 32 KB target; {REFERENCE_STUB:,}-byte reference stub")
    row("size: engine sections", engine, f"headers {headers:,}, {engine_parts}")


if __name__ == "__main__":
    main(sys.argv[1])
