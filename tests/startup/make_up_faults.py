#!/usr/bin/env python3
"""The exe make-up check fails on an installer whose new protections are taken away: each case
patches a copy of the built exe and expects the check's matching FAIL line.
Usage: make_up_faults.py CHECK_SCRIPT OBJDUMP EXE"""
import os
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from pe_image import LOAD_CONFIG_ENTRY, Image  # noqa: E402

NO_SEH = 0x0400
DLL_CHARACTERISTICS = 70  # from the optional header's start


def clear_no_seh(data):
    image = Image(data)
    flags = image.field("<H", image.optional + DLL_CHARACTERISTICS)
    struct.pack_into("<H", data, image.optional + DLL_CHARACTERISTICS, flags & ~NO_SEH)


def drop_load_config(data):
    struct.pack_into("<II", data, Image(data).directory_entry(LOAD_CONFIG_ENTRY), 0, 0)


def clear_dependent_load_flags(data):
    image = Image(data)
    rva = image.field("<I", image.directory_entry(LOAD_CONFIG_ENTRY))
    offset = image.file_offset(rva)
    if offset is None:
        raise SystemExit("no section holds the load configuration record")
    struct.pack_into("<H", data, offset + image.dependent_load_flags_offset(), 0)


def import_oleacc(data):
    at = data.find(b"OLEAUT32.dll\0")
    if at < 0:
        raise SystemExit("no OLEAUT32.dll import to rename")
    data[at:at + 12] = b"OLEACC.dll\0\0"


def writable_rdata(data):
    image = Image(data)
    table = image.optional + image.field("<H", image.pe + 20)
    names = [name for name, *_ in image.sections()]
    flags_at = table + 40 * names.index(".rdata") + 36
    struct.pack_into("<I", data, flags_at, image.field("<I", flags_at) | 0x80000000)


CASES = [
    # name, patch, the FAIL line it must cause, only for 32-bit images
    ("NO_SEH flag cleared", clear_no_seh, "not marked NO_SEH", True),
    ("load configuration entry emptied", drop_load_config, "no load configuration directory", False),
    ("DependentLoadFlags cleared", clear_dependent_load_flags, "DependentLoadFlags is 0", False),
    ("a start-up import that is no KnownDLL", import_oleacc, "imports oleacc.dll", False),
    ("writable data beside the imports and resources", writable_rdata,
     "writable data the uninstaller's copy cannot be checked in", False),
]


def main(check, objdump, exe):
    with open(exe, "rb") as original:
        image = original.read()
    wide = Image(image).wide
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        for name, patch, expected, only_32_bit in CASES:
            if only_32_bit and wide:
                print(f"skipped: {name} (checked on 32-bit images only)")
                continue
            data = bytearray(image)
            patch(data)
            copy = os.path.join(folder, "patched.exe")
            with open(copy, "wb") as out:
                out.write(data)
            run = subprocess.run([check, objdump, copy], capture_output=True, text=True)
            if run.returncode != 0 and f"FAIL: {expected}" in run.stdout:
                print(f"ok: {name}")
            else:
                failures += 1
                print(f"FAILED: {name}: exit {run.returncode}, output:\n{run.stdout}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
