#!/usr/bin/env bash
# Fails when an include in src/ or sim/ points up a layer, or sideways between page folders.
#   core  <  platform  <  logic folders and sim  <  widgets  <  page folders  <  app
# A page folder (editing/ui, chart/ui, system/ui, spectrum/ui, link/ui) never includes another.
set -euo pipefail
cd "$(dirname "$0")/.."

# The layer of a file or include path, and its page folder if it lies in one.
layer_of() {
  case "$1" in
    core/*) echo 0 ;;
    platform/*) echo 1 ;;
    editing/ui/* | chart/ui/* | system/ui/* | spectrum/ui/* | link/ui/*) echo 4 ;;
    link/* | editing/* | chart/* | spectrum/* | system/* | sim/*) echo 2 ;;
    widgets/*) echo 3 ;;
    app/*) echo 5 ;;
    *) echo -1 ;;
  esac
}
page_of() {
  case "$1" in
    editing/ui/* | chart/ui/* | system/ui/* | spectrum/ui/* | link/ui/*) echo "${1%/ui/*}/ui" ;;
    *) echo "" ;;
  esac
}

failures=0
while IFS= read -r file; do
  own=${file#src/}
  own_layer=$(layer_of "$own")
  own_page=$(page_of "$own")
  while IFS= read -r included; do
    inc_layer=$(layer_of "$included")
    [ "$inc_layer" -lt 0 ] && continue
    inc_page=$(page_of "$included")
    if [ "$inc_layer" -gt "$own_layer" ]; then
      echo "$file includes $included: up a layer"
      failures=$((failures + 1))
    elif [ -n "$own_page" ] && [ -n "$inc_page" ] && [ "$own_page" != "$inc_page" ]; then
      echo "$file includes $included: sideways between page folders"
      failures=$((failures + 1))
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find src sim -name '*.h' -o -name '*.cpp' | sort)

if [ "$failures" -gt 0 ]; then
  echo "check-layers: $failures include(s) break the layers" >&2
  exit 1
fi
echo "check-layers: every include points down or within its folder"
