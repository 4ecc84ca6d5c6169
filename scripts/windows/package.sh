#!/usr/bin/env bash
# Builds what a Windows user downloads, from the tested Windows build
# (build-windows/, made by build.sh if needed):
#   trellan-VERSION-win64.zip        the portable program, to unpack into the setool2 folder
#   trellan-VERSION-win64-setup.exe  the installer (NSIS), per machine into Program Files\Trellan
# Prints the paths of both files last.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build-windows}"
"$root/scripts/install-deps.sh" nsis zip >&2
"$root/scripts/windows/build.sh" "$build" >&2
rm -f "$build"/trellan-*-win64.zip "$build"/trellan-*-win64-setup.exe
(cd "$build" && cpack -G ZIP >cpack-zip.log && cpack -G NSIS >cpack-nsis.log) ||
    { cat "$build"/cpack-*.log >&2; exit 1; }
# CPack names the installer like the zip; the user sees it as the setup program.
installer="$(ls "$build"/trellan-*-win64.exe)"
mv "$installer" "${installer%.exe}-setup.exe"
ls "$build"/trellan-*-win64.zip
ls "$build"/trellan-*-win64-setup.exe
