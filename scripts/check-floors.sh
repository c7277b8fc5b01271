#!/usr/bin/env bash
# The floors of the house, top to bottom: app/ is the top floor; the feature folders stand below it in a
# ladder, each on the ones listed after it; ui/, seams/ and core/ are the ground floor: ui/ (what every
# window stands on) on the seams, the seams (the interfaces the logic talks to the outside through) on
# core/, core/ on nothing of the program's. So neither core/ nor the seams ever include ui/. A folder may include from its own floor and the ones below it, never from
# above; nor may it name a folder above it in a namespace of its own, as a forward declaration does,
# which an include check alone cannot see. Every line that breaks this is printed with the rule.
set -euo pipefail
cd "$(dirname "$0")/.."

floors=(app draws calibration tickets quick printing settings lotteries ui seams core)
status=0

# report HITS RULE
report() {
    if [ -n "$1" ]; then
        printf '%s\n' "$1" | while IFS= read -r line; do printf '%s    <- %s\n' "$line" "$2"; done
        status=1
    fi
}

for ((i = 1; i < ${#floors[@]}; i++)); do
    folder=${floors[i]}
    above=$(IFS='|'; echo "${floors[*]:0:i}")
    report "$(grep -rnE "^#\s*include\s+\"($above)/" "$folder" --include='*.h' --include='*.cpp' || true)" \
        "$folder/ includes nothing from a floor above it ($above)"
    report "$(grep -rnE "^\s*namespace\s+($above)\s*\{" "$folder" --include='*.h' --include='*.cpp' || true)" \
        "$folder/ declares nothing in the names of a floor above it ($above)"
done

# The logic library is Qt Core only, so no file built into it may include a window's header: whatever a
# folder's CMakeLists.txt gives to the logic target stays off ui/, wherever the folder stands.
for folder in "${floors[@]}"; do
    logic=$(awk -v folder="$folder" '
        /target_sources\(logic / { on = 1 }
        on {
            for (i = 1; i <= NF; i++) if ((file = $i) ~ /\.(h|cpp)\)?$/) { sub(/\)$/, "", file); print folder "/" file }
            if (/\)/) on = 0
        }' "$folder/CMakeLists.txt")
    if [ -n "$logic" ]; then
        # shellcheck disable=SC2086 # one path a word
        report "$(grep -nE '^#\s*include\s+"ui/' $logic /dev/null || true)" \
            "a file of the logic library includes nothing from ui/, the windows' floor"
    fi
done

# Every folder of the program's code has its floor, so that a new one cannot slip past the check.
for folder in $(git ls-files '*.cpp' '*.h' | grep / | cut -d/ -f1 | sort -u); do
    case " ${floors[*]} tests bench fuzz packaging " in
        *" $folder "*) ;;
        *) report "$folder/" "a folder of the program's without a floor: add it to floors in $0" ;;
    esac
done

[ "$status" -eq 0 ] && echo "floors: every include and declaration goes down or stays on its floor ($(IFS=">"; echo "${floors[*]}")), and the logic library stays off ui/"
exit "$status"
