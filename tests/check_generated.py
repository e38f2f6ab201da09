#!/usr/bin/env python3
"""Checks that the generated test data is what its generators write today.

Each generator below runs in a temporary copy of the tests/ folder layout (from its own folder,
as its usage says). The check fails when a file it writes differs from the committed one or is
not committed, and when a committed file it owns is one it no longer writes. Run by ctest as
generated_data; to mend a failure, run the generator named and commit what it writes.

Usage: tests/check_generated.py
"""
import filecmp
import fnmatch
import os
import shutil
import subprocess
import sys
import tempfile

TESTS = os.path.dirname(os.path.abspath(__file__))

# Generator (a path under tests/) and the committed files it owns: glob patterns under tests/,
# with an optional text an owned file must contain (where hand-written files lie beside them).
GENERATORS = [
    ("map/gestures/make_gestures.py",
     [("map/gestures/*.txt", None), ("scenarios/map_draw_*.nbr", b"make_gestures.py")]),
    ("rig/scripts/make_scripts.py", [("rig/scripts/*.txt", None), ("map/scripts/*.txt", None)]),
    ("document/corpus/make_corpus.py",
     [("document/corpus/*.bmp", None), ("document/corpus/*.png", None),
      ("document/corpus/*.jpg", None)]),
    # found_* beside the seeds are inputs the fuzzer itself wrote when it found a fault.
    ("fuzz/gesture_seeds.py", [("fuzz/seeds/gestures/[!f]*", None)]),
]


def files_under(root):
    for folder, _, names in os.walk(root):
        for name in names:
            yield os.path.relpath(os.path.join(folder, name), root)


def owned(patterns):
    out = set()
    for rel in files_under(TESTS):
        for pattern, marker in patterns:
            if fnmatch.fnmatch(rel, pattern):
                with open(os.path.join(TESTS, rel), "rb") as f:
                    if marker is None or marker in f.read():
                        out.add(rel)
    return out


def check(generator, patterns):
    """The problems with what `generator` writes, one line each."""
    with tempfile.TemporaryDirectory() as root:
        for folder, _, _ in os.walk(TESTS):
            os.makedirs(os.path.join(root, os.path.relpath(folder, TESTS)), exist_ok=True)
        copy = os.path.join(root, generator)
        shutil.copy(os.path.join(TESTS, generator), copy)
        run = subprocess.run([sys.executable, copy], cwd=os.path.dirname(copy),
                             capture_output=True, text=True)
        if run.returncode != 0:
            return ["failed:\n" + run.stdout + run.stderr]
        written = set(files_under(root)) - {generator}
        problems = []
        for rel in sorted(written):
            committed = os.path.join(TESTS, rel)
            if not os.path.exists(committed):
                problems.append("writes %s, which is not committed" % rel)
            elif not filecmp.cmp(committed, os.path.join(root, rel), shallow=False):
                problems.append("writes %s other than the committed file" % rel)
        for rel in sorted(owned(patterns) - written):
            problems.append("no longer writes the committed %s" % rel)
        return problems


def main():
    failed = False
    for generator, patterns in GENERATORS:
        problems = check(generator, patterns)
        for p in problems:
            print("tests/%s %s" % (generator, p))
        failed = failed or bool(problems)
        if not problems:
            print("tests/%s: as committed" % generator)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
