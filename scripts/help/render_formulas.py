#!/usr/bin/python3
"""Renders the formula images of the help pages.

Reads help/formulas/formulas.txt (the element pages' formulas, written by
scripts/help/element_pages.py) and help/formulas/tools.txt (the tools' and
media pages' formulas, kept by hand): one formula a line, name, a TAB, the
formula in TeX notation as matplotlib's mathtext understands it. Writes
help/formulas/<name>.png for every line, at 110 dpi on a white background
so that the images sit in body text and stay readable under a dark palette.

The PNGs are committed; run this again only after either list has changed:

    /usr/bin/python3 scripts/help/render_formulas.py [--only-missing]

Needs Debian's python3-matplotlib (apt-get install python3-matplotlib); the
build and the tests do not.
"""
import os
import sys

import matplotlib

matplotlib.use("Agg")
from matplotlib import mathtext  # noqa: E402
from matplotlib.font_manager import FontProperties  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
FORMULAS = os.path.normpath(os.path.join(HERE, "..", "..", "help", "formulas"))
DPI = 110
FONT_SIZE = 11


def read_formulas(path):
    formulas = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            name, sep, tex = line.partition("\t")
            if not sep or not name or not tex:
                sys.exit(f"{path}:{number}: expected name<TAB>formula")
            formulas.append((name, tex))
    return formulas


def main():
    only_missing = "--only-missing" in sys.argv[1:]
    matplotlib.rcParams["mathtext.fontset"] = "dejavuserif"
    prop = FontProperties(size=FONT_SIZE)
    formulas = []
    for list_name in ("formulas.txt", "tools.txt"):
        formulas += read_formulas(os.path.join(FORMULAS, list_name))
    for name, tex in formulas:
        out = os.path.join(FORMULAS, name + ".png")
        if only_missing and os.path.exists(out):
            continue
        mathtext.math_to_image("$" + tex + "$", out, prop=prop, dpi=DPI, format="png",
                               color="black")
    return 0


if __name__ == "__main__":
    sys.exit(main())
