#!/usr/bin/env python3
"""Reads the resources back from built Windows programs and checks what Windows shows
of them: the manifest (Common Controls 6, DPI awareness, asInvoker, Windows 7 to 11),
the version information and the sizes of the icon.

usage: check_resources.py VERSION EXE...
"""
import re
import struct
import sys

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
ICON_SIZES = [16, 24, 32, 48, 64, 256]
MANIFEST_PARTS = [
    'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"',
    'level="asInvoker"',
    ">true</dpiAware>",
    ">PerMonitorV2</dpiAwareness>",
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  # Windows 7
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  # Windows 8
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  # Windows 8.1
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  # Windows 10 and 11
]


def resources(data):
    """{(type, name): bytes} of a PE file's resource tree, first language of each."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (112 if magic == 0x20B else 96)
    rsrc_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    table = optional + optional_size
    for n in range(sections):
        _, vsize, rva, _, raw = struct.unpack_from("<8sIIII", data, table + 40 * n)
        if rva <= rsrc_rva < rva + vsize:
            base = raw + rsrc_rva - rva
            delta = raw - rva
            break
    else:
        raise ValueError("no resource section")

    def entries(offset):
        named, ids = struct.unpack_from("<12xHH", data, base + offset)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", data, base + offset + 16 + 8 * i)
            yield name, target

    found = {}
    for kind, types in entries(0):
        for name, names in entries(types & 0x7FFFFFFF):
            _, leaf = next(entries(names & 0x7FFFFFFF))
            rva, size = struct.unpack_from("<II", data, base + leaf)
            found[(kind, name)] = data[rva + delta:rva + delta + size]
    return found


def check(path, version, res):
    faults = []
    manifest = res.get((RT_MANIFEST, 1), b"").decode("utf-8", "replace")
    faults += [f"manifest lacks {part}" for part in MANIFEST_PARTS if part not in manifest]
    info = res.get((RT_VERSION, 1), b"")
    fixed = info.find(struct.pack("<I", 0xFEEF04BD))
    if fixed < 0:
        faults.append("no version information")
    else:
        ms, ls = struct.unpack_from("<II", info, fixed + 8)
        shown = f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}"
        if shown != version:
            faults.append(f"file version {shown}, not {version}")
        text = info.decode("utf-16-le", "replace")
        for key, want in [("ProductName", "Orvane"), ("FileVersion", version), ("ProductVersion", version),
                          ("FileDescription", "Orvane"), ("LegalCopyright", "Copyright"),
                          ("OriginalFilename", path.rsplit("/", 1)[-1])]:
            if not re.search(re.escape(key) + r"\x00+" + re.escape(want), text):
                faults.append(f"version information lacks {key} {want}")
    group = res.get((RT_GROUP_ICON, 128), b"")
    count = struct.unpack_from("<H", group, 4)[0] if len(group) >= 6 else 0
    sizes = []
    for n in range(count):
        width, _, _, _, _, bits, _, ident = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * n)
        size = width or 256
        image = res.get((RT_ICON, ident), b"")
        # The image itself says its size: a bitmap header of double height, or a PNG.
        if image[:8] == b"\x89PNG\r\n\x1a\n":
            real = struct.unpack_from(">I", image, 16)[0]
        else:
            real = struct.unpack_from("<i", image, 4)[0] if len(image) >= 8 else -1
        if real != size or bits != 32:
            faults.append(f"icon image of {size} px holds {real} px at {bits} bits")
        sizes.append(size)
    if sorted(sizes) != ICON_SIZES:
        faults.append(f"icon 128 has sizes {sorted(sizes)}, not {ICON_SIZES}")
    return faults


def main():
    version, exes = sys.argv[1], sys.argv[2:]
    failed = False
    for path in exes:
        with open(path, "rb") as f:
            faults = check(path, version, resources(f.read()))
        for fault in faults:
            print(f"FAIL: {path}: {fault}")
        failed |= bool(faults)
        if not faults:
            print(f"{path}: manifest, version {version} and icon sizes {ICON_SIZES}")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
