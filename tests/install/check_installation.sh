#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR (prefix /usr) and runs the
# installed programs from there alone: the batch tool on a golden case, and
# the program (offscreen, TOLVANE_CHECK_INSTALLATION=1) opening a project
# whose path has blanks, given whole, split into several arguments and
# relative to the folder it is started in. The build tree is nowhere on
# their way: they run in an empty folder with their own HOME.
#   check_installation.sh BUILD_DIR SOURCE_DIR CMAKE
set -euo pipefail
build=$1 source=$2 cmake=$3
root=$build/install_check
usr=$root/dest/usr
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$root"
mkdir -p "$root/home" "$root/My projects" "$root/runtime"
chmod 700 "$root/runtime"
DESTDIR="$root/dest" "$cmake" --install "$build" --prefix /usr >"$root/install.log"

for f in bin/tolvane bin/tolvane-cli share/applications/tolvane.desktop \
         share/icons/hicolor/scalable/apps/tolvane.svg share/mime/packages/tolvane.xml \
         share/tolvane/GASE.STW share/tolvane/MEDIEN.STW share/tolvane/DADRU.DAD \
         share/tolvane/SOURCES.md share/tolvane/1601.bmp \
         share/tolvane/pumps/example-end-suction-50-200.tpump; do
  [ -e "$usr/$f" ] || fail "not installed: $f"
done
[ -z "$(find "$usr/bin" -type f ! -name 'tolvane*')" ] || fail "bin/ holds more than the programs"
if [ -d "$source/help" ]; then
  diff -rq "$source/help" "$usr/share/tolvane/help" >/dev/null || fail "help/ not installed whole"
fi
grep -q '^Exec=tolvane %f$' "$usr/share/applications/tolvane.desktop" ||
  fail "the desktop entry does not pass the file to open"
# The MIME package compiles, and *.tlv names a project file.
if command -v update-mime-database >/dev/null; then
  update-mime-database "$usr/share/mime" >/dev/null 2>&1 || fail "update-mime-database refused tolvane.xml"
  grep -q '^50:application/x-tolvane-project:\*\.tlv$' "$usr/share/mime/globs2" ||
    fail "*.tlv is not a Tolvane project"
fi

export HOME=$root/home XDG_CONFIG_HOME=$root/home/.config XDG_RUNTIME_DIR=$root/runtime
export LC_ALL=C QT_QPA_PLATFORM=offscreen
cd "$root"

# The batch tool, installed, on a golden case.
"$usr/bin/tolvane-cli" calc "$source/tests/cli/metric_pipe.json" >"$root/cli.out" ||
  fail "tolvane-cli calc ended with status $?"
cmp -s "$root/cli.out" "$source/tests/cli/metric_pipe.expected" ||
  fail "tolvane-cli output differs from tests/cli/metric_pipe.expected"
project="$root/My projects/line one.tlv"
"$usr/bin/tolvane-cli" calc "$source/tests/cli/metric_pipe.json" --format tlv -o "$project"
# Every step of the case adds one calculation (the tool ended with status 0).
calculations=$(grep -c '"element"' "$source/tests/cli/metric_pipe.json") || true
[ "$calculations" -gt 0 ] || fail "no calculations in the golden output"

# The program, started in the way a file manager and a terminal start it.
run_program() {  # LOG ARGS...
  local log=$1
  shift
  local status=0
  TOLVANE_CHECK_INSTALLATION=1 timeout 60 "$usr/bin/tolvane" "$@" >"$log" 2>"$log.err" || status=$?
  echo "$status"
}
check_run() {  # LOG
  grep -q "^project $project: $calculations calculations$" "$1" ||
    fail "$1: the project was not opened ($(grep '^project' "$1"); $(cat "$1.err"))"
  ! grep -q '^missing' "$1" || fail "$1: $(grep '^missing' "$1")"
  grep '^found' "$1" | grep -qv " in $usr/share/tolvane$" &&
    fail "$1: data found outside the installation: $(grep '^found' "$1" | grep -v " in $usr/share/tolvane$")"
  return 0
}

status=$(run_program "$root/whole.log" "$project")
[ "$status" = 0 ] || fail "the program ended with status $status: $(cat "$root/whole.log.err")"
check_run "$root/whole.log"
grep -q 'TOLV.INI' "$root/whole.log.err" || fail "first start without the settings warning"
# An installed program keeps its settings in the user's configuration folder.
[ -f "$XDG_CONFIG_HOME/Tolvane/TOLV.INI" ] || fail "TOLV.INI not in \$XDG_CONFIG_HOME/Tolvane"
[ ! -e "$usr/bin/TOLV.INI" ] || fail "TOLV.INI written beside the installed program"
[ "$(wc -l <"$XDG_CONFIG_HOME/Tolvane/TOLV.INI")" = 43 ] || fail "TOLV.INI has not 43 lines"

status=$(run_program "$root/split.log" "$root/My" "projects/line" "one.tlv")
[ "$status" = 0 ] || fail "split arguments: status $status"
check_run "$root/split.log"
! grep -Eq '^(message|question):' "$root/split.log.err" ||
  fail "second start has messages: $(cat "$root/split.log.err")"

status=$(cd "$root/My projects" && run_program "$root/relative.log" "line one.tlv")
[ "$status" = 0 ] || fail "relative name: status $status"
check_run "$root/relative.log"

# Without its data directory the installed program says what it misses.
mv "$usr/share/tolvane" "$usr/share/tolvane.away"
status=$(run_program "$root/bare.log")
mv "$usr/share/tolvane.away" "$usr/share/tolvane"
[ "$status" = 3 ] || fail "without its data the program ended with status $status, not 3"
grep -q '^missing GASE.STW$' "$root/bare.log" || fail "without its data: no 'missing GASE.STW'"

echo "installed into $root/dest and ran from there"
