# Sourced by scripts that run Windows builds under Wine: a private Wine
# prefix in the Chinese locale (ANSI code page 936), made once per folder,
# with Wine's own fonts (Marlett draws the caption buttons), a CJK font, and
# Wine drawing window frames itself (no window manager under Xvfb).
#   . scripts/wine-env.sh PREFIX_DIR
# Sets WINEPREFIX, WINEDEBUG, LANG, LC_ALL, WINE (the loader that runs the
# program here) and QD_WINDOWS_BITS (32 where this kernel runs 32-bit code,
# else 64); wine_stop ends the prefix's Wine processes; start_virtual_display
# starts Xvfb on a free display, exports DISPLAY, and stops both Wine and
# Xvfb when the script exits.
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

start_virtual_display() {
  local n=$((100 + RANDOM % 400))
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  local display=":$n"
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  QD_XVFB_PID=$!
  trap 'wine_stop; kill $QD_XVFB_PID 2>/dev/null || true' EXIT
  export DISPLAY=$display
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
}
