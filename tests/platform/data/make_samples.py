#!/usr/bin/env python3
"""Writes the sample pictures beside this script (standard library only; run again after changing it). The
image tests, the decoding benchmark and the drawing test card (zu_testcard, TestCardTest) read them.

sample-alpha.png    48 x 48 RGBA: a blue disc with a soft edge and a white highlight, transparent around it
sample-icon64.png   64 x 64 RGBA: the disc at icon size (the decoding benchmark's picture)
sample-sprites.png  96 x 32 RGBA: a sprite sheet of three 32 x 32 button looks (normal, over, pressed)
sample-24.bmp       40 x 30, 24 bits: colour bars with a green diamond on a magenta colour-key background
sample-8.gif        40 x 30, 8-bit palette: a red and yellow checker ring on a magenta colour-key background

It also writes the seed files of the image decoders' fuzz targets (fuzz/corpus/fuzz_image_*): small pictures
in every variant the decoders accept.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "..", "..", "..", "fuzz", "corpus")
MAGENTA = (255, 0, 255)


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def filter_rows(rows, bpp):
    """Each row with the filter that gives the smallest sum of absolute values, as common encoders do."""
    out = b""
    previous = bytes(len(rows[0]))
    for row in rows:
        candidates = []
        for kind in range(5):
            line = bytearray()
            for i, x in enumerate(row):
                a = row[i - bpp] if i >= bpp else 0
                b = previous[i]
                c = previous[i - bpp] if i >= bpp else 0
                predictor = (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]
                line.append((x - predictor) & 0xFF)
            candidates.append((sum(v if v < 128 else 256 - v for v in line), kind, bytes(line)))
        _, kind, line = min(candidates)
        out += bytes([kind]) + line
        previous = row
    return out


def png(width, height, rgba_rows):
    raw = filter_rows([bytes(v for px in row for v in px) for row in rgba_rows], 4)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + png_chunk(b"IDAT", zlib.compress(raw, 9)) +
            png_chunk(b"IEND", b""))


def png_raw(width, height, colour_type, depth, rows, extra=b""):
    """rows: bytes of each filtered-free row, already packed."""
    raw = b"".join(b"\0" + row for row in rows)
    header = struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + extra + png_chunk(b"IDAT", zlib.compress(raw)) +
            png_chunk(b"IEND", b""))


def clamp(v):
    return max(0, min(255, int(round(v))))


def disc_icon(size, centre, radius, colour, highlight=True):
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            d = math.hypot(x + 0.5 - centre[0], y + 0.5 - centre[1])
            coverage = max(0.0, min(1.0, radius - d + 0.5))
            shade = 1.0 - 0.35 * (y / size)
            r, g, b = (c * shade for c in colour)
            if highlight:
                h = math.hypot(x + 0.5 - centre[0] + radius * 0.35, y + 0.5 - centre[1] + radius * 0.35)
                glow = max(0.0, 1.0 - h / (radius * 0.45))
                r, g, b = (c + (255 - c) * glow * 0.8 for c in (r, g, b))
            row.append((clamp(r), clamp(g), clamp(b), clamp(255 * coverage)))
        rows.append(row)
    return rows


def sprites():
    looks = [(70, 130, 200), (90, 160, 230), (40, 90, 150)]
    cells = []
    for i, colour in enumerate(looks):
        cell = []
        for y in range(32):
            row = []
            for x in range(32):
                # A rounded square with a one-pixel darker border; the pressed look is shifted by a pixel.
                shift = 1 if i == 2 else 0
                dx = max(0.0, abs(x + 0.5 - 16 - shift) - 10)
                dy = max(0.0, abs(y + 0.5 - 16 - shift) - 10)
                d = math.hypot(dx, dy)
                coverage = max(0.0, min(1.0, 4.5 - d))
                border = d > 3.0
                c = tuple(v * 0.6 for v in colour) if border else colour
                row.append((clamp(c[0]), clamp(c[1]), clamp(c[2]), clamp(255 * coverage)))
            cell.append(row)
        cells.append(cell)
    return [sum((cells[i][y] for i in range(3)), []) for y in range(32)]


def bmp24(width, height, rgb_rows):
    stride = (width * 3 + 3) // 4 * 4
    data = b""
    for row in reversed(rgb_rows):
        line = bytes(v for (r, g, b) in row for v in (b, g, r))
        data += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = b"BM" + struct.pack("<IHHI", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + data


def bars():
    colours = [(230, 60, 50), (250, 200, 40), (60, 180, 90), (50, 120, 220), (150, 80, 200)]
    rows = []
    for y in range(30):
        row = []
        for x in range(40):
            if y < 4 or y >= 26 or x < 4 or x >= 36:
                row.append(MAGENTA)
            elif abs(x - 20) + abs(y - 15) <= 7:
                row.append((20, 140, 60))
            else:
                row.append(colours[(x - 4) * len(colours) // 32])
        rows.append(row)
    return rows


def lzw(indices, min_code_size):
    clear = 1 << min_code_size
    code_size = min_code_size + 1
    next_code = clear + 2
    table = {}
    out = bytearray()
    bits = 0
    count = 0

    def emit(code):
        nonlocal bits, count
        bits |= code << count
        count += code_size
        while count >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            count -= 8

    emit(clear)
    prefix = None
    for index in indices:
        if prefix is None:
            prefix = index
            continue
        if (prefix, index) in table:
            prefix = table[(prefix, index)]
            continue
        emit(prefix)
        if next_code < 4096:
            table[(prefix, index)] = next_code
            next_code += 1
            if next_code - 1 == (1 << code_size) and code_size < 12:
                code_size += 1
        else:
            emit(clear)
            table = {}
            next_code = clear + 2
            code_size = min_code_size + 1
        prefix = index
    emit(prefix)
    emit(clear + 1)
    if count:
        out.append(bits & 0xFF)
    return bytes(out)


def gif(width, height, palette, indices):
    table = b"".join(bytes(c) for c in palette) + b"\0" * (3 * (256 - len(palette)))
    out = b"GIF89a" + struct.pack("<HHBBB", width, height, 0xF7, 0, 0) + table
    out += b"\x21\xfe" + bytes([15]) + b"ZuLex test GIF\n" + b"\0"
    out += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0) + bytes([8])
    data = lzw(indices, 8)
    for i in range(0, len(data), 255):
        block = data[i:i + 255]
        out += bytes([len(block)]) + block
    return out + b"\0\x3b"


def ring():
    palette = [MAGENTA, (220, 40, 40), (250, 210, 60), (40, 40, 40)]
    indices = []
    for y in range(30):
        for x in range(40):
            d = math.hypot(x + 0.5 - 20, y + 0.5 - 15)
            if 7 <= d <= 13:
                indices.append(1 + ((x // 4 + y // 4) % 2))
            elif d < 3:
                indices.append(3)
            else:
                indices.append(0)
    return palette, indices


def pack(values, depth):
    out = bytearray()
    per_byte = 8 // depth
    for i in range(0, len(values), per_byte):
        byte = 0
        for j, v in enumerate(values[i:i + per_byte]):
            byte |= v << (8 - depth * (j + 1))
        out.append(byte)
    return bytes(out)


def bmp(width, height, depth, data, palette=(), compression=0, masks=None, core=False):
    pal = b"".join(bytes((b, g, r)) + (b"" if core else b"\0") for (r, g, b) in palette)
    if core:
        info = struct.pack("<IHHHH", 12, width, height, 1, depth)
    else:
        info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, depth, compression, len(data), 0, 0, 0, 0)
        if masks:
            info += struct.pack("<III", *masks)
    offset = 14 + len(info) + len(pal)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + info + pal + data


def bmp_rows(rows, bytes_per_row):
    stride = (bytes_per_row + 3) // 4 * 4
    return b"".join(r + b"\0" * (stride - len(r)) for r in reversed(rows))


def gif_small(width, height, indices, interlaced=False, local=False):
    palette = [(0, 0, 0), (255, 0, 0), (0, 255, 0), (0, 0, 255)]
    table = b"".join(bytes(c) for c in palette)
    flags = 0x80 | 1
    out = b"GIF89a" + struct.pack("<HHBBB", width, height, 0 if local else flags, 0, 0)
    if not local:
        out += table
    out += b"\x21\xf9\x04\x01\x00\x00\x00\x00"
    if interlaced:
        order = [y for start, step in ((0, 8), (4, 8), (2, 4), (1, 2)) for y in range(start, height, step)]
        indices = [indices[y * width + x] for y in order for x in range(width)]
    out += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, (0x40 if interlaced else 0) | (flags if local else 0))
    if local:
        out += table
    out += bytes([2])
    data = lzw(indices, 2)
    for i in range(0, len(data), 32):
        out += bytes([len(data[i:i + 32])]) + data[i:i + 32]
    return out + b"\0\x3b"


def seeds():
    for target in ("fuzz_image_png", "fuzz_image_bmp", "fuzz_image_gif"):
        os.makedirs(os.path.join(CORPUS, target), exist_ok=True)

    def seed(target, name, data):
        with open(os.path.join(CORPUS, target, name), "wb") as f:
            f.write(data)

    w, h = 11, 7
    index = [[(x * 3 + y * 5) % 16 for x in range(w)] for y in range(h)]
    grey16 = [(i * 17, i * 17, i * 17) for i in range(16)]
    seed("fuzz_image_bmp", "1bit.bmp", bmp(w, h, 1, bmp_rows([pack([v & 1 for v in r], 1) for r in index], 2),
                                           grey16[:1] + grey16[15:]))
    seed("fuzz_image_bmp", "4bit.bmp", bmp(w, h, 4, bmp_rows([pack(r, 4) for r in index], 6), grey16))
    seed("fuzz_image_bmp", "8bit-core.bmp", bmp(w, h, 8, bmp_rows([bytes(r) for r in index], w), grey16, core=True))
    seed("fuzz_image_bmp", "rle8.bmp", bmp(6, 3, 8, bytes([2, 9, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 2, 0, 9, 12, 0, 0,
                                                           4, 10, 0, 1]), grey16, compression=1))
    seed("fuzz_image_bmp", "rle4.bmp", bmp(8, 2, 4, bytes([5, 0x12, 0, 3, 0x34, 0x50, 0, 0, 0, 5, 0x56, 0x78, 0x90,
                                                           0, 0, 1]), grey16, compression=2))
    rows565 = [b"".join(struct.pack("<H", (x * 2047 + y * 31) & 0xFFFF) for x in range(w)) for y in range(h)]
    seed("fuzz_image_bmp", "16bit-565.bmp", bmp(w, h, 16, bmp_rows(rows565, w * 2), compression=3,
                                                masks=(0xF800, 0x07E0, 0x001F)))
    rows32 = [b"".join(bytes((x * 20, y * 30, 99, (x * y * 9) & 255)) for x in range(w)) for y in range(h)]
    seed("fuzz_image_bmp", "32bit-alpha.bmp", bmp(w, h, 32, bmp_rows(rows32, w * 4)))
    rows24 = [b"".join(bytes((x * 20, y * 30, 99)) for x in range(w)) for y in range(h)]
    seed("fuzz_image_bmp", "24bit-topdown.bmp", bmp(w, -h, 24, bmp_rows(rows24[::-1], w * 3)))

    flat = [v % 4 for r in index for v in r]
    seed("fuzz_image_gif", "plain.gif", gif_small(w, h, flat))
    seed("fuzz_image_gif", "interlaced-local.gif", gif_small(w, h, flat, interlaced=True, local=True))

    seed("fuzz_image_png", "rgba.png", png(8, 8, disc_icon(8, (4, 4), 3, (200, 30, 30), highlight=False)))
    plte = png_chunk(b"PLTE", bytes([0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255]))
    trns = png_chunk(b"tRNS", bytes([0, 128]))
    seed("fuzz_image_png", "palette-2bit-trns.png",
         png_raw(w, h, 3, 2, [pack([v % 4 for v in r], 2) for r in index], plte + trns))
    seed("fuzz_image_png", "grey-4bit.png", png_raw(w, h, 0, 4, [pack(r, 4) for r in index]))
    seed("fuzz_image_png", "grey-alpha-16bit.png",
         png_raw(w, h, 4, 16, [b"".join(struct.pack(">HH", v * 4000, 65535 - v * 4000) for v in r) for r in index]))


def main():
    write("sample-alpha.png", png(48, 48, disc_icon(48, (24, 24), 20, (40, 110, 210))))
    write("sample-icon64.png", png(64, 64, disc_icon(64, (32, 32), 27, (220, 120, 30))))
    write("sample-sprites.png", png(96, 32, sprites()))
    write("sample-24.bmp", bmp24(40, 30, bars()))
    palette, indices = ring()
    write("sample-8.gif", gif(40, 30, palette, indices))
    seeds()


if __name__ == "__main__":
    main()
