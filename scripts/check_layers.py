#!/usr/bin/env python3
"""Checks that the includes of src/ obey the layering src/README.md states: each folder includes
only the folders its row below names (its own always), nothing of tools/ or tests/, and, of app/,
only app/form_main.h, the header that declares the main window whose members the folders below
app/ define. A folder of src/ missing from the table is reported, so that a new or renamed folder
gets its row. Usage: scripts/check_layers.py"""
import os
import re
import sys

# Folder of src/ -> the other folders of src/ its files may include ("" is src/ itself: main.cpp).
MAY_INCLUDE = {
    "platform": [],
    "stamps": ["platform"],
    "document": ["platform", "stamps"],
    "rig": ["platform", "stamps"],
    "map": ["platform", "stamps"],
    "interaction": ["platform", "stamps", "document", "rig", "map"],
    "app": ["platform", "stamps", "document", "rig", "map", "interaction"],
    "": ["platform", "stamps", "document", "rig", "map", "interaction", "app"],
}
# Headers any folder may include, whatever its row says.
ALLOWED_EVERYWHERE = {"app/form_main.h"}

SRC = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def problems():
    for folder, _, names in os.walk(SRC):
        layer = os.path.relpath(folder, SRC).replace(os.sep, "/")
        layer = "" if layer == "." else layer
        sources = [n for n in sorted(names) if n.endswith((".cpp", ".h"))]
        if layer not in MAY_INCLUDE:
            if sources:
                yield "src/%s/ is not in the table of scripts/check_layers.py" % layer
            continue
        allowed = set(MAY_INCLUDE[layer]) | {layer}
        for name in sources:
            path = os.path.join(folder, name)
            with open(path, encoding="utf-8") as f:
                includes = INCLUDE.findall(f.read())
            shown = os.path.relpath(path, os.path.join(SRC, "..")).replace(os.sep, "/")
            for inc in includes:
                target = inc.rsplit("/", 1)[0] if "/" in inc else None
                if not os.path.isfile(os.path.join(SRC, inc)):
                    yield "%s includes %s, which is not a header of src/" % (shown, inc)
                elif inc not in ALLOWED_EVERYWHERE and target not in allowed:
                    yield "%s includes %s: src/%s/ may include only %s" % (
                        shown, inc, layer, ", ".join(sorted(allowed)) or "itself")


def main():
    found = list(problems())
    for p in found:
        print("layers: " + p)
    if found:
        print("layers: the layering is described in src/README.md")
        return 1
    print("layers: every include of src/ keeps to the layering")
    return 0


if __name__ == "__main__":
    sys.exit(main())
