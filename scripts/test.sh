#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#  - the portable code natively, with AddressSanitizer and
#    UndefinedBehaviorSanitizer (build-asan): unit tests, the workbook
#    fixtures through xlsdump, the fuzzers' corpus and crash replays;
#  - the shipped 32-bit Windows build with MinGW (build-win32);
#  - a 64-bit Windows build run under Wine in Xvfb (build-win64): the
#    workbook fixtures through the Windows xlsdump, and the acceptance tests
#    that drive the real program from outside. (These machines' kernels run
#    no 32-bit code, so Wine runs the 64-bit build of the same sources.)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

scripts/install-deps.sh test
scripts/install-deps.sh windows
scripts/install-deps.sh display

cmake -S . -B build-asan -DQD_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-asan -j "$jobs"

cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DQD_BUILD_TESTS=OFF
cmake --build build-win32 -j "$jobs"

cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
cmake --build build-win64 -j "$jobs"

status=0
scripts/check-shipped-program.sh build-win32/src/app/QuestionDrill.exe || status=1
ctest --test-dir build-asan --output-on-failure -j "$jobs" || status=1

. scripts/wine-env.sh "$PWD/build-win64/wineprefix"
start_virtual_display
ctest --test-dir build-win64 --output-on-failure -j "$jobs" || status=1
exit $status
