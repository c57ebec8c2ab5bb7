#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The source folders are layers, each including only what lies below it:
#   app/, startscreen/, the preferences window  →  play/  →  drawing/, sound/  →  media/
#   →  the settings model  →  platform/
# Lists every #include that runs up the layers and every circle between folders (platform's
# rooms, and the preferences window apart from the settings model, count as folders of their
# own), and fails if there is any.
#   tests/include_layers.sh [source root]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

layer() {
    case $1 in
    app/* | startscreen/* | settings/preferences_window.*) echo 0 ;;
    play/*) echo 1 ;;
    drawing/* | sound/*) echo 2 ;;
    media/*) echo 3 ;;
    settings/*) echo 4 ;;
    platform/*) echo 5 ;;
    *) echo - ;;
    esac
}

folder() {
    case $1 in
    settings/preferences_window.*) echo settings/preferences_window ;;
    platform/*/*) cut -d/ -f1-2 <<<"$1" ;;
    *) dirname "$1" ;;
    esac
}

edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
for file in $(find app startscreen settings play drawing sound media platform \
    -name '*.h' -o -name '*.cpp' | sort); do
    sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file" | while read -r target; do
        # From the source root, or beside the including file.
        if [ -f "$target" ]; then
            echo "$file $target"
        elif [ -f "$(dirname "$file")/$target" ]; then
            echo "$file $(dirname "$file")/$target"
        fi
    done
done >"$edges"

upward=0
while read -r from to; do
    a=$(layer "$from")
    b=$(layer "$to")
    if [ "$a" != - ] && [ "$b" != - ] && [ "$b" -lt "$a" ]; then
        echo "up: $from includes $to"
        upward=$((upward + 1))
    fi
done <"$edges"

# tsort names a loop on stderr, and the folders in it, for every circle it has to break.
loops=$(while read -r from to; do
    a=$(folder "$from")
    b=$(folder "$to")
    if [ "$a" != "$b" ]; then echo "$a $b"; fi
done <"$edges" | sort -u | tsort 2>&1 >/dev/null || true)
circles=$(grep -c "input contains a loop" <<<"$loops" || true)
if [ "$circles" -gt 0 ]; then echo "circles:"; sed 's/^tsort: //' <<<"$loops"; fi

echo "$(wc -l <"$edges") includes, $upward up the layers, $circles circles between folders"
[ "$upward" -eq 0 ] && [ "$circles" -eq 0 ]
