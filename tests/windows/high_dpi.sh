#!/usr/bin/env bash
# Shows every window of the program on Qt's own Windows platform under Wine, on the screen of a common
# Windows laptop, 1920 x 1080, set to 144 dots per inch (150 %), and then at 96 for comparison, and
# checks them there (high_dpi_test.cpp). The Japanese fonts the windows ask for, which a Japanese Windows
# has, are the IPA fonts here, drawn to much the same measures. The screenshots are kept in FOLDER/144dpi
# and FOLDER/96dpi.
# Usage: high_dpi.sh WINE_RUN TEST_PROGRAM FOLDER; LOTOCARD_QT_WINDOWS names Qt's folder for WINE_RUN.
set -euo pipefail
# On an X display of its own, with the laptop's screen.
if [ "${1:-}" != --on-screen ]; then
    exec xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" "$0" --on-screen "$@"
fi
shift
wine_run=$1 program=$2 folder=$3

# A Wine prefix of the test's own, whose screen setting the runs change. Its Wine belongs to this display:
# one left from an earlier run on another display would show no window here.
export WINEPREFIX=$folder/wine
wineserver -k 2>/dev/null || true
# Qt's own Windows platform, which the program has on Windows, not the window tests' offscreen one.
unset QT_QPA_PLATFORM
mkdir -p "$folder"

# Unicode names go into the registry through a file in UTF-16, whatever the locale here.
fonts=$folder/fonts.reg
{
    printf '\xff\xfe'
    iconv -f UTF-8 -t UTF-16LE <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ ゴシック"="IPAGothic"
"MS Gothic"="IPAGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS PGothic"="IPAPGothic"
EOF
} >"$fonts"
"$wine_run" regedit /S "$(printf 'Z:%s' "${fonts//\//\\}")"

failed=0
for dpi in 144 96; do
    "$wine_run" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
    shots=$folder/${dpi}dpi
    rm -rf "$shots"
    mkdir -p "$shots"
    "$wine_run" "$program" "$dpi" "Z:$shots" || failed=1
    echo "Screenshots of the windows at $dpi dpi: $shots"
done
wineserver -w
exit "$failed"
