#!/usr/bin/env python3
"""Compares two pictures pixel for pixel on RGB only, for checking reference pictures by hand.

usage: picdiff.py A B [--diff OUT.png] [--list N]

A and B are uncompressed BMP files (24 or 32 bits per pixel, rows bottom-up or top-down) or 8-bit
PNG files (grey, RGB, grey with alpha or RGBA; not interlaced). Alpha is ignored, as is the fourth
byte of a 32-bit BMP pixel. Prints the number of differing pixels; exits 0 when the pictures are
the same size and equal, 1 when they differ, 2 when a file cannot be read. --diff writes a PNG of
A in grey with the differing pixels in red; --list N prints the first N as x,y A=#rrggbb B=#rrggbb.
Standard library only.
"""
import argparse
import struct
import sys
import zlib


class PictureError(Exception):
    pass


def read_bmp(data):
    if len(data) < 54 or data[:2] != b"BM":
        raise PictureError("not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, planes, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits not in (24, 32) or compression not in (0, 3) or width <= 0 or height == 0:
        raise PictureError(f"unsupported BMP ({bits} bits, compression {compression})")
    top_down = height < 0
    height = abs(height)
    step = bits // 8
    stride = (width * step + 3) & ~3
    if offset + stride * height > len(data):
        raise PictureError("BMP pixel data is cut short")
    rows = []
    for y in range(height):
        stored = y if top_down else height - 1 - y
        start = offset + stored * stride
        row = data[start:start + width * step]
        rows.append([(row[x + 2], row[x + 1], row[x]) for x in range(0, width * step, step)])
    return width, height, rows


def unfilter(kind, line, prior, bpp):
    out = bytearray(line)
    for i in range(len(out)):
        a = out[i - bpp] if i >= bpp else 0
        b = prior[i]
        c = prior[i - bpp] if i >= bpp else 0
        if kind == 1:
            out[i] = (out[i] + a) & 0xFF
        elif kind == 2:
            out[i] = (out[i] + b) & 0xFF
        elif kind == 3:
            out[i] = (out[i] + (a + b) // 2) & 0xFF
        elif kind == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            out[i] = (out[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        elif kind != 0:
            raise PictureError(f"unknown PNG filter {kind}")
    return out


def read_png(data):
    pos, idat, header = 8, b"", None
    while pos + 8 <= len(data):
        length, kind = struct.unpack_from(">I4s", data, pos)
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
        pos += 12 + length
    if header is None:
        raise PictureError("PNG without a header")
    width, height, depth, colour, _, _, interlace = header
    channels = {0: 1, 2: 3, 4: 2, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace:
        raise PictureError(f"unsupported PNG (depth {depth}, colour type {colour})")
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prior = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        line = unfilter(raw[start], raw[start + 1:start + 1 + stride], prior, channels)
        prior = line
        if channels <= 2:
            rows.append([(v, v, v) for v in line[::channels]])
        else:
            rows.append([tuple(line[x:x + 3]) for x in range(0, stride, channels)])
    return width, height, rows


def read_picture(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] == b"\x89PNG\r\n\x1a\n":
        return read_png(data)
    return read_bmp(data)


def write_png(path, width, height, rows):
    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in rows)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw)))
        f.write(chunk(b"IEND", b""))


def main():
    parser = argparse.ArgumentParser(description="Compares two pictures on RGB only.")
    parser.add_argument("a")
    parser.add_argument("b")
    parser.add_argument("--diff", metavar="OUT.png")
    parser.add_argument("--list", type=int, default=0, metavar="N")
    args = parser.parse_args()
    try:
        wa, ha, a = read_picture(args.a)
        wb, hb, b = read_picture(args.b)
    except (OSError, PictureError, zlib.error, struct.error) as e:
        print(f"picdiff: {e}", file=sys.stderr)
        return 2
    if (wa, ha) != (wb, hb):
        print(f"sizes differ: {wa}x{ha} and {wb}x{hb}")
        return 1
    differing = [(x, y) for y in range(ha) for x in range(wa) if a[y][x] != b[y][x]]
    print(f"{len(differing)} of {wa * ha} pixels differ")
    for x, y in differing[:args.list]:
        pa, pb = a[y][x], b[y][x]
        print(f"{x},{y} A=#{pa[0]:02x}{pa[1]:02x}{pa[2]:02x} B=#{pb[0]:02x}{pb[1]:02x}{pb[2]:02x}")
    if args.diff:
        grey = [[(sum(p) // 6 + 128,) * 3 for p in row] for row in a]
        for x, y in differing:
            grey[y][x] = (255, 0, 0)
        write_png(args.diff, wa, ha, grey)
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
