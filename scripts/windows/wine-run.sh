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
# Offscreen Qt on Windows reads font files from the system's font folder (the tests
# point it there); Wine's own text drawing finds the host's fonts without them, so
# that folder is empty. It gets the fonts the Linux tests measure with.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
for font in /usr/share/fonts/truetype/liberation2/*.ttf /usr/share/fonts/truetype/dejavu/*.ttf; do
    [ -e "$font" ] && [ ! -e "$fonts/${font##*/}" ] && ln -s "$font" "$fonts/" || true
done
case "${1:-}" in
    --keep-server) exec wineserver -p "${2:?--keep-server needs SECONDS}" ;;
    --stop-server) exec wineserver -k ;;
esac
# The first program that makes a window starts Wine's desktop (explorer.exe), and
# COM its rpcss.exe; both inherit the program's output and hold it open after the
# program ends, as long as other programs run (the desktop) or for good (rpcss).
# A reader that waits for the end of the output, as ctest does, would wait for them
# too, past its timeout. So, unless it is a terminal, the output goes through files
# that are given out when the program itself has ended.
[ -t 1 ] && [ -t 2 ] && exec wine "$@"
out="$(mktemp)"
err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT
program=
trap 'kill "$program" 2>/dev/null; exit 143' TERM INT  # a timeout ends the program too
# Now and then Wine fails to start a program at all: it ends at once, not a word
# written. Every program run here writes something, so such a start is tried once
# more, and said so; a program that fails on its own fails as it did.
for attempt in 1 2; do
    wine "$@" <&0 >"$out" 2>"$err" &
    program=$!
    status=0
    wait "$program" || status=$?
    if [ "$status" -eq 0 ] || [ "$attempt" -eq 2 ] || [ -s "$out" ] || [ -s "$err" ]; then
        break
    fi
    echo "wine-run: Wine ended with status $status before the program wrote a word; once more" >&2
done
cat "$err" >&2
cat "$out"
exit "$status"
