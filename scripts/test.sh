#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
# With --sanitize, builds and tests in build-asan with ASan and UBSan.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
build="$root/build"
extra=()
if [ "${1:-}" = "--sanitize" ]; then
    build="$root/build-asan"
    extra=(-DTRELLAN_SANITIZE=ON -DTRELLAN_BENCH=OFF)
    export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    BUILD_TYPE=Debug
    export BUILD_TYPE
fi
"$root/scripts/build.sh" "$build" "${extra[@]}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2
