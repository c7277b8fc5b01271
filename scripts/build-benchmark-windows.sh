#!/usr/bin/env bash
# Builds Google Benchmark for 64-bit Windows from Debian's own source of the version the Linux build uses,
# a static library, and keeps it in the cache folder of build-qt-windows.sh; prints the folder. Filled
# under a temporary name and renamed only when whole, as Qt is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-packages.sh" libbenchmark-dev g++-mingw-w64-x86-64-posix dpkg-dev cmake ninja-build
version=$(dpkg-query -W -f='${Version}' libbenchmark-dev)
options=(-DGIT_VERSION="${version%%-*}" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DBENCHMARK_ENABLE_TESTING=OFF
    -DBENCHMARK_ENABLE_GTEST_TESTS=OFF -DBENCHMARK_ENABLE_WERROR=OFF -DBENCHMARK_ENABLE_INSTALL=ON)
digest=$(printf '%s\n' "$version" "${options[@]}" | cat - "$root/cmake/mingw-w64-x86_64.cmake" | sha256sum | cut -c1-12)
cache=${LOTOCARD_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/lotocard}
prefix=$cache/benchmark-${version%%-*}-mingw64-$digest
if [ -e "$prefix/lib/cmake/benchmark/benchmarkConfig.cmake" ]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
work=$cache/.work-benchmark-$digest
mkdir -p "$work"
# shellcheck source=debian-source.sh
source "$root/scripts/debian-source.sh"
[ -e "$work/src/.complete" ] || debian_source benchmark "$version" "$work"
build_for_windows "$work" "$cache/.building-benchmark-$digest" "$prefix" "${options[@]}"
