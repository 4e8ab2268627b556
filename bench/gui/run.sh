#!/usr/bin/env bash
# Times the Windows program under Wine: 读取 on the 65,535-record workbook
# until the grid is repainted, and paging through the grid.
#   bash bench/gui/run.sh [RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
scripts/install-deps.sh windows
scripts/install-deps.sh display
[ -f bench/out/big.xls ] || { mkdir -p bench/out; /usr/bin/python3 bench/make_big_workbook.py bench/out/big.xls; }
cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-win64 -j "$(nproc)" --target gui_timing acceptance_program >/dev/null
. scripts/wine-env.sh "$root/build-win64/wineprefix"
start_virtual_display
win() { echo "Z:${1//\//\\}"; }
"$WINE" build-win64/bench/gui/gui_timing.exe "$(win "$root/build-win64/tests/acceptance/program")" \
  "$(win "$root/bench/out/big.xls")" "${1:-3}"
