#!/usr/bin/env python3
"""Two orvane-cli add loops and a merge loop on one catalogue at once: every chip must
arrive, and each only once. The merge loop's Nth source holds the chips c1 to cN, so
each merge brings one new chip and finds the earlier ones already there.

usage: concurrent_add.py ORVANE_CLI [ROUNDS]"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile

CLI = os.path.abspath(sys.argv[1])
ROUNDS = int(sys.argv[2]) if len(sys.argv) > 2 else 40

ADD_LOOP = 'for i in $(seq 1 %d); do "$0" add "$1$i" --type 0 || echo "failed $1$i" >&2; done'
MERGE_LOOP = 'for i in $(seq 1 %d); do "$0" merge "m$i.ini" >/dev/null || echo "failed merge m$i" >&2; done'
# An I2C chip of 256 bytes, as the I2C form stores it.
SETTINGS = bytes([0x80, 0x00, 0x01, 0x11, 0x20, 0x10, 0x10, 0x08, 0xA0, 0x00, 0x10, 0x00])


def catalogue(names):
    """A catalogue file with no type names and these chips."""
    entries = b"".join(bytes([len(n)]) + n.encode() + SETTINGS for n in names)
    return struct.pack("<Hi", 0, len(names)) + entries


def main():
    work = tempfile.mkdtemp(prefix="orvane-concurrent-")
    try:
        for i in range(1, ROUNDS + 1):
            with open(os.path.join(work, "m%d.ini" % i), "wb") as f:
                f.write(catalogue(["c%d" % k for k in range(1, i + 1)]))
        loops = [subprocess.Popen(["sh", "-c", ADD_LOOP % ROUNDS, CLI, prefix], cwd=work,
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE) for prefix in ("a", "b")]
        loops.append(subprocess.Popen(["sh", "-c", MERGE_LOOP % ROUNDS, CLI], cwd=work,
                                      stdout=subprocess.PIPE, stderr=subprocess.PIPE))
        errors = b"".join(p.communicate()[1] for p in loops)
        listing = subprocess.run([CLI, "list", "--file-order"], cwd=work, capture_output=True, check=True)
        names = [line.split()[-1] for line in listing.stdout.decode().splitlines() if line.strip()]
        wanted = {"%s%d" % (p, i) for p in ("a", "b", "c") for i in range(1, ROUNDS + 1)}
        lost = wanted - set(names)
        twice = len(names) - len(set(names))
        print("%d chips added and merged by three writers at once, %d lost, %d twice" % (len(wanted), len(lost), twice))
        if errors:
            print(errors.decode(errors="replace"))
        return 1 if lost or twice or errors else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
