#!/usr/bin/python3
# Reads a screenshot of the window (an X window dump, xwd) as a person looks at it: colours, the
# contrast of text against its background, whether a caption is whole, whether a face is raised.
#   screen_read.py DUMP DPI SCALE QUERY...
# Each query prints one line. Rectangles are given in twips as the design gives them,
# LEFT,TOP,WIDTH,HEIGHT[,INSET] (INSET in logical pixels, taken off every side), and are found in
# the dump through the logical DPI and the scale factor, as the program places its controls.
#   face RECT         the commonest colour, "R G B"
#   digest RECT       a digest of the pixels, to compare two parts of the window
#   contrast RECT     WCAG contrast of the pixel that stands out most against the commonest colour
#   between RECT RECT WCAG contrast between the two rectangles' commonest colours
#   whole RECT        "whole" when no text touches the rectangle's sides, else "cut"
#   raised RECT       "raised" when the top and left edges are lighter than the face, and the
#                     bottom and right darker, else what they are
#   pixels TWIPS      the device pixels of a length in twips (the DUMP may then be "-": none read)
import collections
import hashlib
import math
import re
import subprocess
import sys


def load(path):
    # ImageMagick reads the dump (its /usr/bin path: a convert elsewhere on PATH may be another).
    ppm = subprocess.run(["/usr/bin/convert", f"xwd:{path}", "-depth", "8", "ppm:-"],
                         check=True, capture_output=True).stdout
    header = re.match(rb"P6\s+(?:#.*\n)*(\d+)\s+(\d+)\s+\d+\s", ppm)
    width, height, data = int(header[1]), int(header[2]), ppm[header.end() :]

    def pixel(x, y):
        if not (0 <= x < width and 0 <= y < height):
            sys.exit(f"({x}, {y}) is outside the {width} x {height} dump")
        return tuple(data[3 * (y * width + x) : 3 * (y * width + x) + 3])

    return pixel


def luminance(rgb):
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (channel(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def main():
    path, dpi, scale = sys.argv[1], float(sys.argv[2]), float(sys.argv[3])
    pixel = load(path) if path != "-" else None

    def logical(twips):  # logical pixels, as the program rounds them
        return math.floor(twips * dpi / 1440 + 0.5)

    def rect(text):
        # Logical pixels as the program rounds them, then the device pixels wholly inside.
        left, top, width, height, *inset = (float(v) for v in text.split(","))
        inset = inset[0] if inset else 0
        edges = [logical(v) for v in (left, top, left + width, top + height)]
        x0, y0 = (math.ceil((e + inset) * scale) for e in edges[:2])
        x1, y1 = (math.floor((e - inset) * scale) for e in edges[2:])
        return x0, y0, x1, y1  # x1, y1 exclusive

    def pixels(r):
        x0, y0, x1, y1 = r
        return [pixel(x, y) for y in range(y0, y1) for x in range(x0, x1)]

    def face(r):
        return collections.Counter(pixels(r)).most_common(1)[0][0]

    args = sys.argv[4:]
    while args:
        kind, r = args[0], args[1]
        args = args[2:]
        if kind == "pixels":
            print(math.floor(logical(float(r)) * scale + 0.5))
            continue
        r = rect(r)
        if kind == "face":
            print(*face(r))
        elif kind == "digest":
            print(hashlib.sha256(repr(pixels(r)).encode()).hexdigest()[:16])
        elif kind == "contrast":
            background = face(r)
            print(f"{max(contrast(background, p) for p in pixels(r)):.2f}")
        elif kind == "between":
            other = rect(args[0])
            args = args[1:]
            print(f"{contrast(face(r), face(other)):.2f}")
        elif kind == "whole":
            # Text is whatever stands out from the face; a clipped caption runs into the sides.
            background = face(r)
            x0, y0, x1, y1 = r
            sides = [(x, y) for x in range(x0, x1) for y in (y0, y1 - 1)]
            sides += [(x, y) for y in range(y0, y1) for x in (x0, x1 - 1)]
            print("cut" if any(contrast(background, pixel(x, y)) > 1.5 for x, y in sides) else "whole")
        elif kind == "raised":
            x0, y0, x1, y1 = r
            inner = (x0 + 3, y0 + 3, x1 - 3, y1 - 3)
            middle = luminance(face(inner))
            cx, cy = (x0 + x1) // 2, (y0 + y1) // 2
            light = [luminance(pixel(cx, y0)), luminance(pixel(x0, cy))]
            dark = [luminance(pixel(cx, y1 - 1)), luminance(pixel(x1 - 1, cy))]
            if min(light) > middle > max(dark):
                print("raised")
            else:
                print(f"not raised: top, left {light}, face {middle:.3f}, bottom, right {dark}")
        else:
            sys.exit(f"unknown query {kind}")


main()
