#!/usr/bin/python3
"""Exports read back by readers of their own: every project here is exported
by `tolvane-cli export` as CSV, XLSX and ODS, read with Python's csv module,
openpyxl and odfpy, and every cell compared with the table's texts as
`tolvane-cli show --format json` prints them (numbers as the float each text
reads as, exactly), with the total row's SUM formulas and values.

usage: check_exports.py TOLVANE_CLI PROJECT_DIR WORK_DIR
"""
import csv
import io
import json
import os
import subprocess
import sys

import openpyxl
from odf import teletype
from odf.opendocument import load as load_ods
from odf.table import Table, TableCell, TableRow

# Table rows (see the calculation table): the ones a sheet column each.
FIXED_ROWS = [0, 1, 2, 3, 4, 6] + list(range(13, 25))
TEXT_ROWS = {1, 6, 17}  # medium, specification, regime
DESCRIBED_ROWS = range(8, 13)
ELEMENT_ROW, DROP_ROW, DROP_LARGE_ROW = 7, 23, 24

failures = []


def fail(text):
    failures.append(text)
    print("FAIL: " + text, file=sys.stderr)


def heading(text):
    return text.rstrip(": ")


def number(text):
    return float(text.replace(" ", "").replace(",", "."))


def is_number(text):
    try:
        number(text)
        return True
    except ValueError:
        return False


def expected_rows(table):
    """Per calculation a dict heading -> ('n', float) or ('t', text)."""
    headings = [heading(h) for h in table["headings"]]
    fixed = {headings[r] for r in FIXED_ROWS}
    rows = []
    for col in table["columns"]:
        cells = {}
        for r in FIXED_ROWS:
            text = col[r]
            if not text.strip():
                continue
            if r in TEXT_ROWS or not is_number(text):
                cells[headings[r]] = ("t", text)
            else:
                cells[headings[r]] = ("n", number(text))
        kind, _, quantity = col[ELEMENT_ROW].rpartition("/")
        cells["Element of pipe"] = ("t", kind)
        if quantity.strip():
            cells["Quantity"] = ("t", quantity)
        for r in DESCRIBED_ROWS:
            caption, mark, value = col[r].partition(": ")
            if not mark or not value.strip():
                continue
            caption = caption.strip()
            if caption in fixed:
                caption += " (given)"
            value = value.strip()
            cells[caption] = ("n", number(value)) if is_number(value) else ("t", value)
        rows.append(cells)
    return rows


def compare(name, sheet_headings, sheet_rows, expected, typed=True):
    """sheet_rows: the data rows as lists of Python values (float, str or None);
    untyped (CSV): every field a str, a number one that reads as its float."""
    if len(sheet_rows) != len(expected):
        fail(f"{name}: {len(sheet_rows)} rows, the table has {len(expected)} calculations")
        return
    if len(set(sheet_headings)) != len(sheet_headings):
        fail(f"{name}: a heading stands twice: {sheet_headings}")
    for i, (got, want) in enumerate(zip(sheet_rows, expected), start=1):
        filled = {h: v for h, v in zip(sheet_headings, got) if v not in (None, "")}
        if set(filled) != set(want):
            fail(f"{name} row {i}: columns {sorted(set(filled) ^ set(want))} differ")
        for h, (kind, value) in want.items():
            cell = filled.get(h)
            if not typed and kind == "n":
                try:
                    cell = float(cell)
                except (TypeError, ValueError):
                    pass
            if kind == "n" and not (isinstance(cell, float) and cell == value):
                fail(f"{name} row {i} '{h}': {cell!r}, the table reads {value!r}")
            if kind == "t" and cell != value:
                fail(f"{name} row {i} '{h}': {cell!r}, the table shows {value!r}")


def check_total(name, sheet_headings, total_row, table, n, formulas=None):
    """The total row: its label, the two pressure-drop sums (within the decimals shown)."""
    if total_row[0] != "Total pressure drop":
        fail(f"{name}: the last row starts with {total_row[0]!r}")
    for r in (DROP_ROW, DROP_LARGE_ROW):
        col = sheet_headings.index(heading(table["headings"][r]))
        texts = [c[r] for c in table["columns"] if c[r].strip()]
        want = sum(number(t) for t in texts)
        got = total_row[col]
        if not isinstance(got, float) or abs(got - want) > 1e-9 * max(1.0, abs(want)):
            fail(f"{name}: total of '{sheet_headings[col]}' is {got!r}, the column adds to {want!r}")
        if formulas is not None:
            letters = column_letters(col)
            want_formula = formulas.format(c=letters, last=n + 1)
            if formulas_of[name][col] != want_formula:
                fail(f"{name}: formula {formulas_of[name][col]!r}, expected {want_formula!r}")
    # The table's own total text names the first sum ("508.894 mbar or 0.509 bar").
    first = number(table["total"].split()[0])
    col = sheet_headings.index(heading(table["headings"][DROP_ROW]))
    decimals = len(table["total"].split()[0].partition(".")[2])
    if abs(total_row[col] - first) > 0.5 * 10 ** -decimals + 1e-12:
        fail(f"{name}: total {total_row[col]!r} is not the table's {table['total']!r}")


def column_letters(index):
    letters = ""
    n = index + 1
    while n:
        n, rest = divmod(n - 1, 26)
        letters = chr(ord("A") + rest) + letters
    return letters


formulas_of = {}


def read_csv(path):
    raw = open(path, "rb").read()
    text = raw.decode("utf-8")  # strictly UTF-8
    if raw.startswith(b"\xef\xbb\xbf"):
        fail(f"{path}: starts with a byte-order mark")
    records = list(csv.reader(io.StringIO(text, newline=""), strict=True))
    # Every record ends with CR LF (a quoted field may hold line breaks of its own).
    if not text.endswith("\r\n") or text.count("\r\n") < len(records):
        fail(f"{path}: records not ended by CR LF")
    rows = [[f if f != "" else None for f in r] for r in records[1:]]
    # The total row's sums are numbers in any case.
    total = [float(f) if f and f[0] in "0123456789-" else f for f in rows[-1]] if rows else []
    return records[0], rows[:-1], total


def read_xlsx(path, name):
    book = openpyxl.load_workbook(path)
    cached = openpyxl.load_workbook(path, data_only=True)
    sheet, values = book.active, cached.active
    rows = [list(r) for r in sheet.iter_rows(values_only=True)]
    cached_rows = [list(r) for r in values.iter_rows(values_only=True)]
    formulas_of[name] = rows[-1]
    def value(v):
        return float(v) if isinstance(v, (int, float)) and not isinstance(v, bool) else v
    data = [[value(v) for v in r] for r in rows[1:-1]]
    total = [value(v) for v in cached_rows[-1]]
    return rows[0], data, total


def read_ods(path, name):
    doc = load_ods(path)
    table = doc.spreadsheet.getElementsByType(Table)[0]
    rows, formulas = [], []
    for row in table.getElementsByType(TableRow):
        cells, cell_formulas = [], []
        for cell in row.getElementsByType(TableCell):
            repeat = int(cell.getAttribute("numbercolumnsrepeated") or 1)
            kind = cell.getAttribute("valuetype")
            if kind == "float":
                v = float(cell.getAttribute("value"))
            elif kind == "string":
                v = teletype.extractText(cell)
            else:
                v = None
            cells += [v] * repeat
            cell_formulas += [cell.getAttribute("formula")] * repeat
        rows.append(cells)
        formulas.append(cell_formulas)
    formulas_of[name] = formulas[-1]
    return rows[0], rows[1:-1], rows[-1]


def main():
    cli, projects, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    names = sorted(p for p in os.listdir(projects) if p.endswith(".tlv"))
    if not names:
        fail("no project to export")
    for project in names:
        path = os.path.join(projects, project)
        shown = subprocess.run([cli, "show", path, "--format", "json"], check=True,
                               capture_output=True).stdout
        table = json.loads(shown)
        expected = expected_rows(table)
        n = len(expected)
        for fmt in ("csv", "xlsx", "ods"):
            out = os.path.join(work, project + "." + fmt)
            if os.path.exists(out):
                os.remove(out)
            run = subprocess.run([cli, "export", path, "--format", fmt, "-o", out],
                                 capture_output=True)
            name = f"{project} {fmt}"
            if run.returncode != 0:
                fail(f"{name}: exit status {run.returncode}: {run.stderr.decode()}")
                continue
            if fmt == "csv":
                headings, data, total = read_csv(out)
            elif fmt == "xlsx":
                headings, data, total = read_xlsx(out, name)
            else:
                headings, data, total = read_ods(out, name)
            compare(name, headings, data, expected, typed=fmt != "csv")
            formula = {"csv": None, "xlsx": "=SUM({c}2:{c}{last})",
                       "ods": "of:=SUM([.{c}2:.{c}{last}])"}[fmt]
            check_total(name, headings, total, table, n, formula)
            print(f"{name}: {n} rows x {len(headings)} columns read back equal")
    if failures:
        sys.exit(1)


if __name__ == "__main__":
    main()
