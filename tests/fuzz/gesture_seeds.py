#!/usr/bin/env python3
"""Writes the seed inputs of fuzz_gestures to seeds/gestures: short sessions a user would have,
in the byte form the fuzzer reads (see Input and Session::Step in fuzz_gestures.cpp), and the
inputs that once found a fault. The found_* files beside them are inputs the fuzzer itself
wrote when it found a fault, kept as they were. Usage: tests/fuzz/gesture_seeds.py"""
import pathlib

# The order of the fuzzer's tables.
BUTTONS = ("S_Btn_Default SpeedButton13 SpeedButton14 S_Btn_V_Sarukan S_Btn_H_Sarukan "
           "S_Btn_V_Big_sarukan S_Btn_H_big_Sarukan S_Btn_Omori_Kotei S_Btn_Omori_Yudou "
           "SpeedButton9 SpeedButton10 S_Btn_H_M_Hari S_Btn_V_M_Hari S_Btn_H_B_Hari "
           "S_Btn_V_B_Hari SpeedButton1 SpeedButton2 SpeedButton3 SpeedButton4 SpeedButton15 "
           "SpeedButton16 SpeedButton17 SpeedButton18 SpeedButton19 SpeedButton20 SpeedButton21 "
           "SpeedButton22 SpeedButton23 SpeedButton24 SpeedButton25 SpeedButton26 SpeedButton27 "
           "SpeedButton28 SpeedButton29 SpeedButton30 S2_Btn0 S2_Btn1 S2_Btn2 S2_Btn3 S2_Btn4 "
           "S2_Btn5 S2_Btn6 S2_Btn7 S2_Btn8 S2_Btn9 Btn_Shikake_Or_Point Button_Clear Btn_Undo_1 "
           "Btn_Undo_2 Btn_Clip Btn_ClipBord Button1").split()
GROUPS = ["R_Group1", "R_Group_line", "R_Group2", "R_Group_Keshigomu"]
KEYS = "Enter Escape Backspace Tab Space Delete Left Right Home End A 0".split()
TEXT = "仕掛け図釣りポイントｱ漢字abcXYZ 019\r\n"
(PRESS, MOVE, RELEASE, CLICK, ITEM, COLOR, UPDOWN, TYPE, KEY, LOAD, SAVE, PASTE) = range(12)
MAX, MIN = "max", "min"


def coord(v):
    """On the picture (-50 … 549), or within a few pixels of an end of the int range."""
    if isinstance(v, tuple):
        end, back = v
        return bytes([6 if end == MAX else 7, back, 0])
    assert -50 <= v < 550
    return bytes([0]) + (v + 50).to_bytes(2, "little")


def press(x, y, right=False):
    return bytes([PRESS]) + coord(x) + coord(y) + bytes([int(right)])


def move(x, y):
    return bytes([MOVE]) + coord(x) + coord(y)


def release(x, y, right=False):
    return bytes([RELEASE]) + coord(x) + coord(y) + bytes([int(right)])


def drag(points):
    (x, y), *rest = points
    out = press(x, y)
    for p in rest:
        out += move(*p)
    return out + release(*points[-1])


def click(name):
    return bytes([CLICK, BUTTONS.index(name)])


def item(group, index):
    return bytes([ITEM, GROUPS.index(group), index])


def color(index):
    return bytes([COLOR, index])


def updown(up, times):
    return bytes([UPDOWN, (times - 1) << 1 | int(up)])


def type_text(text):
    return bytes([TYPE, len(text)] + [TEXT.index(c) for c in text])


def key(name):
    return bytes([KEY, KEYS.index(name)])


def load(kind, w=40, h=30, seed=7):  # kind 0 BMP, 1 JPEG, 3 cancel
    return bytes([LOAD, kind] + ([] if kind == 3 else [w, h, seed]))


def load_damaged(junk):
    return bytes([LOAD, 2, len(junk)]) + junk


def save(cancel=False):
    return bytes([SAVE, int(cancel)])


def paste(w=30, h=20, seed=3):  # a generated picture on the clipboard, then 貼り付け
    return bytes([PASTE, 0, w, h, seed])


MAP = click("Btn_Shikake_Or_Point")
SEEDS = {
    # Rig diagrams.
    "rig_stamps": click("S_Btn_V_Sarukan") + press(200, 200) + release(200, 200)
    + click("SpeedButton2") + press(300, 120) + release(300, 120) + click("SpeedButton13"),
    "rig_lines": click("SpeedButton15") + drag([(100, 100), (150, 140), (300, 250)])
    + click("SpeedButton18") + drag([(50, 400), (400, 60)]),
    "rig_arcs_arrow": click("SpeedButton16") + drag([(60, 300), (200, 200), (420, 330)])
    + click("SpeedButton20") + drag([(420, 60), (80, 90)])
    + click("SpeedButton30") + drag([(100, 450), (300, 420)]),
    "rig_free_eraser_undo": color(3) + click("SpeedButton22")
    + drag([(30, 30), (60, 80), (120, 90)]) + click("SpeedButton23")
    + drag([(200, 20), (230, 300)]) + click("SpeedButton25")
    + drag([(40, 40), (90, 80), (100, 100)]) + click("Btn_Undo_1"),
    "rig_text": click("SpeedButton29") + press(100, 100) + release(100, 100)
    + type_text("仕掛け図") + key("Enter"),
    # Maps.
    "map_breakwaters": MAP + item("R_Group1", 0) + click("S2_Btn4") + updown(True, 3)
    + drag([(100, 100), (450, 50), (60, 450), (300, 200), (300, 200)])
    + click("S2_Btn9") + drag([(400, 50), (380, 300), (380, 300)]),
    "map_lines": MAP + item("R_Group1", 1) + item("R_Group_line", 2) + click("S2_Btn7")
    + item("R_Group2", 1) + color(5) + drag([(50, 50), (450, 480), (250, 300), (250, 300)])
    + click("S2_Btn5") + drag([(300, 400), (350, 350), (450, 100)])
    + click("S2_Btn4") + drag([(20, 480), (60, 450), (90, 470)]) + click("Btn_Undo_2"),
    "map_parts": MAP + item("R_Group1", 2) + click("S2_Btn1") + press(120, 120)
    + release(120, 120) + click("S2_Btn9") + item("R_Group_Keshigomu", 1)
    + drag([(100, 100), (140, 130), (160, 160)]) + click("S2_Btn8") + press(300, 300)
    + release(300, 300) + type_text("釣りポイント") + key("Enter"),
    # Pictures in and out.
    "pictures": load(0, 40, 30) + click("SpeedButton21") + drag([(5, 5), (30, 20)])
    + click("Btn_Undo_1") + save() + click("Btn_Clip") + paste(60, 10, 0x90)
    + load(1, 20, 45) + load_damaged(b"\x00\x01\x02\x03") + load(3) + save(True)
    + click("Button_Clear") + click("Button1"),
    # The five overflows that once were: the text field and its text at the ends of the range,
    # the rig eraser's release, the map eraser's drag, the breakwater's corners and the arc.
    "overflow_text_edit": click("SpeedButton29") + press((MAX, 0), (MIN, 0))
    + release((MAX, 0), (MIN, 0)) + type_text("abc") + key("Enter"),
    "overflow_rig_eraser_release": click("SpeedButton25") + press(100, 100)
    + release((MAX, 3), (MIN, 3)),
    "overflow_map_eraser_drag": MAP + item("R_Group1", 2) + click("S2_Btn9") + press(100, 100)
    + move((MAX, 1), (MIN, 1)) + release(100, 100),
    "overflow_breakwater": MAP + item("R_Group1", 0) + click("S2_Btn1") + press(100, 100)
    + move(200, 100) + move(300, (MAX, 2)) + release(300, (MAX, 2)),
    "overflow_arc": click("SpeedButton16") + press((MIN, 0), (MIN, 0))
    + release((MAX, 0), (MAX, 0)),
    # Found while fuzzing, and their kin.
    "overflow_map_eraser_release": MAP + item("R_Group1", 2) + click("S2_Btn9")
    + press(100, 100) + release((MAX, 0), (MIN, 0)),
    "overflow_map_cross": MAP + item("R_Group1", 1) + click("S2_Btn6") + press(100, 100)
    + release((MAX, 0), (MIN, 0)),
    "overflow_map_arrow_head": MAP + item("R_Group1", 1) + click("S2_Btn5")
    + press((MAX, 0), 100) + release((MAX, 0), (MAX, 0)),
    "overflow_rig_arrow_head": click("SpeedButton30") + press((MIN, 0), 100)
    + release((MIN, 0), (MIN, 0)),
}


def main():
    out = pathlib.Path(__file__).resolve().parent / "seeds" / "gestures"
    out.mkdir(parents=True, exist_ok=True)
    for name, data in SEEDS.items():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main()
