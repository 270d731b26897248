#!/usr/bin/env python3
"""Writes a catalogue file of N chips in the editor's own layout, for the CLI benchmarks.

Usage: gen_catalog.py N OUTPUT [SEED]

Names are distinct, the chips are what the forms store (I2C and the three Microwire
variants with their default pins and a spread of lengths), so check finds nothing and
the time goes into loading, checking and printing.
"""
import random
import struct
import sys


def pstring(data):
    n = len(data)
    if n < 0xFF:
        return bytes([n]) + data
    if n < 0xFFFE:
        return b"\xff" + struct.pack("<H", n) + data
    return b"\xff\xff\xff" + struct.pack("<I", n) + data


def i2c(length, pins):
    fmt = 1 if length < 256 else (0x11 if length <= 2048 else 0)
    return bytes([pins, length & 0xFF, length >> 8, fmt, 0x20, 0x10, 0x10, 8,
                  0xA0 + (pins & 7), 0, 0x10, 0])


def microwire(length, pins, kind, bits):
    return bytes([pins, length & 0xFF, length >> 8, bits, 2, 8, 4, 1, 0, 8, 8, kind])


def main():
    count = int(sys.argv[1])
    out = sys.argv[2]
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
    types = [b"I2C", b"Microwire 93C46", b"Microwire 93C56", b"Microwire 93C66"]
    parts = [struct.pack("<H", len(types))] + [pstring(t) for t in types]
    parts.append(struct.pack("<i", count))
    letters = b"ABCDEFGHJKLMNPRSTUVWXYZabcdefghijkmnopqrstuvwxyz"
    for i in range(count):
        prefix = bytes(rng.choice(letters) for _ in range(rng.randint(2, 6)))
        name = prefix + b"-%07d" % i
        kind = rng.randint(0, 3)
        length = rng.choice([128, 256, 512, 1024, 2048, 4096, 8192, 65535])
        pins = 0x80 | rng.randint(0, 7)
        settings = i2c(length, pins) if kind == 0 else microwire(length, pins, kind, rng.randint(6, 16))
        parts.append(pstring(name) + settings)
    with open(out, "wb") as f:
        f.write(b"".join(parts))


if __name__ == "__main__":
    main()
