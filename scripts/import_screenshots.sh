#!/usr/bin/env bash
# Takes docs/file_menu.png and docs/import_progress.png: the File menu open on the main
# window, and the progress box of a long import, from the real program under Xvfb with
# openbox. Needs a built program (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/program_folder.sh
printf '38,0,0\r\n' > "$folder/Data/Files/USER.FIL"
# A long record, so that the progress box has time to show.
awk 'BEGIN { for (k = 0; k < 1500000; ++k) printf "%d\r\n", (k * 7) % 36 + 1 }' > "$folder/spins.txt"
docs="$PWD/docs"
xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
  set -e
  folder=$1 docs=$2
  . "$3"
  xdotool windowmove "$main" 20 20
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$main")"
  # File menu open: the main window and the menu below its bar.
  xdotool mousemove --window "$main" 18 8 click 1
  sleep 0.5
  import -window root -crop 420x270+$((X - 6))+$((Y - 40)) +repage "$docs/file_menu.png"
  # Import: the last item of the menu, then the file name into the dialog.
  xdotool key Up Return
  sleep 1
  xdotool type --delay 20 "$folder/spins.txt"
  xdotool key Return
  sleep 2.5
  progress=$(xdotool search --name "^00 Varnet$" | tail -1)
  # The box with its frame, over the main window it belongs to.
  eval "$(xdotool getwindowgeometry --shell "$progress")"
  import -window root -crop $((WIDTH + 240))x$((HEIGHT + 200))+$((X - 120))+$((Y - 100)) +repage \
    "$docs/import_progress.png"
  kill $pid $wm' _ "$folder" "$docs" "$PWD/scripts/desktop_session.sh"
ls -la docs/file_menu.png docs/import_progress.png
