#!/bin/sh
# Runs a test binary as an unprivileged user, so that file permissions hold as they do for a user.
# As a normal user it just runs the binary. As root it copies the binary where that user can read it.
set -eu
binary=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    exec "$binary" "$@"
fi
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$binary" "$copy/"
chmod 755 "$copy" "$copy/$(basename "$binary")"
cd "$copy"
env TMPDIR=/tmp HOME="$copy" setpriv --reuid=65534 --regid=65534 --clear-groups \
    "$copy/$(basename "$binary")" "$@"
