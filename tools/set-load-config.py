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

from pe_image import LOAD_CONFIG_ENTRY, Image


def record_address(map_path):
    with open(map_path) as lines:
        for line in lines:
            found = re.match(r"\s+0x([0-9a-fA-F]+)\s+_?_load_config_used\s*$", line)
            if found:
                return int(found.group(1), 16)
    sys.exit(f"set-load-config: {map_path} has no _load_config_used")


def main(exe_path, map_path):
    with open(exe_path, "rb") as exe:
        image = Image(bytearray(exe.read()))
    rva = record_address(map_path) - image.image_base()
    offset = image.file_offset(rva)
    if offset is None:
        sys.exit(f"set-load-config: no section holds RVA {rva:#x}")
    size = image.field("<I", offset)
    struct.pack_into("<II", image.data, image.directory_entry(LOAD_CONFIG_ENTRY), rva, size)
    image.set_checksum()
    patched = exe_path + ".patched"
    with open(patched, "wb") as exe:
        exe.write(image.data)
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
