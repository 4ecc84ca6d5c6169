#!/usr/bin/env bash
# Installs what is missing, builds, and starts Trellan on a copy of the sample
# data in ./run, so the shipped samples are never modified.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build"
mkdir -p "$root/run"
cp -rn "$root/data/." "$root/run/"
cd "$root/run"
exec "$root/build/trellan"
