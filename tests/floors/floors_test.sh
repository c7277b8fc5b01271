#!/usr/bin/env bash
# The floors check on a copy of the checkout with one break planted at a time: each must fail the check,
# and the check must name the line. The copy as it is passes.
# Usage: floors_test.sh SOURCE_FOLDER
set -euo pipefail
source_folder=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A fresh copy of the tracked files, with a git index of its own, since the check asks git for them.
fresh_copy() {
    rm -rf "$work/tree"
    mkdir "$work/tree"
    (cd "$source_folder" && git ls-files -z | xargs -0 cp --parents -t "$work/tree")
    git -C "$work/tree" init -q
    git -C "$work/tree" add -A
}

fresh_copy
"$work/tree/scripts/check-floors.sh" >/dev/null || { echo "the checkout itself breaks the floors"; exit 1; }

# FILE LINE: the line planted at the end of FILE, which the check must report.
while read -r file line; do
    fresh_copy
    printf '%s\n' "$line" >>"$work/tree/$file"
    if "$work/tree/scripts/check-floors.sh" >"$work/out" 2>&1; then
        echo "not caught: $line in $file"
        exit 1
    fi
    grep -qF "$file:" "$work/out" || { echo "the check does not name $file:"; cat "$work/out"; exit 1; }
done <<'BREAKS'
core/units.h #include "ui/prompter.h"
seams/clock.h #include "ui/services.h"
printing/card_layout.h #include "ui/window_layout.h"
lotteries/lottery.cpp #include "settings/numeric_text.h"
ui/prompter.h namespace printing { class PreviewWindow; }
BREAKS
echo "every planted break was caught and named"
