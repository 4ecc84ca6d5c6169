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
#    upgrades in place; the uninstaller removes everything it installed.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
mapfile -t packages < <("$root/scripts/windows/package.sh" | tail -n 2)
zip="${packages[0]}"
installer="${packages[1]}"
"$root/scripts/install-deps.sh" unzip icoutils xvfb xauth wine wine64 >&2
version="$(basename "$zip" | sed 's/^trellan-\(.*\)-win64\.zip$/\1/')"

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

# Installing again replaces the earlier install in place.
install_silently
[ "$(find "$WINEPREFIX/drive_c/Program Files" -maxdepth 1 -iname 'Trellan*' | wc -l)" -eq 1 ] ||
    fail "installing again did not upgrade in place"

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
