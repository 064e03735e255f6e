#!/usr/bin/env python3
"""Points a linked exe's load-configuration directory at its _load_config_used record, which
GNU ld 2.40 leaves unset, and recomputes the header checksum. On any failure the exe is removed,
so that the build fails and the next one links it again instead of keeping it unpatched.
Usage: set-load-config.py EXE MAP (the link's map file, which gives the record's address)."""
import os
import re
import shutil
import struct
import sys

LOAD_CONFIG_ENTRY = 10


def record_address(map_path):
    with open(map_path) as lines:
        for line in lines:
            found = re.match(r"\s+0x([0-9a-fA-F]+)\s+_?_load_config_used\s*$", line)
            if found:
                return int(found.group(1), 16)
    sys.exit(f"set-load-config: {map_path} has no _load_config_used")


def file_offset(data, pe, rva):
    count, optional_size = struct.unpack_from("<H", data, pe + 6)[0], struct.unpack_from(
        "<H", data, pe + 20)[0]
    table = pe + 24 + optional_size
    for i in range(count):
        vsize, vaddr, raw_size, raw_offset = struct.unpack_from("<IIII", data, table + 40 * i + 8)
        if vaddr <= rva < vaddr + max(vsize, raw_size):
            return raw_offset + rva - vaddr
    sys.exit(f"set-load-config: no section holds RVA {rva:#x}")


def checksum(data):
    """The PE header checksum: 16-bit words summed with end-around carry, plus the length."""
    padded = bytes(data) + b"\0" * (len(data) % 2)
    total = sum(struct.unpack(f"<{len(padded) // 2}H", padded))
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return total + len(data)


def main(exe_path, map_path):
    with open(exe_path, "rb") as exe:
        data = bytearray(exe.read())
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    optional = pe + 24
    wide = struct.unpack_from("<H", data, optional)[0] == 0x20B
    image_base = struct.unpack_from("<Q", data, optional + 24)[0] if wide else struct.unpack_from(
        "<I", data, optional + 28)[0]
    rva = record_address(map_path) - image_base
    size = struct.unpack_from("<I", data, file_offset(data, pe, rva))[0]
    directories = optional + (112 if wide else 96)
    struct.pack_into("<II", data, directories + 8 * LOAD_CONFIG_ENTRY, rva, size)
    struct.pack_into("<I", data, optional + 64, 0)
    struct.pack_into("<I", data, optional + 64, checksum(data))
    patched = exe_path + ".patched"
    with open(patched, "wb") as exe:
        exe.write(data)
    shutil.copymode(exe_path, patched)
    os.replace(patched, exe_path)


def remove(path):
    try:
        os.remove(path)
    except FileNotFoundError:
        pass


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    try:
        main(sys.argv[1], sys.argv[2])
    except BaseException:
        remove(sys.argv[1] + ".patched")
        remove(sys.argv[1])
        raise
