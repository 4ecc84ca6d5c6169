#!/usr/bin/env bash
# Builds the Windows zip and installer (package.sh) and checks them as a user
# would meet them:
#  - every PE import of every shipped .exe and .dll is shipped or part of Windows;
#  - trellan.exe is a GUI program (no console window) carrying its icon,
#    version information and manifest;
#  - under Wine, in a fresh prefix: the installer runs silently (/S) into
#    Program Files\Trellan with its Start-menu entry and uninstall entry; the
#    installed trellan.exe --version prints "Trellan VERSION"; the installed
#    program, given the samples, paints its main window (the real windows
#    platform, on a private Xvfb display) with no error box; installing again
#    upgrades in place, replacing files an older version left; the uninstaller
#    removes everything it installed.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "check-package: $*" >&2
    exit 1
}

# Through a file: a failing package.sh fails the check (set -e does not see
# into a process substitution).
"$root/scripts/windows/package.sh" >"$work/packages" || fail "package.sh failed"
mapfile -t packages < <(tail -n 2 "$work/packages")
zip="${packages[0]}"
installer="${packages[1]}"
"$root/scripts/install-deps.sh" unzip icoutils python3 xvfb xauth wine wine64 >&2
version="$(basename "$zip" | sed 's/^trellan-\(.*\)-win64\.zip$/\1/')"

# ---- The zip's imports.
mkdir "$work/zip"
unzip -q "$zip" -d "$work/zip"
# Windows' own DLLs that Qt, libjpeg-turbo and the MinGW runtime may import.
windows_dlls=(advapi32.dll authz.dll bcrypt.dll comctl32.dll comdlg32.dll crypt32.dll d2d1.dll
    d3d11.dll d3d9.dll dwmapi.dll dwrite.dll dxgi.dll gdi32.dll imm32.dll kernel32.dll mpr.dll
    msvcrt.dll netapi32.dll ntdll.dll ole32.dll oleacc.dll oleaut32.dll setupapi.dll shcore.dll
    shell32.dll shlwapi.dll user32.dll userenv.dll uxtheme.dll version.dll winmm.dll winspool.drv
    ws2_32.dll wtsapi32.dll)
windows_dlls=" ${windows_dlls[*]} "
shipped=" $(cd "$work/zip" && find . -type f -iname '*.dll' -printf '%f\n' | tr '[:upper:]' '[:lower:]' | tr '\n' ' ') "
while IFS= read -r -d '' binary; do
    while read -r dll; do
        lower="$(echo "$dll" | tr '[:upper:]' '[:lower:]')"
        case "$lower" in api-ms-win-*) continue ;; esac
        [[ "$windows_dlls" == *" $lower "* || "$shipped" == *" $lower "* ]] ||
            fail "${binary#"$work/zip/"} imports $dll, which is neither shipped nor part of Windows"
    done < <(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$work/zip" -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0)
echo "check-package: every import of the zip's programs and DLLs is shipped or Windows' own"
# Unpacked into setool2's folder, the zip must not bring files named like setool2's.
for name in Trellan-README.txt Trellan-LICENSE.txt; do
    [ -f "$work/zip/$name" ] || fail "the zip holds no $name"
done
for name in README.txt LICENSE.txt; do
    [ ! -e "$work/zip/$name" ] || fail "the zip holds a $name, which could overwrite setool2's"
done

# ---- What trellan.exe carries.
exe="$work/zip/trellan.exe"
resources="$(wrestool -l "$exe")"
grep -q -- '--type=14' <<<"$resources" || fail "trellan.exe carries no icon"
grep -q -- '--type=24' <<<"$resources" || fail "trellan.exe carries no manifest"
strings_of() { wrestool -x --raw "$@" "$exe" | iconv -f UTF-16LE -t UTF-8 2>/dev/null | tr -d '\0' || true; }
info="$(strings_of --type=16)"
for field in "ProductName" "Trellan" "ProductVersion" "$version" "FileDescription" "MIT"; do
    grep -qF "$field" <<<"$info" || fail "trellan.exe's version information lacks \"$field\""
done
# The numbers behind the version text: "2.05" is 2.5.0.0, file and product alike.
numeric="$(wrestool -x --raw --type=16 "$exe" | python3 -c '
import struct, sys
data = sys.stdin.buffer.read()
at = data.find(struct.pack("<I", 0xFEEF04BD))  # VS_FIXEDFILEINFO
for high, low in [struct.unpack_from("<2I", data, at + offset) for offset in (8, 16)]:
    print("%d.%d.%d.%d" % (high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF))')"
expected="$(awk -F. '{ printf "%d.%d.%d.%d", $1, $2, $3, $4 }' <<<"$version.0.0.0")"
[ "$numeric" = "$expected"$'\n'"$expected" ] ||
    fail "trellan.exe's numeric file and product versions are $(echo $numeric), not $expected"
manifest="$(wrestool -x --raw --type=24 "$exe")"
grep -q 'PerMonitorV2' <<<"$manifest" || fail "the manifest asks for no per-monitor DPI awareness"
grep -q 'Microsoft.Windows.Common-Controls' <<<"$manifest" || fail "the manifest asks for no common controls 6"
grep -qi 'activeCodePage' <<<"$manifest" && fail "the manifest changes the code page"
# A GUI program: started from Explorer or a shortcut, no console window opens.
grep -q '^Subsystem.*(Windows GUI)' <<<"$(x86_64-w64-mingw32-objdump -p "$exe")" ||
    fail "trellan.exe is no Windows GUI program"
echo "check-package: trellan.exe is a GUI program with its icon, version information and manifest"

# ---- The installer, under Wine, in a prefix of its own, on a private X display
# from the start: Wine's desktop process keeps the display it was started with.
number=99
while [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; do
    number=$((number + 1))
done
Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${number}" ] && break
    sleep 0.1
done
export DISPLAY=":$number"
unset WAYLAND_DISPLAY
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine wineboot --init >/dev/null 2>&1 || true
wineserver --wait
program_files="$WINEPREFIX/drive_c/Program Files/Trellan"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Trellan"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trellan'
install_silently() {
    wine "$(winepath -w "$installer")" /S </dev/null >/dev/null 2>&1 || fail "the silent install failed"
    wineserver --wait
    [ -f "$program_files/trellan.exe" ] || fail "the installer put no trellan.exe in Program Files\\Trellan"
}
install_silently
[ -f "$menu/Trellan.lnk" ] || fail "no Start-menu entry \"Trellan\""
# The link keeps its arguments in UTF-16: dropping the zero bytes leaves ASCII.
grep -q -- '--choose-folder' <<<"$(tr -d '\0' <"$menu/Trellan.lnk")" ||
    fail "the Start-menu entry does not ask for the data folder"
grep -qi 'Uninstall.exe' <<<"$(wine reg query "$uninstall_key" /v UninstallString </dev/null 2>/dev/null)" ||
    fail "no uninstall entry under Apps & features"
# Every file the zip holds is installed, and nothing else beside the uninstaller.
diff <(cd "$work/zip" && find . -type f | sort) \
     <(cd "$program_files" && find . -type f ! -name Uninstall.exe | sort) ||
    fail "the installed files differ from the zip's"

installed="C:\\Program Files\\Trellan\\trellan.exe"
[ "$(wine "$installed" --version </dev/null 2>/dev/null | tr -d '\r')" = "Trellan $version" ] ||
    fail "the installed trellan.exe --version does not print \"Trellan $version\""

status=0
(cd "$work" && TRELLAN_REPORT_FIRST_PAINT=1 timeout 120 \
    wine "$installed" "C:\\Program Files\\Trellan\\samples" </dev/null >"$work/paint.out" 2>"$work/paint.err") ||
    status=$?
[ "$status" -eq 0 ] || { cat "$work/paint.err" >&2; fail "the installed program ended with status $status on the samples"; }
grep -q '^first-paint-us ' "$work/paint.out" || fail "the installed program did not paint its main window"
echo "check-package: the installed program paints its main window on the samples"

# Installing again replaces the earlier install in place: files left as an
# older version had them are replaced, and the entries stay. (Compared with the
# first install: the zip's DLLs were stripped apart, at another time.)
cp -r "$program_files" "$work/first-install"
for file in trellan.exe cda/sound.cdt samples/cda/models.cdt Trellan-README.txt; do
    printf 'from an older version\r\n' >"$program_files/$file"
done
install_silently
[ "$(find "$WINEPREFIX/drive_c/Program Files" -maxdepth 1 -iname 'Trellan*' | wc -l)" -eq 1 ] ||
    fail "installing again did not upgrade in place"
diff -r "$work/first-install" "$program_files" >/dev/null ||
    fail "installing again left files as the older version had them"
[ -f "$menu/Trellan.lnk" ] || fail "installing again lost the Start-menu entry"
grep -qi 'Uninstall.exe' <<<"$(wine reg query "$uninstall_key" /v UninstallString </dev/null 2>/dev/null)" ||
    fail "installing again lost the uninstall entry"

wine "C:\\Program Files\\Trellan\\Uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the uninstaller failed"
wineserver --wait
for _ in $(seq 100); do
    [ -e "$program_files" ] || break
    sleep 0.2
done
[ ! -e "$program_files" ] || fail "the uninstaller left $(cd "$program_files" && find . | tr '\n' ' ')"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu entry"
wine reg query "$uninstall_key" </dev/null >/dev/null 2>&1 && fail "the uninstaller left its Apps & features entry"
echo "check-package: $(basename "$installer") installs silently, upgrades in place and uninstalls cleanly"
echo "check-package: $(basename "$zip") $(stat -c %s "$zip") bytes, $(basename "$installer") $(stat -c %s "$installer") bytes"
