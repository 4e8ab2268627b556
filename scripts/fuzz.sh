#!/usr/bin/env bash
# Fuzzes the workbook reader and the text rules with libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer.
#   scripts/fuzz.sh [SECONDS] [TARGET]
# SECONDS per target (default 60); TARGET fuzz_workbook or fuzz_text_rules
# (default both). New inputs go to fuzz/corpus/<name>/; crashes are written
# to fuzz/crashes/<name>/, where the test run replays them from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=${2:-"fuzz_workbook fuzz_text_rules"}

scripts/install-deps.sh fuzz
cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQD_FUZZ=ON \
  -DQD_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target $targets

for target in $targets; do
  name=${target#fuzz_}
  mkdir -p "fuzz/corpus/$name" "fuzz/crashes/$name"
  echo "== $target for ${seconds}s"
  build-fuzz/fuzz/$target "fuzz/corpus/$name" "fuzz/crashes/$name" \
    -max_total_time="$seconds" -max_len=262144 -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="fuzz/crashes/$name/" -print_final_stats=1
done
