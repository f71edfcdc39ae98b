#!/usr/bin/env bash
# Takes the docs/*.png of a laptop screen (1366 x 768) with a window manager: a question
# above every status window, a refused number, and the Version window. Needs a built
# program (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/program_folder.sh
# Every status window shown, sound off.
{
  printf '1,1,1,1,0,1,1,10\r\n'
  for _ in $(seq 0 37); do printf '0,0,0,0,0,0\r\n'; done
} > "$folder/Data/Files/USER2.FIL"
printf '38,0,0\r\n' > "$folder/Data/Files/USER.FIL"
xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
  set -e
  folder=$1 docs=$2
  . "$3"
  xdotool windowactivate --sync "$main"
  for n in 17 0 32 5 00 21; do xdotool type "$n"; xdotool key Return; sleep 0.3; done
  # A number that is no pocket stays in the entry, marked, with the reason.
  xdotool type 37; xdotool key Return
  sleep 0.5
  import -window root -crop 760x300+0+0 +repage "$docs/refused_number.png"
  xdotool key Escape
  # The Version window, from its menu (Alt+V).
  xdotool key alt+v
  about=$(xdotool search --sync --name "^Version$" | head -1)
  sleep 0.5
  import -window "$about" "$docs/version_window.png"
  xdotool key Escape
  sleep 0.5
  # Leaving with spins unsaved asks first: the question stands above the status windows.
  xdotool windowactivate --sync "$main" key ctrl+q
  sleep 1.5
  import -window root "$docs/question_on_top.png"
  xdotool key Escape
  kill $pid $wm' _ "$folder" "$PWD/docs" "$PWD/scripts/desktop_session.sh"
