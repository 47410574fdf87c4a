#!/usr/bin/env python3
"""Writes the small seed inputs of the fuzz targets into seeds/<target>/ (run from anywhere).

Each seed is a well-formed example of what the target reads, so a short fuzz run starts from
the interesting shapes instead of from nothing. The fixtures of the tests are added by
scripts/fuzz as further seed folders.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(target, name, data):
    folder = os.path.join(HERE, "seeds", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data.encode("latin-1") if isinstance(data, str) else data)


def rc_scripts():
    write("rc_parser_fuzz", "strings.rc", 'LANGUAGE 7, 1\nSTRINGTABLE DISCARDABLE\nBEGIN\n 1, "one"\n 2 + 3, L"five\\x41\\0"\n'
          ' 0x10 | 1, "a" "b"\nEND\n')
    write("rc_parser_fuzz", "data.rc", 'D RCDATA PRELOAD { 1, 2L, (3 - -1) * 2, ~0 & 0xFF, "text", L"wide" }\n'
          'E 300 MOVEABLE { 1 / 1 % 7 }\n')
    write("rc_parser_fuzz", "files.rc", '#include "defs.h"\n// comment\n/* block */\nB BITMAP "logo.bmp"\nI ICON "app.ico"\n'
          'C CURSOR "c.cur"\nA ANICURSOR "a.ani"\nF FONT "f.ttf"\n')
    write("rc_parser_fuzz", "version.rc", 'S RCDATA VERSION 3 CHARACTERISTICS 4 LANGUAGE 9, 1 BEGIN "x" END\n')


def icon():
    header = struct.pack("<IiiHHIIiiII", 40, 1, 2, 1, 32, 0, 8, 0, 0, 0, 0)
    image = header + b"\x11\x22\x33\xff" + b"\x00" * 4
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 1, 1, 0, 0, 1, 32, len(image), 22)
    write("icon_reader_fuzz", "one-image.ico", directory + image)
    cursor = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", 1, 1, 0, 0, 3, 4, len(image), 22)
    write("icon_reader_fuzz", "one-image.cur", cursor + image)


def ne_program():
    # An MZ stub whose e_lfanew points at a minimal NE header with one segment and no resources.
    mz = bytearray(64)
    mz[0:2] = b"MZ"
    struct.pack_into("<I", mz, 0x3C, 64)
    ne = bytearray(64)
    ne[0:2] = b"NE"
    struct.pack_into("<H", ne, 0x1C, 1)       # segment count
    struct.pack_into("<H", ne, 0x22, 64)      # segment table
    struct.pack_into("<H", ne, 0x24, 72)      # resource table
    struct.pack_into("<H", ne, 0x26, 72)      # resident names
    struct.pack_into("<H", ne, 0x28, 74)      # module references
    struct.pack_into("<H", ne, 0x2A, 74)      # imported names
    struct.pack_into("<H", ne, 0x32, 4)       # alignment shift
    ne[0x36] = 2                              # Windows
    segment = struct.pack("<HHHH", 10, 16, 0, 16)
    body = bytes(mz) + bytes(ne) + segment + b"\x00\x00" + b"\x00" * 6
    body += b"\x00" * (160 - len(body)) + b"\x90" * 16
    write("ne_reader_fuzz", "one-segment.exe", body)


def riff():
    anih = struct.pack("<9I", 36, 2, 2, 32, 32, 32, 1, 10, 1)
    chunk = b"anih" + struct.pack("<I", len(anih)) + anih
    write("ani_reader_fuzz", "two-frames.ani", b"RIFF" + struct.pack("<I", 4 + len(chunk)) + b"ACON" + chunk)
    avih = struct.pack("<14I", 66666, 0, 0, 0x10, 12, 0, 1, 0, 64, 48, 0, 0, 0, 0)
    hdrl = b"LIST" + struct.pack("<I", 4 + 8 + len(avih)) + b"hdrl" + b"avih" + struct.pack("<I", len(avih)) + avih
    write("avi_header_fuzz", "header.avi", b"RIFF" + struct.pack("<I", 4 + len(hdrl)) + b"AVI " + hdrl)


if __name__ == "__main__":
    rc_scripts()
    icon()
    ne_program()
    riff()
