#!/usr/bin/env bash
# Every translation is complete and up to date: lupdate run over the sources into copies of the
# .ts files changes nothing (no text missing, none left over), and no entry is unfinished.
# English holds only the plural forms of the counted texts; its other entries show the source.
# The source locations are left out of the comparison: they are the translators' context, and
# update_translations brings them up to date whenever it runs, so a line that moves fails nothing.
# Usage: translations.sh LUPDATE TOP FOLDER... -- LUPDATE_OPTION...
set -euo pipefail
lupdate=$1
top=$2
shift 2
folders=()
while [ "$1" != "--" ]; do
    folders+=("$top/$1")
    shift
done
shift

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$top"/i18n/*.ts "$work"/
"$lupdate" "$@" "${folders[@]}" -ts "$work"/*.ts >/dev/null

# The .ts file without its source locations.
texts() {
    grep -v '<location ' "$1"
}

status=0
for ts in "$top"/i18n/*.ts; do
    name=$(basename "$ts")
    if ! cmp -s <(texts "$ts") <(texts "$work/$name"); then
        echo "i18n/$name does not match the sources (run: cmake --build build --target" \
             "update_translations, then translate what it marks unfinished):"
        diff <(texts "$ts") <(texts "$work/$name") | head -20
        status=1
    fi
    if [ "$name" = tq58_en.ts ]; then
        # Only messages with plural forms must be finished in English.
        unfinished=$(awk '/<message numerus="yes">/ { plural = 1 }
                          plural && /type="unfinished"/ { count++ }
                          /<\/message>/ { plural = 0 }
                          END { print count + 0 }' "$ts")
    else
        unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
    fi
    if [ "$unfinished" -ne 0 ]; then
        echo "i18n/$name: $unfinished unfinished entries"
        status=1
    fi
done
exit $status
