#!/usr/bin/env bash
# Installs what is missing, builds the program, puts it and the sample
# question bank 数据库.xls into dist/, and starts it under Wine: on your
# display when there is one, otherwise in Xvfb, saving a screenshot after a
# few seconds and printing its path.
#
# dist/QuestionDrill.exe is the 32-bit program we ship. Where this kernel
# runs no 32-bit code (Wine then runs only 64-bit programs), the 64-bit
# build of the same sources, dist/win64/QuestionDrill.exe, is started.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc 2>/dev/null || echo 2)

scripts/install-deps.sh windows
scripts/install-deps.sh display

cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release \
  -DQD_BUILD_TESTS=OFF >/dev/null
cmake --build build-win32 -j "$jobs" --target QuestionDrill
cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  >/dev/null
cmake --build build-win64 -j "$jobs" --target QuestionDrill

mkdir -p dist/win64
cp build-win32/src/app/QuestionDrill.exe dist/
cp build-win64/src/app/QuestionDrill.exe dist/win64/
cp sample/数据库.xls dist/
cp sample/数据库.xls dist/win64/

. scripts/wine-env.sh "$root/dist/.wine"
program="$root/dist/QuestionDrill.exe"
[ "$QD_WINDOWS_BITS" = 32 ] || program="$root/dist/win64/QuestionDrill.exe"
cd "$(dirname "$program")"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "starting $program on $DISPLAY"
  exec "$WINE" "$program"
fi

# No display: a virtual one, a screenshot, and the program ended again.
start_virtual_display
echo "starting $program in Xvfb on $DISPLAY"
"$WINE" "$program" &
sleep "${QD_SCREENSHOT_DELAY:-8}"
shot="$root/dist/screenshot.png"
import -window root "$shot"
echo "screenshot: $shot"
