#!/usr/bin/env python3
"""Converts an X window dump (xwd, 24 or 32 bits per pixel, ZPixmap) read from stdin
into a PNG file, for screenshots of the Wine runs on machines without ImageMagick."""
import struct
import sys
import zlib


def main():
    data = sys.stdin.buffer.read()
    header = struct.unpack(">25I", data[:100])
    header_size, width, height = header[0], header[4], header[5]
    byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
    ncolors = header[19]
    if bits_per_pixel not in (24, 32):
        sys.exit("xwd_to_png: only 24 and 32 bits per pixel are handled")
    pixels = data[header_size + ncolors * 12:]
    step = bits_per_pixel // 8
    rows = bytearray()
    for y in range(height):
        row = pixels[y * bytes_per_line:y * bytes_per_line + width * step]
        rows.append(0)
        for x in range(0, width * step, step):
            if byte_order == 0:  # least significant byte first: B G R
                rows += bytes((row[x + 2], row[x + 1], row[x]))
            else:
                rows += bytes((row[x + step - 3], row[x + step - 2], row[x + step - 1]))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 6)) + chunk(b"IEND", b"")
    with open(sys.argv[1], "wb") as out:
        out.write(png)


if __name__ == "__main__":
    main()
