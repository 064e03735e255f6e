#!/usr/bin/env python3
"""The exe make-up check fails on an installer whose new protections are taken away: each case
patches a copy of the built exe and expects the check's matching FAIL line.
Usage: make_up_faults.py CHECK_SCRIPT OBJDUMP EXE"""
import os
import struct
import subprocess
import sys
import tempfile

NO_SEH = 0x0400
LOAD_CONFIG_ENTRY = 10


def headers(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    optional = pe + 24
    wide = struct.unpack_from("<H", data, optional)[0] == 0x20B
    return pe, optional, wide


def clear_no_seh(data):
    _, optional, _ = headers(data)
    flags = struct.unpack_from("<H", data, optional + 70)[0]
    struct.pack_into("<H", data, optional + 70, flags & ~NO_SEH)


def directory_entry(data):
    _, optional, wide = headers(data)
    return optional + (112 if wide else 96) + 8 * LOAD_CONFIG_ENTRY


def drop_load_config(data):
    struct.pack_into("<II", data, directory_entry(data), 0, 0)


def clear_dependent_load_flags(data):
    pe, optional, wide = headers(data)
    rva = struct.unpack_from("<I", data, directory_entry(data))[0]
    count, optional_size = struct.unpack_from("<H", data, pe + 6)[0], struct.unpack_from(
        "<H", data, pe + 20)[0]
    for i in range(count):
        vsize, vaddr, _, raw_offset = struct.unpack_from("<IIII", data, pe + 24 + optional_size + 40 * i + 8)
        if vaddr <= rva < vaddr + vsize:
            struct.pack_into("<H", data, raw_offset + rva - vaddr + (0x4E if wide else 0x36), 0)
            return
    raise SystemExit("no section holds the load configuration record")


def import_oleacc(data):
    at = data.find(b"OLEAUT32.dll\0")
    if at < 0:
        raise SystemExit("no OLEAUT32.dll import to rename")
    data[at:at + 12] = b"OLEACC.dll\0\0"


CASES = [
    # name, patch, the FAIL line it must cause, only for 32-bit images
    ("NO_SEH flag cleared", clear_no_seh, "not marked NO_SEH", True),
    ("load configuration entry emptied", drop_load_config, "no load configuration directory", False),
    ("DependentLoadFlags cleared", clear_dependent_load_flags, "DependentLoadFlags is 0", False),
    ("a start-up import that is no KnownDLL", import_oleacc, "imports oleacc.dll", False),
]


def main(check, objdump, exe):
    with open(exe, "rb") as original:
        image = original.read()
    wide = headers(image)[2]
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
