#!/usr/bin/env python3
"""Prints a region of a BMP or PNG picture as characters, one per pixel, for studying rasters.

usage: bmpascii.py FILE [X0 Y0 X1 Y1]
White is '.', black '#', other colours get letters listed at the end.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from picdiff import read_picture  # noqa: E402


def main():
    w, h, rows = read_picture(sys.argv[1])
    x0, y0, x1, y1 = (int(v) for v in sys.argv[2:6]) if len(sys.argv) >= 6 else (0, 0, w, h)
    legend = {(255, 255, 255): ".", (0, 0, 0): "#"}
    letters = iter("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")
    print("     " + "".join(str((x // 10) % 10) for x in range(x0, x1)))
    print("     " + "".join(str(x % 10) for x in range(x0, x1)))
    for y in range(y0, y1):
        line = []
        for x in range(x0, x1):
            p = rows[y][x]
            if p not in legend:
                legend[p] = next(letters)
            line.append(legend[p])
        print(f"{y:4d} " + "".join(line))
    for p, c in legend.items():
        if c not in ".#":
            print(f"{c} = #{p[0]:02x}{p[1]:02x}{p[2]:02x}")


main()
