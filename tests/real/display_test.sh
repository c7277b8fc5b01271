#!/usr/bin/env bash
# Starts the program on an X display of its own (Xvfb, no window manager) in a fresh working folder and
# drives it with the keyboard as a user would: open the LOTO6 card window, register one entry, close the
# card window, and quit with Ctrl+Q.
# Usage: display_test.sh LOTOCARD DATA_FOLDER
set -euo pipefail
# shellcheck source=../../scripts/x-display.sh
source "$(dirname "$0")/../../scripts/x-display.sh"
lotocard=$(realpath "$1")
data=$2
main_title="ロト・ナンバーズ マークカード印刷"
card_title="ＬＯＴＯ６カード印刷"
entry=011522304143

set_up_display program_pid

mkdir "$work/folder" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
cp "$data"/* "$work/folder/"
(cd "$work/folder" && QT_QPA_PLATFORM=xcb exec "$lotocard") &
program_pid=$!

main=$(wait_window "$main_title")
[ -n "$main" ] || { echo "the main window did not appear"; exit 1; }
card=$(register_loto6_entry "$main" "$work/folder/loto6.txt" "$entry")
wait_gone "$main_title"

# The register button is followed in the tab order by clear, print, preview, close.
keys "$card" Tab Tab Tab Tab space
main=$(wait_window "$main_title")
[ -n "$main" ] || { echo "closing the card window did not bring the main window back"; exit 1; }
wait_gone "$card_title"

keys "$main" ctrl+q
status=0
timeout 20 tail --pid="$program_pid" -f /dev/null || { echo "Ctrl+Q did not end the program"; exit 1; }
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || { echo "the program ended with status $status"; exit 1; }
echo "main window, LOTO6 card window, one entry registered, back, Ctrl+Q: all as expected"
