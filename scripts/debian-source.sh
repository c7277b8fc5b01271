# shellcheck shell=bash
# Sourced by the scripts that build libraries for Windows from Debian's own source of them: fetching that
# source, and building it with the mingw-w64 toolchain into a cache folder that is only ever whole.

# Fetches and unpacks the source of PACKAGE at VERSION into WORK/src, and marks it whole with
# WORK/src/.complete. The source comes from the archives this machine's apt already uses, through source
# entries of its own under WORK that leave the system's apt set-up as it is.
debian_source() {
    local package=$1 version=$2 work=$3 file
    rm -rf "$work/src" "$work/apt"
    mkdir -p "$work/apt/parts" "$work/apt/lists/partial"
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -e "$file" ] || continue
        sed 's/^Types:.*/Types: deb-src/' "$file" >"$work/apt/parts/$(basename "$file")"
    done
    if [ -e /etc/apt/sources.list ]; then
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$work/apt/parts/sources.list"
    fi
    local apt_source=(-o "Dir::Etc::SourceParts=$work/apt/parts" -o Dir::Etc::SourceList=/dev/null
        -o "Dir::State::Lists=$work/apt/lists" -o Debug::NoLocking=1)
    echo "Fetching the source of $package $version" >&2
    apt-get "${apt_source[@]}" update -qq >&2
    (cd "$work" && apt-get "${apt_source[@]}" source --download-only "$package=$version" >&2)
    dpkg-source -x "$work/${package}_"*.dsc "$work/src" >&2
    rm -f "$work/${package}_"*
    touch "$work/src/.complete"
}

# Configures the source debian_source left in WORK/src for 64-bit Windows with the mingw-w64 toolchain and
# the CMAKE_OPTIONs, builds it in WORK/build and installs it into BUILDING, which is then renamed PREFIX:
# a build that stopped half way never stands under the name of a whole one. Then removes WORK and prints
# PREFIX. The logs stay in WORK; when configuring or building fails, what says why goes to stderr and
# the script ends with status 1.
# Usage: build_for_windows WORK BUILDING PREFIX [CMAKE_OPTION...]
build_for_windows() {
    local work=$1 building=$2 prefix=$3 toolchain
    shift 3
    toolchain=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/cmake/mingw-w64-x86_64.cmake
    rm -rf "$building"
    cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$building" "$@" >"$work/configure.log" 2>&1 \
        || { tail -n 40 "$work/configure.log" >&2; exit 1; }
    cmake --build "$work/build" >"$work/build.log" 2>&1 || { grep -m 20 -E 'error|FAILED' "$work/build.log" >&2; exit 1; }
    cmake --install "$work/build" >/dev/null
    mv "$building" "$prefix"
    rm -rf "$work"
    echo "$prefix"
}
