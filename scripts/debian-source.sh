# shellcheck shell=bash
# Sourced by the scripts that build libraries for Windows from Debian's own source of them.

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
