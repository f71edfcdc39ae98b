#!/usr/bin/env bash
# Configures and builds in build/, which then is a complete program folder.
# Arguments go to CMake after the defaults (scripts/test.sh adds -DVARNET_WERROR=ON).
# VARNET_TARGETS, when set, names the targets to build instead of everything.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNET_WERROR=OFF "$@" >/dev/null
# shellcheck disable=SC2086
cmake --build build -j "$(nproc)" ${VARNET_TARGETS:+--target $VARNET_TARGETS}
