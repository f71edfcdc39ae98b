#!/usr/bin/env bash
# Kills varnet-cli at random moments while it records spins and saves slots, KILLS times
# (default 3000), checking the data folder after each kill; runs on the build in build/.
# Usage: scripts/kill.sh [KILLS] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build -j "$(nproc)" --target kill_driver varnet-cli >/dev/null
exec build/kill_driver build/varnet-cli tests/kill/steps \
  USER.FIL:USER2.FIL:REAL_SAVE.FIL:Save1.FIL,USER3_1.FIL:Save2.FIL,USER3_2.FIL:Save3.FIL,USER3_3.FIL \
  tests/kill/check "${1:-3000}" "${2:-$RANDOM}"
