#!/usr/bin/env bash
# Fails when a source file includes a folder above its own layer:
#   base <- units <- engine <- results <- properties, tools, help, checks, exports <- report <- shell
#   <- cli and the windows.
# A core file includes its own folder and lower ones; a window file (widgets/)
# includes any core folder up to the shell, its own widgets and the widgets of
# lower layers. Properties, tools, help, checks and exports stand side by side and never include each other.
set -euo pipefail
cd "${1:-.}/src"
find . \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z |
  xargs -0 grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' |
  awk '
    function rank(f) {
      if (f == "base") return 0
      if (f == "units") return 1
      if (f == "engine") return 2
      if (f == "results") return 3
      if (f == "properties" || f == "tools" || f == "help" || f == "checks" || f == "exports") return 4
      if (f == "report") return 5
      if (f == "shell") return 6
      if (f == "cli") return 7
      return -1
    }
    {
      # ./folder/file.cpp:LINE:#include "target"
      split($0, parts, ":")
      file = substr(parts[1], 3)
      line = parts[2]
      if (!match($0, /"[^"]+"/)) next
      target = substr($0, RSTART + 1, RLENGTH - 2)
      if (index(file, "/") == 0) next  # the main programs sit above every layer
      folder = file; sub(/\/.*/, "", folder)
      own = rank(folder)
      if (own < 0) {
        printf "%s: the folder \"%s\" has no layer here\n", file, folder > "/dev/stderr"
        status = 1
        next
      }
      if (index(target, "/") == 0) next  # a file beside this one
      to = target; sub(/\/.*/, "", to)
      other = rank(to)
      if (other < 0) next
      window = file ~ /\/widgets\//
      toWindow = target ~ /\/widgets\//
      ok = 1
      if (!window) {
        if (toWindow) ok = 0
        if (to != folder && other >= own) ok = 0
      } else if (toWindow) {
        if (to != folder && other >= own) ok = 0
      } else if (other > rank("shell")) {
        ok = 0
      }
      if (!ok) {
        printf "%s:%s: includes \"%s\", a layer above its own\n", file, line, target > "/dev/stderr"
        status = 1
      }
    }
    END { exit status }'
