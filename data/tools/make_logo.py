#!/usr/bin/env python3
"""Draws the KM7 Config tray and window icon and writes data/modules/img/logo.ico.

The mark is a top view of a mouse in the application's accent yellow with a
dark outline, button split, palm line and scroll wheel, on a transparent
background. Shapes are signed distance functions in a unit square and are
supersampled, so every size is drawn from the same geometry instead of being
scaled from one bitmap.

The small sizes (16, 32, 48) are stored as 32-bit DIBs, which every icon
reader accepts; 256 is stored as PNG, which keeps the file small.

Only the standard library is needed:

    python3 data/tools/make_logo.py                 # rewrite logo.ico
    python3 data/tools/make_logo.py --png-dir /tmp  # also write logo-<n>.png
"""

import argparse
import math
import os
import struct
import zlib

SIZES = (16, 32, 48, 256)
PNG_MIN_SIZE = 256  # sizes from here on are stored as PNG inside the icon

ACCENT = (0xFF, 0xDD, 0x00)  # the application's accent yellow
INK = (0x1A, 0x1A, 0x1A)     # the darkest panel grey of the application

# Body: an egg-shaped capsule, narrower at the front (top) than at the palm.
# Positions are fractions of the icon size; y grows downwards.
TOP_Y, TOP_RADIUS = 0.345, 0.265
BOTTOM_Y, BOTTOM_RADIUS = 0.655, 0.295
PALM_LINE_Y = 0.43           # where the buttons end
WHEEL_Y = 0.245
WHEEL_HALF = (0.045, 0.085)  # half width, half height of the wheel


class Geometry:
    """The mark at one pixel size.

    The button split, palm line and wheel are one-colour strokes; at 16 px a
    stroke that falls between two pixel columns turns into a grey smear, so
    their centres are moved to pixel centres and their widths are odd whole
    pixel counts. The body moves with them by at most half a pixel.
    """

    def __init__(self, size):
        px = 1.0 / size
        self.size = size
        self.cx = (size // 2 + 0.5) * px
        self.groove_half = (2 * (size // 64) + 1) / 2.0 * px
        self.palm_y = (math.floor(PALM_LINE_Y * size) + 0.5) * px
        self.outline = max(1.0, size / 22.0) * px
        # Below 24 px a wheel would fill the whole front in ink; the split says enough.
        self.has_wheel = size >= 24
        self.wheel_half_x = max(1.5, math.floor(WHEEL_HALF[0] * size) + 0.5) * px
        self.wheel_half_y = max(2.5, WHEEL_HALF[1] * size) * px


def uneven_capsule(px, py, cx):
    """Signed distance to a vertical capsule whose end circles differ in size."""
    r1, r2 = TOP_RADIUS, BOTTOM_RADIUS
    # Work in a frame where the segment runs along +y from the top centre.
    x = abs(px - cx)
    y = py - TOP_Y
    h = BOTTOM_Y - TOP_Y
    b = (r1 - r2) / h
    a = math.sqrt(max(0.0, 1.0 - b * b))
    k = -x * b + y * a  # which of the three regions (top cap, side, bottom cap) the point is in
    if k < 0.0:
        return math.hypot(x, y) - r1
    if k > a * h:
        return math.hypot(x, y - h) - r2
    return x * a + y * b - r1


def rounded_box(px, py, cx, cy, hx, hy, r):
    """Signed distance to an axis-aligned box with rounded corners."""
    qx = abs(px - cx) - hx + r
    qy = abs(py - cy) - hy + r
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    inside = min(max(qx, qy), 0.0)
    return outside + inside - r


def shade(px, py, geo):
    """Colour of one sample point, or None where the background shows."""
    d = uneven_capsule(px, py, geo.cx)
    if d > 0.0:
        return None
    if d > -geo.outline:
        return INK
    hx, hy = geo.wheel_half_x, geo.wheel_half_y
    if geo.has_wheel and rounded_box(px, py, geo.cx, WHEEL_Y, hx, hy, hx) < 0.0:
        return INK
    if py < geo.palm_y and abs(px - geo.cx) < geo.groove_half:
        return INK
    if abs(py - geo.palm_y) < geo.groove_half:
        return INK
    return ACCENT


def render(size, grid=4):
    """Returns size x size RGBA pixels, rows top to bottom, supersampled grid x grid."""
    geo = Geometry(size)
    pixels = []
    samples = grid * grid
    for row in range(size):
        line = []
        for col in range(size):
            r = g = b = a = 0
            for sy in range(grid):
                for sx in range(grid):
                    px = (col + (sx + 0.5) / grid) / size
                    py = (row + (sy + 0.5) / grid) / size
                    colour = shade(px, py, geo)
                    if colour is not None:
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
                        a += 1
            if a:
                # Colour is averaged over the covered samples only (straight alpha).
                line.append((r // a, g // a, b // a, round(255 * a / samples)))
            else:
                line.append((0, 0, 0, 0))
        pixels.append(line)
    return pixels


def png_bytes(pixels):
    size = len(pixels)
    raw = bytearray()
    for line in pixels:
        raw.append(0)  # filter type None
        for r, g, b, a in line:
            raw += bytes((r, g, b, a))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def dib_bytes(pixels):
    """32-bit BGRA DIB as icons store it: doubled height, bottom-up rows, then the AND mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for line in reversed(pixels):
        for r, g, b, a in line:
            colour += bytes((b, g, r, a))
    # The AND mask marks fully transparent pixels for readers that ignore alpha.
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for line in reversed(pixels):
        bits = bytearray(stride)
        for col, (_, _, _, a) in enumerate(line):
            if a == 0:
                bits[col // 8] |= 0x80 >> (col % 8)
        mask += bits
    return header + bytes(colour) + bytes(mask)


def ico_bytes(images):
    """images: list of (size, payload). Returns the ICO container."""
    count = len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, count))
    offset = 6 + 16 * count
    payloads = bytearray()
    for size, payload in images:
        dim = 0 if size >= 256 else size  # 0 stands for 256 in the directory
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(payload), offset)
        offset += len(payload)
        payloads += payload
    return bytes(out + payloads)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default_out = os.path.join(here, "..", "modules", "img", "logo.ico")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=default_out, help="icon file to write")
    parser.add_argument("--png-dir", help="also write logo-<size>.png previews here")
    args = parser.parse_args()

    images = []
    for size in SIZES:
        pixels = render(size)
        if args.png_dir:
            with open(os.path.join(args.png_dir, "logo-%d.png" % size), "wb") as f:
                f.write(png_bytes(pixels))
        payload = png_bytes(pixels) if size >= PNG_MIN_SIZE else dib_bytes(pixels)
        images.append((size, payload))

    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    with open(args.out, "wb") as f:
        f.write(ico_bytes(images))


if __name__ == "__main__":
    main()
