# Sourced by the screenshot scripts inside their virtual display: openbox, once it manages
# windows, and the program of $folder started under it. Leaves $main (its main window),
# $wm and $pid (the two processes) for the script to use and end.
openbox >/dev/null 2>&1 & wm=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
"$folder/varnet" & pid=$!
main=$(xdotool search --sync --name "^00 Varnet Solenn" | head -1)
sleep 2
