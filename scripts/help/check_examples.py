#!/usr/bin/python3
"""Checks that the worked examples of the help pages are what the program
computes now: runs the batch tool with the inputs of compute_examples.py,
writes each "Example" section as element_pages.py would, and compares it
with the section the page shows. Also compares scripts/help/examples.json,
from which the pages are written.

    /usr/bin/python3 scripts/help/check_examples.py build/bin/tolvane-cli

Exits 1 with a diff for every page that differs. To bring the pages up to
date, run compute_examples.py and then element_pages.py.
"""
import difflib
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import compute_examples  # noqa: E402
import element_pages  # noqa: E402

HELP = element_pages.HELP
SECTION_START = "<h2>Example</h2>"
SECTION_END = "\n<h2>Source</h2>"


def shown_section(path):
    """The page's "Example" section, or "" when it has none."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    start = text.find(SECTION_START)
    if start < 0:
        return ""
    end = text.find(SECTION_END, start)
    return text[start:end if end >= 0 else len(text)]


def lines(section):
    """One line per paragraph, list item and table row, for a readable diff."""
    return re.sub(r"(<(?:p|ul|li|tr|table)\b)", r"\n\1", section).strip("\n").split("\n")


def diff(shown, computed, name, source):
    return list(difflib.unified_diff(lines(shown), lines(computed),
                                     f"{name} (shown)", f"{name} ({source})", lineterm=""))


def expected_sections(data):
    """Page path (relative to help/) -> the section the pages should show."""
    sections = {}
    for k in element_pages.KINDS:
        rel = f"elements/{element_pages.slug(k['name'])}.html"
        sections[rel] = element_pages.expand(element_pages.example_section(k, data), "../")
    sections["gas_correction.html"] = element_pages.expand(element_pages.gas_example(data), "")
    return sections


def check(cli, help_dir=HELP, stored=compute_examples.OUT):
    """The faults (each a list of lines) and the number of sections checked."""
    data = compute_examples.compute(cli)
    sections = expected_sections(data)
    faults = []
    for rel, computed in sections.items():
        path = os.path.join(help_dir, rel)
        if not os.path.exists(path):
            faults.append([f"missing help/{rel}"])
            continue
        shown = shown_section(path)
        if shown != computed:
            faults.append(diff(shown, computed, f"help/{rel}", "computed now"))
    with open(stored, encoding="utf-8") as f:
        text = f.read()
    if text != compute_examples.as_text(data):
        faults.append(list(difflib.unified_diff(
            text.splitlines(), compute_examples.as_text(data).splitlines(),
            "scripts/help/examples.json (stored)", "scripts/help/examples.json (computed now)",
            lineterm="")))
    return faults, len(sections)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: check_examples.py <path of tolvane-cli>")
    cli = sys.argv[1]
    faults, count = check(cli)
    for fault in faults:
        print("\n".join(fault))
    print(f"{count} example sections checked against {cli}, {len(faults)} differ")
    if faults:
        print("To bring them up to date: /usr/bin/python3 scripts/help/compute_examples.py "
              f"{cli} && /usr/bin/python3 scripts/help/element_pages.py")
    return 1 if faults else 0

if __name__ == "__main__":
    sys.exit(main())
