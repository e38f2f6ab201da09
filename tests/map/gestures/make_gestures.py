#!/usr/bin/env python3
"""Writes the map-drawing gesture scripts that the map form tests replay.

Each script is a canvas script (the format of tests/reference/gdi) of the drawing calls that the
map-mode press, move and release must make for a series of gestures, worked out here from the
description of the breakwater bands, the map drag step and the map release (width vectors, outline
corners, rubber bands, fills, eraser discs, arrow heads, crosses, symbol stamps). The gestures
themselves are comment lines "# do ..." that the test performs on the real window:

    # do mode map | bank N | tool N | width W | thickness N | fill N | eraser N | color NAME
    # do press X Y | move X Y | release X Y

The test compares the window's picture with what the canvas draws from the script. A few of the
series are also written as scenarios for nabrilo-replay (tests/scenarios/map_draw_NAME.nbr), which
send the same gestures as real pointer events; tests/scenarios/run_scenario.cmake renders the
script NAME.txt here into the picture they expect.

Run from anywhere: python3 tests/map/gestures/make_gestures.py
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
SCENARIOS = os.path.join(HERE, "..", "..", "scenarios")

COLORS = {"clBlack": 0x000000, "clRed": 0x0000FF, "clBlue": 0xFF0000, "clGreen": 0x008000,
          "clPurple": 0x800080}
WHITE = 0xFFFFFF

HATO_ENDS = {101: "start", 102: "start", 103: "start", 104: "closed", 105: "closed",
             106: "closed", 107: "both", 108: "both", 109: "both"}
HATO_INNER = {101: None, 102: "q", 103: "t", 104: None, 105: "q", 106: "t", 107: None, 108: "q",
              109: "t"}
LINE_FIGURE = {101: "vertical", 102: "horizontal", 103: "straight", 104: "free", 105: "straight",
               106: "straight", 107: "rectangle", 108: "roundrect", 109: "ellipse"}


def add(a, b):
    return (a[0] + b[0], a[1] + b[1])


class Window:
    """The main window's map-mode state and the calls its gestures make on the picture."""

    def __init__(self, title):
        self.title = title
        self.out = ["# " + title, "new 500 500"]
        self.scenario = []
        self.map_mode = False
        self.bank, self.tag, self.width = 0, 0, 20
        self.thickness, self.fill, self.eraser, self.color = 1, 1, 0, 0
        self.down = (0, 0)
        self.corners = [(0, 0)] * 5  # Last, Last2 .. Last5
        self.h, self.q, self.t = (0, 0), (0, 0), (0, 0)
        self.held = False
        self.pen_color, self.pen_width, self.brush_color = 0, 1, WHITE

    # -- canvas calls --
    def emit(self, line):
        self.out.append(line)

    def pen(self, color=None, width=None):
        if color is not None:
            self.pen_color = color
        if width is not None:
            self.pen_width = width
        self.emit("pen 0x%06X %d" % (self.pen_color, self.pen_width))

    def brush_solid(self, color=None):
        if color is not None:
            self.brush_color = color
        self.emit("brush 0x%06X solid" % self.brush_color)

    def moveto(self, p):
        self.emit("moveto %d %d" % p)

    def lineto(self, p):
        self.emit("lineto %d %d" % p)

    def polygon(self, *pts):
        self.emit("polygon " + " ".join("%d %d" % p for p in pts))

    # -- controls --
    def do(self, text):
        self.emit("# do " + text)

    def mode_map(self):
        self.do("mode map")
        self.scenario.append("click Btn_Shikake_Or_Point")
        self.map_mode = True
        self.bank, self.tag = 0, 0

    def choose_bank(self, bank):
        self.do("bank %d" % bank)
        self.scenario.append("item R_Group1 %d" % bank)
        self.bank, self.tag, self.held = bank, 0, False

    def choose_tool(self, tag):
        self.do("tool %d" % (tag - 100 if tag else 0))
        self.scenario.append("click S2_Btn%d" % (tag - 100 if tag else 0))
        self.tag = tag

    def choose_width(self, w):
        self.do("width %d" % w)
        steps = (w - self.width) // 5
        if steps:
            self.scenario.append("updown %s %d" % ("up" if steps > 0 else "down", abs(steps)))
        self.width = w

    def choose_thickness(self, i):
        self.do("thickness %d" % i)
        self.scenario.append("item R_Group_line %d" % i)
        self.thickness = i

    def choose_fill(self, i):
        self.do("fill %d" % i)
        self.scenario.append("item R_Group2 %d" % i)
        self.fill = i

    def choose_eraser(self, i):
        self.do("eraser %d" % i)
        self.scenario.append("item R_Group_Keshigomu %d" % i)
        self.eraser = i

    def choose_color(self, name):
        self.do("color " + name)
        self.scenario.append("color " + name)
        self.color = COLORS[name]

    # -- breakwater vectors --
    def calc_haba(self, s, e, w):
        dx, dy = e[0] - s[0], e[1] - s[1]
        theta = math.atan2(dx, dy)  # x difference first
        if dx == 0 and dy == 0:
            return
        c, sn = math.cos(theta), math.sin(theta)
        q = int(w / 4)
        self.h = (-round(c * w), round(sn * w))
        self.q = (-round(c * q), round(sn * q))
        self.t = (-round(c * 3 * q), round(sn * 3 * q))

    def inner_vector(self, tag):
        return self.q if HATO_INNER[tag] == "q" else self.t

    def outline(self, tag, s, c):
        ends = HATO_ENDS[tag]
        self.moveto(s)
        self.lineto(c[0])
        if ends == "both":
            self.moveto(c[1])
        else:
            self.lineto(c[1])
        self.lineto(c[2])
        if ends == "closed":
            self.lineto(s)
        if HATO_INNER[tag]:
            self.moveto(c[3])
            self.lineto(c[4])

    # -- line bank figures --
    def figure(self, fig, s, p):
        if fig == "vertical":
            self.moveto(s)
            self.lineto((s[0], p[1]))
        elif fig == "horizontal":
            self.moveto(s)
            self.lineto((p[0], s[1]))
        elif fig == "straight":
            self.moveto(s)
            self.lineto(p)
        elif fig == "rectangle":
            self.emit("rectangle %d %d %d %d" % (s + p))
        elif fig == "roundrect":
            self.emit("roundrect %d %d %d %d 30 30" % (s + p))
        elif fig == "ellipse":
            self.emit("ellipse %d %d %d %d" % (s + p))

    def arrow_head(self, x1, y1, x2, y2):
        k = 3 * self.pen_width + 6
        h = k * math.tan(math.radians(15))
        th = math.atan2(y1 - y2, x1 - x2)
        a = (x2 + round(k * math.cos(th) - h * math.sin(th)),
             y2 + round(k * math.sin(th) + h * math.cos(th)))
        b = (x2 + round(k * math.cos(th) + h * math.sin(th)),
             y2 + round(k * math.sin(th) - h * math.cos(th)))
        self.brush_solid(self.pen_color)
        self.polygon((x2, y2), a, b)
        self.brush_solid(WHITE)

    # -- symbol stamps --
    def stamp(self, tag, x, y):
        if tag in (101, 102):
            pts = ([(12, 35), (18, 35), (20, 18), (33, 5), (29, 1), (15, 9), (1, 1), (-3, 5),
                    (10, 18), (12, 35)] if tag == 101 else
                   [(0, 0), (6, 0), (8, 17), (21, 30), (17, 34), (3, 26), (-11, 34), (-15, 30),
                    (-2, 17), (0, 0)])
            self.pen(0, 2)
            self.polygon(*[(x + a, y + b) for a, b in pts])
        elif tag in (103, 104):
            outer, inner = (([(0, -19), (16, 9), (-16, 9), (0, -19)],
                             [(0, -8), (7, 4), (-7, 4), (0, -8)]) if tag == 103 else
                            ([(12, -12), (12, 12), (-12, 12), (-12, -12), (12, -12)],
                             [(5, -5), (5, 5), (-5, 5), (-5, -5), (5, -5)]))
            self.pen(0, 2)
            self.polygon(*[(x + a, y + b) for a, b in outer])
            self.brush_solid(WHITE)
            self.polygon(*[(x + a, y + b) for a, b in inner])
        elif tag == 105:
            for a, b in [(-8, -11), (-3, -12), (5, -11), (-10, -5), (-5, -3), (1, -6), (-10, 3),
                         (-5, 5), (0, 0), (6, -3), (11, -4), (2, 6), (10, 4), (-9, 9), (-3, 10),
                         (3, 13), (8, 8)]:
                px, py = x + a, y + b
                for p in [(px, py), (px + 1, py), (px + 1, py + 1), (px, py + 1)]:
                    self.emit("setpixel %d %d 0x000000" % p)
        elif tag == 106:
            self.pen(0)
            self.brush_solid(WHITE)
            self.pen(width=1)
            for c1, c2 in [((-12, -11), (0, 0)), ((2, -13), (11, -5)), ((5, -6), (15, 0)),
                           ((-13, 0), (-3, 11)), ((12, 0), (-1, 13)), ((-5, 5), (8, -7))]:
                self.emit("ellipse %d %d %d %d" % (x + c1[0], y + c1[1], x + c2[0], y + c2[1]))
        elif tag == 107:
            self.pen(0, 1)
            for r in (11, 10):
                self.polygon((x + r, y - r), (x + r, y + r), (x - r, y + r), (x - r, y - r),
                             (x + r, y - r))
            self.pen(width=2)
            self.emit("arc %d %d %d %d %d %d %d %d" % (x - 3, y - 8, x + 7, y + 1, x + 2, y + 1,
                                                       x + 2, y - 8))
            for a, b in [((-4, -8), (-4, 8)), ((-2, 8), (-6, 8)), ((2, -7), (-4, -7)),
                         ((2, 0), (-4, 0))]:
                self.moveto((x + a[0], y + a[1]))
                self.lineto((x + b[0], y + b[1]))

    # -- the gestures --
    def press(self, x, y):
        self.do("press %d %d" % (x, y))
        self.scenario.append("press %d %d" % (x, y))
        self.held = True
        self.moveto((x, y))
        self.down = (x, y)
        self.corners = [(x, y)] * 5
        self.h = (0, 0)
        if self.bank == 2 and 101 <= self.tag <= 107:
            self.stamp(self.tag, x, y)

    def move(self, x, y):
        self.do("move %d %d" % (x, y))
        self.scenario.append("move %d %d" % (x, y))
        p = (x, y)
        self.calc_haba(self.down, self.corners[0], self.width)
        if self.held and self.bank == 0:
            self.pen(0, 1)
            self.emit("rop notxor")
            if 101 <= self.tag <= 109:
                self.outline(self.tag, self.down, self.corners)
                s, k = self.down, self.inner_vector(self.tag)
                new = [p, add(p, self.h), add(s, self.h), add(p, k), add(s, k)]
                self.outline(self.tag, s, new)
                if HATO_INNER[self.tag]:
                    self.corners = new
                else:
                    self.corners = new[:3] + self.corners[3:]
        elif self.held and self.bank == 1:
            self.emit("rop notxor")
            self.emit("brush clear")
            self.pen(self.color, [1, 2, 3][self.thickness])
            if 101 <= self.tag <= 109:
                fig = LINE_FIGURE[self.tag]
                if fig == "free":
                    self.emit("rop copy")
                    self.pen(self.color)
                    self.lineto(p)
                else:
                    self.figure(fig, self.down, self.corners[0])
                    self.figure(fig, self.down, p)
            self.corners[0] = p
        elif self.held and self.bank == 2:
            if self.tag == 109:
                r = [5, 10][self.eraser]
                lx, ly = self.corners[0]
                self.pen(WHITE, 1)
                self.emit("rop copy")
                self.brush_solid(WHITE)
                self.emit("ellipse %d %d %d %d" % (lx - r, ly - r, lx + r, ly + r))
                self.emit("rop notxor")
                self.pen(0x0000FF)
                self.emit("ellipse %d %d %d %d" % (x - r, y - r, x + r, y + r))
            self.corners[0] = p
        self.emit("rop copy")

    def release(self, x, y):
        self.do("release %d %d" % (x, y))
        self.scenario.append("release %d %d" % (x, y))
        if self.held:
            self.commit(x, y)
        self.held = False
        self.h = (self.h[0], 0)  # the release handler's last step

    def commit(self, x, y):
        s, p, last = self.down, (x, y), self.corners[0]
        if self.bank == 0:
            self.emit("rop copy")
            self.pen(self.color, 2)
            self.brush_solid()
            if 101 <= self.tag <= 109:
                self.polygon(s, p, add(p, self.h), add(s, self.h))
                if HATO_INNER[self.tag]:
                    k = self.inner_vector(self.tag)
                    self.polygon(s, p, add(p, k), add(s, k))
                if HATO_ENDS[self.tag] != "closed":
                    self.pen(WHITE)
                    self.moveto(s)
                    self.lineto(add(s, self.h))
                    if HATO_ENDS[self.tag] == "both":
                        self.moveto(p)
                        self.lineto(add(p, self.h))
                    self.pen(0)
        elif self.bank == 1:
            self.emit("rop copy")
            self.pen(self.color, 2)
            self.brush_solid(WHITE)
            self.pen(width=[1, 2, 4][self.thickness])
            if self.fill == 1:
                self.emit("brush clear")
            if 101 <= self.tag <= 109:
                fig = LINE_FIGURE[self.tag]
                if fig in ("rectangle", "roundrect", "ellipse"):
                    self.figure(fig, s, last)
                else:
                    self.figure(fig, s, p)
                if self.tag == 105:
                    self.arrow_head(s[0], s[1], x, y)
                if self.tag == 106:
                    d = 3 * (self.thickness + 1)
                    self.moveto((x - d, y - d))
                    self.lineto((x + d, y + d))
                    self.moveto((x - d, y + d))
                    self.lineto((x + d, y - d))
        elif self.bank == 2:
            self.emit("rop copy")
            self.pen(self.color, 2)
            if self.tag == 109:
                r = [5, 10][self.eraser]
                self.emit("rop copy")
                self.brush_solid(WHITE)
                self.pen(WHITE, 1)
                self.emit("ellipse %d %d %d %d" % (x - r, y - r, x + r, y + r))

    def drag(self, points, release=None):
        """Press at the first point, move through the others, release at `release` (default:
        the last point; False: keep the button held)."""
        self.press(*points[0])
        for p in points[1:]:
            self.move(*p)
        if release is False:
            return
        self.release(*(release or points[-1]))

    def write(self, name, scenario=False):
        with open(os.path.join(HERE, name + ".txt"), "w") as f:
            f.write("\n".join(self.out) + "\n")
        if not scenario:
            return
        case = "map_draw_" + name
        with open(os.path.join(SCENARIOS, case + ".nbr"), "w") as f:
            f.write("# %s, as real pointer events; tests/map/gestures/%s.txt draws the picture\n"
                    "# expected. Written by tests/map/gestures/make_gestures.py.\n"
                    % (self.title.capitalize(), name))
            f.write("\n".join(self.scenario + ["expect-picture %s.bmp" % case]) + "\n")


# The series also written as scenarios: those the reference scenarios do not draw.
SCENARIO_BANDS = {(102, 25), (106, 20), (108, 100)}
SCENARIO_LINE_TOOLS = {102, 103, 104, 106, 108, 109}


# The breakwater gestures: the four axis directions, four diagonals (one released away from its
# last move), a turn whose width still follows the direction before it, idle moves between
# gestures, a release with no move (zero width, inner line of the previous vectors) and a band
# left held (its not-xor outline shows).
def breakwaters(tag, width):
    w = Window("breakwater tool %d, width %d" % (tag, width))
    w.mode_map()
    w.choose_tool(tag)
    w.choose_width(width)
    w.drag([(30, 40), (70, 40), (150, 40), (220, 40)])
    w.drag([(470, 200), (420, 200), (330, 200), (260, 200)])
    w.move(10, 10)
    w.drag([(250, 230), (250, 270), (250, 340), (250, 400)])
    w.drag([(300, 480), (300, 440), (300, 360), (300, 300)])
    w.drag([(20, 250), (60, 290), (120, 350), (170, 400)])
    w.press(100, 470)
    w.release(200, 470)
    w.drag([(480, 480), (440, 440), (400, 400), (360, 360)])
    w.drag([(20, 480), (60, 440), (120, 380)], release=(125, 383))
    w.drag([(480, 20), (440, 60), (380, 120)])
    w.drag([(200, 300), (160, 260), (100, 200)])
    w.choose_color("clBlue")
    w.drag([(330, 30), (380, 30), (440, 30), (440, 90)])
    w.move(5, 495)
    w.press(400, 120)
    w.release(400, 120)
    w.drag([(60, 150), (100, 180), (140, 150)], release=False)
    w.write("hato_%d_w%d" % (tag, width), scenario=(tag, width) in SCENARIO_BANDS)


def red_snake(w):
    """A red free line across the picture, for the figures to cover or show through."""
    w.choose_bank(1)
    w.choose_tool(104)
    w.choose_color("clRed")
    w.choose_thickness(1)
    w.drag([(5, 20), (495, 60), (5, 120), (495, 180), (5, 240), (495, 300), (5, 360),
            (495, 420), (5, 480)])
    w.choose_color("clBlack")


# Each line-bank tool in each thickness with each fill, dragged down-right and up-left, over a red
# free line; then a release away from the last move, a release with no move, a wandering pointer
# and one figure left held.
def line_tool(tag):
    w = Window("line bank tool %d" % tag)
    w.mode_map()
    red_snake(w)
    w.choose_tool(tag)
    for thickness in range(3):
        if thickness == 2:
            w.choose_color("clBlue")
        w.choose_thickness(thickness)
        for fill in range(2):
            w.choose_fill(fill)
            x0, y0 = 30 + 230 * fill, 30 + 150 * thickness
            box = [(x0, y0), (x0 + 30, y0 + 20), (x0 + 110, y0 + 70), (x0 + 150, y0 + 90)]
            w.drag(box if fill == 0 else box[::-1])
    w.choose_color("clGreen")
    w.choose_thickness(1)
    w.drag([(420, 60), (430, 100), (470, 130)], release=(480, 150))
    w.choose_thickness(0)
    w.press(440, 250)
    w.release(440, 250)
    w.drag([(400, 300), (410, 340), (380, 380), (420, 330), (460, 390)])
    w.choose_thickness(2)
    w.choose_color("clPurple")
    w.drag([(300, 470), (340, 440), (360, 400)], release=False)
    w.write("line_%d" % tag, scenario=tag in SCENARIO_LINE_TOOLS)


# The eraser of either size dragged across a closed band and a red line, through moves that
# repeat a position, released; then dragged again and left held (its red ring shows).
def eraser(size):
    w = Window("eraser, %s" % ["small", "large"][size])
    w.mode_map()
    w.choose_tool(104)
    w.choose_width(40)
    w.drag([(40, 200), (100, 200), (300, 200), (460, 200)])
    red_snake(w)
    w.choose_bank(2)
    w.choose_tool(109)
    w.choose_eraser(size)
    w.drag([(100, 180), (120, 200), (140, 220), (140, 220), (160, 240), (200, 250)],
           release=(210, 250))
    w.drag([(300, 190), (320, 210), (340, 230)], release=False)
    w.write("eraser_%s" % ["small", "large"][size], scenario=size == 1)


# The rectangle rubber band of the example: pressed at (50, 50), moved to (80, 90) and then
# (120, 70), seen while held and after the release.
def rect_example(released):
    w = Window("rectangle example, %s" % ("released" if released else "held"))
    w.mode_map()
    w.choose_bank(1)
    w.choose_tool(107)
    w.drag([(50, 50), (80, 90), (120, 70)], release=None if released else False)
    w.write("rect_example_%s" % ("released" if released else "held"))


# Symbols stamped after a line-bank rectangle released with 塗りつぶし 無: the brush is hollow,
# so the red line shows through them, while the wave breakers' inner figure is white (setting
# the brush colour makes it solid again); the rocks set their own white brush.
def stamps_hollow():
    w = Window("map symbols after a hollow rectangle")
    w.mode_map()
    red_snake(w)

    def hollow_rect(x, y):
        w.choose_bank(1)
        w.choose_tool(107)
        w.choose_fill(1)
        w.drag([(x, y), (x + 40, y + 30)])
        w.choose_bank(2)

    # Each anchor puts its symbol across the red line. The last tetrapod follows the rocks
    # without a rectangle between them: it is filled white.
    for tag, at in [(101, (40, 8)), (102, (150, 15)), (103, (250, 45)), (104, (350, 48)),
                    (107, (100, 108)), (105, (200, 96)), (106, (300, 84)), (101, (400, 57))]:
        if not (tag == 101 and at[0] == 400):
            hollow_rect(at[0] - 30, at[1] + 250)
        w.choose_tool(tag)
        w.press(*at)
        w.move(at[0] + 10, at[1] + 10)
        w.release(at[0] + 10, at[1] + 10)
    w.write("stamps_hollow")


def main():
    for tag in range(101, 110):
        for width in (20, 25, 100):
            breakwaters(tag, width)
        line_tool(tag)
    for size in (0, 1):
        eraser(size)
    rect_example(False)
    rect_example(True)
    stamps_hollow()


if __name__ == "__main__":
    main()
