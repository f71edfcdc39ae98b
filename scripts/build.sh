#!/usr/bin/env bash
# Configures and builds everything in build/, which then is a complete program folder.
# Arguments go to CMake after the defaults (scripts/test.sh adds -DVARNET_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNET_WERROR=OFF "$@" >/dev/null
cmake --build build -j "$(nproc)"
