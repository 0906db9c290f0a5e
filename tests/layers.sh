#!/usr/bin/env bash
# Guards the layers of src/: a folder includes only its own headers and those of lower layers,
# and Qt stays in gui/, platform/ and tools/ (and their tests).
#   model <- files <- editor, link, report, debug <- program <- gui
# platform implements the core's interfaces and may use any core folder; sim, the far end of
# the cable, sees only the link's interfaces and the model.
set -uo pipefail
top=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$top" || exit 2

declare -A rank=([model]=0 [files]=1 [editor]=2 [link]=2 [report]=2 [debug]=2 [program]=3 [gui]=4)
failures=0

complain() {
    echo "$1"
    failures=$((failures + 1))
}

may_include() { # folder included-folder
    local from=$1 to=$2
    [ "$from" = "$to" ] && return 0
    case $from in
    gui) return 0 ;;
    platform) [ "$to" != gui ] && [ "$to" != sim ] ;;
    sim) [ "$to" = link ] || [ "$to" = model ] ;;
    *) [ -n "${rank[$to]:-}" ] && [ "${rank[$to]}" -lt "${rank[$from]}" ] ;;
    esac
}

while IFS= read -r file; do
    from=$(echo "$file" | cut -d/ -f2)
    while IFS= read -r line; do
        to=$(echo "$line" | sed -E 's/^[^"]*"([^/"]+)\/.*$/\1/')
        [ "$to" = "$line" ] && continue # a header of the same folder, by bare name
        may_include "$from" "$to" || complain "$file includes $to/: ${line#*#}"
    done < <(grep -E '^\s*#\s*include\s+"' "$file")
done < <(find src -name '*.h' -o -name '*.cpp')

while IFS= read -r hit; do
    complain "Qt outside the windows, the platform and the tools: $hit"
done < <(grep -rnE '^\s*#\s*include\s+<(Q|qt)' src tests --include='*.h' --include='*.cpp' |
    grep -vE '^(src|tests)/(gui|platform)/')

if [ "$failures" -gt 0 ]; then
    echo "$failures include(s) against the layers"
    exit 1
fi
echo "layers: every include runs downwards"
