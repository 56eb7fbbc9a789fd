#!/usr/bin/env python3
# Prints the size and a digest of the pixels of each PNG named (8 bits a channel, grey, RGB or
# RGBA, not interlaced), as "WIDTHxHEIGHT SHA256" of the RGB bytes: two files print the same line
# when they hold the same picture, however each was encoded.
import hashlib
import struct
import sys
import zlib


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def rgb_rows(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG")
    at, idat, header = 8, b"", None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    channels = {0: 1, 2: 3, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace:
        raise ValueError(f"{path}: depth {depth}, colour type {colour}, interlace {interlace}")
    raw = zlib.decompress(idat)
    stride = width * channels
    previous = bytearray(stride)
    out = bytearray()
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = row[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            row[i] = (row[i] + (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]) & 0xFF
        for x in range(width):
            px = row[x * channels:(x + 1) * channels]
            out += px[:3] if channels >= 3 else px * 3
        previous = row
    return width, height, bytes(out)


for name in sys.argv[1:]:
    w, h, pixels = rgb_rows(name)
    print(f"{w}x{h} {hashlib.sha256(pixels).hexdigest()}")
