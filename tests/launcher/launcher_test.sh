#!/usr/bin/env bash
# Installs the build into a prefix of its own, puts a stand-in in place of the program that prints the
# folder it runs in and its arguments, and starts the launcher: which working folder it picks, that it
# copies the data files only where they are missing, and that it refuses to start the program when the
# folder cannot be made or filled.
# Usage: launcher_test.sh BUILD_DIR LAUNCHER PROGRAM DATA_DIR (LAUNCHER and PROGRAM relative to the prefix)
set -euo pipefail
build=$1
data=$4
files=(quick.dat readme.txt ravelov1.ini)

tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
chmod 755 "$tmp" # the refusal cases run as user nobody when root
cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
launcher=$tmp/prefix/$2
printf '#!/bin/sh\npwd\nprintf "[%%s]\\n" "$@"\n' >"$tmp/prefix/$3"
chmod 755 "$tmp/prefix/$3"
mkdir -p "$tmp/home" "$tmp/menu"
ln -s "$launcher" "$tmp/menu/lotocard"

failed=0
fail() {
    echo "FAIL $case: $*"
    failed=1
}

# Starts the launcher with a clean environment plus the given assignments; sets status, out and err.
start() {
    local command=$1 environment=$2
    status=0
    # shellcheck disable=SC2086 # the assignments are words without spaces
    env -i HOME="$tmp/home" PATH="$PATH" $environment "${run_as[@]}" "$command" one "two words" "" \
        >"$tmp/out" 2>"$tmp/err" || status=$?
    out=$(cat "$tmp/out")
    err=$(cat "$tmp/err")
}

# Before the start: one of the program's files edited by the user, or removed.
edit() { printf 'edited %s\r\n' "$2" >"$1/$2"; }
prepare() {
    local folder=$1 step=$2
    case $step in
    -) ;;
    edit) edit "$folder" ravelov1.ini && edit "$folder" readme.txt ;;
    remove) rm "$folder/quick.dat" ;;
    esac
}

# Cases run in order; each starts from what the one before left.
# name | before the start | environment | command | the folder the program must run in
cases=(
    "first start|-|XDG_DATA_HOME=$tmp/data|$launcher|$tmp/data/lotocard"
    "edited files survive|edit|XDG_DATA_HOME=$tmp/data|$launcher|$tmp/data/lotocard"
    "a missing file alone is restored|remove|XDG_DATA_HOME=$tmp/data|$launcher|$tmp/data/lotocard"
    "relative data home is ignored|-|XDG_DATA_HOME=data|$launcher|$tmp/home/.local/share/lotocard"
    "empty data home is ignored|-|XDG_DATA_HOME=|$launcher|$tmp/home/.local/share/lotocard"
    "own working folder wins|-|XDG_DATA_HOME=$tmp/data LOTOCARD_WORK_FOLDER=$tmp/own/work|$launcher|$tmp/own/work"
    "started through a link|-|XDG_DATA_HOME=$tmp/linked|$tmp/menu/lotocard|$tmp/linked/lotocard"
)
run_as=()
for row in "${cases[@]}"; do
    IFS='|' read -r case step environment command folder <<<"$row"
    [ -d "$folder" ] && prepare "$folder" "$step"
    # What was there before must stay byte for byte; what was missing must come from the data files.
    mkdir -p "$tmp/before"
    rm -f "$tmp/before"/*
    for file in "${files[@]}"; do
        cp "$folder/$file" "$tmp/before/" 2>/dev/null || cp "$data/$file" "$tmp/before/"
    done
    start "$command" "$environment"
    [ "$status" -eq 0 ] || fail "status $status: $err"
    [ "$out" = "$(printf '%s\n' "$folder" "[one]" "[two words]" "[]")" ] || fail "the program printed: $out"
    for file in "${files[@]}"; do
        cmp -s "$tmp/before/$file" "$folder/$file" || fail "$file is not as expected"
    done
    [ "$(ls -A "$folder" | wc -l)" -eq ${#files[@]} ] || fail "the folder holds more: $(ls -A "$folder")"
done

# The refusals need a user whom folder permissions bind, which root is not.
if [ "$(id -u)" -eq 0 ]; then
    run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
mkdir -p "$tmp/locked" "$tmp/full" "$tmp/no-room"
cp "$data/readme.txt" "$data/ravelov1.ini" "$tmp/full/"
chmod 555 "$tmp/locked" "$tmp/full"
chmod 777 "$tmp/no-room"
# A disk with no room for quick.dat: no file may grow past 2 blocks, and the write that would fails as
# on a full disk, instead of the signal ending the copy.
printf '#!/bin/sh\ntrap "" XFSZ\nulimit -f 2\nexec "%s" "$@"\n' "$launcher" >"$tmp/no-room-launcher"
chmod 755 "$tmp/no-room-launcher"
# name | command | environment | what the launcher must say | the reason the failing command gave
refusals=(
    "unwritable parent|$launcher|LOTOCARD_WORK_FOLDER=$tmp/locked/work|cannot make the working folder $tmp/locked/work|Permission denied"
    "unwritable folder missing a file|$launcher|LOTOCARD_WORK_FOLDER=$tmp/full|cannot copy quick.dat into $tmp/full|Permission denied"
    "no room on the disk|$tmp/no-room-launcher|LOTOCARD_WORK_FOLDER=$tmp/no-room|cannot copy quick.dat into $tmp/no-room|File too large"
)
for row in "${refusals[@]}"; do
    IFS='|' read -r case command environment message reason <<<"$row"
    start "$command" "$environment"
    [ "$status" -ne 0 ] || fail "the launcher succeeded"
    [ -z "$out" ] || fail "the program was started: $out"
    grep -qF "lotocard: $message" <<<"$err" || fail "the message was: $err"
    # The reason comes from the command that failed.
    grep -qF "$reason" <<<"$err" || fail "no reason given: $err"
done
case="after the refusals"
[ "$(ls -A "$tmp/locked")" = "" ] || fail "the locked folder was changed"
[ "$(ls -A "$tmp/full" | tr '\n' ' ')" = "ravelov1.ini readme.txt " ] || fail "the full folder was changed"
# Neither a half-copied file nor its temporary name is left behind.
[ "$(ls -A "$tmp/no-room")" = "" ] || fail "the folder without room holds: $(ls -A "$tmp/no-room")"

[ "$failed" -eq 0 ] || exit 1
echo "${#cases[@]} starts and ${#refusals[@]} refusals as expected"
