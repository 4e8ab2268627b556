# Sourced by scripts that run Windows builds under Wine: a private Wine
# prefix in the Chinese locale (ANSI code page 936), made once per folder.
#   . scripts/wine-env.sh PREFIX_DIR
# Sets WINEPREFIX, WINEDEBUG, LANG, LC_ALL and WINE64; wine_stop ends the
# prefix's Wine processes.
export WINEPREFIX=${1:?wine prefix folder}
export WINEDEBUG=-all
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINE64=/usr/lib/wine/wine64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  WINEARCH=win64 "$WINE64" wineboot -i >/dev/null 2>&1 || true
fi
wine_stop() { /usr/lib/wine/wineserver64 -k 2>/dev/null || true; }
