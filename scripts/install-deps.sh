#!/usr/bin/env bash
# Installs the Debian packages a task needs, only those that are missing.
#   scripts/install-deps.sh test    native build and tests
#   scripts/install-deps.sh fuzz    libFuzzer builds (clang)
#   scripts/install-deps.sh windows   MinGW cross compilers, Wine and the zh_CN locale
#   scripts/install-deps.sh display   Xvfb, a CJK font, a screenshot tool and Xlib (for the drop tool)
#   scripts/install-deps.sh fixtures  the spreadsheet writers that make fixtures
set -euo pipefail

packages=()
case "${1:-test}" in
  test) packages=(cmake make g++ libgtest-dev libgmock-dev) ;;
  fuzz) packages=(cmake make clang libclang-rt-14-dev) ;;
  windows) packages=(cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 wine32:i386 locales) ;;
  display) packages=(xvfb xauth x11-utils libx11-dev fonts-wine fonts-wqy-microhei imagemagick) ;;
  fixtures) packages=(python3-xlwt python3-xlrd gnumeric libreoffice-calc-nogui python3-uno) ;;
  *) echo "usage: $0 test|fuzz|windows|display|fixtures" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  # Wine's 32-bit part comes from the i386 architecture.
  if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine runs the program in the Chinese locale, whose ANSI code page is 936.
if [ "${1:-}" = windows ] && ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
