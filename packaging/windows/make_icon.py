#!/usr/bin/env python3
"""Writes the Windows icon file from the PNG renderings of the Linux icon.

usage: make_icon.py OUT.ico ICONS_DIR

Each size of ICONS_DIR/NxN/io.github.orvane.Orvane.png becomes one image of the
icon. The sizes up to 64 are stored as 32-bit bitmaps with an AND mask, which every
Windows since 7 reads; 256 is stored as the PNG itself, as Windows' own icons do.
"""
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 64, 256)
NAME = "io.github.orvane.Orvane.png"


def png_rgba(data, path):
    """Decodes an 8-bit RGBA, non-interlaced PNG into rows of bytes."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG file")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    if header is None or header[2:5] != (8, 6, 0) or header[6] != 0:
        sys.exit(f"{path}: only 8-bit RGBA PNGs without interlacing are read")
    width, height = header[:2]
    raw, stride, rows = zlib.decompress(idat), width * 4, []
    prior = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for x in range(stride):
            a = line[x - 4] if x >= 4 else 0
            b = prior[x]
            c = prior[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + a) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + b) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else b if pb <= pc else c
                line[x] = (line[x] + pred) & 0xFF
            elif kind != 0:
                sys.exit(f"{path}: unknown PNG row filter {kind}")
        rows.append(bytes(line))
        prior = line
    return width, height, rows


def bitmap_entry(width, height, rows):
    """A 32-bit icon image: header of double height, BGRA rows and the AND mask,
    both bottom row first."""
    mask_stride = (width + 31) // 32 * 4
    colour, mask = b"", b""
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x in range(width):
            r, g, b, a = row[x * 4:x * 4 + 4]
            colour += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_icon.py OUT.ico ICONS_DIR")
    out, icons = sys.argv[1], sys.argv[2]
    images = []
    for size in SIZES:
        path = f"{icons}/{size}x{size}/{NAME}"
        with open(path, "rb") as f:
            data = f.read()
        width, height, rows = png_rgba(data, path)
        if (width, height) != (size, size):
            sys.exit(f"{path}: {width}x{height}, not {size}x{size}")
        images.append((size, data if size == 256 else bitmap_entry(width, height, rows)))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, body in images:
        # Width and height 0 stand for 256 in an icon directory.
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(body), offset)
        offset += len(body)
    with open(out, "wb") as f:
        f.write(directory + b"".join(body for _, body in images))


if __name__ == "__main__":
    main()
