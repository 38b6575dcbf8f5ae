#!/usr/bin/python3
"""Computes the worked examples of the help pages with the program itself.

Every element kind is calculated once with the element form's default inputs
for water at 20 °C, and a straight pipe once for air as a liquid-like and as a
gaseous medium, by the batch tool tolvane-cli. The column texts and messages
are written to scripts/help/examples.json, from which element_pages.py writes
the "Example" sections, so the pages show what the program computes.

    cmake --build build --target tolvane-cli
    /usr/bin/python3 scripts/help/compute_examples.py build/bin/tolvane-cli
    /usr/bin/python3 scripts/help/element_pages.py

Run it again when a resistance rule has changed; check_examples.py (run by
ctest) fails until the pages show what the program computes.
"""
import json
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from element_pages import EXAMPLE_MEDIUM, EXAMPLE_GAS, KINDS  # noqa: E402

OUT = os.path.join(HERE, "examples.json")


def steps():
    result = []
    for i, k in enumerate(KINDS):
        element = {"kind": [k["group"], k["variant"]]}
        if k["option"]:
            element["option"] = 0
        if (k["group"], k["variant"]) in ((5, 5), (5, 6)):
            element["branchFlow"] = EXAMPLE_MEDIUM["branchFlow"]
        step = {"element": element}
        if i == 0:
            step["medium"] = {key: EXAMPLE_MEDIUM[key] for key in
                              ("name", "flow", "density", "viscosity")}
        result.append(step)
    pipe = {"kind": [1, 1], "fields": EXAMPLE_GAS["fields"]}
    medium = {key: EXAMPLE_GAS[key] for key in ("name", "flow", "density", "viscosity")}
    result.append({"medium": dict(medium, condition="liquid"), "element": pipe})
    result.append({"medium": dict(medium, condition="gas"), "gas": EXAMPLE_GAS["gas"],
                   "element": pipe})
    return result


def compute(cli):
    """The examples as the batch tool at path cli computes them now."""
    batch = {"roughness": {"text": EXAMPLE_MEDIUM["roughness"], "unit": "mm"}, "steps": steps()}
    with tempfile.NamedTemporaryFile("w", suffix=".json", delete=False, encoding="utf-8") as f:
        json.dump(batch, f, ensure_ascii=False)
        name = f.name
    try:
        run = subprocess.run([cli, "calc", name], capture_output=True, text=True,
                             encoding="utf-8")
    finally:
        os.unlink(name)
    if run.returncode not in (0, 1):
        sys.exit(f"{cli} calc failed ({run.returncode}): {run.stderr}")
    table = json.loads(run.stdout)
    columns = iter(table["columns"])
    examples = []
    for step in table["steps"]:
        examples.append({"added": step["added"], "messages": step["messages"],
                         "column": next(columns) if step["added"] else None})
    kinds = {f'{k["group"]},{k["variant"]}': e for k, e in zip(KINDS, examples)}
    return {"headings": table["headings"], "kinds": kinds,
            "gas": {"liquid": examples[len(KINDS)], "gas": examples[len(KINDS) + 1]}}


def as_text(data):
    """The text of examples.json for data."""
    return json.dumps(data, ensure_ascii=False, indent=1) + "\n"


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: compute_examples.py <path of tolvane-cli>")
    with open(OUT, "w", encoding="utf-8", newline="\n") as f:
        f.write(as_text(compute(sys.argv[1])))
    return 0


if __name__ == "__main__":
    sys.exit(main())
