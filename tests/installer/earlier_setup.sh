#!/usr/bin/env bash
# Prints the path of the installer of an earlier commit, made by that commit's own
# scripts/package-windows.sh in a copy of its tree, as that commit's release was made. It is kept in the
# cache under the commit's name, so it is made once; the making is long (the whole program, Release).
# Cache: $LOTOCARD_CACHE, else $XDG_CACHE_HOME/lotocard, else ~/.cache/lotocard.
# Usage: earlier_setup.sh COMMIT
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
commit=$(git -C "$root" rev-parse --verify --quiet "$1^{commit}") \
    || { echo "the commit $1 is not in this clone's history" >&2; exit 1; }
cache=${LOTOCARD_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/lotocard}
kept=$cache/setup-$commit.exe
if [ ! -f "$kept" ]; then
    tree=$(mktemp -d)
    trap 'rm -rf "$tree"' EXIT
    git -C "$root" archive "$commit" | tar -x -C "$tree"
    "$tree/scripts/package-windows.sh" >&2
    mkdir -p "$cache"
    # Renamed only when whole, so that a copy that stopped half way is never taken for the installer.
    cp "$tree"/build/windows-package/lotocard-*-setup.exe "$kept.partial"
    mv "$kept.partial" "$kept"
    echo "made the installer of $commit in $SECONDS s" >&2
fi
echo "$kept"
