#!/usr/bin/env python3
"""Writes the two large files of bench/preview_memory_bench.sh into the folder given:
big.avi, a raw (uncompressed 24-bit) AVI clip of about 300 MB, 1280 x 720 at 25 frames a second,
with its index; and big.ani, an animated cursor of 40 PNG frames of 4000 x 4000 pixels with soft
edges (about 3 MB, since the frames compress well), at 6 jiffies a frame; and big.bmp, a 24-bit
bitmap of 9000 x 8000 pixels (216 MB), beyond what Qt's own reader accepts."""
import struct
import sys
import zlib

folder = sys.argv[1]


def chunk(tag, data):
    return tag + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")


def avi(path, width, height, frames):
    size = width * height * 3
    avih = struct.pack("<14I", 40000, size * 25, 0, 0x10, frames, 0, 1, size, width, height, 0, 0, 0, 0)
    strh = b"vids" + b"DIB " + struct.pack("<IHHIIIIIIIIhhhh", 0, 0, 0, 0, 1, 25, 0, frames, size, 0, 0, 0, 0, width, height)
    strf = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, size, 0, 0, 0, 0)
    hdrl = b"hdrl" + chunk(b"avih", avih) + chunk(b"LIST", b"strl" + chunk(b"strh", strh) + chunk(b"strf", strf))
    movi_size = 4 + frames * (8 + size)
    index = b"".join(b"00db" + struct.pack("<III", 0x10, 4 + i * (8 + size), size) for i in range(frames))
    body_size = 4 + 8 + len(hdrl) + 8 + movi_size + 8 + len(index)
    with open(path, "wb") as out:
        out.write(b"RIFF" + struct.pack("<I", body_size) + b"AVI " + chunk(b"LIST", hdrl))
        out.write(b"LIST" + struct.pack("<I", movi_size) + b"movi")
        row = bytes(range(256)) * (width * 3 // 256 + 1)
        for i in range(frames):
            frame = bytearray(row[i % 256:i % 256 + width * 3] * height)
            out.write(b"00db" + struct.pack("<I", size) + frame)
        out.write(chunk(b"idx1", index))


def png(width, height):
    # A green square on transparency with a soft band at its left edge.
    rows = []
    clear = b"\0\0\0\0" * (width // 4)
    for y in range(height):
        if height // 4 <= y < 3 * height // 4:
            soft = b"".join(bytes((0, 160, 0, 4 * x)) for x in range(64))
            solid = bytes((0, 160, 0, 255)) * (width // 2 - 64)
            rows.append(b"\0" + clear + soft + solid + clear)
        else:
            rows.append(b"\0" + b"\0\0\0\0" * width)
    def pngchunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))
    return (b"\x89PNG\r\n\x1a\n" + pngchunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)) +
            pngchunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + pngchunk(b"IEND", b""))


def ani(path, frames):
    image = png(4000, 4000)
    icon = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", 0, 0, 0, 0, 16, 16, len(image), 22) + image
    anih = struct.pack("<9I", 36, frames, frames, 0, 0, 0, 0, 6, 1)
    fram = b"fram" + b"".join(chunk(b"icon", icon) for _ in range(frames))
    body = b"ACON" + chunk(b"anih", anih) + chunk(b"LIST", fram)
    open(path, "wb").write(b"RIFF" + struct.pack("<I", len(body)) + body)


avi(f"{folder}/big.avi", 1280, 720, 109)
ani(f"{folder}/big.ani", 40)
with open(f"{folder}/big.bmp", "wb") as out:
    stride = 9000 * 3
    out.write(b"BM" + struct.pack("<IHHI", 54 + stride * 8000, 0, 0, 54))
    out.write(struct.pack("<IiiHHIIiiII", 40, 9000, 8000, 1, 24, 0, stride * 8000, 2835, 2835, 0, 0))
    row = bytes((x * 7) & 0xFF for x in range(stride))
    for _ in range(8000):
        out.write(row)
