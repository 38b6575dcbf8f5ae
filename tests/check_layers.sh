#!/usr/bin/env bash
# Fails when a source file includes a folder above its own layer:
#   units <- engine <- results <- properties, tools <- shell <- cli and the windows.
# A core file includes its own folder and lower ones; a window file (widgets/)
# includes any core folder up to the shell, its own widgets and the widgets of
# lower layers. Properties and tools stand side by side and never include each other.
set -euo pipefail
cd "${1:-.}/src"
rank() {
  case $1 in
    units) echo 0 ;; engine) echo 1 ;; results) echo 2 ;;
    properties|tools) echo 3 ;; shell) echo 4 ;; cli) echo 5 ;; *) echo -1 ;;
  esac
}
status=0
while IFS= read -r file; do
  folder=${file%%/*}
  own=$(rank "$folder")
  [ "$own" -ge 0 ] || continue
  window=0
  case $file in */widgets/*) window=1 ;; esac
  while IFS= read -r line; do
    target=$(sed -E 's/^[0-9]+:#include[[:space:]]*"([^"]+)".*/\1/' <<<"$line")
    to=${target%%/*}
    [ "$to" = "$target" ] && continue  # a file beside this one
    other=$(rank "$to")
    [ "$other" -ge 0 ] || continue
    to_window=0
    case $target in */widgets/*) to_window=1 ;; esac
    ok=1
    if [ "$window" -eq 0 ]; then
      [ "$to_window" -eq 1 ] && ok=0
      [ "$to" != "$folder" ] && [ "$other" -ge "$own" ] && ok=0
    elif [ "$to_window" -eq 1 ]; then
      [ "$to" != "$folder" ] && [ "$other" -ge "$own" ] && ok=0
    else
      [ "$other" -gt "$(rank shell)" ] && ok=0
    fi
    if [ "$ok" -eq 0 ]; then
      echo "$file:${line%%:*}: includes \"$target\", a layer above its own" >&2
      status=1
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" | sed -E 's/^([0-9]+):[[:space:]]*#[[:space:]]*include/\1:#include/' || true)
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's#^\./##' | sort)
exit $status
