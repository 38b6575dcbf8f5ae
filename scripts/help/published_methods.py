#!/usr/bin/python3
"""Computes the tables of published methods of the help pages with the program
itself: `tolvane-cli methods` gives which method covers which element kind
with its constants and source, and `tolvane-cli calc --alternatives` the
coefficients of every kind's worked example (the steps of compute_examples.py).
Both go to scripts/help/published_methods.json, from which element_pages.py
writes the "Published methods" section of every element page and the page
help/published_methods.html.

    /usr/bin/python3 scripts/help/published_methods.py build/bin/tolvane-cli
    /usr/bin/python3 scripts/help/element_pages.py

With --check (run by ctest) nothing is written: exits 1 with a diff when the
file or a page differs from what the program computes now.
"""
import difflib
import json
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
OUT = os.path.join(HERE, "published_methods.json")


def run(cli, *args):
    result = subprocess.run([cli, *args], capture_output=True, text=True, encoding="utf-8")
    if result.returncode not in (0, 1):
        sys.exit(f"{cli} {' '.join(args)} failed ({result.returncode}): {result.stderr}")
    return json.loads(result.stdout)


def compute(cli):
    from compute_examples import steps
    from element_pages import EXAMPLE_MEDIUM, KINDS
    methods = run(cli, "methods")["methods"]
    batch = {"roughness": {"text": EXAMPLE_MEDIUM["roughness"], "unit": "mm"},
             "steps": steps()[:len(KINDS)]}
    with tempfile.NamedTemporaryFile("w", suffix=".json", delete=False, encoding="utf-8") as f:
        json.dump(batch, f, ensure_ascii=False)
        name = f.name
    try:
        table = run(cli, "calc", name, "--alternatives")
    finally:
        os.unlink(name)
    opinions = iter(table["alternatives"])
    examples = {}
    for k, step in zip(KINDS, table["steps"]):
        if not step["added"]:
            continue
        o = next(opinions)
        column = table["columns"][o["column"] - 1]
        examples[f'{k["group"]},{k["variant"]}'] = {
            "reynolds": column[14], "zeta": o["zeta"], "pressureDrop": o["pressureDrop"],
            "alternatives": o["alternatives"]}
    return {"methods": methods, "examples": examples}


def as_text(data):
    return json.dumps(data, ensure_ascii=False, indent=1) + "\n"


def differs(name, want, have):
    if want == have:
        return False
    sys.stdout.writelines(difflib.unified_diff(have.splitlines(True), want.splitlines(True),
                                               name + " (shipped)", name + " (computed)"))
    return True


def main():
    check = "--check" in sys.argv
    args = [a for a in sys.argv[1:] if a != "--check"]
    if len(args) != 1:
        sys.exit("usage: published_methods.py [--check] <path of tolvane-cli>")
    text = as_text(compute(args[0]))
    if not check:
        with open(OUT, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
        return 0
    with open(OUT, encoding="utf-8") as f:
        stale = differs("scripts/help/published_methods.json", text, f.read())
    import element_pages
    element_pages.METHODS = json.loads(text)
    for k in element_pages.KINDS:
        name, page = element_pages.element_page(k)
        path = os.path.join(element_pages.HELP, "elements", name + ".html")
        with open(path, encoding="utf-8") as f:
            stale |= differs(f"help/elements/{name}.html", page, f.read())
    path = os.path.join(element_pages.HELP, "published_methods.html")
    with open(path, encoding="utf-8") as f:
        stale |= differs("help/published_methods.html", element_pages.methods_page(), f.read())
    if stale:
        print("Run published_methods.py and element_pages.py to bring them up to date.")
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())
