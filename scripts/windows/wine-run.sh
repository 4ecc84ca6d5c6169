#!/usr/bin/env bash
# Runs a Windows program under Debian's wine64, in Trellan's own Wine prefix
# (made on first use), quietly and without a display:
#   scripts/windows/wine-run.sh PROGRAM.exe [ARGS...]
#   scripts/windows/wine-run.sh --keep-server SECONDS   (one server for many runs)
#   scripts/windows/wine-run.sh --stop-server
# The build's CMAKE_CROSSCOMPILING_EMULATOR, so ctest runs the tests through it.
# WINEPREFIX, when set, names another prefix.
set -euo pipefail
export WINEPREFIX="${WINEPREFIX:-${TRELLAN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trellan}/windows/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts, no menu entries in the host's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
[ -n "${TRELLAN_WINE_DISPLAY:-}" ] || unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wine wineboot --init >/dev/null 2>&1 || true
    wineserver --wait
fi
# The prefix's font folder is empty, and the offscreen platform of the GUI tests
# reads no other: the host's Liberation fonts (metric twins of Arial, Times New
# Roman and Courier New) and DejaVu fonts stand in for a Windows user's fonts.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -d "$fonts" ] && [ ! -e "$fonts/LiberationSans-Regular.ttf" ]; then
    ln -sf /usr/share/fonts/truetype/liberation2/*.ttf /usr/share/fonts/truetype/dejavu/*.ttf \
        "$fonts/" 2>/dev/null || true
fi
case "${1:-}" in
    --keep-server) exec wineserver -p "${2:?--keep-server needs SECONDS}" ;;
    --stop-server) exec wineserver -k ;;
esac
exec wine "$@"
