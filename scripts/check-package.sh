#!/usr/bin/env bash
# Builds the Debian package and checks it: lintian without errors, the desktop
# entry and the AppStream metainfo valid, and the program, extracted from the
# package, started offscreen from an unrelated folder on the installed samples,
# finding every catalogue it reads.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
deb="$("$root/scripts/package.sh" | tail -n 1)"
"$root/scripts/install-deps.sh" lintian desktop-file-utils appstream

echo "== lintian $deb"
lintian --fail-on error "$deb"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
usr="$work/root/usr"
desktop-file-validate "$usr"/share/applications/*.desktop
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml

# Catalogues the program reads beside itself, reached as the program does.
for catalogue in "$root"/data/cda/*.cdt; do
    cmp "$catalogue" "$usr/lib/trellan/cda/$(basename "$catalogue")"
done

# The first-paint report quits once the main window is painted and makes the
# exit status 1 when an error box was shown on the way.
mkdir "$work/elsewhere"
mkdir -m 700 "$work/runtime"
cd "$work/elsewhere"
run() {
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen TRELLAN_REPORT_FIRST_PAINT=1 \
        timeout 60 "$usr/bin/trellan" "$@"
}
fail() {
    echo "check-package: $*" >&2
    exit 1
}
version="$(dpkg-deb -f "$deb" Version)"
[ "$(run --version)" = "Trellan $version" ] || fail "--version does not print \"Trellan $version\""
status=0
run "$work/nothing" 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "a missing FOLDER ends with status $status, not 2"
status=0
run >/dev/null 2>"$work/stderr" || status=$?
[ "$status" -eq 1 ] && grep -q 'models.cdt' "$work/stderr" ||
    fail "an empty current folder was not reported (status $status)"
run "$usr/share/trellan/samples" >"$work/stdout" || fail "the installed samples gave an error box"
grep -q '^first-paint-us ' "$work/stdout" || fail "the program did not paint its main window"
echo "check-package: $deb passes"
