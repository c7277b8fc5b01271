#!/usr/bin/env bash
# The Windows installer as a user meets it, under Wine on an X display of its own, in a fresh prefix:
# installed silently over the installation of an earlier commit's installer, which must leave the files
# of this installer and no others, and the working folder as it was. Documents is then moved, as
# OneDrive's folder backup moves it, and the working folder deleted: the program, started through its
# Start menu shortcut, must make lotocard in the moved Documents and fill it with the shipped files; the
# LOTO6 card window is opened with Ctrl+D and one entry registered, which must land there as the print
# file's own bytes. While the program runs, the installer and the uninstaller must refuse and change
# nothing. Ctrl+Q, uninstalled: the program goes, the working folder stays. Last, a folder that holds a
# file of the installer's names that it did not install must be refused, with nothing written.
# While the program saves, a second process holds loto6.txt open as virus scanners and sync clients do
# (HOLDER, the build's save_writer.exe --hold): held for moments the entry lands with no message; held for
# long a message comes within 10 s, the file is as it was, and the entry lands once the file is let go.
# Usage: installer_test.sh SETUP_EXE HOLDER; what it installs is the folder lotocard beside SETUP_EXE.
set -euo pipefail
here=$(dirname "$0")
# shellcheck source=../../scripts/x-display.sh
source "$here/../../scripts/x-display.sh"
setup=$(realpath "$1")
holder=$(realpath "$2")
stage=$(dirname "$setup")/lotocard
product="ロト・ナンバーズ マークカード印刷"
entry=011522304143
# The installer of the last commit before it took an earlier installation away and before its shortcut
# asked for the folder in Documents; made once, then kept in the cache.
earlier=$("$here/earlier_setup.sh" 7c0608c1c493c5812476dfbafb269465c2ca8ceb)

# What Wine still runs in the test's prefix ends with the test.
stop_wine() {
    WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
}
set_up_display --clean-up stop_wine holder_pid program_pid

# Each file and folder under FOLDER with its kind, size and time: any change made there shows.
state() {
    (cd "$1" && find . -printf '%P %y %s %T@\n' | sort)
}

# The shortcut FILE's Start-in folder (MS-SHLLINK): after the header come the item list and the link
# information where its flags say so, then its strings in their order, the working folder third.
start_in() {
    local file=$1 flags offset=76 bit
    number() { od -An -tu"$1" -j "$2" -N "$1" "$file" | tr -d ' '; }
    flags=$(number 4 20)
    if ((flags & 0x1)); then offset=$((offset + 2 + $(number 2 $offset))); fi
    if ((flags & 0x2)); then offset=$((offset + $(number 4 $offset))); fi
    for bit in 0x4 0x8; do
        if ((flags & bit)); then offset=$((offset + 2 + 2 * $(number 2 $offset))); fi
    done
    if ((flags & 0x10)); then
        dd if="$file" bs=1 skip=$((offset + 2)) count=$((2 * $(number 2 $offset))) status=none \
            | iconv -f UTF-16LE -t UTF-8 | tr -d '\0' # Wine counts the string's terminating NUL
    fi
}

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

timeout 120 wine start /wait /unix "$earlier" /S
wineserver -w
[ -x "$program/lotocard.exe" ] || { echo "the earlier installer did not install the program"; exit 1; }
printf '%s\r\n' "$entry" >"$folder/loto6.txt"
timeout 120 wine start /wait /unix "$setup" /S \
    || { echo "the installer failed over the earlier installation"; exit 1; }
wineserver -w
diff -r --exclude=uninstall.exe "$stage" "$program" \
    || { echo "the upgrade left other files than its own"; exit 1; }
[ -f "$program/uninstall.exe" ] || { echo "the upgrade left no uninstaller"; exit 1; }
[ -f "$shortcut" ] || { echo "the upgrade made no Start menu shortcut"; exit 1; }
# Windows does not start a shortcut whose Start-in folder is gone; Wine does.
[ "$(start_in "$shortcut")" = "$(winepath -w "$program")" ] \
    || { echo "the shortcut starts the program in $(start_in "$shortcut"), not in its own folder"; exit 1; }
printf '%s\r\n' "$entry" | cmp - "$folder/loto6.txt" || { echo "the upgrade did not keep loto6.txt"; exit 1; }

moved=$user_folder/OneDrive/Documents
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders' /v Personal \
    /t REG_EXPAND_SZ /d "$(winepath -w "$moved")" /f >/dev/null
rm -r "$folder"
folder=$moved/lotocard
# Started as the Start menu starts it: the shortcut, opened by the shell.
wine start /wait /unix "$shortcut" &
program_pid=$!

main=$(wait_window "$product" 60)
[ -n "$main" ] || { echo "the main window did not appear"; exit 1; }
for file in quick.dat readme.txt ravelov1.ini; do
    cmp "$program/data/$file" "$folder/$file" \
        || { echo "the first start did not put $file in $folder"; exit 1; }
done
card=$(register_loto6_entry "$main" "$folder/loto6.txt" "$entry")

# Holds loto6.txt for MILLISECONDS in a process of its own, which finds Qt beside the installed program;
# comes back once it holds the file.
hold() {
    WINEPATH=$(winepath -w "$program") wine "$holder" --hold "$(winepath -w "$folder/loto6.txt")" "$1" \
        >"$work/held" &
    holder_pid=$!
    for _ in $(seq 300); do
        grep -q held "$work/held" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "the holder did not take loto6.txt"
    return 1
}
lines() { tr -cd '\n' <"$folder/loto6.txt" | wc -c; }
# The focus is on the register button, after the entry box.
hold 1500
keys "$card" shift+Tab
type_into "$card" 010203040506
keys "$card" Tab space
for _ in $(seq 100); do
    [ "$(lines)" -eq 2 ] && break
    sleep 0.1
done
[ "$(lines)" -eq 2 ] || { echo "the entry did not land while loto6.txt was held for 1.5 s"; exit 1; }
[ -z "$(visible_windows "$product")" ] || { echo "a message came while loto6.txt was held for 1.5 s"; exit 1; }
wait "$holder_pid"
hold 30000
cp "$folder/loto6.txt" "$work/before"
keys "$card" shift+Tab
type_into "$card" 070809101112
keys "$card" Tab space
message=$(wait_window "$product" 10)
[ -n "$message" ] || { echo "no message within 10 s while loto6.txt was held for 30 s"; exit 1; }
cmp "$work/before" "$folder/loto6.txt" || { echo "the failed save changed loto6.txt"; exit 1; }
keys "$message" Return
stop_processes "$holder_pid"
# The entry stayed in its box, and the register button has the focus again.
keys "$card" space
for _ in $(seq 100); do
    [ "$(lines)" -eq 3 ] && break
    sleep 0.1
done
printf '%s\r\n' "$entry" 010203040506 070809101112 | cmp - "$folder/loto6.txt" \
    || { echo "the entry after loto6.txt was let go did not land"; exit 1; }

# The installer and the uninstaller (in place, _?=, so that it can be waited for) started while the
# program runs must stop before they change anything.
installed=$(state "$program")
status=0
timeout 120 wine start /wait /unix "$setup" /S || status=$?
[ "$status" -ne 0 ] || { echo "the installer did not refuse while the program runs"; exit 1; }
status=0
timeout 120 wine start /wait /unix "$program/uninstall.exe" /S "_?=$(winepath -w "$program")" || status=$?
[ "$status" -ne 0 ] || { echo "the uninstaller did not refuse while the program runs"; exit 1; }
[ "$(state "$program")" = "$installed" ] \
    || { echo "a refused installer or uninstaller changed the program"; exit 1; }
[ -f "$shortcut" ] || { echo "a refused installer or uninstaller removed the shortcut"; exit 1; }

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

other=$WINEPREFIX/drive_c/other
mkdir "$other"
printf '[Paths]\r\nPrefix = C:/another\r\n' >"$other/qt.conf"
before=$(state "$other")
status=0
timeout 120 wine start /wait /unix "$setup" /S "/D=$(winepath -w "$other")" || status=$?
[ "$status" -ne 0 ] || { echo "the installer did not refuse a folder holding a qt.conf of its own"; exit 1; }
[ "$(state "$other")" = "$before" ] || { echo "the refused installer wrote into the folder"; exit 1; }
[ ! -e "$shortcut" ] || { echo "the refused installer made a Start menu shortcut"; exit 1; }
echo "upgraded, started by its shortcut in the moved $folder, entries registered (one while loto6.txt was held for 1.5 s; one refused while it was held for 30 s, then landed), refused while running," \
    "Ctrl+Q, uninstalled, refused a folder of another's files: all as expected"
