#!/usr/bin/env python3
"""Rewrites a 16-bit .res file of Wine's wrc -m16 without the stray headers it writes.

wrc 8.0 writes every DIALOG twice in 16-bit mode: first a header that announces 4 bytes and is
followed by no data, then the real header with the template. Readers of the format stop at the
first one, so the stray header is dropped: usage drop_wrc16_stub_headers.py IN OUT.
"""
import sys


def read_id(data, at):
    if data[at] == 0xFF:
        return data[at:at + 3], at + 3
    end = data.index(0, at)
    return data[at:end + 1], end + 1


def header(data, at):
    """(type, name, end of header, size) of the header at `at`."""
    rtype, at = read_id(data, at)
    name, at = read_id(data, at)
    size = int.from_bytes(data[at + 2:at + 6], 'little')
    return rtype, name, at + 6, size


def main(source, target):
    data = open(source, 'rb').read()
    out = bytearray()
    at = 0
    while at < len(data):
        rtype, name, body, size = header(data, at)
        if size == 4 and body < len(data):
            next_type, next_name, _, _ = header(data, body)
            if (next_type, next_name) == (rtype, name):
                at = body  # the stray header: keep the real one that follows
                continue
        out += data[at:body + size]
        at = body + size
    open(target, 'wb').write(out)


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
