#!/usr/bin/env bash
# Takes docs/*.png: every window of the real program under Xvfb, after a game of spins
# with predictions, and the main window on a 1366 x 768 screen and at scale factor 2. Needs
# a built program (scripts/build.sh). Spins and commands are typed, as a player would.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/program_folder.sh
# Every status window shown, Quick Expect on; six areas of six or seven numbers.
{
  printf '1,1,1,1,0,1,1,10\r\n'
  for i in $(seq 0 37); do
    area=$((i % 6))
    line=""
    for k in 0 1 2 3 4 5; do line="$line${line:+,}$([ "$k" = "$area" ] && echo 1 || echo 0)"; done
    printf '%s\r\n' "$line"
  done
} > "$folder/Data/Files/USER2.FIL"
printf '38,0,0\r\n' > "$folder/Data/Files/USER.FIL"
docs="$PWD/docs"
xvfb-run -a -s "-screen 0 2600x1400x24" bash -c '
  set -e
  folder=$1 docs=$2
  "$folder/varnet" & pid=$!
  main=$(xdotool search --sync --name "^00 Varnet Solenn" | head -1)
  sleep 1
  find() { xdotool search --name "^$1\$" | head -1; }
  xdotool windowmove "$main" 0 0
  xdotool windowmove "$(find Area)" 780 0
  xdotool windowmove "$(find Point)" 780 640
  xdotool windowmove "$(find "Black or Red")" 1700 0
  xdotool windowmove "$(find Total)" 1700 420
  xdotool windowfocus --sync "$main"
  spin() {
    case $1 in 36) n=0 ;; 37) n=00 ;; *) n=$(($1 + 1)) ;; esac
    xdotool type "$n"; xdotool key Return; sleep 0.05
  }
  expect() { xdotool key space; sleep 0.2; }
  # 120 spins that come out on 31 numbers, some of them often; predictions for the last.
  for k in $(seq 1 120); do
    if [ $((k % 3)) = 0 ]; then spin $(( (k * 5) % 12 )); else spin $(( (k * 23) % 31 )); fi
  done
  for k in 1 2 3 4 5 6; do expect; spin $(( (k * 11) % 38 )); done
  expect
  sleep 0.5
  for name in "00 Varnet Solenn.*:main_window" "Area:area_window" "Point:point_window" \
              "Black or Red:black_or_red_window" "Total:total_window"; do
    import -window "$(find "${name%%:*}")" "$docs/${name##*:}.png"
  done
  # The log window, on its first page.
  xdotool key ctrl+l
  sleep 0.5
  log=$(find Log)
  xdotool windowmove "$log" 780 0
  xdotool windowraise "$log"
  sleep 0.3
  import -window "$log" "$docs/log_window.png"
  # 260 more spins, each judging the prediction that stands and followed by a new one; one
  # in six lands on the sector 32 17 5 22 34. Then the statistics window.
  xdotool windowfocus --sync "$main"
  RANDOM=16
  sector=(31 16 4 21 33)
  for k in $(seq 1 260); do
    if [ $((RANDOM % 6)) = 0 ]; then spin "${sector[$((RANDOM % 5))]}"; else spin $((RANDOM % 38)); fi
    expect
  done
  xdotool windowfocus --sync "$main"
  xdotool mousemove --window "$main" 115 8 click 1
  sleep 1
  stats=$(find Statistics)
  xdotool windowmove "$stats" 720 0
  xdotool windowraise "$stats"
  sleep 0.5
  import -window "$stats" "$docs/stats_window.png"
  # Save & Load (the Version window is taken by laptop_screenshots.sh).
  xdotool windowfocus --sync "$main"
  xdotool key ctrl+s
  sleep 0.5
  slots=$(find "Save & Load")
  xdotool windowmove "$slots" 780 0
  sleep 0.3
  import -window "$slots" "$docs/save_load_window.png"
  kill $pid' _ "$folder" "$docs"

# The main window alone on a laptop screen and on a dense screen at scale factor 2, after a
# few typed spins and one more number typed.
rm -f "$folder/Data/Files/"*
printf '38,0,0\r\n' > "$folder/Data/Files/USER.FIL"
for screen in "1366x768:1:main_window_1366x768" "2732x1536:2:main_window_scale2"; do
  IFS=: read -r size scale name <<< "$screen"
  xvfb-run -a -s "-screen 0 ${size}x24" bash -c '
    folder=$1 shot=$2 scale=$3
    openbox >/dev/null 2>&1 & wm=$!
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
      sleep 0.1
    done
    QT_SCALE_FACTOR=$scale "$folder/varnet" & pid=$!
    main=$(xdotool search --sync --name "^00 Varnet Solenn" | head -1)
    sleep 1
    xdotool windowactivate --sync "$main"
    for n in 17 0 32 5 00 21 2; do xdotool type "$n"; xdotool key Return; sleep 0.3; done
    xdotool type 1
    sleep 0.5
    import -window root "$shot"
    kill $pid $wm' _ "$folder" "$docs/$name.png" "$scale"
  rm -f "$folder/Data/Files/"*; printf '38,0,0\r\n' > "$folder/Data/Files/USER.FIL"
done
scripts/laptop_screenshots.sh
ls -la docs
