#!/usr/bin/env bash
# The window and varnel-chart share one store: a configuration saved in the real window, under a
# virtual X server, is listed and charted by the real varnel-chart. Exit 77 (skipped) without
# Xvfb or xdotool.
#   shared_store_test.sh VARNEL VARNEL_CHART
set -euo pipefail
window=$1
chart=$2
for tool in xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME="$tmp/config"
unset QT_QPA_PLATFORM

# Types 24 frets and 648 mm, then File > Save Fretboard Configuration "Tele" > Save; waits (at
# most 30 s) until the store holds it.
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  set -e
  "$0" --lang en & program=$!  # its keys and titles are the English ones
  trap "kill $program 2>/dev/null || true" EXIT
  window=$(timeout 30 xdotool search --sync --name "Fret Calculator/Template Printer" | head -1)
  xdotool windowfocus --sync "$window"
  xdotool type --delay 20 "24"
  xdotool key Tab
  xdotool type --delay 20 "648"
  xdotool key Tab alt+f s
  dialog=$(timeout 30 xdotool search --sync --name "Save Fretboard Configuration" | head -1)
  xdotool windowfocus --sync "$dialog"  # no window manager gives it the focus
  xdotool type --delay 20 "Tele"
  xdotool key Tab space
  for _ in $(seq 300); do
    # unitsGran is the last of the four keys a save writes
    grep -qs "^unitsGran=" "$XDG_CONFIG_HOME/varnel/varnel.conf" && exit 0
    sleep 0.1
  done
  echo "the window did not save the configuration" >&2
  exit 1
' "$window"

listed=$("$chart" --list-configs)
[[ "$listed" == "Tele" ]] || { echo "varnel-chart --list-configs printed '$listed'"; exit 1; }
charted=$("$chart" --config Tele | head -1 | tr -d '\r')
[[ "$charted" == "Scale Length: 648.0 mm" ]] || { echo "varnel-chart --config Tele: '$charted'"; exit 1; }
echo "passed"
