#!/usr/bin/env python3
"""Writes a tiny TrueType font (a triangle for 'A', a square with a hole for 'B', a diamond for the schwa)
as the seed of the font file fuzz target."""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "corpus", "fuzz_font_file", "tiny.ttf")

# Each glyph: advance, contours as lists of (x, y) on-curve points.
GLYPHS = [
    (500, []),
    (600, [[(50, 0), (300, 700), (550, 0)]]),
    (600, [[(50, 0), (50, 700), (550, 700), (550, 0)], [(150, 100), (450, 100), (450, 600), (150, 600)]]),
    (520, [[(260, 0), (20, 250), (260, 500), (500, 250)]]),
]
CHARS = [(ord("A"), 1), (ord("B"), 2), (0x0259, 3)]


def glyph_data(contours):
    if not contours:
        return b""
    points = [p for c in contours for p in c]
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    data = struct.pack(">hhhhh", len(contours), min(xs), min(ys), max(xs), max(ys))
    end = -1
    for c in contours:
        end += len(c)
        data += struct.pack(">H", end)
    data += struct.pack(">H", 0) + bytes([0x01] * len(points))
    px = py = 0
    for x, _ in points:
        data += struct.pack(">h", x - px)
        px = x
    for _, y in points:
        data += struct.pack(">h", y - py)
        py = y
    return data + (b"\x00" if len(data) % 2 else b"")


def cmap():
    segments = sorted(CHARS) + [(0xFFFF, 0)]
    n = len(segments)
    ends = b"".join(struct.pack(">H", c) for c, _ in segments)
    starts = b"".join(struct.pack(">H", c) for c, _ in segments)
    # The last segment maps 0xFFFF to glyph 0: its delta is 1.
    deltas = b"".join(struct.pack(">H", (g - c) & 0xFFFF if c != 0xFFFF else 1) for c, g in segments)
    offsets = b"\x00\x00" * n
    body = struct.pack(">HHHH", n * 2, 2, 0, n * 2 - 2) + ends + b"\x00\x00" + starts + deltas + offsets
    sub = struct.pack(">HHH", 4, 14 + len(body), 0) + body
    return struct.pack(">HHHHI", 0, 1, 3, 1, 12) + sub


def checksum(data):
    data += b"\x00" * ((4 - len(data) % 4) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) & 0xFFFFFFFF


def main():
    glyf, loca = b"", [0]
    for _, contours in GLYPHS:
        glyf += glyph_data(contours)
        loca.append(len(glyf))
    n = len(GLYPHS)
    tables = {
        b"head": struct.pack(">IIIIHHqqhhhhHHhhh", 0x00010000, 0x00010000, 0, 0x5F0F3CF5, 0x000B, 1000, 0, 0,
                             0, 0, 600, 700, 0, 8, 2, 0, 0),
        b"hhea": struct.pack(">IhhhHhhhhhhhhhhhH", 0x00010000, 800, -200, 0, 600, 0, 0, 600, 1, 0, 0, 0, 0, 0, 0,
                             0, n),
        b"maxp": struct.pack(">IHHHHHHHHHHHHHH", 0x00010000, n, 8, 2, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0),
        b"hmtx": b"".join(struct.pack(">Hh", adv, 0) for adv, _ in GLYPHS),
        b"cmap": cmap(),
        b"loca": b"".join(struct.pack(">H", o // 2) for o in loca),
        b"glyf": glyf,
        b"post": struct.pack(">IIhhIIIII", 0x00030000, 0, -100, 50, 0, 0, 0, 0, 0),
    }
    tags = sorted(tables)
    offset = 12 + 16 * len(tags)
    directory, body = b"", b""
    for tag in tags:
        data = tables[tag]
        directory += struct.pack(">4sIII", tag, checksum(data), offset + len(body), len(data))
        body += data + b"\x00" * ((4 - len(data) % 4) % 4)
    header = struct.pack(">IHHHH", 0x00010000, len(tags), 128, 3, len(tags) * 16 - 128)
    open(OUT, "wb").write(header + directory + body)


if __name__ == "__main__":
    main()
