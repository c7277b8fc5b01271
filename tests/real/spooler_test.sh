#!/usr/bin/env bash
# Prints print files of all four lotteries through the program's own printer code on PDF queues of a
# CUPS scheduler of its own, then checks every mark on the PDFs against the boxes the print run asked
# for. Two printer profiles: printable areas inset by wide and by narrow margins. The wide queue is the
# system's default and prints when no printer is chosen; the narrow one prints when lotocard.ini chooses
# it, as does a CUPS instance of it whose own job options must reach the job. A chosen printer that is
# not there prints nothing.
# Usage: spooler_test.sh SPOOLER_PRINT PDF_MARKS
set -euo pipefail
spooler_print=$1
pdf_marks=$2

if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: printing through a real spooler needs root to install and run its own CUPS scheduler"
    exit 77
fi

packages=(cups printer-driver-cups-pdf poppler-utils)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

work=$(mktemp -d)
chmod 755 "$work" # the filters run as user lp
name=lotocard-$$ # cups-pdf reads its settings for a queue from /etc/cups, shared by every run
cupsd_pid=
finish() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -f /etc/cups/cups-pdf-"$name"-*.conf
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM

mkdir -p "$work"/{conf,spool,tmp,cache,state,log,cups-pdf,pdf,runtime}
chmod 700 "$work/runtime"
chmod 1777 "$work"/{spool,tmp,cups-pdf}
cat >"$work/conf/cupsd.conf" <<CONF
Listen $work/cups.sock
Browsing Off
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$work/conf/cups-files.conf" <<CONF
ServerRoot $work/conf
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
Sandboxing Relaxed
CONF

cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" &
cupsd_pid=$!
# Every client, the printer code included, talks to this scheduler and takes its default printer.
export CUPS_SERVER=$work/cups.sock HOME=$work XDG_RUNTIME_DIR=$work/runtime
unset LPDEST PRINTER
running() { lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }
for _ in $(seq 100); do
    running && break
    sleep 0.1
done
running || { echo "the scheduler did not start"; cat "$work/log/error_log" 2>/dev/null; exit 1; }

# A queue whose A4 printable area is "left bottom right top" in points.
add_queue() {
    local queue=$name-$1
    sed "s|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: \"$2\"|" \
        /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >"$work/$queue.ppd"
    cat >/etc/cups/cups-pdf-"$queue".conf <<CONF
Out $work/pdf
AnonDirName $work/pdf
Spool $work/cups-pdf
GSTmp $work/tmp
Log $work/log
Label 2
CONF
    lpadmin -p "$queue" -E -v cups-pdf:/"$queue" -P "$work/$queue.ppd"
}

wait_for_jobs() {
    for _ in $(seq 300); do
        [ -z "$(lpstat -W not-completed -o)" ] && return
        sleep 0.1
    done
    echo "print jobs still waiting after 30 seconds:"
    lpstat -W not-completed -o
    cat "$work/log/error_log"
    exit 1
}

# The printer the cases choose in lotocard.ini; empty for none, so the system's default.
chosen=

# Prints one lottery's file with one calibration and checks the cards. Arguments: the print file, the
# calibration values, the printable area's top-left in points, and the lines of the print file.
print_case() {
    local file=$1 calibration=$2 corner=$3
    shift 3
    local case=$work/case
    rm -rf "$case" "$work"/pdf/*
    mkdir "$case"
    printf '%s\r\n' ravelov1 "" $calibration >"$case/ravelov1.ini"
    printf '%s\r\n' "$@" >"$case/$file"
    [ -z "$chosen" ] || printf '[printer]\r\nname=%s\r\n' "$chosen" >"$case/lotocard.ini"
    "$spooler_print" "$file" "$case" >"$case/boxes"
    wait_for_jobs
    echo "$file, calibration $calibration, printer ${chosen:-(default)}:"
    # In job order: cups-pdf ends every file name with the job number.
    mapfile -t pdfs < <(find "$work/pdf" -name '*.pdf' | sed 's/.*job_\([0-9]*\)\.pdf$/\1 &/' | sort -n | cut -d' ' -f2-)
    "$pdf_marks" "$case/boxes" "$corner" "${pdfs[@]}"
}

loto6=(011522304143 010203040506 373839404142 050607080910 111213141516 212223242543 010203040599)
miniloto=(0102030405 2728293031 0610152032)
numbers4=(1234A 9876b 0000C 5555B 2468A 1357C)
numbers3=(123A 987b 000C 456B 321A 789C 159b)
calibrations=("1975 238 90 360" "1975.5 238.5 90.25 360.5" "-200 238 -50 360" "500 600 90 500")

# A printer profile: its name and its A4 printable area as the PPD gives it, "left bottom right top" in
# points from the sheet's bottom-left; the cards are checked from the area's top-left.
run_profile() {
    local profile=$1 area=$2 left top
    read -r left _ _ top <<<"$area"
    local corner=$left,$((842 - top)) # A4 is 842 points high
    echo "== printer profile $profile: A4 printable area $area, top-left corner $corner pt"
    print_case loto6.txt "1975 238 90 360" "$corner" "${loto6[@]}"
    # The layout and the check must not drift together: the first mark of 011522304143 is known.
    [ "$(head -n 1 "$work/case/boxes")" = "1 6735 3330 6695 3530" ] \
        || { echo "first LOTO6 box moved: $(head -n 1 "$work/case/boxes")"; exit 1; }
    for calibration in "${calibrations[@]:1}"; do
        print_case loto6.txt "$calibration" "$corner" "${loto6[@]}"
    done
    for calibration in "${calibrations[@]}"; do
        print_case miniloto.txt "$calibration" "$corner" "${miniloto[@]}"
        print_case numbers4.txt "$calibration" "$corner" "${numbers4[@]}"
        print_case numbers3.txt "$calibration" "$corner" "${numbers3[@]}"
    done
}

# Wider than Qt's 10 pt page margins, and narrower; the wide queue is the system's default.
wide="18 30 577 806"
narrow="4 5 591 836"
add_queue wide "$wide"
add_queue narrow "$narrow"
lpadmin -d "$name-wide"
run_profile wide "$wide"
chosen=$name-narrow run_profile narrow "$narrow"

# An instance of the narrow queue with a job option of its own, as a user keeps a card-printing set-up
# apart from ordinary printing: its cards land as the queue's, and the option reaches the job.
lpoptions -p "$name-narrow/cards" -o InputSlot=Manual >/dev/null
chosen=$name-narrow/cards print_case numbers3.txt "1975 238 90 360" "4,6" "${numbers3[@]}"
last_job=$(find "$work/spool" -name 'c*' | sort | tail -n 1)
grep -aq 'InputSlot' "$last_job" && grep -aq 'Manual' "$last_job" \
    || { echo "the instance's InputSlot=Manual did not reach the job"; exit 1; }

# A chosen printer that has gone: the run is refused and no job is sent.
jobs_before=$(find "$work/spool" -name 'c*' | wc -l)
mkdir -p "$work/gone"
printf '011522304143\r\n' >"$work/gone/loto6.txt"
printf '[printer]\r\nname=%s\r\n' "$name-gone" >"$work/gone/lotocard.ini"
if "$spooler_print" loto6.txt "$work/gone" >/dev/null 2>"$work/gone/err"; then
    echo "a print on a printer that is not there did not fail"
    exit 1
fi
grep -qF "no printer $name-gone" "$work/gone/err" || { echo "refused otherwise: $(cat "$work/gone/err")"; exit 1; }
[ "$(find "$work/spool" -name 'c*' | wc -l)" -eq "$jobs_before" ] || { echo "a job was sent"; exit 1; }
echo "a chosen printer that is not there: refused, no job"
