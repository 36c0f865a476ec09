#!/usr/bin/env python3
"""Writes the sample pictures of the test card: a PNG with soft alpha, a BMP and a GIF whose top-left colour
is the colour key. Run it from anywhere; the files land beside this script."""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 48


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def write_png(path, width, height, rgba_rows):
    raw = b"".join(b"\x00" + bytes(row) for row in rgba_rows)
    data = b"\x89PNG\r\n\x1a\n"
    data += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    data += png_chunk(b"IDAT", zlib.compress(raw, 9))
    data += png_chunk(b"IEND", b"")
    open(path, "wb").write(data)


def write_bmp(path, width, height, rgb_rows):
    stride = (width * 3 + 3) & ~3
    pixels = b""
    for row in reversed(rgb_rows):
        line = b"".join(bytes((b, g, r)) for (r, g, b) in row)
        pixels += line + b"\x00" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    open(path, "wb").write(header + info + pixels)


def lzw(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    out, bit_buffer, bit_count = bytearray(), 0, 0

    def emit(code, size):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += size
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    table = {bytes([i]): i for i in range(clear)}
    next_code, code_size = end + 1, min_code_size + 1
    emit(clear, code_size)
    prefix = b""
    for index in indices:
        candidate = prefix + bytes([index])
        if candidate in table:
            prefix = candidate
            continue
        emit(table[prefix], code_size)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << code_size) and code_size < 12:
                code_size += 1
        else:
            emit(clear, code_size)
            table = {bytes([i]): i for i in range(clear)}
            next_code, code_size = end + 1, min_code_size + 1
        prefix = bytes([index])
    if prefix:
        emit(table[prefix], code_size)
    emit(end, code_size)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def write_gif(path, width, height, palette, indices):
    data = b"GIF89a" + struct.pack("<HHBBB", width, height, 0xF0 | 0x07, 0, 0)
    colours = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    data += b"".join(bytes(c) for c in colours)
    data += b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0)
    data += bytes([8])
    stream = lzw(indices, 8)
    for start in range(0, len(stream), 255):
        block = stream[start:start + 255]
        data += bytes([len(block)]) + block
    data += b"\x00\x3b"
    open(path, "wb").write(data)


def soft_disc():
    rows = []
    c = (SIZE - 1) / 2.0
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            d = math.hypot(x - c, y - c) / (SIZE / 2.0)
            alpha = max(0.0, min(1.0, (1.0 - d) * 2.2))
            shine = max(0.0, 1.0 - math.hypot(x - c * 0.7, y - c * 0.7) / 9.0)
            r = int(40 + 170 * shine)
            g = int(110 + 120 * shine)
            b = int(215 + 40 * shine)
            row.extend((r, g, b, int(round(alpha * 255))))
        rows.append(row)
    return rows


def diamond_on_key():
    rows = []
    c = SIZE // 2
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            d = abs(x - c) + abs(y - c)
            if d < 14:
                row.append((250, 200, 40))
            elif d < 20:
                row.append((60, 160, 90))
            else:
                row.append((255, 0, 255))
        rows.append(row)
    return rows


def star_indices():
    indices = []
    c = (SIZE - 1) / 2.0
    for y in range(SIZE):
        for x in range(SIZE):
            angle = math.atan2(y - c, x - c)
            radius = math.hypot(x - c, y - c)
            edge = 13 + 8 * math.cos(5 * angle)
            if radius < edge - 3:
                indices.append(2)
            elif radius < edge:
                indices.append(1)
            else:
                indices.append(0)
    return indices


if __name__ == "__main__":
    write_png(os.path.join(HERE, "sample_alpha.png"), SIZE, SIZE, soft_disc())
    write_bmp(os.path.join(HERE, "sample_key.bmp"), SIZE, SIZE, diamond_on_key())
    write_gif(os.path.join(HERE, "sample_key.gif"), SIZE, SIZE,
              [(255, 255, 255), (150, 30, 40), (230, 70, 80)], star_indices())
