#!/usr/bin/env python3
"""Runs orvane-cli's changing commands with one failing file-system call at a time (the
Nth open, openat, mkostemp, write, fsync, close or rename, for every N the command
reaches) and checks that the catalogue is either as it was or completely the new one,
that the exit code tells which, and that no temporary file is left behind.

usage: fault_injection.py ORVANE_CLI FAULT_SHIM"""

import os
import shutil
import subprocess
import sys
import tempfile

CLI, SHIM = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])

ERRORS = {
    "open": ["EIO", "ENOSPC", "EINTR"],
    "openat": ["EIO", "ENOSPC", "EINTR"],
    "mkostemp": ["ENOSPC", "EDQUOT", "EIO", "EINTR"],
    "write": ["ENOSPC", "EIO", "EDQUOT", "EINTR", "SHORT"],
    "fsync": ["EIO", "ENOSPC", "EDQUOT", "EINTR"],
    "close": ["EIO", "EINTR"],
    "rename": ["EIO", "ENOSPC", "EDQUOT", "EINTR"],
}
RETRIED = {"EINTR", "SHORT"}

COMMANDS = [
    ["add", "new chip", "--type", "1", "--length", "512"],
    ["edit", "24C02", "--length", "1024", "--name", "24C02 edited"],
    ["rm", "93C46"],
    ["rename-type", "0", "I2C renamed"],
    ["import", "../in.json", "--force"],
]


def run(args, cwd, env=None):
    return subprocess.run([CLI] + args, cwd=cwd, env=env, capture_output=True, timeout=60)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def main():
    root = tempfile.mkdtemp(prefix="orvane-fault-")
    stats = {"runs": 0, "faults": 0, "old_intact": 0, "new_complete": 0}
    failures = []
    per_call = {}
    try:
        seed = os.path.join(root, "seed")
        os.mkdir(seed)
        with open(os.path.join(root, "types.json"), "w") as f:
            f.write('{"format":"orvane-catalogue","version":1,"codepage":1252,'
                    '"types":["I2C","Microwire x8"],"entries":[]}')
        for args in (["import", "../types.json"], ["add", "24C02", "--type", "0"], ["add", "93C46", "--type", "1"]):
            assert run(args, seed).returncode == 0, args
        old = read(os.path.join(seed, "Progr.ini"))
        assert run(["export", "-o", "../in.json"], seed).returncode == 0
        with open(os.path.join(root, "in.json")) as f:
            exported = f.read()
        with open(os.path.join(root, "in.json"), "w") as f:
            f.write(exported.replace('"24C02"', '"24C02 imported"'))
        for command in COMMANDS:
            clean = os.path.join(root, "clean")
            shutil.copytree(seed, clean)
            assert run(command, clean).returncode == 0, command
            new = read(os.path.join(clean, "Progr.ini"))
            shutil.rmtree(clean)
            for call, errors in ERRORS.items():
                for error in errors:
                    for nth in range(1, 500):
                        work = os.path.join(root, "work")
                        shutil.copytree(seed, work)
                        report = os.path.join(root, "fired")
                        env = dict(os.environ, LD_PRELOAD=SHIM, ORVANE_FAULT_CALL=call,
                                   ORVANE_FAULT_NTH=str(nth), ORVANE_FAULT_ERROR=error,
                                   ORVANE_FAULT_REPORT=report)
                        r = run(command, work, env)
                        fired = os.path.exists(report)
                        stats["runs"] += 1
                        if fired:
                            os.unlink(report)
                            stats["faults"] += 1
                            per_call[call] = per_call.get(call, 0) + 1
                        now = read(os.path.join(work, "Progr.ini"))
                        left = sorted(n for n in os.listdir(work) if n != "Progr.ini")
                        label = "%s %s #%d %s: exit %d, %s" % (
                            command[0], call, nth, error, r.returncode, r.stderr.decode(errors="replace").strip())
                        synced = b"could not be synced" in r.stderr
                        if left:
                            failures.append(label + ": left " + " ".join(left))
                        if r.returncode == 0 and now != new:
                            failures.append(label + ": success reported but the file is not the new one")
                        elif r.returncode != 0 and now != old and not (now == new and synced):
                            failures.append(label + ": failure reported but the file changed")
                        elif fired and error in RETRIED and r.returncode != 0:
                            failures.append(label + ": an interrupted or short call was not retried")
                        if fired and now == old:
                            stats["old_intact"] += 1
                        elif fired and now == new:
                            stats["new_complete"] += 1
                        shutil.rmtree(work)
                        if not fired:
                            break
    finally:
        shutil.rmtree(root, ignore_errors=True)
    print("%(runs)d runs, %(faults)d faults injected: old file intact %(old_intact)d, "
          "new file complete %(new_complete)d" % stats)
    print("faults per call: " + ", ".join("%s %d" % item for item in sorted(per_call.items())))
    # The tool makes no openat call of its own today; it is listed so that one it
    # starts making is covered, and not required.
    missed = sorted(set(ERRORS) - set(per_call) - {"openat"})
    if missed:
        failures.append("no fault reached " + " ".join(missed))
    for f in failures:
        print("FAIL " + f)
    return 1 if failures or stats["faults"] == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
