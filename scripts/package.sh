#!/usr/bin/env bash
# Builds the Release .deb in build/package and checks it: only the program's files, a stripped program,
# a valid desktop entry, the libraries and a Japanese font in Depends. Then, as root, installs it with
# apt on a fresh Debian 12 (debootstrap's minimal system), where only the package's own Depends bring in
# what it needs, and starts the program from its desktop entry as an ordinary user on an X display of its
# own: the main window appears, ~/.local/share/lotocard holds the data files, and Ctrl+Q ends it with
# status 0.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=x-display.sh
source "$root/scripts/x-display.sh"
build="$root/build/package"
chroot=$(realpath -m "$build/debian12")
main_title="ロト・ナンバーズ マークカード印刷"
data_files=(quick.dat readme.txt ravelov1.ini)
started=$SECONDS

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLOTOCARD_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build"
rm -f "$build"/lotocard_*.deb
(cd "$build" && cpack >/dev/null)
debs=("$build"/lotocard_*.deb)
deb=${debs[0]}
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"

contents=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
expected=$(sort <<'FILES'
./usr/bin/lotocard
./usr/libexec/lotocard/lotocard
./usr/share/applications/lotocard.desktop
./usr/share/icons/hicolor/48x48/apps/lotocard.png
./usr/share/icons/hicolor/64x64/apps/lotocard.png
./usr/share/icons/hicolor/128x128/apps/lotocard.png
./usr/share/icons/hicolor/256x256/apps/lotocard.png
./usr/share/lotocard/quick.dat
./usr/share/lotocard/readme.txt
./usr/share/lotocard/ravelov1.ini
FILES
)
diff <(echo "$expected") <(echo "$contents") || { echo "the package holds other files than the program's"; exit 1; }

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
if readelf -S "$unpacked/usr/libexec/lotocard/lotocard" | grep -q '\.symtab'; then
    echo "the packaged program is not stripped"
    exit 1
fi
desktop-file-validate "$unpacked/usr/share/applications/lotocard.desktop"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 'fonts-noto-cjk | fonts-japanese-gothic'; do
    grep -qF "$needed" <<<"$depends" || { echo "Depends lacks $needed"; exit 1; }
done

if [ "$(id -u)" -ne 0 ]; then
    echo "skipped installing on a fresh Debian 12: making it and changing into it need root"
    exit 0
fi

# The mount points inside the fresh system, deepest first, as paths below it. The kernel writes blanks
# and backslashes in octal, so the folder is compared in that form.
mounts_inside() {
    dir=$(sed 's/\\/\\134/g; s/ /\\040/g; s/\t/\\011/g' <<<"$chroot") awk '
        { dir = ENVIRON["dir"] }
        $5 == dir || index($5, dir "/") == 1 { print substr($5, length(dir) + 1) }' /proc/self/mountinfo | sort -r
}
# Ends every process running inside the fresh system, undoes every mount in it and removes it; a folder
# that is still mounted is never removed.
release_chroot() {
    local process mount
    for process in /proc/[0-9]*; do
        if [ "$(readlink "$process/root" 2>/dev/null)" = "$chroot" ]; then
            kill -9 "${process#/proc/}" 2>/dev/null || true
        fi
    done
    while read -r mount; do
        umount "$chroot$mount" 2>/dev/null || umount -l "$chroot$mount"
    done < <(mounts_inside)
    if [ -n "$(mounts_inside)" ]; then
        echo "still mounted inside $chroot; not removing it"
        return 1
    fi
    rm -rf "$chroot"
}
work=$(mktemp -d)
xvfb_pid=
finish() {
    trap '' INT TERM # cleaning up is not to be cut short
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    release_chroot
    rm -rf "$unpacked" "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM

# The archive this machine's apt uses for Debian 12.
mirror() {
    apt-get indextargets --format '$(REPO_URI)' 'Codename: bookworm' 'Component: main' 'Created-By: Packages' \
        | awk 'NR == 1'
}
archive=$(mirror)
[ -n "$archive" ] || { apt-get update -qq && archive=$(mirror); }
[ -n "$archive" ] || { echo "apt knows no archive for Debian 12"; exit 1; }

release_chroot
echo "making a fresh Debian 12 from $archive"
debootstrap --variant=minbase bookworm "$chroot" "$archive" >"$work/debootstrap.log" 2>&1 \
    || { tail -n 30 "$work/debootstrap.log"; echo "debootstrap failed"; exit 1; }
in_chroot() {
    env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive chroot "$chroot" "$@"
}
mount -t proc proc "$chroot/proc"
# Installing starts no service.
printf '#!/bin/sh\nexit 101\n' >"$chroot/usr/sbin/policy-rc.d"
chmod 755 "$chroot/usr/sbin/policy-rc.d"
cp "$deb" "$chroot/tmp/"
chmod 644 "$chroot/tmp/$(basename "$deb")"
echo "installing $(basename "$deb") with apt"
{ in_chroot apt-get update -qq \
    && in_chroot apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")"; } >"$work/apt.log" 2>&1 \
    || { tail -n 30 "$work/apt.log"; echo "apt could not install the package"; exit 1; }

user=card
home=/home/$user
in_chroot useradd --create-home --shell /bin/sh "$user"
in_chroot install -d -m 700 -o "$user" -g "$user" /tmp/runtime-$user

# Xvfb runs here and its socket folder is lent to the fresh system, read-only.
start_xvfb "$work"
mkdir -p "$chroot/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$chroot/tmp/.X11-unix"
mount -o remount,bind,ro "$chroot/tmp/.X11-unix"

# The command a desktop menu runs.
read -ra command < <(sed -n 's/^Exec=//p' "$chroot/usr/share/applications/lotocard.desktop")
echo "starting \"${command[*]}\" as $user"
env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" LANG=C.UTF-8 DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR=/tmp/runtime-$user "$(command -v chroot)" --userspec="$user:$user" "$chroot" \
    "${command[@]}" >"$work/program.log" 2>&1 &
program_pid=$!
main=$(wait_window "$main_title" 30)
[ -n "$main" ] || { cat "$work/program.log"; echo "the main window did not appear"; exit 1; }
for file in "${data_files[@]}"; do
    cmp "$root/data/$file" "$chroot$home/.local/share/lotocard/$file" \
        || { echo "the working folder does not hold $file as installed"; exit 1; }
done
timeout 10 xdotool windowfocus --sync "$main" key ctrl+q
status=0
timeout 20 tail --pid="$program_pid" -f /dev/null || { echo "Ctrl+Q did not end the program"; exit 1; }
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || { cat "$work/program.log"; echo "the program ended with status $status"; exit 1; }
echo "installed on a fresh Debian 12 and started from its desktop entry: main window, working folder" \
    "with the data files, Ctrl+Q with status 0 ($((SECONDS - started)) s in all)"
