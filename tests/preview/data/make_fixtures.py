#!/usr/bin/env python3
"""Makes the preview tests' fixtures. Run from this folder; needs ImageMagick and sox.

Pictures come from ImageMagick, the sound from sox, the AVI clips (RLE8, which FFmpeg reads but
cannot write) and the MIDI file from the small writers below. The tests take the icon, cursors,
animated cursor and font from the compiler tests' fixtures (tests/tools/rc/data)."""
import struct
import subprocess


def magick(*args):
    subprocess.run(["convert", *args], check=True)


def chunk(tag, data):
    return tag + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")


def rle8_frame(width, height, colour):
    rows = b""
    for _ in range(height):
        left = width
        while left:
            run = min(255, left)
            rows += bytes([run, colour])
            left -= run
        rows += b"\0\0"
    return rows[:-2] + b"\0\1"


def avi(path, width, height, frames):
    data = [rle8_frame(width, height, 1 + i % 3) for i in range(frames)]
    biggest = max(len(d) for d in data)
    avih = struct.pack("<14I", 100000, 0, 0, 0x10, frames, 0, 1, biggest, width, height, 0, 0, 0, 0)
    strh = b"vids" + b"mrle" + struct.pack("<IHHIIIIIIIIhhhh", 0, 0, 0, 0, 1, 10, 0, frames, biggest, 0, 0, 0, 0, width, height)
    palette = b"".join(struct.pack("<BBBB", (i * 37) % 256, (i * 91) % 256, (i * 53) % 256, 0) for i in range(256))
    strf = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, biggest, 0, 0, 256, 0) + palette
    hdrl = b"hdrl" + chunk(b"avih", avih) + chunk(b"LIST", b"strl" + chunk(b"strh", strh) + chunk(b"strf", strf))
    movi = b"movi" + b"".join(chunk(b"00dc", d) for d in data)
    body = b"AVI " + chunk(b"LIST", hdrl) + chunk(b"LIST", movi)
    open(path, "wb").write(b"RIFF" + struct.pack("<I", len(body)) + body)


rle = ["-type", "Palette", "-colors", "16", "-compress", "RLE"]
magick("-size", "320x120", "xc:navy", "-size", "320x120", "xc:gold", "-append", *rle, "BMP3:bmp320x240.bmp")
magick("-size", "640x240", "xc:red", "-size", "640x240", "xc:blue", "-append", *rle, "BMP3:bmp640x480.bmp")
magick("-size", "10x10", "xc:green", *rle, "BMP3:bmp10x10.bmp")
magick("-size", "1280x480", "gradient:yellow-purple", "-quality", "70", "jpeg1280x480.jpg")
magick("-size", "100x960", "gradient:white-black", "-quality", "70", "jpeg100x960.jpg")
magick("-size", "100x50", "xc:orange", "gif1frame.gif")
frames = [f"xc:rgb({20 * i},{200 - 10 * i},90)" for i in range(12)]
magick("-delay", "10", "-size", "100x100", *frames, "-loop", "0", "gif12frames.gif")
magick("-delay", "10", "-size", "640x480", *frames, "-loop", "0", "gif640x480.gif")
avi("clip640x480.avi", 640, 480, 4)
avi("clip64x48.avi", 64, 48, 3)
subprocess.run(["sox", "-n", "-r", "8000", "-b", "8", "sound.wav", "synth", "0.2", "sine", "440"], check=True)
track = bytes([0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00])
open("tune.mid", "wb").write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 96) + b"MTrk" + struct.pack(">I", len(track)) + track)
