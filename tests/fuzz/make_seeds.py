#!/usr/bin/env python3
"""Writes the small seed inputs of the fuzz targets into seeds/<target>/ (run from anywhere).

Usage: make_seeds.py [BUILD_DIR]   (default: build/ of the repository)

Each seed is a well-formed example of what the target reads, so a short fuzz run starts from
the interesting shapes instead of from nothing. The NE programs come from the test NE writer
(BUILD_DIR/tests/ne_seed_writer) and are programs that restallow-min packs; the .res files are
made by BUILD_DIR/restallow-rc from the scripts below, in both formats. Without those programs
their seeds are left as committed. The fixtures of the tests are added by scripts/fuzz as
further seed folders.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))


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


def ne_programs(build):
    writer = os.path.join(build, "tests", "ne_seed_writer")
    if not os.path.exists(writer):
        print("no %s: the NE seeds stay as committed" % writer)
        return
    folder = os.path.join(HERE, "seeds", "ne_reader_fuzz")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    subprocess.run([writer, folder], check=True)


# Scripts whose compiled forms seed the .res reader: every kind that `restallow-resdump -v` describes.
RES_SCRIPTS = {
    "dialogs": '''1 DIALOG 10, 10, 200, 100
STYLE 0x80C80000
CAPTION "Settings"
FONT 8, "MS Sans Serif"
MENU 2
BEGIN
  LTEXT "&Name:", 10, 5, 5, 40, 8
  EDITTEXT 11, 50, 5, 100, 12, 0x0080
  PUSHBUTTON "OK", 1, 40, 80, 50, 14
  CONTROL "x", 12, "msctls_progress32", 0, 5, 30, 100, 10
  COMBOBOX 13, 5, 50, 60, 40, 0x0003
END
''',
    "dialogex": '''2 DIALOGEX 0, 0, 120, 60, 77
STYLE 0x80C80000
EXSTYLE 0x00000008
CAPTION "Extended"
FONT 9, "Segoe UI", 400, 1, 1
BEGIN
  CONTROL "Check", 20, "Button", 0x00010003, 5, 5, 60, 10, 0x00000004, 99
  DEFPUSHBUTTON "OK", 1, 60, 40, 50, 14
END
''',
    "menus": '''2 MENU
BEGIN
  POPUP "&File"
  BEGIN
    MENUITEM "&Open\\tCtrl+O", 100
    MENUITEM SEPARATOR
    MENUITEM "E&xit", 101, GRAYED
  END
  MENUITEM "&Help", 102, HELP
END
''',
    "menuex": '''3 MENUEX
BEGIN
  POPUP "&View", 200, 0, 0, 5
  BEGIN
    MENUITEM "&Large", 201, 0x0200, 0x0008
  END
END
''',
    "version": '''1 VERSIONINFO
FILEVERSION 1, 2, 3, 4
PRODUCTVERSION 1, 2, 0, 0
FILEFLAGSMASK 0x3F
FILEOS 0x40004
FILETYPE 1
BEGIN
  BLOCK "StringFileInfo"
  BEGIN
    BLOCK "040904E4"
    BEGIN
      VALUE "CompanyName", "Orvel"
      VALUE "FileVersion", "1.2.3.4"
    END
  END
  BLOCK "VarFileInfo"
  BEGIN
    VALUE "Translation", 0x409, 1252
  END
END
''',
    "accelerators": '''4 ACCELERATORS
BEGIN
  "^O", 100
  "a", 101, ASCII, ALT
  65, 102, VIRTKEY, CONTROL, SHIFT
  0x70, 103, VIRTKEY, NOINVERT
END
''',
    "strings": '''STRINGTABLE
BEGIN
  1, "one"
  2, "two"
  17, "seventeen"
  400, "far away"
END
LANGUAGE 7, 1
STRINGTABLE
BEGIN
  1, "eins"
END
''',
    "data": '''NAMED RCDATA { 1, 2L, "text", L"wide" }
300 CUSTOM { "x" }
C CURSOR "mono.cur"
''',
}


def res_files(build):
    rc = os.path.join(build, "restallow-rc")
    if not os.path.exists(rc):
        print("no %s: the .res seeds stay as committed" % rc)
        return
    folder = os.path.join(HERE, "seeds", "res_reader_fuzz")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    with tempfile.TemporaryDirectory() as work:
        shutil.copy(os.path.join(REPO, "tests", "tools", "rc", "data", "mono.cur"), work)
        for name, script in RES_SCRIPTS.items():
            path = os.path.join(work, name + ".rc")
            with open(path, "w") as out:
                out.write(script)
            subprocess.run([rc, "-fo", os.path.join(folder, name + "32.res"), path], check=True)
            if name not in ("dialogex", "menuex"):  # Windows 3.x has neither
                subprocess.run([rc, "-31", "-fo", os.path.join(folder, name + "16.res"), path], check=True)


def riff():
    anih = struct.pack("<9I", 36, 2, 2, 32, 32, 32, 1, 10, 1)
    chunk = b"anih" + struct.pack("<I", len(anih)) + anih
    write("ani_reader_fuzz", "two-frames.ani", b"RIFF" + struct.pack("<I", 4 + len(chunk)) + b"ACON" + chunk)
    avih = struct.pack("<14I", 66666, 0, 0, 0x10, 12, 0, 1, 0, 64, 48, 0, 0, 0, 0)
    hdrl = b"LIST" + struct.pack("<I", 4 + 8 + len(avih)) + b"hdrl" + b"avih" + struct.pack("<I", len(avih)) + avih
    write("avi_header_fuzz", "header.avi", b"RIFF" + struct.pack("<I", 4 + len(hdrl)) + b"AVI " + hdrl)


if __name__ == "__main__":
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(REPO, "build"))
    rc_scripts()
    icon()
    ne_programs(build)
    res_files(build)
    riff()
