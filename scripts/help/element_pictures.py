#!/usr/bin/python3
"""Turns the element pictures into the PNGs of the help pages.

The main window's pictures (1601.bmp ... 2802.bmp) are drawn by the build's
picture generator (target tolvane_pictures, written beside the programs).
This script converts each into help/images/elements/<page name>.png, the page
name being the element kind's name in lower case with every run of other
characters replaced by "_" (the element pages link to these names).

    cmake --build build --target tolvane_pictures
    /usr/bin/python3 scripts/help/element_pictures.py build/bin

The PNGs are committed; run this again only after a drawing has changed.
Needs Debian's python3-pil.
"""
import os
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from element_pages import KINDS, slug  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, "..", "..", "help", "images", "elements"))
# First picture number of each element group (the groups 1 to 10).
PICTURE_BASE = [1600, 1700, 1800, 2100, 2200, 2300, 2400, 2500, 2600, 2800]


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: element_pictures.py <directory with 1601.bmp ...>")
    source = sys.argv[1]
    os.makedirs(OUT, exist_ok=True)
    for kind in KINDS:
        number = PICTURE_BASE[kind["group"] - 1] + kind["variant"]
        bmp = os.path.join(source, f"{number}.bmp")
        if not os.path.exists(bmp):
            sys.exit(f"missing {bmp}")
        Image.open(bmp).convert("RGB").save(os.path.join(OUT, slug(kind["name"]) + ".png"),
                                            optimize=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
