#!/usr/bin/env bash
# Runs a GUI test on a virtual X display managed by a real window manager (openbox), as on
# a desktop: COMMAND [ARGS...]. VARNET_SCREEN sets the screen's size (1600x1200 unless set).
set -uo pipefail
for tool in xvfb-run openbox xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done
exec xvfb-run -a -s "-screen 0 ${VARNET_SCREEN:-1600x1200}x24" bash -c '
  openbox >/dev/null 2>&1 &
  wm=$!
  # Windows must not open before the window manager has taken the display.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  QT_QPA_PLATFORM=xcb "$@"
  status=$?
  kill "$wm"
  exit "$status"' _ "$@"
