#!/usr/bin/env bash
# Takes a PNG of each of the four windows on a private X display:
#   scripts/screenshots.sh [--docs] [--windows] [--scale N] [OUTPUT_DIR]   (default: screenshots/)
# Builds if needed, runs tools/showcase on a fresh copy of the sample data and
# photographs each window with ImageMagick's import. No window manager needed.
# --docs also copies the main window's picture to docs/ for the README.
# --scale N shows the windows at N times their size (QT_SCALE_FACTOR), as on a
# screen set to N x 100%; the pictures are then named like main-window@2x.png.
# --windows photographs the Windows build under Wine instead (build-windows/,
# the windows platform), into OUTPUT_DIR/windows; there the scale is Windows'
# own display setting (96 x N dots per inch), in a Wine prefix of its own.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
docs=false
windows=false
scale=1
while [ $# -gt 0 ]; do
    case "$1" in
        --docs) docs=true; shift ;;
        --windows) windows=true; shift ;;
        --scale) scale="${2:?--scale needs a factor}"; shift 2 ;;
        *) break ;;
    esac
done
suffix=""
[ "$scale" != 1 ] && suffix="@${scale}x"
out="${1:-$root/screenshots}"
$windows && out="$out/windows"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
"$root/scripts/install-deps.sh"
if $windows; then
    "$root/scripts/windows/build.sh" "$root/build-windows"
    showcase=("$root/scripts/windows/wine-run.sh" "$root/build-windows/bin/trellan_showcase.exe")
else
    "$root/scripts/build.sh" "$root/build"
    showcase=("$root/build/tools/trellan_showcase")
fi

work="$(mktemp -d)"
xvfb_pid=""
showcase_pid=""
cleanup() {
    [ -n "$showcase_pid" ] && kill "$showcase_pid" 2>/dev/null || true
    $windows && "${showcase[0]}" --stop-server 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The first display number from 99 on that nobody holds.
number=99
while [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; do
    number=$((number + 1))
done
display=":${number}"
# Room for the windows side by side at their scaled size.
screen="$(awk -v s="$scale" 'BEGIN { printf "%dx%d", 1280 * s, 1024 * s }')"
Xvfb "$display" -screen 0 "${screen}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
export DISPLAY="$display"
if $windows; then
    export TRELLAN_WINE_DISPLAY=1
    export WINEPREFIX="${TRELLAN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trellan}/windows/wine-screens"
    dpi="$(awk -v s="$scale" 'BEGIN { printf "%d", 96 * s }')"
    "${showcase[0]}" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1
    "${showcase[0]}" --stop-server 2>/dev/null || true  # the next start reads the new setting
else
    export QT_QPA_PLATFORM=xcb
    export QT_SCALE_FACTOR="$scale"
fi

# The showcase works on a copy, like scripts/run.sh, so the samples stay as shipped.
cp -r "$root/data/." "$work/"
(cd "$work" && exec "${showcase[@]}") >"$work/showcase.log" 2>&1 &
showcase_pid=$!

# The id of the mapped window whose title is exactly $1, once it is there.
window_id() {
    local title="$1" id=""
    for _ in $(seq 100); do
        id="$(xwininfo -root -tree | awk -v want="\"$title\":" '
            index($0, want) && $0 !~ /1x1\+/ { print $1; exit }')"
        if [ -n "$id" ] && grep -q 'Map State: IsViewable' <<<"$(xwininfo -id "$id")"; then
            echo "$id"
            return 0
        fi
        kill -0 "$showcase_pid" 2>/dev/null || break
        sleep 0.1
    done
    echo "no window titled \"$title\"" >&2
    cat "$work/showcase.log" >&2
    return 1
}

shots=(
    "main-window${suffix}.png|Calvorn Trellan v2.05"
    "about${suffix}.png|About Trellan"
    "script-generator${suffix}.png|Calvorn Trellan - Script Generator"
    "advanced${suffix}.png|Calvorn Trellan - Script Generator - Advanced..."
)
ids=()
for shot in "${shots[@]}"; do
    ids+=("$(window_id "${shot#*|}")")
done
sleep 1  # let every window finish painting
for i in "${!shots[@]}"; do
    file="${shots[$i]%%|*}"
    import -display "$display" -window "${ids[$i]}" "$out/$file"
    echo "$out/$file"
done
if $docs; then
    mkdir -p "$root/docs"
    cp "$out/main-window${suffix}.png" "$root/docs/main-window${suffix}.png"
    echo "$root/docs/main-window${suffix}.png"
fi
