#!/usr/bin/python3
# Reads an X window dump (xwd) on stdin and prints the colour at X Y as "R G B".
import struct
import sys


def main():
    data = sys.stdin.buffer.read()
    x, y = int(sys.argv[1]), int(sys.argv[2])
    h = struct.unpack(">25I", data[:100])
    header_size, width, height, byte_order = h[0], h[4], h[5], h[7]
    bits_per_pixel, bytes_per_line = h[11], h[12]
    masks, ncolors = h[14:17], h[19]
    if bits_per_pixel != 32 or not (0 <= x < width and 0 <= y < height):
        sys.exit(f"unsupported dump or point: {bits_per_pixel} bpp, {width} x {height}")
    at = header_size + 12 * ncolors + y * bytes_per_line + 4 * x
    (value,) = struct.unpack("<I" if byte_order == 0 else ">I", data[at:at + 4])
    rgb = []
    for mask in masks:
        shift = (mask & -mask).bit_length() - 1
        rgb.append((value & mask) >> shift)
    print(*rgb)


main()
