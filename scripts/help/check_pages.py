#!/usr/bin/python3
"""Checks the engineering help pages before they are committed:

- every element kind of src/shell/element_catalogue.cpp has its page
  help/elements/<name>.html, its picture and an entry in the index, and the
  kinds described in scripts/help/element_pages.py carry the catalogue's
  names and input labels;
- every page has a title and a keywords line;
- every href and img src of the pages under help/ resolves to a file (and an
  anchor, where one is named), every formula image exists and has an alt text.

    /usr/bin/python3 scripts/help/check_pages.py

Exits 1 and lists the faults when there are any.
"""
import os
import re
import sys
from html.parser import HTMLParser

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
HELP = os.path.join(ROOT, "help")
sys.path.insert(0, HERE)
from element_pages import KINDS, slug  # noqa: E402


class Page(HTMLParser):
    def __init__(self):
        super().__init__()
        self.links, self.images, self.anchors = [], [], set()
        self.title = ""
        self.keywords = None
        self._in_title = False

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "a" and "href" in a:
            self.links.append(a["href"])
        if tag == "a" and "name" in a:
            self.anchors.add(a["name"])
        if "id" in a:
            self.anchors.add(a["id"])
        if tag == "img":
            self.images.append((a.get("src", ""), a.get("alt")))
        if tag == "meta" and a.get("name") == "keywords":
            self.keywords = a.get("content", "")
        if tag == "title":
            self._in_title = True

    def handle_endtag(self, tag):
        if tag == "title":
            self._in_title = False

    def handle_data(self, data):
        if self._in_title:
            self.title += data


def parse(path):
    p = Page()
    with open(path, encoding="utf-8") as f:
        p.feed(f.read())
    return p


def catalogue():
    with open(os.path.join(ROOT, "src", "shell", "element_catalogue.cpp"), encoding="utf-8") as f:
        text = f.read()
    kinds = re.findall(r'kind\((\d+),\s*(\d+),\s*"[^"]*",\s*"[^"]*",\s*"([^"]*)"', text)
    return {(int(g), int(v)): name for g, v, name in kinds}, text


def main():
    faults = []
    names, source = catalogue()
    if len(names) != 46:
        faults.append(f"element_catalogue.cpp: found {len(names)} kinds, expected 46")
    described = {(k["group"], k["variant"]): k for k in KINDS}
    for key, name in sorted(names.items()):
        k = described.get(key)
        if not k:
            faults.append(f"kind {key} '{name}' is not described")
            continue
        if k["name"] != name:
            faults.append(f"kind {key}: described as '{k['name']}', catalogue says '{name}'")
        for label, *_ in k["inputs"]:
            if f'"{label}"' not in source:
                faults.append(f"kind {key}: input label '{label}' is not in the catalogue")
        for rel in (f"elements/{slug(name)}.html", f"images/elements/{slug(name)}.png"):
            if not os.path.exists(os.path.join(HELP, rel)):
                faults.append(f"missing help/{rel}")
    index = os.path.join(HELP, "elements", "index.html")
    if os.path.exists(index):
        linked = set(parse(index).links)
        for name in names.values():
            if f"{slug(name)}.html" not in linked:
                faults.append(f"elements/index.html does not list {slug(name)}.html")

    pages = {}
    for folder, _, files in os.walk(HELP):
        for f in files:
            if f.endswith(".html"):
                path = os.path.join(folder, f)
                pages[os.path.normpath(path)] = parse(path)
    for path, p in sorted(pages.items()):
        rel = os.path.relpath(path, HELP)
        if not p.title.strip():
            faults.append(f"{rel}: no title")
        if not p.keywords:
            faults.append(f"{rel}: no keywords")
        base = os.path.dirname(path)
        for href in p.links:
            if re.match(r"^[a-z]+:", href):
                continue
            target, _, anchor = href.partition("#")
            file = os.path.normpath(os.path.join(base, target)) if target else path
            if not os.path.exists(file):
                faults.append(f"{rel}: link {href} does not resolve")
            elif anchor and file in pages and anchor not in pages[file].anchors:
                faults.append(f"{rel}: link {href}: no anchor {anchor}")
        for src, alt in p.images:
            if not os.path.exists(os.path.normpath(os.path.join(base, src))):
                faults.append(f"{rel}: image {src} does not exist")
            if not alt:
                faults.append(f"{rel}: image {src} has no alt text")
    for fault in faults:
        print(fault)
    print(f"{len(pages)} pages checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
