#!/usr/bin/env python3
"""Packs the game's PNG icons into one Windows .ico: each size kept as its PNG, as Windows
has read them inside icons since Vista. Usage: icon.py OUT.ico ICON.png..."""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit("not a PNG")
    return struct.unpack(">II", data[16:24])


def main():
    out, pictures = sys.argv[1], [open(path, "rb").read() for path in sys.argv[2:]]
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries, bodies = b"", b""
    for data in sorted(pictures, key=lambda picture: png_size(picture)[0]):
        width, height = png_size(data)
        # A side of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        bodies += data
        offset += len(data)
    with open(out, "wb") as file:
        file.write(header + entries + bodies)


main()
