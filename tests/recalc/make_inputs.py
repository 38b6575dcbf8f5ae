#!/usr/bin/env python3
"""Writes the batch inputs of the recalculation test: every element kind once,
at 10 and at 20 m³/h, metric and US. The US input at 20 m³/h gives each
dimension as the US table's texts show it (run with the batch tool's JSON of
the US table at 10 m³/h as argument), since a US table records its elements in
inches and feet."""
import json, sys

# (group, variant, fields) with the dimensions the engine tests use.
KINDS = [
    (1, 1, [80, 5]), (1, 2, [60, 40, 5]), (1, 3, [100, 60, 5]), (1, 4, [60, 40, 5]),
    (1, 5, [0.003, 0.25, 5]), (2, 1, [80]), (2, 2, [80]), (2, 3, [80, 30]), (2, 4, [80]),
    (3, 1, [80, 120]), (3, 2, [80, 120, 10]), (3, 3, [80, 50]), (3, 4, [80, 50, 10]),
    (4, 1, [80, 160, 90]), (4, 2, [80, 45]), (4, 3, [80]), (4, 4, [60, 40, 100, 90]),
    (4, 5, [80, 90]), (4, 6, [60, 40, 90]), (5, 1, [80]), (5, 2, [80]), (5, 3, [80]),
    (5, 4, [80]), (5, 5, [80, 50, 10, 90]), (5, 6, [80, 50, 10, 90]), (5, 7, [80, 45]),
    (5, 8, [80, 120]), (6, 1, [80, 3]), (6, 2, [80]), (6, 3, [80, 400]), (7, 1, [80]),
    (7, 2, [80]), (7, 3, [80]), (7, 4, [80, 40]), (7, 5, [80, 20]), (7, 6, [80, 20]),
    (8, 1, [80]), (8, 2, [80]), (8, 3, [80]), (9, 1, [80, 50]), (9, 2, [80, 50]),
    (9, 3, [80, 50, 20]), (9, 4, [80, 50]), (9, 5, [80, 50]), (10, 1, [10]), (10, 2, [80, 2.5]),
]
BRANCHES = {(5, 5), (5, 6)}
MEDIUM = {"name": "water 20 C", "flowUnit": "m³/h", "density": "998.2",
          "densityUnit": "kg/m³", "viscosity": "1002", "viscosityUnit": "10-6 kg/ms"}


def steps(flow, us_texts=None):
    out = []
    for i, (g, v, fields) in enumerate(KINDS):
        element = {"kind": [g, v], "fields": [f"{x:g}" for x in fields], "quantity": "2"}
        if (g, v) in BRANCHES:
            element["branchFlow"] = f"{flow * 0.4:g}"
        if us_texts:
            # "<caption> in <unit>: <value>" for the dimension rows 8 to 10
            units = []
            for r in range(3):
                text = us_texts[i][8 + r]
                head, _, value = text.partition(": ")
                unit = head.rpartition(" in ")[2] if " in " in head else None
                if r < len(fields) and unit in ("in.", "ft.", "sq.yd.", "mm", "m", "m²"):
                    element["fields"][r] = value
                units.append(unit if unit in ("in.", "ft.", "sq.yd.", "mm", "m", "m²") else None)
            while units and units[-1] is None:
                units.pop()
            if units:
                element["units"] = units
        step = {"element": element, "specification": f"line part {i + 1}"}
        if i == 0:
            step["medium"] = dict(MEDIUM, flow=f"{flow:g}")
        out.append(step)
    return out


def document(output, flow, us_texts=None):
    return {"output": output, "roughness": {"text": "0.1", "unit": "mm"},
            "steps": steps(flow, us_texts)}


def write(name, doc):
    with open(name, "w", encoding="utf-8") as f:
        json.dump(doc, f, ensure_ascii=False, indent=1)
        f.write("\n")


if len(sys.argv) == 1:
    write("every_kind_10.json", document("metric", 10))
    write("every_kind_20.json", document("metric", 20))
    write("every_kind_us_10.json", document("US", 10))
    write("medium_20.json", {"medium": dict(MEDIUM, flow="20")})
else:
    table = json.load(open(sys.argv[1], encoding="utf-8"))
    write("every_kind_us_20.json", document("US", 20, table["columns"]))
