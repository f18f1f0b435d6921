#!/usr/bin/env python3
"""Packs PNG drawings into one Windows icon (.ico), each size as it is drawn.

usage: make-ico.py OUT.ico IN.png...

An .ico entry may hold a PNG as it is (Windows Vista and later read them at
every size), so the drawings go in unchanged: no scaling, no other tool.
"""
import struct
import sys


def png_size(path, data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit(f"make-ico: {path} is not a PNG")
    return struct.unpack(">II", data[16:24])


def main():
    out, pngs = sys.argv[1], sys.argv[2:]
    images = []
    for path in pngs:
        with open(path, "rb") as f:
            data = f.read()
        width, height = png_size(path, data)
        if width > 256 or height > 256:
            raise SystemExit(f"make-ico: {path} is larger than 256 pixels")
        images.append((width, height, data))
    images.sort()
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory, blobs = b"", b""
    for width, height, data in images:
        # 0 stands for 256; 32 bits per pixel, as the PNGs have alpha.
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        blobs += data
        offset += len(data)
    with open(out, "wb") as f:
        f.write(header + directory + blobs)


if __name__ == "__main__":
    main()
