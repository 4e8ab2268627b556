#!/usr/bin/env bash
# Checks the shipped Windows program: a 32-bit PE, marked compatible with
# data-execution prevention (the drop target's code lives in memory made
# executable on purpose), importing only DLLs that every Windows has.
#   scripts/check-shipped-program.sh build-win32/src/app/QuestionDrill.exe
set -euo pipefail
exe=${1:?program file}
headers=$(i686-w64-mingw32-objdump -p "$exe") || { echo "not a 32-bit PE: $exe"; exit 1; }
fail=0
grep -q 'file format pei-i386' <<<"$headers" || { echo "not a 32-bit PE: $exe"; fail=1; }
grep -q 'NX_COMPAT' <<<"$headers" || { echo "not marked NX-compatible: $exe"; fail=1; }
while read -r dll; do
  case "${dll,,}" in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | comdlg32.dll | msvcrt.dll | advapi32.dll) ;;
    *) echo "imports a library that is not part of Windows: $dll"; fail=1 ;;
  esac
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
# The drop target's window procedure is entered through a stub that pushes
# one more argument; it must remove all five (stdcall, ret 14h).
returns=$(i686-w64-mingw32-objdump -d --no-show-raw-insn "$exe" |
  awk '/^[0-9a-f]+ <.*FileDropTarget10windowProc.*@20>:$/ {inside = 1; next} /^$/ {inside = 0} inside && /\tret/ {print $NF}' |
  sort -u)
[ "$returns" = '$0x14' ] || { echo "the drop target's window procedure does not return with ret 14h: ${returns:-none found}"; fail=1; }
[ $fail -eq 0 ] && echo "shipped program: PE32, NX-compatible, system DLLs only, window procedure stdcall with five arguments"
exit $fail
