#!/usr/bin/env python3
"""Writes the valid pictures the document tests and the fuzz seeds start from.

Every BMP and PNG is written here byte by byte (independently of the program's own encoder) and
shows the same pattern; the tests rebuild the pattern and compare. The JPEGs are made by
ImageMagick from the same pattern at block size. Pictures whose colours are not the pattern's
come with an expected picture (*_expected.png) computed here from what the file stores, and
ImageMagick decodes each of those too as a cross-check. Run from this folder; the outputs are
committed.
"""
import struct
import subprocess
import zlib

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


def scaled(v, bits):
    """A channel of `bits` bits scaled so that 0 stays 0 and its maximum becomes 255."""
    top = (1 << bits) - 1
    return round(v * 255 / top)


def channel_bits(mask):
    shift = (mask & -mask).bit_length() - 1
    return shift, bin(mask).count("1")


def ppm(rgb_rows):
    h, w = len(rgb_rows), len(rgb_rows[0])
    return b"P6 %d %d 255\n" % (w, h) + b"".join(bytes(c) for row in rgb_rows for c in row)


def write_expected(name, rgb_rows, check_with_imagemagick=True):
    """`name`_expected.png from RGB rows; optionally checks that ImageMagick decodes `name` alike.

    ImageMagick widens a channel by repeating its bits (a 5-bit 3 becomes 24), where we round
    the exact quotient (25): the two may differ by one.
    """
    data = ppm(rgb_rows)
    # -strip: no creation time or other chunks that would change from one run to the next.
    subprocess.run(["convert", "ppm:-", "-strip", name.rsplit(".", 1)[0] + "_expected.png"],
                   input=data, check=True)
    if check_with_imagemagick:
        # ImageMagick warns of an early end of bitmap but decodes the picture.
        got = subprocess.run(["convert", name, "-depth", "8", "ppm:-"], capture_output=True).stdout
        n = 3 * len(rgb_rows) * len(rgb_rows[0])
        assert got.split(b"\n")[1] == b"%d %d" % (len(rgb_rows[0]), len(rgb_rows)), name
        worst = max(abs(a - b) for a, b in zip(got[-n:], data[-n:]))
        assert worst <= 1, name + ": ImageMagick decodes it differently"


def level_rows(masks_rgb):
    """Three rows of 64 pixels: red, green, blue running from 0 to the channel's maximum."""
    out = []
    for c in range(3):
        row = []
        for x in range(64):
            pixel = 0
            _, bits = channel_bits(masks_rgb[c])
            v = x * ((1 << bits) - 1) // 63
            shift, _ = channel_bits(masks_rgb[c])
            pixel |= v << shift
            rgb = [0, 0, 0]
            rgb[c] = scaled(v, bits)
            row.append((pixel, tuple(rgb)))
        out.append(row)
    return out


def masked_variants():
    """16- and 32-bit pictures under many mask layouts, the pattern and colour levels."""
    layouts = [  # name, bits, header size, red, green, blue, alpha
        ("16bit_555_levels", 16, 40, 0x7C00, 0x03E0, 0x001F, 0),
        ("16bit_565_levels", 16, 40, 0xF800, 0x07E0, 0x001F, 0),
        ("16bit_231", 16, 40, 0x0030, 0x000E, 0x0001, 0),
        ("16bit_4444", 16, 108, 0x0F00, 0x00F0, 0x000F, 0xF000),
        ("16bit_565_info52", 16, 52, 0xF800, 0x07E0, 0x001F, 0),
        ("16bit_555_info56", 16, 56, 0x7C00, 0x03E0, 0x001F, 0x8000),
        ("32bit_101010", 32, 40, 0x3FF00000, 0x000FFC00, 0x000003FF, 0),
        ("32bit_111110", 32, 40, 0xFFE00000, 0x001FFC00, 0x000003FF, 0),
        ("32bit_7187", 32, 124, 0x007F0000, 0x00008000, 0x00007F80, 0x0000007F),
    ]
    for name, bits, size, r, g, b, a in layouts:
        fmt = "<H" if bits == 16 else "<I"
        head = bytearray(info_header(64 if "levels" in name else W, 3 if "levels" in name else H,
                                     bits, 0 if name == "16bit_555_levels" else 3, size=size))
        if size > 40:
            head[40:40 + min(16, size - 40)] = masks(r, g, b, a)[:size - 40]
            extra = b""
        else:
            extra = masks(r, g, b) if name != "16bit_555_levels" else b""
        file = "bmp_%s.bmp" % name
        if "levels" in name:
            levels = level_rows((r, g, b))
            data = b"".join(pad(b"".join(struct.pack(fmt, p) for p, _ in row))
                            for row in reversed(levels))
            write(file, bytes(head) + extra, data)
            write_expected(file, [[rgb for _, rgb in row] for row in levels])
            continue

        def pack(y):
            out = b""
            for x in range(W):
                pixel = a & 0x5555  # alpha bits are stored but mean nothing
                for mask, value in zip((r, g, b), COLOURS[index4(x, y)]):
                    pixel |= mask if value else 0
                out += struct.pack(fmt, pixel)
            return out

        write(file, bytes(head) + extra, rows(pack))


def header_variants():
    """OS/2 2.x headers of several sizes and a colour table longer than the depth needs."""
    filler = b"".join(struct.pack("<BBBB", 9, 99, 199, 0) for _ in range(252))
    for size in (16, 64):
        head = info_header(W, H, 8, colours=4, size=max(size, 40))[:size]
        head = struct.pack("<I", size) + head[4:]
        # 16 bytes end before the count of colours: the table then has all 256 entries.
        table = palette(4) + (filler if size < 36 else b"")
        write("bmp_os2v2_%d.bmp" % size, head + table, rows(bits8))
    write("bmp_8bit_300colours.bmp",
          info_header(W, H, 8, colours=300) + palette(4) + filler + filler[:4 * 44], rows(bits8))


def rle_skips():
    """RLE8 data that skips pixels with jumps, early ends of line and an early end of bitmap.

    Colour 0 of the palette is green, used by no run: the skipped pixels must show it.
    """
    colours = [(0, 255, 0), (255, 255, 255), (255, 0, 0), (0, 0, 255)]
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    grid = [[0] * W for _ in range(H)]  # bottom row first
    data = bytearray()
    data += bytes([5, 1, 0, 0])                  # row 0: five white, then end of line
    data += bytes([0, 2, 3, 1]) + bytes([4, 2])  # jump from (0, 1) to (3, 2); four red
    data += bytes([0, 0])                        # end of line: on to row 3
    data += bytes([0, 3, 3, 1, 3, 0]) + bytes([0, 0])  # three literal blue, white, blue
    data += bytes([0, 2, 10, 2]) + bytes([6, 3])  # jump from (0, 4) to (10, 6); six blue
    data += bytes([0, 1])                         # end of bitmap, rows 7 to 12 never given
    for x in range(5):
        grid[0][x] = 1
    for x in range(3, 7):
        grid[2][x] = 2
    grid[3][0:3] = [3, 1, 3]
    for x in range(10, 16):
        grid[6][x] = 3
    write("bmp_rle8_skips.bmp", info_header(W, H, 8, 1, len(data), 4) + table, bytes(data))
    write_expected("bmp_rle8_skips.bmp",
                   [[colours[i] for i in row] for row in reversed(grid)])


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def write_png(name, colour_type, depth, rows_bytes, plte=b"", trns=b""):
    ihdr = struct.pack(">IIBBBBB", W, H, depth, colour_type, 0, 0, 0)
    raw = b"".join(b"\0" + r for r in rows_bytes)
    out = b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr)
    if plte:
        out += png_chunk(b"PLTE", plte)
    if trns:
        out += png_chunk(b"tRNS", trns)
    out += png_chunk(b"IDAT", zlib.compress(raw)) + png_chunk(b"IEND", b"")
    with open(name, "wb") as f:
        f.write(out)


def png_variants():
    """The pattern as PNGs of every colour type; in those with alpha, black is transparent and
    blue half covered, so the expected picture shows white and light blue there."""
    pattern = [[COLOURS[index4(x, y)] for x in range(W)] for y in range(H)]
    alpha = {(0, 0, 0): 0, (0, 0, 255): 128}

    def rgb16(c):
        return b"".join(struct.pack(">H", v * 257) for v in c)

    write_png("png_rgb8.png", 2, 8, [b"".join(bytes(c) for c in row) for row in pattern])
    write_png("png_rgb16.png", 2, 16, [b"".join(rgb16(c) for c in row) for row in pattern])
    plte = b"".join(bytes(c) for c in COLOURS)
    write_png("png_palette4.png", 3, 4, [bits4(y) for y in range(H)], plte)
    write_png("png_palette8_trns.png", 3, 8, [bits8(y) for y in range(H)], plte,
              bytes(alpha.get(c, 255) for c in COLOURS))
    write_png("png_rgba8.png", 6, 8,
              [b"".join(bytes(c) + bytes([alpha.get(c, 255)]) for c in row) for row in pattern])
    write_png("png_rgba16.png", 6, 16,
              [b"".join(rgb16(c) + struct.pack(">H", alpha.get(c, 255) * 257) for c in row)
               for row in pattern])
    grey = [[(0, 0, 0) if c == (0, 0, 0) else (255, 255, 255) for c in row] for row in pattern]
    write_png("png_grey8.png", 0, 8, [bytes(c[0] for c in row) for row in grey])
    write_png("png_grey16.png", 0, 16, [b"".join(struct.pack(">H", c[0] * 257) for c in row)
                                        for row in grey])
    # White shows through where black paints nothing.
    write_png("png_grey_alpha8.png", 4, 8,
              [b"".join(bytes([0, 255 - c[0]]) for c in row) for row in grey])

    def on_white(c):
        a = alpha.get(c, 255)
        return tuple(round((v * a + 255 * (255 - a)) / 255) for v in c)

    write_expected("png_rgba8.png", [[on_white(c) for c in row] for row in pattern], False)
    write_expected("png_grey8.png", grey, True)


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
    masked_variants()
    header_variants()
    rle_skips()
    png_variants()
    jpeg_variants()
