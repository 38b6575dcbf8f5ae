#!/usr/bin/python3
"""The batch tool's calculation report of the five-element line with a pump:
the PDF exists, its page count is the one every page names ("Page i of n"),
and its text (pdftotext) holds the title block, each column's element and
pressure drop (the table's three decimals are the report's number rounded),
the total and the version. The title block beside the project is found, a
damaged one is refused, and a failed write keeps the old PDF.

    check_report_pdf.py TOLVANE_CLI SOURCE_DIR WORK_DIR VERSION
"""
import json
import os
import re
import shutil
import subprocess
import sys
import unicodedata

cli, source, work, version = sys.argv[1:5]
shutil.rmtree(work, ignore_errors=True)
os.makedirs(work)
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def run(*args):
    return subprocess.run([cli, *args], capture_output=True, text=True)


project = os.path.join(work, "five.tlv")
made = run("calc", os.path.join(source, "tests/cli/curve_five_elements.json"), "--format", "tlv",
           "-o", project)
assert made.returncode == 0, made.stderr
table = json.loads(run("show", project).stdout)
headings, columns = table["headings"], table["columns"]
drop_row = next(i for i, h in enumerate(headings) if h.startswith("Pressure drop in mbar"))
element_row = 7

title = {"titleBlock": {"project": "Cooling water Nord", "line": "CW-204", "documentNumber": "DOC-4711",
                        "revision": "C", "preparedBy": "A. Miller", "checkedBy": "B. Stone",
                        "approvedBy": "C. Young", "date": "2026-12-10", "remark": "Issued for review."}}
title_file = os.path.join(work, "title.json")
with open(title_file, "w", encoding="utf-8") as f:
    json.dump(title, f)

pump = os.path.join(source, "data/pumps/example-end-suction-50-200.tpump")
pdf = os.path.join(work, "five.pdf")
out = run("report", project, "--title-block", title_file, "--pump", pump, "--static-head", "30",
          "-o", pdf)
check(out.returncode == 0, f"report exit {out.returncode}: {out.stderr}")
check(os.path.isfile(pdf), "no PDF written")

pages = int(re.search(r"^Pages:\s+(\d+)", subprocess.run(["pdfinfo", pdf], capture_output=True,
                                                          text=True).stdout, re.M).group(1))
# NFKC undoes the ligatures pdftotext gives ("diﬀerence").
text = unicodedata.normalize("NFKC", subprocess.run(["pdftotext", "-layout", pdf, "-"],
                                                    capture_output=True, text=True).stdout)
check(pages >= 2, f"{pages} pages; the five columns, checks, diagram and sources need two")
for i in range(1, pages + 1):
    check(f"Page {i} of {pages}" in text, f"'Page {i} of {pages}' missing")
check(f"of {pages + 1}" not in text, "a page names more pages than the PDF has")
for value in title["titleBlock"].values():
    check(text.count(value) >= (pages if value != "Issued for review." else 1), f"title block text {value!r}")

# In content order each cell's lines follow each other: an element name wrapped
# in its cell reads whole again.
raw = " ".join(unicodedata.normalize("NFKC", subprocess.run(
    ["pdftotext", "-raw", pdf, "-"], capture_output=True, text=True).stdout).split())
numbers = [float(n) for n in re.findall(r"(?<![\w.])-?\d+\.\d+(?![\w.])", text)]
for col in columns:
    element = col[element_row].rsplit("/", 1)[0]
    check(element in raw, f"element {element!r} missing")
    shown = float(col[drop_row])
    check(any(round(n, 3) == shown for n in numbers),
          f"no pressure drop that rounds to the table's {col[drop_row]}")
total_text = table["total"].split()[0]  # the table's total, "508.894 mbar or 0.509 bar"
total, places = float(total_text), len(total_text.split(".")[1])
line = re.search(r"Total pressure drop: (\d+\.\d+) mbar", text)
check(line is not None, "total line missing")
check(line is not None and round(float(line.group(1)), places) == total,
      f"the total {line and line.group(1)} does not round to the table's {table['total']}")
check(f"Calculated with Tolvane {version}" in text, "version missing")
check("Operating point" in text, "operating point missing")
check("Colebrook" in text, "source of the friction factor missing")

# The title block beside the project is read without --title-block.
beside = project + ".report.json"
shutil.copy(title_file, beside)
pdf2 = os.path.join(work, "beside.pdf")
out = run("report", project, "-o", pdf2)
check(out.returncode == 0, f"report with the title block beside: exit {out.returncode}")
text2 = subprocess.run(["pdftotext", pdf2, "-"], capture_output=True, text=True).stdout
check("DOC-4711" in text2, "the title block beside the project was not read")

# A damaged one is refused whole, and nothing is written.
with open(beside, "w", encoding="utf-8") as f:
    f.write('{"titleBlock": {"project": "half", "checkedBy": 7}}')
pdf3 = os.path.join(work, "damaged.pdf")
out = run("report", project, "-o", pdf3)
check(out.returncode == 2, f"damaged title block: exit {out.returncode}")
check("is damaged: titleBlock.checkedBy: not a text" in out.stderr, f"message: {out.stderr!r}")
check(not os.path.exists(pdf3), "a PDF was written with a damaged title block")

# A PDF that cannot be written keeps the old file and says why.
os.remove(beside)
blocked = os.path.join(work, "blocked")
os.makedirs(os.path.join(blocked, "x.pdf"))
out = run("report", project, "-o", os.path.join(blocked, "x.pdf"))
check(out.returncode == 2 and "cannot write" in out.stderr, f"unwritable PDF: {out.returncode} {out.stderr!r}")
check(os.path.isdir(os.path.join(blocked, "x.pdf")), "the directory in the way was replaced")

# Usage.
out = run("report", project)
check(out.returncode == 2 and "report needs -o OUT.pdf" in out.stderr, "missing -o accepted")
out = run("show", project, "--title-block", title_file)
check(out.returncode == 2 and "--title-block belongs to report" in out.stderr, "--title-block on show accepted")

for f in failures:
    print("FAIL:", f)
print(f"{pages} pages")
sys.exit(1 if failures else 0)
