#!/usr/bin/env bash
# Cross-builds Trellan for 64-bit Windows into build-windows/ (trellan.exe and the
# tests in build-windows/bin, beside the DLLs they load), with Debian's MinGW-w64
# and the Windows builds of Qt and libjpeg-turbo that deps.sh makes once.
#   scripts/windows/build.sh [BUILD_DIR] [extra cmake args...]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build-windows}"
shift || true
# Through a variable: a failing deps.sh stops the build (set -e does not see into
# a process substitution).
prefix_lines="$("$root/scripts/windows/deps.sh")"
mapfile -t prefixes <<<"$prefix_lines"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DTRELLAN_WINDOWS_PREFIXES="$(IFS=';'; echo "${prefixes[*]}")" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DTRELLAN_BENCH=OFF -DTRELLAN_SOAK_ACTIONS=400 "$@" >/dev/null
cmake --build "$build"
