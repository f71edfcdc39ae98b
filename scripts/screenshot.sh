#!/usr/bin/env bash
# Takes docs/main_window.png: the real program under Xvfb after a few recorded spins.
# Needs a built program (scripts/build.sh). Clicks land by position, so a layout change
# of the main window may need the offsets below adjusted.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp build/varnet "$folder/"
cp -r assets/. "$folder/"
out="$PWD/docs/main_window.png"
xvfb-run -a -s "-screen 0 1024x900x24" bash -c '
  "$1/varnet" & pid=$!
  sleep 2
  win=$(xdotool search --sync --name "00 Varnet Solenn" | head -1)
  # "＞" of number index i sits 73 px from the left, rows 19 px apart from y = 82.
  # 90 spins that leave the last numbers lagging, so their level lights show.
  for k in $(seq 1 90); do
    i=$(( (k * k * 7 + 3 * k) % 29 ))
    xdotool mousemove --window "$win" 73 $((82 + i * 19)) click 1
    sleep 0.1
  done
  sleep 0.5
  import -window "$win" "$2"
  kill $pid' _ "$folder" "$out"
echo "wrote $out"
