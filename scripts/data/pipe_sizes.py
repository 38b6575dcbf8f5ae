"""Writes data/PIPE_SIZES.TXT: standard pipe sizes, one row per line.

Run with Debian's /usr/bin/python3 (it needs python3-fluids):
    /usr/bin/python3 scripts/data/pipe_sizes.py data/PIPE_SIZES.TXT

ASME B36.10M and B36.19M come from the tables of fluids.piping (outside
diameters and walls in mm as the standards print them); the threaded and copper
tubes are held below with their sources. Every row is checked before it is written:
the wall below half the outside diameter, one outside diameter per size of a
standard, and the published rows in CHECKS as given.
"""
import sys
from fractions import Fraction

import fluids.piping as p

B36_10 = "ASME B36.10M"
B36_19 = "ASME B36.19M"
EN_1057 = "EN 1057"
EN_10255 = "EN 10255"

# (schedule, sizes, outside diameters, walls) in the order the dialog lists them.
CARBON = [
    ("STD", p.NPSSTD, p.STDo, p.STDt),
    ("XS", p.NPSXS, p.XSo, p.XSt),
    ("XXS", p.NPSXXS, p.XXSo, p.XXSt),
    ("10", p.NPS10, p.S10o, p.S10t),
    ("20", p.NPS20, p.S20o, p.S20t),
    ("30", p.NPS30, p.S30o, p.S30t),
    ("40", p.NPS40, p.S40o, p.S40t),
    ("60", p.NPS60, p.S60o, p.S60t),
    ("80", p.NPS80, p.S80o, p.S80t),
    ("100", p.NPS100, p.S100o, p.S100t),
    ("120", p.NPS120, p.S120o, p.S120t),
    ("140", p.NPS140, p.S140o, p.S140t),
    ("160", p.NPS160, p.S160o, p.S160t),
]
STAINLESS = [
    ("5S", p.NPSS5, p.SS5o, p.SS5t),
    ("10S", p.NPSS10, p.SS10o, p.SS10t),
    ("40S", p.NPSS40, p.SS40o, p.SS40t),
    ("80S", p.NPSS80, p.SS80o, p.SS80t),
]

# EN 1057 copper tubes, outside diameter x wall in mm: the "Standard
# Dimensions" table of Halcor's TALOS GAS tube (EN 1057), whose inside
# diameters equal OD - 2 wall on every row.
COPPER = [
    (10, 1.0), (12, 1.0), (15, 1.0), (15, 1.2), (18, 1.0), (18, 1.2), (22, 1.0), (22, 1.5),
    (28, 1.5), (35, 1.5), (35, 2.0), (42, 1.5), (42, 2.0), (54, 2.0),
]

# EN 10255 threaded tubes, medium and heavy series: (DN, outside diameter,
# medium wall, heavy wall) in mm. The walls from the EN 10255 / BS 1387
# dimension table of TUSPIPE (tuspipe.com, "EN 10255"); the outside diameters
# from the DIN 2440 table (TubeSolution), which EN 10255 took over (its range
# 10.2 to 165.1 mm as TUSPIPE states it). DN 50 and above are left out: no
# second table of their outside diameters was found.
THREADED = [
    (8, 13.5, 2.3, 2.9), (10, 17.2, 2.3, 2.9), (15, 21.3, 2.6, 3.2), (20, 26.9, 2.6, 3.2),
    (25, 33.7, 3.2, 4.0), (32, 42.4, 3.2, 4.0), (40, 48.3, 3.2, 4.0),
]

# Rows from the standards' own tables: (standard, size, schedule, OD, wall).
CHECKS = [
    (B36_10, "4", "40", 114.3, 6.02),
    (B36_10, "2", "40", 60.3, 3.91),
    (B36_10, "6", "80", 168.3, 10.97),
    (B36_10, "12", "STD", 323.8, 9.53),
    (B36_19, "10", "10S", 273.1, 4.19),
    (EN_1057, "22", "1.0", 22.0, 1.0),
    (EN_10255, "DN 15", "medium", 21.3, 2.6),
]


def nps_text(nps):
    f = Fraction(nps).limit_denominator(8)
    whole, rest = divmod(f.numerator, f.denominator)
    if rest == 0:
        return str(whole)
    frac = f"{rest}/{f.denominator}"
    return f"{whole} {frac}" if whole else frac


def size_text(standard, size):
    if standard == EN_1057:
        return str(size)
    if standard == EN_10255:
        return f"DN {size}"
    return nps_text(size)


def rows():
    out = []
    for standard, table in ((B36_10, CARBON), (B36_19, STAINLESS)):
        for schedule, sizes, ods, walls in table:
            assert len(sizes) == len(ods) == len(walls), (standard, schedule)
            for nps, od, wall in zip(sizes, ods, walls):
                if nps > 48:
                    continue
                out.append((standard, nps, schedule, od, wall))
    for dn, od, medium, heavy in THREADED:
        out.append((EN_10255, dn, "medium", od, medium))
        out.append((EN_10255, dn, "heavy", od, heavy))
    for od, wall in COPPER:
        out.append((EN_1057, od, f"{wall:.1f}", float(od), wall))
    order = {s: i for i, s in enumerate([B36_10, B36_19, EN_10255, EN_1057])}
    sched = {s[0]: i for i, s in enumerate(CARBON + STAINLESS)}
    sched.update(medium=0, heavy=1)
    out.sort(key=lambda r: (order[r[0]], r[1], sched.get(r[2], 0), r[4]))
    return out


def check(table):
    outside = {}
    for standard, nps, schedule, od, wall in table:
        assert 0 < wall < od / 2, (standard, nps, schedule)
        key = (standard, nps)
        assert outside.setdefault(key, od) == od, (key, outside[key], od)
    texts = {(r[0], size_text(r[0], r[1]), r[2]): r for r in table}
    for standard, size, schedule, od, wall in CHECKS:
        r = texts[(standard, size, schedule)]
        assert (r[3], r[4]) == (od, wall), (standard, size, schedule, r)


def main(path):
    table = rows()
    check(table)
    lines = [
        "# Standard pipe sizes: standard, nominal size, schedule or series, outside diameter mm, wall mm.",
        "# Written by scripts/data/pipe_sizes.py; sources in SOURCES.md.",
    ]
    for standard, nps, schedule, od, wall in table:
        if standard == EN_1057:
            numbers = [f"{od:.0f}", f"{wall:.1f}"]
        elif standard == EN_10255:
            numbers = [f"{od:.1f}", f"{wall:.1f}"]
        else:  # the decimals of the ASME tables
            numbers = [f"{od:.1f}", f"{wall:.2f}"]
        lines.append("\t".join([standard, size_text(standard, nps), schedule] + numbers))
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
    print(f"{len(table)} rows", file=sys.stderr)


if __name__ == "__main__":
    main(sys.argv[1])
