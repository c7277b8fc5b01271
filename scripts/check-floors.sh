#!/usr/bin/env bash
# The floors of the house: nothing includes a header from a floor above its own. app/ is the top floor;
# settings/, tickets/, cards/ and quick/ stand on ui/ and core/; ui/ stands on core/; core/ on nothing
# of the program's. Every include that breaks this is printed with the rule it breaks.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

# refuse FOLDER INCLUDED-FOLDERS RULE
refuse() {
    local hits
    hits=$(grep -rnE "^#\s*include\s+\"($2)/" "$1" --include='*.h' --include='*.cpp' || true)
    if [ -n "$hits" ]; then
        printf '%s\n' "$hits" | sed "s|\$|    <- $3|"
        status=1
    fi
}

for folder in core ui settings tickets cards quick; do
    refuse "$folder" app "nothing below app/ includes app/"
done
refuse ui 'settings|tickets|cards|quick' "ui/ stands on core/ alone"
refuse core 'ui|settings|tickets|cards|quick' "core/ includes nothing of the program's"

[ "$status" -eq 0 ] && echo "floors: every include goes down or stays on its floor"
exit "$status"
