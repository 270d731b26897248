#!/usr/bin/env python3
"""Two orvane-cli add loops on one catalogue at once: every chip must arrive.

usage: concurrent_add.py ORVANE_CLI [ROUNDS]"""

import os
import shutil
import subprocess
import sys
import tempfile

CLI = os.path.abspath(sys.argv[1])
ROUNDS = int(sys.argv[2]) if len(sys.argv) > 2 else 40

LOOP = 'for i in $(seq 1 %d); do "$0" add "$1$i" --type 0 || echo "failed $1$i" >&2; done'


def main():
    work = tempfile.mkdtemp(prefix="orvane-concurrent-")
    try:
        loops = [subprocess.Popen(["sh", "-c", LOOP % ROUNDS, CLI, prefix], cwd=work,
                                  stdout=subprocess.PIPE, stderr=subprocess.PIPE) for prefix in ("a", "b")]
        errors = b"".join(p.communicate()[1] for p in loops)
        listing = subprocess.run([CLI, "list", "--file-order"], cwd=work, capture_output=True, check=True)
        names = set(line.split()[-1] for line in listing.stdout.decode().splitlines() if line.strip())
        wanted = {"%s%d" % (p, i) for p in ("a", "b") for i in range(1, ROUNDS + 1)}
        lost = wanted - names
        print("%d chips added by two writers at once, %d lost" % (len(wanted), len(lost)))
        if errors:
            print(errors.decode(errors="replace"))
        return 1 if lost or errors else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
