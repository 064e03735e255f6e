#!/usr/bin/env python3
"""The post-link step fails and leaves no exe behind when it cannot patch the exe: each case hands
it a copy of the built installer with a map or an image it cannot use.
Usage: load_config_step_faults.py SET_LOAD_CONFIG EXE"""
import os
import shutil
import subprocess
import sys
import tempfile

CASES = [
    # name, map text, how many bytes of the exe to keep (None: all)
    ("map without the record", "", None),
    ("image cut after its headers", "  0x00401000  __load_config_used\n", 1024),
]


def main(step, exe):
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        for name, map_text, keep in CASES:
            copy, map_path = os.path.join(folder, "setup.exe"), os.path.join(folder, "setup.map")
            shutil.copyfile(exe, copy)
            if keep is not None:
                os.truncate(copy, keep)
            with open(map_path, "w") as out:
                out.write(map_text)
            run = subprocess.run([sys.executable, step, copy, map_path], capture_output=True)
            left = sorted(os.listdir(folder))
            if run.returncode != 0 and left == ["setup.map"]:
                print(f"ok: {name}")
            else:
                failures += 1
                print(f"FAILED: {name}: exit {run.returncode}, left {left}")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
