#!/usr/bin/python3
"""Renders the formula images of the general help pages (tools, media).

Reads help/formulas/tools.txt (one formula a line: name, a TAB, the formula in
TeX notation as matplotlib's mathtext understands it) and writes
help/formulas/<name>.png for every line, at 110 dpi on a transparent
background, the same look as the element pages' formulas.

The PNGs are committed; run this again only after tools.txt has changed:

    /usr/bin/python3 scripts/help/render_tool_formulas.py

Needs Debian's python3-matplotlib; the build and the tests do not.
"""
import os
import sys

import matplotlib

matplotlib.use("Agg")
from matplotlib import mathtext  # noqa: E402
from matplotlib.font_manager import FontProperties  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
FORMULAS = os.path.normpath(os.path.join(HERE, "..", "..", "help", "formulas"))


def main():
    matplotlib.rcParams["mathtext.fontset"] = "dejavuserif"
    prop = FontProperties(size=12)
    with open(os.path.join(FORMULAS, "tools.txt"), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            name, sep, tex = line.partition("\t")
            if not sep:
                sys.exit(f"tools.txt:{number}: expected name<TAB>formula")
            mathtext.math_to_image("$" + tex + "$", os.path.join(FORMULAS, name + ".png"),
                                   prop=prop, dpi=110, format="png")
    return 0


if __name__ == "__main__":
    sys.exit(main())
