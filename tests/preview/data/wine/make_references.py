#!/usr/bin/env python3
"""Reference decodes of the Wine icons and cursors in this folder, written independently of the
program's readers. Run from this folder; needs only Python 3.

The icons and cursors come from the resource sections of Wine's user32 and shell32 DLLs (Wine is
LGPL 2.1), copied from the team's shared fixtures. For each file this picks the image Windows
picks for the 32 x 32 system size on a 32-bit display (the closest size not above 32, then the
display's depth, else the deepest below it), takes the image's size from its own header, draws it
at 32 x 32 over the colour BACKGROUND (where the AND mask lets the screen through, black is
transparent and any other colour inverts the screen) and writes NAME.ref.png, plus chosen.txt
with the index and the image's own size."""
import glob
import struct
import zlib

BACKGROUND = (0x33, 0x66, 0x99)
SIZE = 32


def png(path, width, height, rgba):
    raw = b"".join(b"\0" + bytes(rgba[y * width * 4:(y + 1) * width * 4]) for y in range(height))
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    open(path, "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def images(data):
    count = struct.unpack_from("<H", data, 4)[0]
    found = []
    for i in range(count):
        size, offset = struct.unpack_from("<II", data, 6 + 16 * i + 8)
        img = data[offset:offset + size]
        if img[:8] == b"\x89PNG\r\n\x1a\n":
            w, h = struct.unpack_from(">II", img, 16)
            found.append((i, w, h, 32, img))
        else:
            _, w, h, _, bits = struct.unpack_from("<IiiHH", img, 0)
            found.append((i, w, abs(h) // 2, bits, img))
    return found


def choose(found):
    fitting = [f for f in found if f[1] <= SIZE and f[2] <= SIZE]
    if fitting:
        best = max(fitting, key=lambda f: f[1] * f[2])
    else:
        best = min(found, key=lambda f: f[1] * f[2])
    same = [f for f in found if (f[1], f[2]) == (best[1], best[2])]
    exact = [f for f in same if f[3] == 32]
    if exact:
        return exact[0]
    below = [f for f in same if f[3] < 32]
    if below:
        return max(below, key=lambda f: f[3])
    return min(same, key=lambda f: f[3])


def draw(image):
    _, w, h, bits, img = image
    header = struct.unpack_from("<I", img, 0)[0]
    colours = struct.unpack_from("<I", img, 32)[0] or (1 << bits if bits <= 8 else 0)
    palette = [tuple(img[header + 4 * k:header + 4 * k + 3][::-1]) for k in range(colours)]
    pixels_at = header + 4 * colours
    stride = (w * bits + 31) // 32 * 4
    mask_at = pixels_at + stride * h
    mask_stride = (w + 31) // 32 * 4
    use_alpha = bits == 32 and any(img[pixels_at + y * stride + x * 4 + 3] for y in range(h) for x in range(w))
    out = [[None] * w for _ in range(h)]
    for row in range(h):
        y = h - 1 - row
        line = img[pixels_at + row * stride:]
        for x in range(w):
            if bits == 32:
                b, g, r, a = line[x * 4:x * 4 + 4]
            elif bits == 24:
                b, g, r = line[x * 3:x * 3 + 3]
                a = 255
            else:
                per = 8 // bits
                index = (line[x // per] >> ((per - 1 - x % per) * bits)) & ((1 << bits) - 1)
                r, g, b = palette[index] if index < len(palette) else (0, 0, 0)
                a = 255
            if not use_alpha:
                screen = (img[mask_at + row * mask_stride + x // 8] >> (7 - x % 8)) & 1
                if not screen:
                    a = 255
                elif (r, g, b) == (0, 0, 0):
                    a = 0
                else:
                    r, g, b, a = r ^ BACKGROUND[0], g ^ BACKGROUND[1], b ^ BACKGROUND[2], 255
            out[y][x] = (r, g, b, a) if a else (0, 0, 0, 0)
    rgba = []
    for y in range(SIZE):
        for x in range(SIZE):
            rgba += out[y * h // SIZE][x * w // SIZE]  # the chosen images here are 32 x 32 themselves
    return rgba


lines = []
for name in sorted(glob.glob("*.ico") + glob.glob("*.cur")):
    chosen = choose(images(open(name, "rb").read()))
    png(name + ".ref.png", SIZE, SIZE, draw(chosen))
    lines.append(f"{name} {chosen[0]} {chosen[1]}x{chosen[2]} {chosen[3]}")
open("chosen.txt", "w").write("\n".join(lines) + "\n")
