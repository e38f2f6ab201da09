#!/usr/bin/env python3
"""Writes the canvas scripts that the rig and map stamp tests compare the stamps with.

Each figure below is copied by hand from the drawing tables of the parts (not from the program's
own tables), as canvas-script lines in which x and y stand for the anchor: "rectangle x-1 y+5
x+1 y+8". A script draws its figure at anchors well inside the picture (twice at the same one),
on each edge, beyond each edge with a sliver still showing, and far outside; before each copy a
comment line "# anchor X Y" tells the test where to draw the stamp itself.

Run from anywhere: python3 tests/rig/scripts/make_scripts.py
"""
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
RIG_DIR = HERE
MAP_DIR = os.path.join(HERE, "..", "..", "map", "scripts")

BLACK_1 = "pen 0x000000 1"
BLACK_2 = "pen 0x000000 2"
WHITE = "brush 0xFFFFFF solid"
BLACKB = "brush 0x000000 solid"


def chain(*points):
    """A MoveTo to the first point and a LineTo to each further one."""
    lines = ["moveto %s %s" % points[0]]
    lines += ["lineto %s %s" % p for p in points[1:]]
    return "\n".join(lines)


def hook(width, *points):
    pen = BLACK_1 if width == 1 else BLACK_2
    return pen + "\n" + chain(*points)


def sand_dot(dx, dy):
    x, y = "x%+d" % dx, "y%+d" % dy
    x1, y1 = "x%+d" % (dx + 1), "y%+d" % (dy + 1)
    return "\n".join("setpixel %s %s 0x000000" % p for p in [(x, y), (x1, y), (x1, y1), (x, y1)])


SWIVEL_PEN = BLACK_1 + "\n" + WHITE

SPREADER_FIXED = "\n".join([
    BLACK_2, BLACKB,
    "pie x-4 y+62 x+4 y+70 x-4 y+66 x+4 y+66",
    "polygon x y+50 x-4 y+58 x-4 y+66 x+4 y+66 x+4 y+58 x y+50",
    BLACK_2,
    chain(("x", "y+2"), ("x", "y+50"), ("x+48", "y+50")),
    BLACK_1, WHITE,
    "ellipse x-2 y x+2 y+4",
    "ellipse x+46 y+48 x+50 y+52",
])

RIG = {
    # name: (what it is, extent left, top, right, bottom, figure)
    "01_v_sarukan": ("small swivel, vertical", (-3, 0, 3, 22), """
        %s
        rectangle x-1 y+5 x+1 y+8
        rectangle x-1 y+14 x+1 y+17
        ellipse x-3 y x+3 y+6
        ellipse x-3 y+7 x+3 y+15
        ellipse x-3 y+16 x+3 y+22""" % SWIVEL_PEN),
    "02_h_sarukan": ("small swivel, horizontal", (0, -3, 22, 3), """
        %s
        rectangle x+5 y-1 x+8 y+1
        rectangle x+14 y-1 x+17 y+1
        ellipse x y-3 x+6 y+3
        ellipse x+7 y-3 x+15 y+3
        ellipse x+16 y-3 x+22 y+3""" % SWIVEL_PEN),
    "03_v_big_sarukan": ("large swivel, vertical", (-5, 0, 5, 35), """
        %s
        rectangle x-2 y+8 x+2 y+14
        rectangle x-2 y+21 x+2 y+27
        ellipse x-5 y x+5 y+10
        ellipse x-5 y+12 x+5 y+23
        ellipse x-5 y+25 x+5 y+35""" % SWIVEL_PEN),
    "04_h_big_sarukan": ("large swivel, horizontal", (0, -5, 35, 5), """
        %s
        rectangle x+7 y-2 x+14 y+2
        rectangle x+21 y-2 x+27 y+2
        ellipse x y-5 x+10 y+5
        ellipse x+12 y-5 x+24 y+5
        ellipse x+25 y-5 x+35 y+5""" % SWIVEL_PEN),
    "05_omori_kotei": ("fixed spreader with sinker", (-4, 0, 50, 70), SPREADER_FIXED),
    "06_omori_yudou": ("sliding spreader with sinker", (-4, 0, 56, 70), "\n".join([
        SPREADER_FIXED,
        BLACK_2,
        chain(("x+2", "y+4"), ("x+46", "y+48")),
        chain(("x+46", "y+48"), ("x+56", "y+58")),
        BLACKB, BLACK_1,
        "ellipse x+10 y+12 x+14 y+16",
        "ellipse x+14 y+16 x+18 y+20",
        "ellipse x+16 y+18 x+20 y+22",
        "ellipse x+20 y+22 x+24 y+26",
        chain(("x+18", "y+16"), ("x+14", "y+20"), ("x+16", "y+22"), ("x+20", "y+18"),
              ("x+18", "y+16")),
        WHITE,
    ])),
    "07_v_omori": ("sinker, eye up", (-5, 0, 5, 30), """
        pen 0x000000 1
        brush 0x000000 solid
        polygon x+3 y+3 x+3 y+13 x+5 y+15 x+5 y+26 x y+30 x-5 y+26 x-5 y+15 x-3 y+13 x-3 y+3 x+3 y+3
        brush 0xFFFFFF solid
        ellipse x-2 y x+2 y+5"""),
    "08_h_omori": ("sinker, eye left", (0, -5, 30, 5), """
        pen 0x000000 1
        brush 0x000000 solid
        polygon x+3 y-3 x+13 y-3 x+20 y-5 x+26 y-5 x+30 y x+26 y+5 x+20 y+5 x+13 y+3 x+3 y+3 x+3 y+3
        brush 0xFFFFFF solid
        ellipse x y-2 x+5 y+2"""),
    "09_h_m_hari": ("small hook lying", (0, -1, 14, 5), hook(
        1, ("x", "y"), ("x+1", "y"), ("x+7", "y+5"), ("x+12", "y+5"), ("x+14", "y+3"),
        ("x+14", "y+1"), ("x+12", "y-1"), ("x+10", "y-1"))),
    "10_v_m_hari": ("small hook hanging", (-5, 0, 1, 14), hook(
        1, ("x", "y"), ("x", "y+1"), ("x-5", "y+7"), ("x-5", "y+12"), ("x-3", "y+14"),
        ("x-1", "y+14"), ("x+1", "y+12"), ("x+1", "y+10"))),
    "11_h_b_hari": ("large hook lying", (0, -2, 28, 10), hook(
        2, ("x", "y"), ("x+2", "y"), ("x+14", "y+10"), ("x+24", "y+10"), ("x+28", "y+6"),
        ("x+28", "y+2"), ("x+24", "y-2"), ("x+20", "y-2"))),
    "12_v_b_hari": ("large hook hanging", (-10, 0, 2, 28), hook(
        2, ("x", "y"), ("x", "y+2"), ("x-10", "y+14"), ("x-10", "y+24"), ("x-6", "y+28"),
        ("x-2", "y+28"), ("x+2", "y+24"), ("x+2", "y+20"))),
    "31_h_m_hari_mirror": ("small hook lying, mirrored", (-14, -1, 0, 5), hook(
        1, ("x", "y"), ("x-1", "y"), ("x-7", "y+5"), ("x-12", "y+5"), ("x-14", "y+3"),
        ("x-14", "y+1"), ("x-12", "y-1"), ("x-10", "y-1"))),
    "32_v_m_hari_mirror": ("small hook hanging, mirrored", (-1, 0, 5, 14), hook(
        1, ("x", "y"), ("x", "y+1"), ("x+5", "y+7"), ("x+5", "y+12"), ("x+3", "y+14"),
        ("x+1", "y+14"), ("x-1", "y+12"), ("x-1", "y+10"))),
    "33_h_b_hari_mirror": ("large hook lying, mirrored", (-28, -2, 0, 10), hook(
        2, ("x", "y"), ("x-2", "y"), ("x-14", "y+10"), ("x-24", "y+10"), ("x-28", "y+6"),
        ("x-28", "y+2"), ("x-24", "y-2"), ("x-20", "y-2"))),
    "34_v_b_hari_mirror": ("large hook hanging, mirrored", (-2, 0, 10, 28), hook(
        2, ("x", "y"), ("x", "y+2"), ("x+10", "y+14"), ("x+10", "y+24"), ("x+6", "y+28"),
        ("x+2", "y+28"), ("x-2", "y+24"), ("x-2", "y+20"))),
}

ROD_BLANK = chain((200, 20), (20, 480), (16, 478), (200, 20))

ROD_SPINNING = "\n".join([
    BLACK_1, BLACKB,
    "polygon x+72 y+384 x+66 y+396 x+91 y+409 x+97 y+397 x+95 y+397 x+91 y+405 x+70 y+394"
    " x+74 y+386 x+72 y+384",
    BLACK_2,
    chain(("x+80", "y+380"), ("x+70", "y+394"), ("x+91", "y+405"), ("x+96", "y+388"),
          ("x+80", "y+380")),
    BLACK_1,
    "polygon x+60 y+380 x+52 y+400 x+54 y+400 x+56 y+394 x+62 y+396 x+66 y+418 x+74 y+422"
    " x+82 y+416 x+86 y+408 x+70 y+400 x+68 y+404 x+64 y+396 x+66 y+392 x+64 y+390 x+62 y+394"
    " x+57 y+391 x+61 y+383 x+60 y+380",
    WHITE,
    "rectangle x+72 y+414 x+76 y+430",
    BLACKB,
    "ellipse x+68 y+428 x+80 y+432",
    BLACK_2,
    ROD_BLANK,
    chain((124, 217), (144, 226)),
    chain((155, 136), (168, 142)),
    chain((176, 86), (182, 89)),
    chain((185, 59), (189, 61)),
    chain((192, 38), (196, 41)),
    chain((200, 20), (205, 20)),
    BLACK_1, WHITE,
])

ROD_REVOLVING = "\n".join([
    BLACK_2,
    ROD_BLANK,
    chain((120, 216), (111, 212)),
    chain((155, 136), (147, 133)),
    chain((175, 87), (167, 84)),
    chain((185, 61), (178, 58)),
    chain((193, 40), (188, 37)),
    chain((200, 20), (198, 17)),
    BLACK_1, BLACKB,
    "pen 0x000000 3",
    "brush 0xF0CAA6 solid",
    "ellipse x+28 y+374 x+52 y+398",
    BLACK_1, BLACKB,
    "rectangle x+45 y+386 x+49 y+408",
    BLACK_1, WHITE,
    "ellipse x+45 y+384 x+49 y+388",
    BLACK_1, WHITE,
    "ellipse x+45 y+390 x+49 y+394",
    BLACK_1, WHITE,
    "ellipse x+43 y+406 x+51 y+410",
])

# The rods stand on a picture of the start size; only the reel follows the anchor: at (0, 0)
# twice, as the palette draws it, then moved up, down and left, right, and far away.
RODS = {
    "13_rod_spinning": ("rod with spinning reel", ROD_SPINNING),
    "14_rod_revolving": ("rod with revolving reel", ROD_REVOLVING),
}
ROD_ANCHORS = [(0, 0), (0, 0), (150, -300), (-80, 90), (420, 80), (-2000, 3000)]

MAP = {
    "101_tetrapod_1": ("tetrapod, stem down", (-3, 1, 33, 35), """
        pen 0x000000 2
        polygon x+12 y+35 x+18 y+35 x+20 y+18 x+33 y+5 x+29 y+1 x+15 y+9 x+1 y+1 x-3 y+5 x+10 y+18 x+12 y+35"""),
    "102_tetrapod_2": ("tetrapod, stem up", (-15, 0, 21, 34), """
        pen 0x000000 2
        polygon x y x+6 y x+8 y+17 x+21 y+30 x+17 y+34 x+3 y+26 x-11 y+34 x-15 y+30 x-2 y+17 x y"""),
    "103_sankaku_nami": ("triangle wave breaker", (-16, -19, 16, 9), """
        pen 0x000000 2
        polygon x y-19 x+16 y+9 x-16 y+9 x y-19
        brush 0xFFFFFF solid
        polygon x y-8 x+7 y+4 x-7 y+4 x y-8"""),
    "104_shikaku_nami": ("square wave breaker", (-12, -12, 12, 12), """
        pen 0x000000 2
        polygon x+12 y-12 x+12 y+12 x-12 y+12 x-12 y-12 x+12 y-12
        brush 0xFFFFFF solid
        polygon x+5 y-5 x+5 y+5 x-5 y+5 x-5 y-5 x+5 y-5"""),
    "105_sunahama": ("sand beach", (-10, -12, 12, 14), "\n".join(
        sand_dot(dx, dy) for dx, dy in [
            (-8, -11), (-3, -12), (5, -11), (-10, -5), (-5, -3), (1, -6), (-10, 3), (-5, 5),
            (0, 0), (6, -3), (11, -4), (2, 6), (10, 4), (-9, 9), (-3, 10), (3, 13), (8, 8)])),
    "106_iwaba": ("rocks", (-13, -13, 15, 13), """
        brush 0xFFFFFF solid
        pen 0x000000 1
        ellipse x-12 y-11 x y
        ellipse x+2 y-13 x+11 y-5
        ellipse x+5 y-6 x+15 y
        ellipse x-13 y x-3 y+11
        ellipse x+12 y x-1 y+13
        ellipse x-5 y+5 x+8 y-7"""),
    "107_chushajo": ("car park", (-11, -11, 11, 11), """
        pen 0x000000 1
        polygon x+11 y-11 x+11 y+11 x-11 y+11 x-11 y-11 x+11 y-11
        polygon x+10 y-10 x+10 y+10 x-10 y+10 x-10 y-10 x+10 y-10
        pen 0x000000 2
        arc x-3 y-8 x+7 y+1 x+2 y+1 x+2 y-8
        moveto x-4 y-8
        lineto x-4 y+8
        moveto x-2 y+8
        lineto x-6 y+8
        moveto x+2 y-7
        lineto x-4 y-7
        moveto x+2 y
        lineto x-4 y"""),
    "suna_ten": ("one sand dot", (0, 0, 1, 1), sand_dot(0, 0)),
}

SIZE = 240
TERM = re.compile(r"^([xy])([+-]\d+)?$")


def anchors(extent, w=SIZE, h=SIZE):
    """Inside (twice), on each edge, beyond each edge with a sliver showing, far outside."""
    left, top, right, bottom = extent
    cx, cy = w // 2 - (left + right) // 2, h // 2 - (top + bottom) // 2
    return [
        (cx, cy), (cx, cy),
        (0, h // 4), (w - 1, 3 * h // 4), (w // 4, 0), (3 * w // 4, h - 1),
        (2 - right, 3 * h // 4), (w - 3 - left, h // 4),
        (3 * w // 4, 2 - bottom), (w // 4, h - 3 - top),
        (-5000, h // 2), (w // 2, h + 5000),
    ]


def place(figure, x, y):
    out = []
    for line in figure.strip().splitlines():
        words = []
        for word in line.split():
            m = TERM.match(word)
            if m:
                base = x if m.group(1) == "x" else y
                word = str(base + int(m.group(2) or 0))
            words.append(word)
        out.append(" ".join(words))
    return out


def write(path, title, size, spots, figure):
    lines = ["# %s, at the anchors below." % title, "new %d %d" % size]
    for x, y in spots:
        lines.append("# anchor %d %d" % (x, y))
        lines += place(figure, x, y)
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    for name, (title, extent, figure) in RIG.items():
        write(os.path.join(RIG_DIR, name + ".txt"), title, (SIZE, SIZE), anchors(extent), figure)
    for name, (title, figure) in RODS.items():
        write(os.path.join(RIG_DIR, name + ".txt"), title, (500, 500), ROD_ANCHORS, figure)
    for name, (title, extent, figure) in MAP.items():
        write(os.path.join(MAP_DIR, name + ".txt"), title, (SIZE, SIZE), anchors(extent), figure)


if __name__ == "__main__":
    main()
