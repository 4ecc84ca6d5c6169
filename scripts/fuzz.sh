#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz) and runs each for SECONDS (default 60)
# on a fresh copy of its committed seeds in fuzz/corpus/<target>. Prints the executions per
# target and exits non-zero when any target reports a finding (kept in build-fuzz/findings).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
# clang, and the libFuzzer runtime, which clang-14 only recommends.
"$root/scripts/install-deps.sh" clang libclang-rt-14-dev

build="$root/build-fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTRELLAN_FUZZ=ON >/dev/null
cmake --build "$build"

# A smaller quarantine keeps long runs within the memory limit.
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:quarantine_size_mb=64"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=0
for binary in "$build"/fuzz/*_fuzz; do
    target="$(basename "$binary" _fuzz)"
    seeds="$root/fuzz/corpus/$target"
    if [ ! -d "$seeds" ]; then
        echo "$target: no seeds in $seeds"
        failed=1
        continue
    fi
    corpus="$build/corpus/$target"
    findings="$build/findings/$target"
    log="$build/logs/$target.log"
    rm -rf "$corpus" "$findings"
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    cp "$seeds"/* "$corpus/"
    status=0
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1 || status=$?
    executions="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    if [ "$status" -eq 0 ]; then
        printf '%-14s %4ss %12s executions\n' "$target" "$seconds" "${executions:-?}"
    else
        printf '%-14s FINDING (exit %s), see %s and %s\n' "$target" "$status" "$log" "$findings"
        grep -E 'property failed|ERROR: |runtime error|SUMMARY' "$log" | head -n 5 || true
        failed=1
    fi
done
exit "$failed"
