# Sourced by scripts that run Windows builds under Wine: a private Wine
# prefix in the Chinese locale (ANSI code page 936), made once per folder,
# with Wine's own fonts (Marlett draws the caption buttons), a CJK font, and
# Wine drawing window frames itself (no window manager under Xvfb).
#   . scripts/wine-env.sh PREFIX_DIR
# Sets WINEPREFIX, WINEDEBUG, LANG, LC_ALL, WINE (the loader that runs the
# program here) and QD_WINDOWS_BITS (32 where this kernel runs 32-bit code,
# else 64); wine_stop ends the prefix's Wine processes.
export WINEPREFIX=${1:?wine prefix folder}
export WINEDEBUG=-all
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export WINE=/usr/lib/wine/wine QD_WINDOWS_BITS=32 WINESERVER=/usr/lib/wine/wineserver32
else
  export WINE=/usr/lib/wine/wine64 QD_WINDOWS_BITS=64 WINESERVER=/usr/lib/wine/wineserver64
fi
if [ ! -f "$WINEPREFIX/.qd-ready" ]; then
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  for f in /usr/share/wine/fonts/* /usr/share/fonts/truetype/wqy/*; do
    [ -e "$f" ] && ln -sf "$f" "$fonts/$(basename "$f")"
  done
  "$WINESERVER" -w 2>/dev/null || true
  touch "$WINEPREFIX/.qd-ready"
fi
wine_stop() { "$WINESERVER" -k 2>/dev/null || true; }
