#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Only the desktop program and what ships beside it; the tests and benchmarks are the test
# command's.
VARNET_TARGETS="varnet varnet_assets" bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "00 Varnet is built (build/varnet) but there is no display to open its window on."
  echo "Run this from a desktop session, or under a virtual display: xvfb-run -a $0"
  exit 1
fi
exec ./build/varnet
