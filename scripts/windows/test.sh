#!/usr/bin/env bash
# Cross-builds Trellan and its tests for Windows (build.sh) and runs every test
# as a Windows program under Debian's wine64, headless (the offscreen platform).
#   scripts/windows/test.sh [BUILD_DIR] [extra ctest args...]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build-windows}"
shift || true
"$root/scripts/install-deps.sh" wine wine64 >&2
"$root/scripts/windows/build.sh" "$build"
run="$root/scripts/windows/wine-run.sh"
# One Wine server for the whole run rather than one per test program. The first
# program started also starts Wine's services, which keep the output they
# inherit open: that must not be a test's pipe, which would then never end.
"$run" --keep-server 60 || true  # one may run already
"$run" cmd /c exit </dev/null >/dev/null 2>&1
trap '"$run" --stop-server 2>/dev/null || true' EXIT
ctest --test-dir "$build" --output-on-failure -j2 "$@"
