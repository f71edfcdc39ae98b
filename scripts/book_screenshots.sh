#!/usr/bin/env bash
# Takes docs/wheel_book.png and docs/stats_wheel_source.png: the wheel book's window, and
# the statistics of every spin of the current wheel, from the real program under Xvfb with
# openbox. The book holds four nights at one wheel and one at another, recorded first with
# varnet-cli. Needs a built program (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/program_folder.sh
cp build/varnet-cli "$folder/"
printf '38,0,0\r\n' > "$folder/Data/Files/USER.FIL"
{
  RANDOM=7
  for night in 1 2 3 4; do
    printf 'now 2026/12/0%d 20:00:00\n' "$night"
    for k in $(seq 1 450); do printf 'click Main_F.Count_P(%d)\n' $((RANDOM % 38)); done
    printf 'answer yes\nclick Main_F.Clear\n'
  done
  printf 'click Main_F.Book\ntype Book_F.Wheel_Name Casino B\nclick Book_F.New_Wheel\n'
  printf 'click Book_F.Use_Wheel\nclick Book_F.Close\nnow 2026/12/06 21:00:00\n'
  for k in $(seq 1 300); do printf 'click Main_F.Count_P(%d)\n' $((RANDOM % 38)); done
  printf 'answer yes\nclick Main_F.Clear\nclick Main_F.Book\nclick Book_F.Wheel(1)\n'
  printf 'click Book_F.Use_Wheel\nclick Book_F.Close\nclick Main_F.Exit\n'
} | "$folder/varnet-cli" --dir "$folder" > /dev/null
docs="$PWD/docs"
xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
  set -e
  folder=$1 docs=$2
  . "$3"
  xdotool windowmove "$main" 0 0
  # File menu, its third item.
  xdotool mousemove --window "$main" 18 8 click 1
  sleep 0.5
  xdotool key Down Down Down Return
  sleep 1
  book=$(xdotool search --name "^ホイール帳$" | head -1)
  xdotool windowmove "$book" 300 40
  xdotool windowraise "$book"
  sleep 0.5
  import -window root "$docs/wheel_book.png"
  xdotool key Escape
  # The statistics window, then its second source box.
  xdotool windowfocus --sync "$main"
  xdotool key ctrl+t
  sleep 1
  stats=$(xdotool search --name "^Statistics$" | head -1)
  xdotool windowmove "$stats" 0 0
  xdotool windowraise "$stats"
  sleep 0.5
  # The box "ホイールの全スピン" at the top left of the window.
  xdotool mousemove 113 64 click 1
  sleep 1
  import -window root "$docs/stats_wheel_source.png"
  kill $pid $wm' _ "$folder" "$docs" "$PWD/scripts/desktop_session.sh"
ls -la docs/wheel_book.png docs/stats_wheel_source.png
