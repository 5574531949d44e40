#!/usr/bin/python3
# Reads an X window dump (xwd) on stdin and prints the colour at X Y as "R G B", or with W H the
# digest of that rectangle, so that two parts of a screenshot can be compared.
import hashlib
import struct
import sys


def main():
    data = sys.stdin.buffer.read()
    x, y = int(sys.argv[1]), int(sys.argv[2])
    w, h = (int(sys.argv[3]), int(sys.argv[4])) if len(sys.argv) > 4 else (1, 1)
    head = struct.unpack(">25I", data[:100])
    header_size, width, height, byte_order = head[0], head[4], head[5], head[7]
    bits_per_pixel, bytes_per_line = head[11], head[12]
    masks, ncolors = head[14:17], head[19]
    if bits_per_pixel != 32 or not (0 <= x and x + w <= width and 0 <= y and y + h <= height):
        sys.exit(f"unsupported dump or rectangle: {bits_per_pixel} bpp, {width} x {height}")
    rows = []
    for row in range(y, y + h):
        for column in range(x, x + w):
            at = header_size + 12 * ncolors + row * bytes_per_line + 4 * column
            (value,) = struct.unpack("<I" if byte_order == 0 else ">I", data[at:at + 4])
            rows.append(tuple((value & mask) >> ((mask & -mask).bit_length() - 1) for mask in masks))
    if len(sys.argv) > 4:
        print(hashlib.sha256(repr(rows).encode()).hexdigest()[:16])
    else:
        print(*rows[0])


main()
