#!/usr/bin/env bash
# Builds the Debian package in a clean build-package folder and prints the
# .deb's path as its last line. Installs what is missing first (apt-get).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" dpkg-dev file
build="$root/build-package"
rm -rf "$build"
# Debian's build flags with all hardening, as a Debian build would use them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
BUILD_TYPE=Release "$root/scripts/build.sh" "$build" -DTRELLAN_TESTS=OFF -DTRELLAN_BENCH=OFF
(cd "$build" && cpack -G DEB >cpack.log) || { cat "$build/cpack.log" >&2; exit 1; }
ls "$build"/trellan_*.deb
