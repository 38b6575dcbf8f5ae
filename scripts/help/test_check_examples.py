#!/usr/bin/python3
"""The examples check finds a page or an examples.json that no longer shows
what the program computes, and names the value.

    TOLVANE_CLI=build/bin/tolvane-cli /usr/bin/python3 scripts/help/test_check_examples.py
"""
import os
import shutil
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import check_examples  # noqa: E402
import compute_examples  # noqa: E402

CLI = os.environ.get("TOLVANE_CLI", "")
CELL = "<tr><td>Resistance coefficient:</td><td>"
ROW = CELL + "{}</td></tr>"


def replace_once(path, old, new):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    assert text.count(old) == 1, f"{old!r} is not once in {path}"
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text.replace(old, new))


class StaleExamples(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.mkdtemp()
        self.help = os.path.join(self.scratch, "help")
        shutil.copytree(check_examples.HELP, self.help)
        self.stored = os.path.join(self.scratch, "examples.json")
        shutil.copy(compute_examples.OUT, self.stored)
        page = os.path.join(self.help, "elements", "cast_iron_bend.html")
        with open(page, encoding="utf-8") as f:
            text = f.read()
        start = text.index(CELL) + len(CELL)
        self.page, self.value = page, text[start:text.index("<", start)]

    def tearDown(self):
        shutil.rmtree(self.scratch)

    def faults(self):
        return check_examples.check(CLI, self.help, self.stored)[0]

    def test_pages_as_committed_pass(self):
        self.assertEqual(self.faults(), [])

    def test_one_changed_value_in_a_page_fails_with_its_diff(self):
        changed = f"{float(self.value) + 0.001:.3f}"
        replace_once(self.page, ROW.format(self.value), ROW.format(changed))
        faults = self.faults()
        self.assertEqual(len(faults), 1)
        self.assertIn("--- help/elements/cast_iron_bend.html (shown)", faults[0])
        self.assertIn("-" + ROW.format(changed), faults[0])
        self.assertIn("+" + ROW.format(self.value), faults[0])

    def test_a_page_without_its_example_fails(self):
        replace_once(self.page, "<h2>Example</h2>", "<h2>Examples</h2>")
        self.assertEqual(len(self.faults()), 1)

    def test_a_stale_examples_file_fails(self):
        replace_once(self.stored, '"column": [\n    "1",\n', '"column": [\n    "one",\n')
        faults = self.faults()
        self.assertEqual(len(faults), 1)
        self.assertIn('+    "1",', faults[0])


if __name__ == "__main__":
    if not os.access(CLI, os.X_OK):
        sys.exit(f"TOLVANE_CLI={CLI!r} names no batch tool")
    unittest.main()
