#!/usr/bin/env bash
# Makes the Windows builds of Trellan's dependencies, once, into a cache folder
# named after their versions and options, and prints that folder's three
# prefixes (Qt, libjpeg-turbo, GoogleTest), one per line.
#   scripts/windows/deps.sh
# Everything comes from Debian: Qt from the qt6-base source package of the
# host's qt6-base-dev-tools version, libjpeg-turbo from its source package,
# GoogleTest from the sources the googletest package installs; all compiled
# with Debian's MinGW-w64 (posix).
# TRELLAN_CACHE sets the cache (default ~/.cache/trellan). A copy of Qt made by
# the same recipe (MANIFEST and make-qt-mingw.sh beside a tarball) is unpacked
# instead of building, when TRELLAN_QT_PREBUILT or ../shared/toolchains holds one
# (TRELLAN_QT_PREBUILT=none always builds).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
"$root/scripts/install-deps.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    binutils-mingw-w64-x86-64 qt6-base-dev qt6-base-dev-tools googletest nasm xz-utils dpkg-dev \
    >&2

cache="${TRELLAN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trellan}/windows"
jobs="$(nproc)"
toolchain="$root/cmake/mingw-w64.cmake"

# The same Qt as the host's moc, uic and rcc, which the cross-build runs: its
# Debian version names the qt6-base source package.
qt_package="$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)"
qt_version="${qt_package#*:}"
qt_version="${qt_version%%[+~-]*}"
# The options of the Qt build. A prebuilt copy is used only when its recipe has
# exactly these; the cache folder's name carries their checksum.
qt_options=(
    -DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF
)
# Qt 6.4.2's windows plugin reaches for OpenGL under dynamicgl even when OpenGL is off.
qt_patch='s/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/'
qt_key="$(printf '%s\n' "$qt_package" "${qt_options[@]}" "$qt_patch" | sha256sum | cut -c1-12)"
qt_prefix="$cache/qt-$qt_version-x86_64-w64-mingw32-$qt_key"

jpeg_package="$(dpkg-query -W -f='${source:Version}' libjpeg62-turbo-dev 2>/dev/null || true)"
jpeg_package="${jpeg_package#1:}"
jpeg_options=(-DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=ON -DENABLE_STATIC=OFF
              -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF -DWITH_SIMD=ON)
jpeg_key="$(printf '%s\n' "$jpeg_package" "${jpeg_options[@]}" | sha256sum | cut -c1-12)"
jpeg_prefix="$cache/libjpeg-turbo-$jpeg_package-x86_64-w64-mingw32-$jpeg_key"

gtest_package="$(dpkg-query -W -f='${Version}' googletest)"
gtest_options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=OFF)
gtest_key="$(printf '%s\n' "$gtest_package" "${gtest_options[@]}" | sha256sum | cut -c1-12)"
gtest_prefix="$cache/googletest-$gtest_package-x86_64-w64-mingw32-$gtest_key"

log() { echo "windows deps: $*" >&2; }

# Debian source packages through a private source list: the machine's apt
# sources stay as they are.
fetch_source() {  # fetch_source WORK PACKAGE=VERSION [--download-only]
    local work="$1" wanted="$2" mirror
    shift 2
    mkdir -p "$work/apt/lists/partial"
    mirror=$(grep -h "^URIs:" /etc/apt/sources.list.d/*.sources 2>/dev/null | awk '{print $2}' |
        grep -m1 '/debian$' || true)
    [ -n "$mirror" ] || mirror=$(grep -h "^deb " /etc/apt/sources.list 2>/dev/null |
        awk '{print $2}' | grep -m1 '/debian$')
    local release
    release="$(. /etc/os-release && echo "$VERSION_CODENAME")"
    echo "deb-src $mirror $release main" >"$work/apt/sources.list"
    mkdir -p "$work/apt/cache/archives/partial"
    local opts=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache")
    apt-get "${opts[@]}" update -qq
    (cd "$work" && apt-get "${opts[@]}" source -qq "$@" "$wanted" >/dev/null)
}

# A finished build is renamed into place, so a cache folder is whole or absent.
finish() {  # finish STAGING PREFIX
    rm -rf "$2"
    mv "$1" "$2"
}

# The tarball beside a MANIFEST whose recipe builds the same source with the same
# options and patch, checked against the MANIFEST's checksum.
prebuilt_qt() {
    local folder tarball recipe
    [ "${TRELLAN_QT_PREBUILT:-}" != none ] || return 1
    for folder in "${TRELLAN_QT_PREBUILT:-}" "$root/../shared/toolchains" /work/shared/toolchains; do
        [ -n "$folder" ] || continue
        tarball="$folder/qt-$qt_version-x86_64-w64-mingw32.tar.xz"
        recipe="$folder/make-qt-mingw.sh"
        [ -f "$tarball" ] && [ -f "$recipe" ] && [ -f "$folder/MANIFEST" ] || continue
        grep -qF "qt6-base=$qt_package" "$recipe" || continue
        grep -qF -- "$qt_patch" "$recipe" || continue
        local theirs ours
        theirs="$(grep -o -- '-D[A-Z_a-z]*=[A-Za-z0-9_]*' "$recipe" |
            grep -v -e '^-DCMAKE_TOOLCHAIN_FILE' -e '^-DQT_HOST_PATH' -e '^-DCMAKE_INSTALL_PREFIX' |
            sort -u)"
        ours="$(printf '%s\n' "${qt_options[@]}" | sort -u)"
        [ "$theirs" = "$ours" ] || continue
        local sum
        sum="$(sed -n 's/^ *sha256 \([0-9a-f]*\)$/\1/p' "$folder/MANIFEST" | head -n 1)"
        [ -n "$sum" ] && echo "$sum  $tarball" | sha256sum -c --status - || continue
        echo "$tarball"
        return 0
    done
    return 1
}

build_qt() {
    local work tarball
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' RETURN
    if tarball="$(prebuilt_qt)"; then
        log "unpacking $tarball"
        tar -C "$work" -xJf "$tarball"
        finish "$work/qt-$qt_version-x86_64-w64-mingw32" "$qt_prefix"
        return
    fi
    log "building Qt $qt_version from Debian's qt6-base $qt_package (about an hour on two cores)"
    fetch_source "$work" "qt6-base=$qt_package" --download-only
    local upstream="${qt_package#*:}"
    tar -C "$work" -xJf "$work/qt6-base_${upstream%-*}.orig.tar.xz"
    local source="$work/qtbase-everywhere-src-$qt_version"
    sed -i "$qt_patch" "$source/src/plugins/platforms/windows/qwindowswindow.cpp"
    grep -q 'QT_CONFIG(dynamicgl) && QT_CONFIG(opengl)' \
        "$source/src/plugins/platforms/windows/qwindowswindow.cpp" ||
        { echo "deps.sh: the OpenGL guard no longer fits qwindowswindow.cpp" >&2; exit 1; }
    local staging="$work/qt-$qt_version-x86_64-w64-mingw32"
    cmake -G Ninja -S "$source" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$staging" "${qt_options[@]}" >/dev/null
    cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build" >/dev/null
    cp -r "$source/LICENSES" "$staging/"
    finish "$staging" "$qt_prefix"
}

build_jpeg() {
    local work
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' RETURN
    log "building libjpeg-turbo $jpeg_package from Debian's source package"
    fetch_source "$work" "libjpeg-turbo=1:$jpeg_package"
    local source
    source="$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)"
    cmake -G Ninja -S "$source" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$work/prefix" "${jpeg_options[@]}" -Wno-dev >/dev/null
    cmake --build "$work/build" --parallel "$jobs" >/dev/null
    cmake --install "$work/build" >/dev/null
    mkdir -p "$work/prefix/share/licenses"
    cp "$source/LICENSE.md" "$work/prefix/share/licenses/libjpeg-turbo.md"
    cp "$source/README.ijg" "$work/prefix/share/licenses/libjpeg-turbo-ijg.txt"
    finish "$work/prefix" "$jpeg_prefix"
}

build_gtest() {
    local work
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' RETURN
    log "building GoogleTest $gtest_package from /usr/src/googletest"
    cmake -G Ninja -S /usr/src/googletest -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$work/prefix" "${gtest_options[@]}" >/dev/null
    cmake --build "$work/build" --parallel "$jobs" >/dev/null
    cmake --install "$work/build" >/dev/null
    finish "$work/prefix" "$gtest_prefix"
}

mkdir -p "$cache"
[ -f "$qt_prefix/lib/cmake/Qt6/Qt6Config.cmake" ] || build_qt
[ -f "$jpeg_prefix/include/jpeglib.h" ] || build_jpeg
[ -f "$gtest_prefix/include/gtest/gtest.h" ] || build_gtest
printf '%s\n' "$qt_prefix" "$jpeg_prefix" "$gtest_prefix"
