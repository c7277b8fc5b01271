#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own source of the Qt the Linux build uses, with only what
# the program and its tests load, and keeps it in a cache folder outside the checkout; prints the
# folder. A cache that is there is used as it is: it is filled under a temporary name and renamed only
# when whole, so a build that stopped half way is never taken for one.
# Cache: $LOTOCARD_CACHE, else $XDG_CACHE_HOME/lotocard, else ~/.cache/lotocard.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
if [ -z "$qt_version" ]; then
    "$root/scripts/install-deps.sh" >&2
    qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
fi
upstream=${qt_version%%+*}

# What Qt is built with; the cache's name carries a digest of it, so another choice builds afresh.
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
    # The source package lacks the wintab headers; Direct2D 1.1 is only a paint engine of its own,
    # while DirectWrite, which the print support and the windows platform use, stays.
    -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF
    # Without OpenGL, the windows platform of Qt 6.4.2 still asks the dynamic OpenGL loader unless told.
    -DFEATURE_dynamicgl=OFF
)
digest=$(printf '%s\n' "$qt_version" "${options[@]}" | cat - "$root/cmake/mingw-w64-x86_64.cmake" | sha256sum | cut -c1-12)
cache=${LOTOCARD_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/lotocard}
prefix=$cache/qt-$upstream-mingw64-$digest
if [ -x "$prefix/bin/qt-cmake" ]; then
    echo "$prefix"
    exit 0
fi

"$root/scripts/install-packages.sh" g++-mingw-w64-x86-64-posix dpkg-dev cmake ninja-build

# The source and the build are kept beside the cache until Qt is installed, so that a build that stopped
# goes on where it was.
mkdir -p "$cache"
work=$cache/.work-$digest
mkdir -p "$work"
# shellcheck source=debian-source.sh
source "$root/scripts/debian-source.sh"
[ -e "$work/src/.complete" ] || debian_source qt6-base "$qt_version" "$work"

echo "Building Qt $upstream for Windows into $prefix (about 25 minutes on two cores)" >&2
build_for_windows "$work" "$cache/.building-$digest" "$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${options[@]}"
