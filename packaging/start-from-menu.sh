#!/usr/bin/env bash
# Starts the program the way a desktop menu does, from its desktop entry's Exec line, under the
# current X display, as a person whose home folder is HOME_FOLDER; waits for its main window,
# records the window's class and icon, then ends it with SIGTERM. check-install.sh reads:
#   HOME_FOLDER/wm-class, wm-icon     xprop's WM_CLASS and _NET_WM_ICON's first size
#   HOME_FOLDER/exit-status           the program's exit status after SIGTERM
#   HOME_FOLDER/program.log           what the program printed
# usage: start-from-menu.sh DESKTOP_FILE HOME_FOLDER
set -euo pipefail
desktop=$1
home=$2

title=$(sed -n 's/^Name=//p' "$desktop")
command=$(sed -n 's/^Exec=//p' "$desktop")
export HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config
export XDG_RUNTIME_DIR=$home/runtime
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# The entry's Exec has no field codes and no quoting: split on spaces as a launcher does.
read -r -a argv <<<"$command"
"${argv[@]}" >"$home/program.log" 2>&1 &
pid=$!

window=""
for _ in $(seq 1 80); do
  # xwininfo lists a window as: 0x400006 "Title": ("instance" "Class")  ...
  window=$(xwininfo -root -tree | awk -v t="\"$title\": (\"" 'index($0, t) {print $1; exit}')
  [ -n "$window" ] && break
  sleep 0.25
done
if [ -n "$window" ]; then
  xprop -id "$window" WM_CLASS >"$home/wm-class"
  xprop -id "$window" -len 16 _NET_WM_ICON >"$home/wm-icon"
else
  echo "start-from-menu: no window \"$title\" within 20 s" >>"$home/program.log"
fi

kill -TERM "$pid" 2>/dev/null || true
status=0
wait "$pid" || status=$?
echo "$status" >"$home/exit-status"
