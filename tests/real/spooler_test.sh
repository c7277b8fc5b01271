#!/usr/bin/env bash
# Prints print files of all four lotteries through the program's own printer code on PDF queues of a
# CUPS scheduler of its own, then checks every mark on the PDFs against the boxes the print run asked
# for. Two printer profiles: printable areas inset by wide and by narrow margins. The wide queue is the
# system's default and prints when no printer is chosen; the narrow one prints when lotocard.ini chooses
# it, as does a CUPS instance of it whose own job options must reach the job. A printer that is not
# there, a queue that refuses jobs, a queue deleted before the run and a scheduler that is not running
# each fail the run with the message the user is shown and leave no job; a queue that refuses the second
# card's job says the first card was sent. No run leaves a file in its temporary folder.
# With --wine RUNNER, SPOOLER_PRINT is the Windows build's, run by RUNNER under Wine, which offers the
# queues as Windows printers and draws on a grid of 300 dots an inch: both profiles print on their queue
# chosen by name, each mark within a dot of its box; the cases of refused jobs are the Linux run's.
# Usage: spooler_test.sh [--wine RUNNER] SPOOLER_PRINT PDF_MARKS
set -euo pipefail
runner=()
marks_options=()
if [ "$1" = --wine ]; then
    runner=("$2")
    marks_options=(--dot 300)
    shift 2
fi
spooler_print=$1
pdf_marks=$2

if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: printing through a real spooler needs root to install and run its own CUPS scheduler"
    exit 77
fi

packages=(cups cups-ipp-utils printer-driver-cups-pdf poppler-utils)
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

mkdir -p "$work"/{conf,spool,tmp,cache,state,log,cups-pdf,pdf,runtime,run-tmp}
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

# Every client, the printer code included, talks to this scheduler and takes its default printer.
export CUPS_SERVER=$work/cups.sock HOME=$work XDG_RUNTIME_DIR=$work/runtime
# The scheduler's reasons in its own words, whatever language the caller reads.
export LC_ALL=C.UTF-8
unset LPDEST PRINTER
running() { lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }
start_scheduler() {
    cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" &
    cupsd_pid=$!
    for _ in $(seq 100); do
        running && return
        sleep 0.1
    done
    echo "the scheduler did not start"
    cat "$work/log/error_log" 2>/dev/null
    exit 1
}
stop_scheduler() {
    kill "$cupsd_pid"
    wait "$cupsd_pid" || true
    cupsd_pid=
}
start_scheduler
# The scheduler's own address for ipptool: its socket as the host of an ipp: address.
scheduler=ipp://${CUPS_SERVER//\//%2F}

# A queue whose A4 printable area is "left bottom right top" in points, with a folder of its own for its
# PDFs.
add_queue() {
    local queue=$name-$1
    sed "s|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: \"$2\"|" \
        /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >"$work/$queue.ppd"
    cat >/etc/cups/cups-pdf-"$queue".conf <<CONF
Out $work/pdf/$1
AnonDirName $work/pdf/$1
Spool $work/cups-pdf
GSTmp $work/tmp
Log $work/log
Label 2
CONF
    mkdir -p "$work/pdf/$1"
    lpadmin -p "$queue" -E -v cups-pdf:/"$queue" -P "$work/$queue.ppd"
}

# Every job the scheduler has taken, by id, oldest first; finished jobs stay listed.
job_ids() { lpstat -W all -o | awk '{print $1}' | sed 's/.*-//' | sort -n; }

# Runs spooler_print with a temporary folder of its own, which it must leave empty. Under Wine the
# program's temporary folder is the prefix's, and TMPDIR is where Wine keeps its server's socket.
print_run() {
    local status=0
    if [ ${#runner[@]} -ne 0 ]; then
        "${runner[@]}" "$spooler_print" "$@" || status=$?
        return "$status"
    fi
    TMPDIR=$work/run-tmp "$spooler_print" "$@" || status=$?
    if [ -n "$(ls -A "$work/run-tmp")" ]; then
        echo "the print run left in its temporary folder:" >&2
        ls -AR "$work/run-tmp" >&2
        exit 1
    fi
    return "$status"
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
    rm -rf "$case"
    find "$work/pdf" -type f -delete
    mkdir "$case"
    printf '%s\r\n' ravelov1 "" $calibration >"$case/ravelov1.ini"
    printf '%s\r\n' "$@" >"$case/$file"
    [ -z "$chosen" ] || printf '[printer]\r\nname=%s\r\n' "$chosen" >"$case/lotocard.ini"
    print_run "$file" "$case" >"$case/boxes"
    wait_for_jobs
    echo "$file, calibration $calibration, printer ${chosen:-(default)}:"
    # In job order: cups-pdf ends every file name with the job number.
    mapfile -t pdfs < <(find "$work/pdf" -name '*.pdf' | sed 's/.*job_\([0-9]*\)\.pdf$/\1 &/' | sort -n | cut -d' ' -f2-)
    "$pdf_marks" "${marks_options[@]}" "$case/boxes" "$corner" "${pdfs[@]}"
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
    if [ ${#runner[@]} -ne 0 ]; then
        # Wine's printer starts its printable area at a whole dot, the margin's last part dot dropped.
        corner=$(awk -v left="$left" -v top=$((842 - top)) \
            'function dots(pt) { return int(pt * 300 / 72) * 72 / 300 } BEGIN { printf "%g,%g", dots(left), dots(top) }')
    fi
    echo "== printer profile $profile: A4 printable area $area, top-left corner $corner pt"
    print_case loto6.txt "1975 238 90 360" "$corner" "${loto6[@]}"
    # The layout and the check must not drift together: the first mark of 011522304143 is known.
    # (A Windows program ends its lines with CR LF.)
    local first
    first=$(head -n 1 "$work/case/boxes" | tr -d '\r')
    [ "$first" = "1 6735 3330 6695 3530" ] || { echo "first LOTO6 box moved: $first"; exit 1; }
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
if [ ${#runner[@]} -ne 0 ]; then
    # Chosen by name: another process may change the system's default printer meanwhile.
    chosen=$name-wide run_profile wide "$wide"
    chosen=$name-narrow run_profile narrow "$narrow"
    exit 0
fi
run_profile wide "$wide"
chosen=$name-narrow run_profile narrow "$narrow"

# An instance of the narrow queue with a job option of its own, as a user keeps a card-printing set-up
# apart from ordinary printing: its cards land as the queue's, and the option reaches every job, as the
# scheduler tells.
lpoptions -p "$name-narrow/cards" -o InputSlot=Manual >/dev/null
last_before=$(job_ids | tail -n 1)
chosen=$name-narrow/cards print_case numbers3.txt "1975 238 90 360" "4,6" "${numbers3[@]}"
cat >"$work/input-slot.test" <<'TEST'
{
    NAME "The job's InputSlot is Manual"
    OPERATION Get-Job-Attributes
    GROUP operation-attributes-tag
    ATTR charset attributes-charset utf-8
    ATTR language attributes-natural-language en
    ATTR uri job-uri $uri
    STATUS successful-ok
    EXPECT InputSlot WITH-VALUE "Manual"
}
TEST
instance_jobs=$(job_ids | awk -v after="$last_before" '$1 > after')
[ "$(wc -w <<<"$instance_jobs")" -eq 2 ] || { echo "the instance's two cards made jobs: $instance_jobs"; exit 1; }
for job in $instance_jobs; do
    ipptool -q "$scheduler/jobs/$job" "$work/input-slot.test" || {
        echo "the instance's InputSlot=Manual did not reach job $job:"
        ipptool -tv "$scheduler/jobs/$job" "$work/input-slot.test"
        exit 1
    }
done

# A print run that must fail: run on the LOTO6 file of two cards, the message holds every line of
# $expected, and the scheduler took $sent jobs (none unless told). Arguments: the case's name, the
# printer chosen (empty for the system's default), then what spooler_print takes after the data folder.
refused_case() {
    local title=$1 printer=$2 case=$work/refused before after
    shift 2
    rm -rf "$case"
    mkdir "$case"
    printf '%s\r\n' "${loto6[@]}" >"$case/loto6.txt"
    [ -z "$printer" ] || printf '[printer]\r\nname=%s\r\n' "$printer" >"$case/lotocard.ini"
    before=
    [ -z "$cupsd_pid" ] || before=$(job_ids | wc -l)
    if print_run loto6.txt "$case" "$@" >/dev/null 2>"$case/err"; then
        echo "$title: the print run did not fail"
        exit 1
    fi
    while IFS= read -r line; do
        grep -qF -- "$line" "$case/err" || { echo "$title: the message lacks \"$line\":"; cat "$case/err"; exit 1; }
    done <<<"$expected"
    if [ -n "$before" ]; then
        wait_for_jobs
        after=$(job_ids | wc -l)
        [ $((after - before)) -eq "${sent:-0}" ] \
            || { echo "$title: $((after - before)) jobs sent, not ${sent:-0}"; exit 1; }
    fi
    echo "$title: refused with the message, ${sent:-0} jobs"
}

expected="プリンタ「$name-gone」が見つかりません。「プリンタの設定」で選び直してください。" \
    refused_case "a chosen printer that is not there" "$name-gone"

# A queue that does not accept jobs: the scheduler's reason, the printer and that no card went.
cupsreject "$name-wide" "$name-narrow"
expected="プリンタ「$name-wide」が印刷を受け付けませんでした。
理由: Destination \"$name-wide\" is not accepting jobs.
1 枚目のカードで印刷を止めました。プリンタに送ったカードはありません。" \
    refused_case "a queue that rejects jobs" ""
expected="プリンタ「$name-narrow/cards」が印刷を受け付けませんでした。
理由: Destination \"$name-narrow\" is not accepting jobs." \
    refused_case "an instance of a queue that rejects jobs" "$name-narrow/cards"
cupsaccept "$name-wide" "$name-narrow"

# The queue stops taking jobs once the first card has gone: the message says card 1 went.
expected="プリンタ「$name-wide」が印刷を受け付けませんでした。
2 枚目のカードで印刷を止めました。1 枚目のカードはプリンタに送りました。" \
    sent=1 refused_case "a queue that rejects the second card's job" "" cupsreject "$name-wide"
cupsaccept "$name-wide"

# Queues deleted before the run, the chosen one and the default, the system's and the user's (lpoptions
# keeps the user's own default, which the instance's options wrote down).
add_queue deleted "$narrow"
lpadmin -x "$name-deleted"
expected="プリンタ「$name-deleted」が見つかりません。「プリンタの設定」で選び直してください。" \
    refused_case "a chosen queue deleted before the run" "$name-deleted"
add_queue deleted "$narrow"
lpadmin -d "$name-deleted"
lpoptions -d "$name-deleted" >/dev/null
lpadmin -x "$name-deleted"
expected="通常使うプリンタが設定されていません。" refused_case "the default queue deleted before the run" ""
lpadmin -d "$name-wide"
lpoptions -d "$name-wide" >/dev/null

# No scheduler: nothing can be printed, and once it runs again it holds no job of the runs.
jobs_before=$(job_ids | wc -l)
stop_scheduler
expected="通常使うプリンタが設定されていません。" refused_case "no scheduler, the system's default" ""
expected="プリンタ「$name-narrow」が見つかりません。" refused_case "no scheduler, a chosen printer" "$name-narrow"
start_scheduler
[ "$(job_ids | wc -l)" -eq "$jobs_before" ] || { echo "a job was sent without a scheduler"; exit 1; }
