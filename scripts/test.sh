#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

echo "== formatting"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== logic library and varnet-cli without Qt"
cmake -S . -B build-core -DVARNET_GUI=OFF -DVARNET_TESTS=OFF -DVARNET_BENCH=OFF \
  -DVARNET_WERROR=ON >/dev/null
cmake --build build-core -j "$(nproc)"

echo "== everything"
bash scripts/build.sh -DVARNET_WERROR=ON
cd build
ctest --output-on-failure -j "$(nproc)"
