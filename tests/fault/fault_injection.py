#!/usr/bin/env python3
"""Runs orvane-cli's changing commands with one failing file-system call at a time (the
Nth open, openat, mkostemp, write, ftruncate, fsync, close or rename, for every N the
command reaches) and checks that the catalogue is either as it was or completely the
new one, that the exit code tells which, and that no temporary file is left behind.
It does so for a replace, and for the two saves in place: a file with a second name
(hard link), and a folder that refuses new files. There the second name must see the
same bytes, the message of a failure must say the old catalogue is intact, and the
copy of the old bytes in the temporary folder must be gone afterwards.

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
    "ftruncate": ["EIO", "ENOSPC", "EINTR"],
    "fsync": ["EIO", "ENOSPC", "EDQUOT", "EINTR"],
    "close": ["EIO", "EINTR"],
    "rename": ["EIO", "ENOSPC", "EDQUOT", "EINTR"],
}
RETRIED = {"EINTR", "SHORT"}
# Calls a replace never makes; only a save in place truncates.
IN_PLACE_ONLY = {"ftruncate"}

# How the work folder is made to need a save in place: by a second name of the file,
# or by the shim's folder that refuses new files (root ignores a read-only folder).
SCENARIOS = {
    "replace": {},
    "hard link": {"link": True},
    "folder refuses": {"env": {"ORVANE_FAULT_DENY_DIR": "."}},
}

COMMANDS = [
    ["add", "new chip", "--type", "1", "--length", "512"],
    ["edit", "24C02", "--length", "1024", "--name", "24C02 edited"],
    ["rm", "93C46"],
    ["rename-type", "0", "I2C renamed"],
    ["import", "../in.json", "--force"],
    ["merge", "../from.ini"],
]


def run(args, cwd, env=None):
    return subprocess.run([CLI] + args, cwd=cwd, env=env, capture_output=True, timeout=60)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def check_run(label, r, work, tmp, old, new, error, fired, scenario, stats, failures):
    """Checks one run's catalogue, exit code, message and leftovers; counts the outcome."""
    now = read(os.path.join(work, "Progr.ini"))
    stderr = r.stderr.decode(errors="replace")
    label = "%s: exit %d, %s" % (label, r.returncode, stderr.strip())
    synced = "could not be synced" in stderr
    left = sorted(n for n in os.listdir(work) if n not in ("Progr.ini", "other.ini"))
    if left or os.listdir(tmp):
        failures.append(label + ": left " + " ".join(left + os.listdir(tmp)))
    if scenario.get("link"):
        if read(os.path.join(work, "other.ini")) != now or os.stat(os.path.join(work, "other.ini")).st_nlink != 2:
            failures.append(label + ": the second name no longer shares the file")
    if r.returncode == 0 and now != new:
        failures.append(label + ": success reported but the file is not the new one")
    elif r.returncode != 0 and now != old and not (now == new and synced):
        failures.append(label + ": failure reported but the file changed")
    elif fired and error in RETRIED and r.returncode != 0:
        failures.append(label + ": an interrupted or short call was not retried")
    elif r.returncode != 0 and " while " in stderr and "the old catalogue" not in stderr:
        failures.append(label + ": a failure in place does not say what became of the old catalogue")
    if fired and r.returncode != 0 and " while " in stderr:
        stats["messages"].add(stderr.strip())
    if fired and now == old:
        stats["old_intact"] += 1
        if "written back and is intact" in stderr:
            stats["written_back"] += 1
    elif fired and now == new:
        stats["new_complete"] += 1


def run_scenario(name, scenario, root, seed, stats, failures, per_call):
    """Every command, call, error and N over one way of saving."""
    tmp = os.path.join(root, "tmp")
    os.makedirs(tmp, exist_ok=True)
    base_env = dict(os.environ, TMPDIR=tmp, **scenario.get("env", {}))
    old = read(os.path.join(seed, "Progr.ini"))
    for command in COMMANDS:
        clean = os.path.join(root, "clean")
        shutil.copytree(seed, clean)
        assert run(command, clean).returncode == 0, command
        new = read(os.path.join(clean, "Progr.ini"))
        shutil.rmtree(clean)
        for call, errors in ERRORS.items():
            if call in IN_PLACE_ONLY and name == "replace":
                continue
            for error in errors:
                for nth in range(1, 500):
                    work = os.path.join(root, "work")
                    shutil.copytree(seed, work)
                    if scenario.get("link"):
                        os.link(os.path.join(work, "Progr.ini"), os.path.join(work, "other.ini"))
                    report = os.path.join(root, "fired")
                    env = dict(base_env, LD_PRELOAD=SHIM, ORVANE_FAULT_CALL=call, ORVANE_FAULT_NTH=str(nth),
                               ORVANE_FAULT_ERROR=error, ORVANE_FAULT_REPORT=report)
                    r = run(command, work, env)
                    fired = os.path.exists(report)
                    stats["runs"] += 1
                    if fired:
                        os.unlink(report)
                        stats["faults"] += 1
                        per_call[(name, call)] = per_call.get((name, call), 0) + 1
                    label = "%s, %s %s #%d %s" % (name, command[0], call, nth, error)
                    check_run(label, r, work, tmp, old, new, error, fired, scenario, stats, failures)
                    for n in os.listdir(tmp):
                        os.unlink(os.path.join(tmp, n))
                    shutil.rmtree(work)
                    if not fired:
                        break


def main():
    root = tempfile.mkdtemp(prefix="orvane-fault-")
    failures = []
    per_call = {}
    results = []
    try:
        seed = os.path.join(root, "seed")
        os.mkdir(seed)
        with open(os.path.join(root, "types.json"), "w") as f:
            f.write('{"format":"orvane-catalogue","version":1,"codepage":1252,'
                    '"types":["I2C","Microwire x8"],"entries":[]}')
        for args in (["import", "../types.json"], ["add", "24C02", "--type", "0"], ["add", "93C46", "--type", "1"]):
            assert run(args, seed).returncode == 0, args
        assert run(["export", "-o", "../in.json"], seed).returncode == 0
        with open(os.path.join(root, "in.json")) as f:
            exported = f.read()
        with open(os.path.join(root, "in.json"), "w") as f:
            f.write(exported.replace('"24C02"', '"24C02 imported"'))
        # A source with the seed's chips and one more, which a merge brings.
        shutil.copy(os.path.join(seed, "Progr.ini"), os.path.join(root, "from.ini"))
        assert run(["-f", "../from.ini", "add", "merged", "--type", "0"], seed).returncode == 0
        for name, scenario in SCENARIOS.items():
            stats = {"runs": 0, "faults": 0, "old_intact": 0, "written_back": 0, "new_complete": 0,
                     "messages": set()}
            run_scenario(name, scenario, root, seed, stats, failures, per_call)
            results.append((name, stats))
    finally:
        shutil.rmtree(root, ignore_errors=True)
    for name, stats in results:
        print(("%s: %%(runs)d runs, %%(faults)d faults injected: old file intact %%(old_intact)d "
               "(written back %%(written_back)d), new file complete %%(new_complete)d" % name) % stats)
        for message in sorted(stats["messages"]):
            print("  " + message)
        if stats["faults"] == 0:
            failures.append(name + ": no fault was injected")
    for name in SCENARIOS:
        counts = {call: n for (s, call), n in per_call.items() if s == name}
        print("%s, faults per call: %s" % (name, ", ".join("%s %d" % item for item in sorted(counts.items()))))
        # The tool makes no openat call of its own today; it is listed so that one it
        # starts making is covered, and not required.
        missed = sorted(set(ERRORS) - set(counts) - {"openat"} - (IN_PLACE_ONLY if name == "replace" else set())
                        - ({"rename"} if name != "replace" else set()))
        if missed:
            failures.append("%s: no fault reached %s" % (name, " ".join(missed)))
    for f in failures:
        print("FAIL " + f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
