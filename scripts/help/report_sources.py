#!/usr/bin/python3
"""Writes src/report/element_sources.cpp, the published sources of every
element kind's correlation for the calculation report, from the same table
the help pages are written from (scripts/help/element_pages.py), so the
report and the help name the same references.

    /usr/bin/python3 scripts/help/report_sources.py          # writes the file
    /usr/bin/python3 scripts/help/report_sources.py --check  # fails when it is stale
"""
import html
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import element_pages  # noqa: E402

OUT = os.path.normpath(os.path.join(HERE, "..", "..", "src", "report", "element_sources.cpp"))


def plain(text):
    return html.unescape(re.sub(r"<[^>]+>", "", text))


def literal(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def generate():
    keys = list(element_pages.SOURCES)
    out = ["// Written by scripts/help/report_sources.py from the table of the help pages;",
           "// change that table and run the script again instead of editing this file.",
           '#include "report/element_sources.h"', "", "namespace tolvane::report {", "",
           "const std::vector<PublishedSource>& publishedSources() {",
           "    static const std::vector<PublishedSource> sources = {"]
    for key in keys:
        used, ref = element_pages.SOURCES[key]
        out.append(f"        {{{literal(key)},")
        out.append(f"         {literal(plain(used))},")
        out.append(f"         {literal(plain(ref))}}},")
    out += ["    };", "    return sources;", "}", "",
            "const std::vector<KindSources>& kindSources() {",
            "    static const std::vector<KindSources> kinds = {"]
    for k in element_pages.KINDS:
        entries = []
        for entry in k["sources"]:
            key, what = entry if isinstance(entry, tuple) else (entry, "")
            entries.append(f"{{{literal(key)}, {literal(plain(what))}}}")
        out.append(f"        {{{{{k['group']}, {k['variant']}}}, {{{', '.join(entries)}}}}},")
    out += ["    };", "    return kinds;", "}", "", "}  // namespace tolvane::report", ""]
    return "\n".join(out)


def main():
    text = generate()
    if "--check" in sys.argv:
        with open(OUT, encoding="utf-8") as f:
            if f.read() != text:
                sys.exit(f"{OUT} is stale: run scripts/help/report_sources.py")
        return 0
    with open(OUT, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
