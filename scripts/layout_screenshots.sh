#!/usr/bin/env bash
# Takes docs/one_window_1366x768.png and docs/separate_windows_1920x1080.png: the layout a
# first start picks on a laptop screen (the status windows as panels of the main window)
# and on a wide screen (windows of their own beside it), every status window shown, after
# a few typed spins, under Xvfb with openbox. Needs a built program (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/program_folder.sh
docs="$PWD/docs"
for screen in "1366x768:one_window_1366x768" "1920x1080:separate_windows_1920x1080"; do
  IFS=: read -r size name <<< "$screen"
  rm -f "$folder/Data/Files/"*
  # Every status window shown, sound off.
  {
    printf '1,1,1,1,0,1,1,10\r\n'
    for _ in $(seq 0 37); do printf '0,0,0,0,0,0\r\n'; done
  } > "$folder/Data/Files/USER2.FIL"
  printf '38,0,0\r\n' > "$folder/Data/Files/USER.FIL"
  xvfb-run -a -s "-screen 0 ${size}x24" bash -c '
    folder=$1 shot=$2
    . "$3"
    xdotool windowactivate --sync "$main"
    for n in 17 0 32 5 00 21 2 11; do xdotool type "$n"; xdotool key Return; sleep 0.3; done
    sleep 0.5
    import -window root "$shot"
    kill $pid $wm' _ "$folder" "$docs/$name.png" "$PWD/scripts/desktop_session.sh"
done
