#!/usr/bin/env python3
"""Makes the generated fixtures of the compiler tests. Run from this folder.

icon_png.ico, icon.ico, mono.cur, color.cur, rle4.bmp and rgb32.bmp come from the resource
sections of Wine's user32, shell32 and comctl32 (LGPL 2.1); font.ttf is DejaVu Sans Mono Oblique
(Bitstream Vera licence). The rest is made here: GIF and JPEG by ImageMagick, the others by
the small writers below.
"""
import struct
import subprocess
import wave


def chunk(tag, data):
    pad = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + pad


def avi(path, width=8, height=4, frames=3):
    # An uncompressed 8-bit AVI: main header, one video stream, frames in a movi list.
    frame = bytes(width * height)
    avih = struct.pack("<14I", 66666, 0, 0, 0x10, frames, 0, 1, len(frame), width, height, 0, 0, 0, 0)
    strh = b"vids" + b"DIB " + struct.pack("<IHHIIIIIIIIhhhh", 0, 0, 0, 0, 1, 15, 0, frames, len(frame), 0, 0, 0, 0, width, height)
    strf = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(frame), 0, 0, 256, 0) + bytes(1024)
    hdrl = b"hdrl" + chunk(b"avih", avih) + chunk(b"LIST", b"strl" + chunk(b"strh", strh) + chunk(b"strf", strf))
    movi = b"movi" + b"".join(chunk(b"00db", frame) for _ in range(frames))
    body = b"AVI " + chunk(b"LIST", hdrl) + chunk(b"LIST", movi)
    open(path, "wb").write(b"RIFF" + struct.pack("<I", len(body)) + body)


def ani(path, images):
    # An animated cursor: anih header and the cursor files as "icon" chunks in a "fram" list.
    anih = struct.pack("<9I", 36, len(images), len(images), 0, 0, 0, 0, 10, 1)
    fram = b"fram" + b"".join(chunk(b"icon", open(i, "rb").read()) for i in images)
    body = b"ACON" + chunk(b"anih", anih) + chunk(b"LIST", fram)
    open(path, "wb").write(b"RIFF" + struct.pack("<I", len(body)) + body)


def wav(path):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(8000)
        w.writeframes(bytes((i * 7) % 256 for i in range(800)))


def midi(path):
    track = bytes([0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00])
    open(path, "wb").write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 96) + b"MTrk" + struct.pack(">I", len(track)) + track)


def fnt(path):
    """A Windows bitmap font header: version 2.0, device and face names behind it."""
    header = bytearray(160)
    struct.pack_into("<HI", header, 0, 0x200, len(header))
    header[6:15] = b"Copyright"
    struct.pack_into("<II", header, 0x65, 140, 150)
    for i in range(0x42, 0x65):
        header[i] = i
    header[140:144] = b"DEV\0"
    header[150:155] = b"Sans\0"
    open(path, "wb").write(bytes(header))


def res(path, entries):
    # A 32-bit .res: the empty first entry, then each (type, name, language, data) as written.
    def ident(value):
        if isinstance(value, int):
            return struct.pack("<HH", 0xFFFF, value)
        return value.encode("utf-16-le") + b"\0\0"

    def entry(kind, name, language, data):
        head = ident(kind) + ident(name)
        head += bytes(-len(head) % 4) + struct.pack("<IHHII", 0, 0x30, language, 0, 0)
        body = struct.pack("<II", len(data), len(head) + 8) + head + data
        return body + bytes(-len(body) % 4)

    open(path, "wb").write(entry(0, 0, 0, b"") + b"".join(entry(*e) for e in entries))


subprocess.run(["convert", "-size", "16x12", "gradient:red-blue", "pic.gif"], check=True)
subprocess.run(["convert", "-size", "20x10", "gradient:yellow-green", "-quality", "80", "pic.jpg"], check=True)
avi("clip.avi")
ani("anim.ani", ["mono.cur", "mono.cur"])
wav("sound.wav")
midi("tune.mid")
open("raw.bin", "wb").write(bytes(range(256)) * 3)
open("not_a_bitmap.bmp", "wb").write(b"GIF89a this is no bitmap")
open("truncated.ico", "wb").write(open("icon.ico", "rb").read()[:30])
fnt("small.fnt")
# Names of types and resources in both letter cases, one name under two types, numbers after
# names, several languages of one resource and data of odd lengths: the COFF directory's order.
res("coff_names.res", [("BTYPE", "Y", 0x409, b"1"), ("ATYPE", "X", 0x409, b"22"), ("ATYPE", "SAME", 0x409, b"333"),
                       ("BTYPE", "SAME", 0x407, b"4444"), ("abc", "n", 0x409, b"5"), ("ABD", "N", 0x409, b""),
                       ("AB", "aB", 0x409, b"7" * 13), (10, "ATYPE", 0x409, b"8"), (10, 3, 0x409, b"9" * 8),
                       (10, 3, 0x407, b"10"), (10, 3, 0x40C, b"11"), (3, 1, 0x409, b"\0" * 40)])
