#!/usr/bin/env bash
# Builds the program, puts it with its data files into a working folder and starts it there.
# The working folder keeps the user's print files and calibration between runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/release"
work="$root/build/work"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLOTOCARD_BUILD_TESTS=OFF >/dev/null
cmake --build "$build"

mkdir -p "$work"
# Replacing, not overwriting: a copy that is still running keeps its own file.
cp --remove-destination "$build/lotocard" "$work/"
# The readme is the program's own and always current; every other data file may hold the user's
# settings and is copied only when the working folder has none.
cp "$root/data/readme.txt" "$work/"
for file in "$root"/data/*; do
    name=$(basename "$file")
    [ -e "$work/$name" ] || cp "$file" "$work/"
done

cd "$work"
exec ./lotocard
