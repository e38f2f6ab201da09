#!/usr/bin/env python3
"""Writes the valid pictures the document tests and the fuzz seeds start from.

Every BMP is written here byte by byte (independently of the program's own encoder) and shows
the same pattern; the tests rebuild the pattern and compare. The JPEGs are made by ImageMagick
from the same pattern at block size. Run from this folder; the outputs are committed.
"""
import struct
import subprocess

W, H = 23, 13  # odd width: every depth needs row padding
COLOURS = [(0, 0, 0), (255, 255, 255), (255, 0, 0), (0, 0, 255)]  # exact in every depth


def index4(x, y):
    return (x // 5 + 2 * (y // 4)) % 4


def index2(x, y):
    return (x // 3 + y // 2) % 2


def file_header(size, offset):
    return b"BM" + struct.pack("<IHHI", size, 0, 0, offset)


def info_header(w, h, bits, compression=0, size_image=0, colours=0, size=40):
    head = struct.pack("<IiiHHIIiiII", size, w, h, 1, bits, compression, size_image, 2835, 2835,
                       colours, 0)
    return head + b"\0" * (size - 40)


def palette(n):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in COLOURS[:n])


def pad(row):
    return row + b"\0" * (-len(row) % 4)


def rows(pack_row, top_down=False):
    order = range(H) if top_down else range(H - 1, -1, -1)
    return b"".join(pad(pack_row(y)) for y in order)


def write(name, headers, data):
    offset = 14 + len(headers)
    with open(name, "wb") as f:
        f.write(file_header(offset + len(data), offset) + headers + data)


def bits1(y):
    out = bytearray()
    for x0 in range(0, W, 8):
        byte = 0
        for i in range(8):
            if x0 + i < W and index2(x0 + i, y):
                byte |= 0x80 >> i
        out.append(byte)
    return bytes(out)


def bits4(y):
    out = bytearray()
    for x0 in range(0, W, 2):
        hi = index4(x0, y)
        lo = index4(x0 + 1, y) if x0 + 1 < W else 0
        out.append(hi << 4 | lo)
    return bytes(out)


def bits8(y):
    return bytes(index4(x, y) for x in range(W))


def bgr(y):
    return b"".join(struct.pack("<BBB", *reversed(COLOURS[index4(x, y)])) for x in range(W))


def bgrx(y):
    return b"".join(struct.pack("<BBBB", *reversed(COLOURS[index4(x, y)]), 0) for x in range(W))


def rgb555(y):
    out = b""
    for x in range(W):
        r, g, b = COLOURS[index4(x, y)]
        out += struct.pack("<H", (r >> 3) << 10 | (g >> 3) << 5 | b >> 3)
    return out


def rgb565(y):
    out = b""
    for x in range(W):
        r, g, b = COLOURS[index4(x, y)]
        out += struct.pack("<H", (r >> 3) << 11 | (g >> 2) << 5 | b >> 3)
    return out


def runs(y):
    """(count, index) runs of one row."""
    out, x = [], 0
    while x < W:
        i, n = index4(x, y), 0
        while x + n < W and index4(x + n, y) == i and n < 255:
            n += 1
        out.append((n, i))
        x += n
    return out


def rle8():
    data = bytearray()
    for y in range(H - 1, -1, -1):
        if y == 0:  # one row in absolute mode
            row = bits8(y)
            data += bytes([0, len(row)]) + row + b"\0" * (len(row) % 2)
        else:
            for n, i in runs(y):
                data += bytes([n, i])
        data += b"\0\0"
    return bytes(data + b"\0\1")


def rle4():
    data = bytearray()
    for y in range(H - 1, -1, -1):
        for n, i in runs(y):
            data += bytes([n, i << 4 | i])
        data += b"\0\0"
    return bytes(data + b"\0\1")


def core_header(bits):
    return struct.pack("<IHHHH", 12, W, H, 1, bits)


def core_palette(n):
    return b"".join(struct.pack("<BBB", b, g, r) for r, g, b in COLOURS[:n])


def masks(*m):
    return struct.pack("<" + "I" * len(m), *m)


def bmp_variants():
    write("bmp_1bit.bmp", info_header(W, H, 1, colours=2) + palette(2), rows(bits1))
    write("bmp_4bit.bmp", info_header(W, H, 4, colours=4) + palette(4), rows(bits4))
    write("bmp_8bit.bmp", info_header(W, H, 8, colours=4) + palette(4), rows(bits8))
    r8, r4 = rle8(), rle4()
    write("bmp_rle8.bmp", info_header(W, H, 8, 1, len(r8), 4) + palette(4), r8)
    write("bmp_rle4.bmp", info_header(W, H, 4, 2, len(r4), 4) + palette(4), r4)
    write("bmp_16bit_555.bmp", info_header(W, H, 16), rows(rgb555))
    write("bmp_16bit_565.bmp", info_header(W, H, 16, 3) + masks(0xF800, 0x07E0, 0x001F),
          rows(rgb565))
    write("bmp_24bit.bmp", info_header(W, H, 24), rows(bgr))
    write("bmp_24bit_topdown.bmp", info_header(W, -H, 24), rows(bgr, top_down=True))
    write("bmp_32bit.bmp", info_header(W, H, 32), rows(bgrx))
    write("bmp_32bit_fields.bmp",
          info_header(W, H, 32, 3) + masks(0x00FF0000, 0x0000FF00, 0x000000FF), rows(bgrx))
    v5 = bytearray(info_header(W, H, 24, size=124))
    write("bmp_24bit_v5.bmp", bytes(v5), rows(bgr))
    write("bmp_os2_24bit.bmp", core_header(24), rows(bgr))
    write("bmp_os2_8bit.bmp", core_header(8) + core_palette(4) * 64, rows(bits8))


def jpeg_variants():
    # Blocks of 16 pixels in the same four colours: flat areas survive compression closely.
    bw, bh = 64, 48
    pixels = b"".join(bytes(COLOURS[(x // 16 + 2 * (y // 16)) % 4]) for y in range(bh)
                      for x in range(bw))
    with open("pattern.ppm", "wb") as f:
        f.write(b"P6 %d %d 255\n" % (bw, bh) + pixels)
    base = ["convert", "pattern.ppm", "-strip", "-quality", "95"]
    subprocess.check_call(base + ["-sampling-factor", "2x2", "jpeg_baseline.jpg"])
    subprocess.check_call(base + ["-sampling-factor", "1x1", "-interlace", "Plane",
                                  "jpeg_progressive.jpg"])
    subprocess.check_call(base + ["-colorspace", "Gray", "jpeg_grey.jpg"])
    subprocess.check_call(base + ["-colorspace", "CMYK", "jpeg_cmyk.jpg"])
    subprocess.check_call(["rm", "pattern.ppm"])


if __name__ == "__main__":
    bmp_variants()
    jpeg_variants()
