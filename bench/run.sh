#!/usr/bin/env bash
# Times xlsdump against xlrd and FreeXL on a 65,535-record Chinese workbook,
# after checking that all three print the same records.
#
# Environment: BENCH_RUNS (timed runs per reader, default 10, at least 10),
# BENCH_REPEAT_RUNS (timed runs of `xlsdump --repeat 20`, default 5),
# BENCH_JOBS (parallel compile jobs, default 2).
# Exits 1 if the outputs differ, after timing them all the same.
set -euo pipefail

bench_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$bench_dir/.." && pwd)"
build="$root/build-release"
out="$bench_dir/out"
py=/usr/bin/python3  # Debian's xlwt and xlrd live there, not in other pythons
runs="${BENCH_RUNS:-10}"
repeat_runs="${BENCH_REPEAT_RUNS:-5}"
repeat=20
(( runs >= 10 )) || { echo "BENCH_RUNS must be at least 10" >&2; exit 2; }

say() { printf '\n== %s\n' "$*"; }

install_missing() {
  local need=() pkg
  for pkg in python3-xlwt python3-xlrd libfreexl-dev hyperfine; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || need+=("$pkg")
  done
  command -v cmake >/dev/null || need+=(cmake)
  command -v c++ >/dev/null || need+=(g++)
  command -v cc >/dev/null || need+=(gcc)
  command -v pkg-config >/dev/null || need+=(pkg-config)
  if (( ${#need[@]} )); then
    say "installing ${need[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${need[@]}"
  fi
}

build_xlsdump() {
  say "building xlsdump (Release) in $build"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQD_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build" --target xlsdump --parallel "${BENCH_JOBS:-2}"
}

build_freexl_dump() {
  say "building freexl_dump"
  # shellcheck disable=SC2046  # pkg-config prints several words on purpose
  cc -O2 -o "$out/freexl_dump" "$bench_dir/freexl_dump.c" $(pkg-config --cflags --libs freexl)
}

# The workbook is made once and kept until its generator changes.
make_workbook() {
  if [[ -s $xls && $xls -nt $bench_dir/make_big_workbook.py ]]; then
    say "reusing $xls"
    return
  fi
  say "writing $xls"
  "$py" "$bench_dir/make_big_workbook.py" "$xls.tmp"
  mv "$xls.tmp" "$xls"
}

# Runs one reader into out/NAME.txt; says so and returns 1 if it fails.
dump() {
  local name=$1; shift
  if ! "$@" >"$out/$name.txt" 2>"$out/$name.err"; then
    echo "FAILED: $name exited non-zero:" >&2
    head -n 5 "$out/$name.err" >&2
    return 1
  fi
  printf '%-8s %7d lines  %s\n' "$name" "$(wc -l <"$out/$name.txt")" "$(md5sum <"$out/$name.txt" | cut -c1-32)"
}

# Compares two outputs; prints the first differing lines when they differ.
same_output() {
  if cmp -s "$out/$1.txt" "$out/$2.txt"; then
    echo "$1 and $2: identical"
    return 0
  fi
  echo "MISMATCH: $1 and $2 differ ($(cmp "$out/$1.txt" "$out/$2.txt" 2>&1 | head -n 1))"
  diff "$out/$1.txt" "$out/$2.txt" | head -n 20 | cut -c1-300 || true
  echo "  ($(diff "$out/$1.txt" "$out/$2.txt" | grep -c '^<' || true) lines of $1 differ)"
  return 1
}

install_missing
mkdir -p "$out"
xls="$out/big.xls"
xlsdump="$build/tools/xlsdump"
build_xlsdump
build_freexl_dump
make_workbook

say "checking that the three readers print the same records"
failed=0
dump xlsdump "$xlsdump" "$xls" || failed=1
dump xlrd "$py" "$bench_dir/xlrd_dump.py" "$xls" || failed=1
dump freexl "$out/freexl_dump" "$xls" || failed=1
dump xlsdump-repeat "$xlsdump" --repeat 3 "$xls" || failed=1
(( failed == 0 )) || { echo "cannot time a reader that fails" >&2; exit 1; }
differ=0
same_output xlsdump xlrd || differ=1
same_output xlsdump freexl || differ=1
same_output xlrd freexl || differ=1
same_output xlsdump xlsdump-repeat || differ=1  # --repeat must not change what is printed

q() { printf '%q' "$1"; }
say "timing ($runs runs each, output to /dev/null)"
hyperfine --style basic --warmup 2 --runs "$runs" --output=null --export-json "$out/readers.json" \
  -n xlsdump "$(q "$xlsdump") $(q "$xls")" \
  -n xlrd "$(q "$py") $(q "$bench_dir/xlrd_dump.py") $(q "$xls")" \
  -n freexl "$(q "$out/freexl_dump") $(q "$xls")"

say "timing xlsdump --repeat $repeat ($repeat_runs runs)"
hyperfine --style basic --warmup 1 --runs "$repeat_runs" --output=null --export-json "$out/repeat.json" \
  -n "xlsdump --repeat $repeat" "$(q "$xlsdump") --repeat $repeat $(q "$xls")"

say "results"
"$py" "$bench_dir/print_report.py" "$xls" "$out/readers.json" "$out/repeat.json" "$repeat"
if (( differ )); then
  echo
  echo "WARNING: the readers' outputs differ (see above); the timings compare unequal work."
  exit 1
fi
