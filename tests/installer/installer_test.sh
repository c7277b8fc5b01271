#!/usr/bin/env bash
# The Windows installer as a user meets it, under Wine on an X display of its own: installed silently
# into a fresh prefix, the program started through its Start menu shortcut, the LOTO6 card window opened
# with Ctrl+D, one entry registered, Ctrl+Q; then uninstalled. The shortcut must start the program in
# the user's working folder, which the first start fills with the shipped files; the entry must land
# there as the print file's own bytes; the uninstaller must refuse while the program runs, and then take
# the program and leave that folder.
# Usage: installer_test.sh SETUP_EXE
set -euo pipefail
# shellcheck source=../../scripts/x-display.sh
source "$(dirname "$0")/../../scripts/x-display.sh"
setup=$(realpath "$1")
product="ロト・ナンバーズ マークカード印刷"
entry=011522304143

work=$(mktemp -d)
xvfb_pid=
program_pid=
finish() {
    # shellcheck disable=SC2086 # either may be empty
    stop_processes $program_pid $xvfb_pid
    WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM

start_xvfb "$work"
# A home of its own: Wine links the user's documents folder to the home's, which must not be the caller's.
mkdir "$work/home"
export HOME=$work/home WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all
# No menu entries or file associations on the host, no Mono or Gecko downloads.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
wineboot --init >/dev/null 2>&1
wineserver -w

user_folder=$WINEPREFIX/drive_c/users/$(id -un)
program=$user_folder/AppData/Local/Programs/lotocard
shortcut="$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$product.lnk"
folder=$user_folder/Documents/lotocard

timeout 120 wine start /wait /unix "$setup" /S
wineserver -w
[ -x "$program/lotocard.exe" ] || { echo "the installer did not install the program"; exit 1; }
[ -f "$shortcut" ] || { echo "the installer made no Start menu shortcut"; exit 1; }
[ -d "$folder" ] || { echo "the installer made no working folder"; exit 1; }

# Started as the Start menu starts it: the shortcut, opened by the shell.
wine start /wait /unix "$shortcut" &
program_pid=$!

main=$(wait_window "$product" 60)
[ -n "$main" ] || { echo "the main window did not appear"; exit 1; }
for file in quick.dat readme.txt ravelov1.ini; do
    cmp "$program/data/$file" "$folder/$file" || { echo "the first start did not put $file in the working folder"; exit 1; }
done
card=$(register_loto6_entry "$main" "$folder/loto6.txt" "$entry")

# The uninstaller started while the program runs (in place, _?=, so that it can be waited for) must stop
# before it removes anything.
status=0
timeout 120 wine start /wait /unix "$program/uninstall.exe" /S "_?=$(winepath -w "$program")" || status=$?
[ "$status" -ne 0 ] || { echo "the uninstaller did not refuse while the program runs"; exit 1; }
for file in lotocard.exe Qt6Core.dll data/quick.dat qt.conf; do
    [ -f "$program/$file" ] || { echo "the refused uninstaller removed $file"; exit 1; }
done
[ -f "$shortcut" ] || { echo "the refused uninstaller removed the shortcut"; exit 1; }

# Close, back to the main window, and Ctrl+Q.
keys "$card" Tab Tab Tab Tab space
main=$(wait_window "$product")
[ -n "$main" ] || { echo "closing the card window did not bring the main window back"; exit 1; }
keys "$main" ctrl+q
timeout 20 tail --pid="$program_pid" -f /dev/null || { echo "Ctrl+Q did not end the program"; exit 1; }
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || { echo "the program ended with status $status"; exit 1; }

cp "$folder/loto6.txt" "$work/loto6.txt"
timeout 60 wineserver -w
# The uninstaller runs a copy of itself from the temporary folder and returns at once: wait for Wine.
timeout 120 wine "$program/uninstall.exe" /S
timeout 120 wineserver -w
[ ! -e "$program" ] || { echo "the uninstaller left the program:"; find "$program"; exit 1; }
[ ! -e "$shortcut" ] || { echo "the uninstaller left the Start menu shortcut"; exit 1; }
cmp "$work/loto6.txt" "$folder/loto6.txt" || { echo "the uninstaller did not keep loto6.txt"; exit 1; }
[ -f "$folder/ravelov1.ini" ] || { echo "the uninstaller did not keep ravelov1.ini"; exit 1; }
echo "installed, started by its shortcut in $folder, one entry registered, Ctrl+Q, uninstalled: all as expected"
