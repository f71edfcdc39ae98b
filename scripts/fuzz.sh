#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang (AddressSanitizer, UndefinedBehavior-
# Sanitizer and libFuzzer) in build-fuzz/, makes their seed corpora and runs each target
# for SECONDS (default 30), one after the other. Fails on the first crash, leak, hang or
# sanitizer report; the input that caused it is left in build-fuzz/artifacts/.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(codec layouts settings undo slot_load script resume)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVARNET_FUZZ=ON -DVARNET_GUI=OFF -DVARNET_TESTS=OFF -DVARNET_BENCH=OFF -DVARNET_WERROR=ON \
  "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j "$(nproc)" >/dev/null

# Seeds are made afresh; what a run finds beyond them is kept in build-fuzz/corpus/.
bash scripts/fuzz_corpus.sh build-fuzz/varnet-cli build-fuzz/seeds
mkdir -p build-fuzz/artifacts
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t"
  echo "== fuzz_$t for ${seconds}s"
  log=build-fuzz/fuzz_$t.log
  # The codec is fuzzed on short inputs, where it runs fastest; the others take whole files.
  limit=()
  [ "$t" = codec ] && limit=(-max_len=4096)
  # A hang counts after 10 s for one input; the folder of the run is the working copy.
  if ! ASAN_OPTIONS=detect_leaks=1 "build-fuzz/fuzz_$t" -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -dict=tests/fuzz/varnet.dict \
    -artifact_prefix="build-fuzz/artifacts/$t-" "${limit[@]}" \
    "build-fuzz/corpus/$t" "build-fuzz/seeds/$t" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz_$t failed: see $log and build-fuzz/artifacts/"
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" | tr '\n' ' '
  echo
done
