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

# A file's layer and its folder.
place() {
    case $1 in
    settings/preferences_window.*) echo 0 settings/preferences_window ;;
    app/* | startscreen/*) echo 0 "$(dirname "$1")" ;;
    play/*) echo 1 "$(dirname "$1")" ;;
    drawing/* | sound/*) echo 2 "$(dirname "$1")" ;;
    media/*) echo 3 "$(dirname "$1")" ;;
    settings/*) echo 4 settings ;;
    platform/*) echo 5 "$(cut -d/ -f1-2 <<<"$1")" ;;
    esac
}

# Each include as "layer folder layer folder", from the source root or beside the including file.
edges=$(for file in $(find app startscreen settings play drawing sound media platform \
    -name '*.h' -o -name '*.cpp' | sort); do
    sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file" | while read -r target; do
        [ -f "$target" ] || target=$(dirname "$file")/$target
        [ ! -f "$target" ] || echo "$(place "$file") $(place "$target") $file $target"
    done
done)

upward=$(awk '$3 < $1 { print "up: " $5 " includes " $6 }' <<<"$edges")
# tsort names a loop on stderr, and the folders in it, for every circle it has to break.
loops=$(awk '$2 != $4 { print $2, $4 }' <<<"$edges" | sort -u | tsort 2>&1 >/dev/null || true)
circles=$(grep -c "input contains a loop" <<<"$loops" || true)
[ -z "$upward" ] || echo "$upward"
if [ "$circles" -gt 0 ]; then echo "circles:"; sed 's/^tsort: //' <<<"$loops"; fi

echo "$(wc -l <<<"$edges") includes, $(grep -c . <<<"$upward" || true) up the layers, $circles circles between folders"
[ -z "$upward" ] && [ "$circles" -eq 0 ]
