#!/usr/bin/env bash
# tolvane-cli show --print-pdf: the compact printout of a table of fourteen
# calculations fills three pages (six to a page), the table printout of the
# same project its own count, and a table without calculations is refused.
#   check_print_pdf.sh TOLVANE_CLI PROJECT_DIR WORK_DIR
set -euo pipefail
cli=$1 projects=$2 work=$3
mkdir -p "$work"
pages() { pdfinfo "$1" | awk '/^Pages:/ { print $2 }'; }
fail=0
rm -f "$work/compact.pdf" "$work/table.pdf"
"$cli" show "$projects/fourteen_elements.tlv" --print-pdf "$work/compact.pdf" --compact 2>/dev/null
"$cli" show "$projects/fourteen_elements.tlv" --print-pdf "$work/table.pdf" 2>/dev/null
[ "$(head -c 4 "$work/compact.pdf")" = "%PDF" ] || { echo "compact: not a PDF"; fail=1; }
[ "$(pages "$work/compact.pdf")" = 3 ] || { echo "compact: $(pages "$work/compact.pdf") pages, not 3"; fail=1; }
compact_text=$(pdftotext -layout "$work/compact.pdf" -)
for want in "Pressure drop of page 1 (calculations 1 to 6)" "Pressure drop of page 3 (calculations 13 to 14)" \
            "Total pressure drop (Page 1 to 3, 14 calculations)" "D 100.000 mm" "Page 3 of 3"; do
  grep -qF "$want" <<<"$compact_text" || { echo "compact: \"$want\" missing"; fail=1; }
done
[ "$(pages "$work/table.pdf")" -gt 3 ] || { echo "table: $(pages "$work/table.pdf") pages, no more than the compact"; fail=1; }
grep -qF "Diameter of pipe D in mm: 100.000" <<<"$(pdftotext "$work/table.pdf" -)" || { echo "table: full dimension texts missing"; fail=1; }
if "$cli" show "$projects/empty.tlv" --print-pdf "$work/empty.pdf" 2>/dev/null; then
  echo "empty: printed"; fail=1
fi
[ ! -e "$work/empty.pdf" ] || { echo "empty: a file was written"; fail=1; }
exit $fail
