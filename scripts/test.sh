#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

echo "== formatting"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== everything"
bash scripts/build.sh -DVARNET_WERROR=ON
cd build
ctest --output-on-failure -j "$(nproc)"
cd ..

# The unit and scenario tests once more with AddressSanitizer and UndefinedBehaviorSanitizer,
# without the desktop program (its Qt libraries are not built for the sanitizers), which also
# shows that the logic library and varnet-cli build without Qt. The kill tests, which only
# start and kill processes, run in the normal build above.
echo "== sanitizers, without Qt"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNET_SANITIZE=ON -DVARNET_GUI=OFF \
  -DVARNET_BENCH=OFF -DVARNET_WERROR=ON >/dev/null
cmake --build build-asan -j "$(nproc)"
(cd build-asan && ctest --output-on-failure -j "$(nproc)" -E '^(kill|resume)[.]')

echo "== fuzzing"
if command -v clang++ >/dev/null; then
  bash scripts/fuzz.sh 30
else
  echo "clang++ is missing: the fuzz targets are not run"
fi
